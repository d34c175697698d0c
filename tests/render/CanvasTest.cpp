// Painting the canvas: grid, labels, figures, selection marks, polygon
// marks and the printed page.
#include "../model/TestAccess.h"
#include "RandomDrawing.h"
#include "RecordingSurface.h"

#include "model/CPluvoDoc.h"
#include "render/Canvas.h"
#include "render/RasterSurface.h"

#include <gtest/gtest.h>

namespace {

// The x of every vertical grid line drawn, in order.
std::vector<std::string> VerticalLines(const RecordingSurface& s) {
    std::vector<std::string> xs;
    for (const std::string& c : s.Calls("MoveToEx("))
        if (c.size() > 2 && c.substr(c.size() - 3) == ",0)") xs.push_back(c);
    return xs;
}

} // namespace

TEST(Canvas, GridDoublesEveryFifthLineAndLabelsStepNearestTo100) {
    CPluvoDoc doc;
    RecordingSurface s;
    SchilderRaster(s, doc, 32, 330, 10);
    const auto xs = VerticalLines(s);
    ASSERT_GE(xs.size(), 7u);
    EXPECT_EQ(xs[5], "MoveToEx(159,0)");
    EXPECT_EQ(xs[6], "MoveToEx(160,0)");
    EXPECT_EQ(xs[11], "MoveToEx(319,0)");

    RecordingSurface small;
    SchilderRaster(small, doc, 10, 210, 1);
    EXPECT_EQ(VerticalLines(small)[10], "MoveToEx(99,0)");

    for (auto [g, second] : {std::pair{32, "TextOut(96,0,96)"}, std::pair{10, "TextOut(100,0,100)"},
                             std::pair{200, "TextOut(200,0,200)"}}) {
        RecordingSurface t;
        Writable(doc).SizeRaster = g;
        SchilderCoordinaten(t, doc, 300, 300);
        const auto labels = t.Calls("TextOut");
        ASSERT_GE(labels.size(), 2u);
        EXPECT_EQ(labels[0], "TextOut(0,0,0)");
        EXPECT_EQ(labels[1], second) << "grid " << g;
    }
}

TEST(Canvas, PaintingEndsForAnyGridSize) {
    CPluvoDoc doc;
    Writable(doc).MetCoord = 1;
    for (std::int32_t g : {0, -5, 201, 100000, 2147483647}) {
        Writable(doc).SizeRaster = g;
        RecordingSurface s;
        OnDraw(s, doc, {640, 480});
        EXPECT_LT(s.calls.size(), 2000u) << "grid " << g;
    }
}

TEST(Canvas, PrintingEnlargesForOnePaintAndGivesEverythingBack) {
    CPluvoDoc doc;
    Writable(doc).MetCoord = 1;
    Figuur line;
    line.FiguurType = Lijn;
    line.LijnDikte = 2;
    line.RsterPnt = 1;
    line.p1 = {10, 20};
    line.p2 = {30, 40};
    Writable(doc).figures.push_back(line);
    Figuur far = line;
    far.p1 = {1000000000, 5};
    Writable(doc).figures.push_back(far);
    Writable(doc).points = {{7, 8}};
    WritableSelection(doc) = {0};
    const CPluvoDoc before = doc;

    RecordingSurface s;
    s.printing = true;
    s.width = 4000;
    s.height = 100;
    OnDraw(s, doc, {640, 480});
    EXPECT_TRUE(s.Calls("FillSolidRect").empty()) << "no background on paper";
    EXPECT_EQ(s.Calls("TextOut")[1], "TextOut(512,0,512)");
    EXPECT_EQ(s.Calls("SelectFont")[0], "SelectFont(Tahoma,-50)");
    EXPECT_EQ(VerticalLines(s)[5], "MoveToEx(799,0)");
    EXPECT_EQ(s.Calls("LineTo")[0].substr(0, 10), "LineTo(0,1") << "first grid line";
    const auto marks = s.Calls("Ellipse");
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0], "Ellipse(35,85,66,116)") << "radius 15 around the enlarged p1";
    EXPECT_EQ(doc.drawing().figures, before.drawing().figures) << "even a coordinate whose product overflows";
    EXPECT_EQ(doc.drawing().points, before.drawing().points);
    EXPECT_EQ(doc.drawing().fonts, before.drawing().fonts);
    EXPECT_EQ(doc.drawing().SizeRaster, before.drawing().SizeRaster);
    EXPECT_EQ(doc.current, before.current);
}

