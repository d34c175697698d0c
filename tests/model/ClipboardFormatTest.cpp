// Figures through the clipboard: what the selection takes along, what
// reading clipboard text refuses, and figures pasted into another drawing
// drawing as they did where they were copied.
#include "model/ClipboardFormat.h"

#include "SampleDrawings.h"
#include "model/SvgExport.h"
#include "model/TextFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// EveryKind with a copy of its polygon (sharing its points), a second text
// figure, and two figures that are never drawn: a text past the text list
// and a polygon past the point list.
CPluvoDoc Source() {
    CPluvoDoc doc = samples::EveryKind();
    Drawing& d = Writable(doc);
    d.figures.push_back(d.figures[9]);
    d.figures.back().p1 = {400, 10};
    Figuur text = d.figures[8];
    text.TekstIndex = 2;
    text.FontIndex = 1;
    d.figures.push_back(text);
    Figuur lost = text;
    lost.TekstIndex = 99;
    d.figures.push_back(lost);
    Figuur outside = d.figures[9];
    outside.PolyPnt = 4;
    d.figures.push_back(outside);
    return doc;
}

} // namespace

TEST(ClipboardFormat, CopiedFiguresPasteElsewhereDrawingTheirOwnTextsFontsAndPoints) {
    CPluvoDoc source = Source();
    // Out of order, twice over, and naming no figure: the list order counts.
    WritableSelection(source) = {9, 8, 2, 10, 11, 12, 13, 1000, 2};
    const std::vector<std::size_t> taken = {2, 8, 9, 10, 11};

    const Drawing figures = SelectedFigures(source);
    ASSERT_EQ(figures.figures.size(), taken.size()) << "the text and polygon never drawn stay";
    EXPECT_EQ(figures.points.size(), 4u) << "the copies of a polygon share its points";
    EXPECT_EQ(figures.texts.size(), 2u);
    EXPECT_EQ(figures.fonts.size(), 2u);

    Drawing read;
    ASSERT_TRUE(ReadFigures(FiguresText(figures), read));
    EXPECT_EQ(read.figures, figures.figures);
    EXPECT_EQ(read.texts, figures.texts);
    EXPECT_EQ(read.fonts, figures.fonts);
    EXPECT_EQ(read.points, figures.points);

    CPluvoDoc target = samples::OneLine();
    Writable(target).texts.push_back(source.drawing().texts[1]);
    Writable(target).points = {{7, 7}};
    const std::size_t textsBefore = target.drawing().texts.size();
    Edited(target, [&](DrawingEditor& e) { PasteFigures(e, read, 7, -3); });

    ASSERT_EQ(target.drawing().figures.size(), 1 + taken.size());
    EXPECT_EQ(target.Selection(), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(target.drawing().texts.size(), textsBefore + 1)
        << "an equal text is found, not added";
    std::vector<POINT> was, now;
    for (std::size_t k = 0; k < taken.size(); ++k) {
        const Figuur& original = source.drawing().figures[taken[k]];
        const Figuur& pasted = target.drawing().figures[1 + k];
        EXPECT_EQ(pasted.FiguurType, original.FiguurType) << k;
        EXPECT_EQ(pasted.KleurRand, original.KleurRand) << k;
        EXPECT_EQ(pasted.p1, (POINT{original.p1.x + 7, original.p1.y - 3})) << k;
        EXPECT_EQ(pasted.p2, (POINT{original.p2.x + 7, original.p2.y - 3})) << k;
        if (original.FiguurType == Tekst) {
            ASSERT_TRUE(target.TextOf(pasted) && target.FontOf(pasted)) << k;
            EXPECT_EQ(*target.TextOf(pasted), *source.TextOf(original)) << k;
            EXPECT_EQ(*target.FontOf(pasted), *source.FontOf(original)) << k;
        } else if (original.FiguurType == Polygoon) {
            ASSERT_TRUE(source.PolygonVertices(original, was));
            ASSERT_TRUE(target.PolygonVertices(pasted, now)) << k;
            for (POINT& p : was) p = {p.x + 7, p.y - 3};
            EXPECT_EQ(now, was) << k;
        } else {
            EXPECT_EQ(pasted.TekstIndex, 0) << "an index the figure does not use";
        }
    }

    // The SVG holds the selection only.
    const std::string svg = FiguresSvg(figures, "klembord");
    EXPECT_NE(svg.find("<ellipse"), std::string::npos);
    EXPECT_NE(svg.find("<polygon"), std::string::npos);
    EXPECT_EQ(svg.find("<line"), std::string::npos);
    EXPECT_EQ(svg.find("<rect"), std::string::npos);
}

TEST(ClipboardFormat, TextThatHoldsNoFiguresToPasteIsRefused) {
    const CPluvoDoc source = Source();
    const std::string good = FiguresText(SelectedFigures(CPluvoDoc(
        StoredDrawing{source.drawing(), source.current}, std::vector<std::uint32_t>{8, 9})));
    // The line of the figures, by its place after the "Figuren" header.
    const auto withFigure = [&](int which, const std::string& line) {
        std::string text = good;
        std::size_t at = text.find("\nFiguren");
        at = text.find('\n', at + 1); // the column header
        for (int i = 0; i <= which; ++i) at = text.find('\n', at + 1);
        const std::size_t end = text.find('\n', at + 1);
        return text.replace(at + 1, end - at - 1, line);
    };
    std::string empty;
    WriteText(CPluvoDoc(), empty);
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"no drawing", "een gewone tekst"},
        {"nothing", ""},
        {"a drawing without figures", empty},
        {"a text before its text list",
         withFigure(0, "   7, 0, 0, 0, 1, 0, 0, 1, 50, 60, 50, 60, 0, -1, 0, 3, 0")},
        {"a tool's kind",
         withFigure(0, "   9, 0, 0, 0, 1, 0, 0, 1, 50, 60, 50, 60, 0, 0, 0, 3, 0")},
        {"a polygon past its points",
         withFigure(1, "  10, 2, 0, 0, 1, 0, 0, 1, 200, 200, 250, 195, 0, 0, 0, 4, 0")},
    };
    Drawing read;
    ASSERT_TRUE(ReadFigures(good, read));
    for (const auto& c : cases) {
        Drawing out;
        out.SizeRaster = 77;
        EXPECT_FALSE(ReadFigures(c.text, out)) << c.what;
        EXPECT_EQ(out.SizeRaster, 77) << c.what << ": untouched";
        EXPECT_TRUE(out.figures.empty()) << c.what;
    }
}