TEST(Canvas, PolygonMarksComeLastAndAreEnlargedOnPaper) {
    CPluvoDoc doc;
    Writable(doc).MetRaster = 0;
    doc.PrintFactor = 2;
    Figuur fill;
    fill.FiguurType = Opvullen;
    fill.p1 = {3, 4};
    fill.RsterPnt = 1;
    Writable(doc).figures.push_back(fill);
    const std::vector<POINT> entered = {{10, 10}, {20, 10}, {20, 20}};
    CanvasView view{100, 50};
    view.polygonMarks = entered;
    RecordingSurface s;
    OnDraw(s, doc, view);
    ASSERT_GE(s.calls.size(), 1u);
    EXPECT_EQ(s.calls[0], "FillSolidRect(0,0,100,50,F0F0F0)");
    std::vector<std::string> shapes;
    for (const std::string& c : s.calls)
        if (c.rfind("Select", 0) != 0 && c.rfind("Set", 0) != 0) shapes.push_back(c);
    const std::vector<std::string> tail(shapes.end() - 5, shapes.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Ellipse(5,5,16,16)", "MoveToEx(10,10)",
                                              "LineTo(20,10)", "MoveToEx(20,10)", "LineTo(20,20)"}))
        << "the same marks the gesture draws: a circle at the first point, then the segments";
    RecordingSurface paper;
    paper.printing = true;
    OnDraw(paper, doc, view);
    EXPECT_EQ(paper.Calls("Ellipse"), std::vector<std::string>{"Ellipse(15,15,26,26)"});
    EXPECT_EQ(paper.Calls("LineTo"), (std::vector<std::string>{"LineTo(40,20)", "LineTo(40,40)"}));
}

TEST(Canvas, GridLinesPenAndDoubledLinesOnBothAxes) {
    CPluvoDoc doc;
    RecordingSurface s;
    SchilderRaster(s, doc, 5, 55, 11);
    const auto& c = s.calls;
    ASSERT_GE(c.size(), 2u);
    EXPECT_EQ(c.front(), "SelectPen(solid,1,FFFF96)");
    EXPECT_EQ(c.back(), "SelectPen(solid,1,000000)") << "the previous pen is given back";
    ASSERT_EQ(c.size(), 2u + 2u * 12u + 2u * 3u) << "x = 0..50 with one doubled, y = 0, 5, 10";
    const std::vector<std::string> doubled(c.begin() + 21, c.begin() + 25);
    EXPECT_EQ(doubled, (std::vector<std::string>{"MoveToEx(49,0)", "LineTo(49,11)",
                                                 "MoveToEx(50,0)", "LineTo(50,11)"}))
        << "a cell of 5 doubles every 10th line, left of it";
    EXPECT_EQ(c[c.size() - 3], "MoveToEx(0,10)");
    EXPECT_EQ(c[c.size() - 2], "LineTo(55,10)");

    RecordingSurface h;
    SchilderRaster(h, doc, 33, 10, 200);
    EXPECT_EQ(h.Calls("MoveToEx(0,164)"), std::vector<std::string>{"MoveToEx(0,164)"});
    EXPECT_EQ(h.Calls("LineTo(10,164)"), std::vector<std::string>{"LineTo(10,164)"})
        << "horizontal lines run to the width; doubled above the 5th";
}

TEST(Canvas, CoordinateLabelsUseLightTahomaAndLeaveTransparentMode) {
    CPluvoDoc doc;
    RecordingSurface s;
    SchilderCoordinaten(s, doc, 192, 97);
    EXPECT_EQ(s.Calls("TextOut"), (std::vector<std::string>{"TextOut(0,0,0)", "TextOut(96,0,96)",
                                                            "TextOut(0,0,0)", "TextOut(0,96,96)"}))
        << "labels stop before the width and height, 0 is written twice";
    ASSERT_EQ(s.selectedFonts.size(), 2u);
    const LogFont& f = s.selectedFonts[0];
    EXPECT_EQ(f.FaceName(), "Tahoma");
    EXPECT_EQ(f.lfHeight, -10);
    EXPECT_EQ(f.lfWidth, 0);
    EXPECT_EQ(f.lfEscapement, 0);
    EXPECT_EQ(f.lfOrientation, 0);
    EXPECT_EQ(f.lfWeight, 300);
    EXPECT_EQ(f.lfItalic + f.lfUnderline + f.lfStrikeOut + f.lfCharSet, 0);
    EXPECT_EQ(f.lfOutPrecision, 4) << "OUT_TT_PRECIS";
    EXPECT_EQ(f.lfClipPrecision, 0);
    EXPECT_EQ(f.lfQuality, 2) << "PROOF_QUALITY";
    EXPECT_EQ(f.lfPitchAndFamily, 0);
    EXPECT_EQ(s.selectedFonts[1], LogFont{}) << "the previous font is given back";
    EXPECT_EQ(s.GetBkMode(), BkMode::Transparent) << "the background mode is left transparent";

    RecordingSurface paper;
    paper.printing = true;
    doc.PrintFactor = 10;
    SchilderCoordinaten(paper, doc, 1000, 1);
    EXPECT_EQ(paper.Calls("TextOut")[1], "TextOut(992,0,992)") << "31 cells of 32 near 1000";
    EXPECT_EQ(paper.selectedFonts[0].lfHeight, -100);
    doc.PrintFactor = 5;
    Writable(doc).SizeRaster = 7;
    RecordingSurface odd;
    SchilderCoordinaten(odd, doc, 200, 1);
    EXPECT_EQ(odd.Calls("TextOut")[1], "TextOut(98,0,98)") << "(3 + 100) / 7 = 14 cells";
}

TEST(Canvas, SelectionMarksSkipStaleIndicesAndLeaveTheHollowBrush) {
    CPluvoDoc doc;
    Figuur a;
    a.p1 = {10, 20};
    a.p2 = {30, 40};
    Figuur b;
    b.p1 = {-5, 0};
    b.p2 = {7, 8};
    Writable(doc).figures = {a, b};
    WritableSelection(doc) = {7, 1, 0};
    RecordingSurface s;
    SchilderSelectie(s, doc);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"SelectPen(solid,1,000000)", "SelectBrush(hollow)",
                                                 "Ellipse(-8,-3,-1,4)", "Ellipse(4,5,11,12)",
                                                 "Ellipse(7,17,14,24)", "Ellipse(27,37,34,44)",
                                                 "SelectPen(solid,1,000000)"}));
    EXPECT_EQ(s.CurrentBrush().style, BrushStyle::Hollow);
}

TEST(Canvas, PaintPullsOnlyTheDrawingCopyAndRestoresTheCurrentFigure) {
    CPluvoDoc doc;
    Writable(doc).MetRaster = 0;
    Figuur line;
    line.FiguurType = Lijn;
    line.LijnDikte = 2;
    line.p1 = {0, 0};
    line.p2 = {50, 0};
    Figuur rect;
    rect.FiguurType = Rechthoek;
    rect.MetRand = 1;
    rect.LijnDikte = 1;
    rect.p1 = {52, 2};
    rect.p2 = {80, 30};
    Writable(doc).figures = {line, rect};
    doc.current.FiguurType = Veelhoek;
    doc.current.p1 = {1, 2};
    const CPluvoDoc before = doc;
    RecordingSurface s;
    OnDraw(s, doc, {200, 100});
    EXPECT_EQ(s.calls,
              (std::vector<std::string>{
                  "FillSolidRect(0,0,200,100,F0F0F0)", "SelectPen(solid,2,000000)",
                  "SelectBrush(hollow)", "MoveToEx(0,0)", "LineTo(50,0)",
                  "SelectPen(solid,1,000000)", "SelectPen(solid,1,000000)", "SelectBrush(hollow)",
                  "Rectangle(50,0,81,31)", "SelectPen(solid,1,000000)", "SelectPen(solid,1,000000)",
                  "SelectBrush(hollow)", "SelectPen(solid,1,000000)"}))
        << "background, figures (the rectangle pulled onto the line end), empty marks";
    EXPECT_EQ(doc.drawing().figures, before.drawing().figures) << "pulling while painting changes no stored figure";
    EXPECT_EQ(doc.current, before.current);
}

namespace {

// A raster surface that cannot split its rows, so that OnDraw paints it on
// one thread.
class OneThreadSurface final : public RasterSurface {
public:
    using RasterSurface::RasterSurface;
    std::unique_ptr<Surface> RowBand(std::int32_t, std::int32_t) override { return nullptr; }
};

} // namespace

// The rows split between two threads, joined at every flood fill, give the
// pixels and the surface state that one thread gives: lines, dotted phases,
// wide strokes and shapes cut at the split, fills that cross it, marks.
TEST(Canvas, PaintSplitBetweenThreadsEqualsOneThread) {
    constexpr std::int32_t w = 203, h = 151;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        CPluvoDoc doc = samples::RandomDrawing(seed, 1400, w, h, seed % 2 == 0 ? 0 : 350);
        Writable(doc).MetRaster = static_cast<std::int32_t>(seed % 3 != 0);
        for (std::uint32_t k = 0; k < doc.drawing().figures.size() + 2; k += 1 + seed % 2)
            WritableSelection(doc).push_back(k);
        std::vector<Pixel> split(std::size_t{w} * h, 0), one(split.size(), 0);
        RasterSurface a(split.data(), w, h, w);
        OneThreadSurface b(one.data(), w, h, w);
        OnDraw(a, doc, {w, h});
        OnDraw(b, doc, {w, h});
        ASSERT_EQ(split, one) << "seed " << seed;
        EXPECT_EQ(a.CurrentBrush(), b.CurrentBrush());
        EXPECT_EQ(a.CurrentPen(), b.CurrentPen());
        EXPECT_EQ(a.GetBkMode(), b.GetBkMode());
        // The surface draws on every row again afterwards.
        a.FillSolidRect(0, 0, w, h, 0x123456);
        EXPECT_EQ(split.back(), RasterSurface::ToPixel(0x123456));
    }
}
