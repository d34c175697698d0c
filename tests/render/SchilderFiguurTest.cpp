#include "../model/TestAccess.h"
#include "RecordingSurface.h"

#include "interaction/Placing.h"
#include "model/CPluvoDoc.h"
#include "model/SvgExport.h"
#include "render/LineEndIndex.h"
#include "render/SchilderFiguur.h"

#include <gtest/gtest.h>

namespace {

// The line ends of the drawing as it is now, as painting and placing use them.
LineEndIndex Ends(const CPluvoDoc& doc) { return LineEndIndex(doc.drawing().figures, doc.SnapDistance); }

Figuur MakeFigure(std::int32_t type, POINT p1, POINT p2) {
    Figuur f;
    f.FiguurType = type;
    f.p1 = p1;
    f.p2 = p2;
    f.MetRand = 1;
    f.LijnDikte = 1;
    f.RsterPnt = 1;
    f.nHoek = 3;
    return f;
}

// Whether Draw places the figure (draw, then append) or only draws it.
enum class Append { No, Yes };

std::vector<std::string> Draw(CPluvoDoc& doc, const Figuur& f, Append append = Append::No) {
    RecordingSurface s;
    doc.current = f;
    if (append == Append::Yes)
        DrawAndAppend(s, doc, Ends(doc));
    else
        SchilderFiguur(s, doc, f, Ends(doc));
    return s.calls;
}

std::string Shape(CPluvoDoc& doc, const Figuur& f) {
    for (const std::string& c : Draw(doc, f))
        if (c.rfind("Select", 0) != 0 && c.rfind("MoveToEx", 0) != 0) return c;
    return "";
}

} // namespace

TEST(SchilderFiguur, EdgeAdjustmentMakesTheShapeIncludeBothPoints) {
    CPluvoDoc doc;
    Figuur arc = MakeFigure(Boogkwart, {100, 100}, {150, 50});
    EXPECT_EQ(Shape(doc, arc), "Arc(49,50,151,152, 151,101, 100,50)");
    Figuur rect = MakeFigure(Rechthoek, {10, 10}, {20, 20});
    EXPECT_EQ(Shape(doc, rect), "Rectangle(10,10,21,21)");
    rect.MetRand = 0;
    EXPECT_EQ(Shape(doc, rect), "Rectangle(10,10,22,22)") << "null pen of width 1 needs 2 more";
    rect.LijnDikte = 3;
    EXPECT_EQ(Shape(doc, rect), "Rectangle(10,10,21,21)");
    Figuur reversed = MakeFigure(Rechthoek, {20, 20}, {10, 10});
    EXPECT_EQ(Shape(doc, reversed), "Rectangle(21,21,10,10)");
    Figuur circle = MakeFigure(Cirkel, {50, 50}, {50, 50});
    EXPECT_EQ(Shape(doc, circle), "Ellipse(50,50,50,50)") << "radius 0 gets no adjustment";
    circle.p2 = {53, 54};
    EXPECT_EQ(Shape(doc, circle), "Ellipse(45,45,56,56)");
    Figuur line = MakeFigure(Lijn, {10, 10}, {20, 10});
    line.MetRand = 0;
    const auto calls = Draw(doc, line);
    EXPECT_EQ(calls[0], "SelectPen(solid,1,000000)") << "a line always has a pen";
    EXPECT_EQ(Shape(doc, line), "LineTo(21,10)") << "the last pixel of a thin line is drawn";
    line.LijnDikte = 4;
    EXPECT_EQ(Shape(doc, line), "LineTo(20,10)");
}

TEST(SchilderFiguur, FlatQuarterArcAndTextWithoutIndexAreNeitherDrawnNorStored) {
    CPluvoDoc doc;
    const auto calls = Draw(doc, MakeFigure(Boogkwart, {100, 100}, {101, 50}), Append::Yes);
    EXPECT_TRUE(doc.drawing().figures.empty());
    for (const std::string& c : calls) EXPECT_NE(c.rfind("Arc", 0), 0u) << c;
    Figuur noText = MakeFigure(Tekst, {0, 0}, {0, 0});
    noText.TekstIndex = -1;
    Draw(doc, noText, Append::Yes);
    EXPECT_TRUE(doc.drawing().figures.empty());
    Figuur badPolygon = MakeFigure(Polygoon, {0, 0}, {0, 0});
    badPolygon.PolyPnt = 0;
    badPolygon.nHoek = 4;
    EXPECT_EQ(Shape(doc, badPolygon), "") << "a point range past the list draws nothing";
    Draw(doc, badPolygon, Append::Yes);
    EXPECT_EQ(doc.drawing().figures.size(), 1u) << "but it is still stored";
    Figuur badFont = MakeFigure(Tekst, {0, 0}, {0, 0});
    badFont.FontIndex = 7;
    EXPECT_EQ(Draw(doc, badFont).size(), 3u) << "pen and brush only";
}

TEST(SchilderFiguur, RegularPolygonCornersAndFreePolygonOffset) {
    CPluvoDoc doc;
    Figuur hex = MakeFigure(Veelhoek, {100, 100}, {150, 100});
    hex.nHoek = 6;
    EXPECT_EQ(Shape(doc, hex), "Polygon(150,100 125,57 75,57 50,100 75,143 125,143)");
    hex.nHoek = 4;
    EXPECT_EQ(Shape(doc, hex), "Polygon(135,135 135,65 65,65 65,135)");
    hex.nHoek = 3;
    hex.p2 = {100, 160};
    EXPECT_EQ(Shape(doc, hex).substr(0, 16), "Polygon(100,160 ");
    Writable(doc).points = {{0, 0}, {10, 0}, {10, 10}};
    Figuur poly = MakeFigure(Polygoon, {100, 200}, {110, 200});
    poly.nHoek = 3;
    EXPECT_EQ(Shape(doc, poly), "Polygon(100,200 110,200 110,210)");
}

TEST(SchilderFiguur, PullsOntoTheFirstLineEndWithinFourPixels) {
    CPluvoDoc doc;
    Writable(doc).figures.push_back(MakeFigure(Rechthoek, {50, 50}, {80, 80}));
    Writable(doc).figures.push_back(MakeFigure(Lijn, {0, 0}, {52, 52}));
    Writable(doc).figures.push_back(MakeFigure(Lijn, {49, 49}, {200, 200}));
    Figuur rect = MakeFigure(Rechthoek, {50, 50}, {104, 104});
    rect.RsterPnt = 0;
    Draw(doc, rect, Append::Yes);
    EXPECT_EQ(doc.drawing().figures.back().p1, (POINT{52, 52})) << "the earlier line wins";
    EXPECT_EQ(doc.drawing().figures.back().p2, (POINT{104, 104})) << "5 pixels away is not pulled";
    rect.RsterPnt = 1;
    Draw(doc, rect, Append::Yes);
    EXPECT_EQ(doc.drawing().figures.back().p1, (POINT{50, 50})) << "grid snapping switches pulling off";
}

TEST(SchilderFiguur, TextOnTheGridAndTheStateItLeavesBehind) {
    CPluvoDoc doc;
    Writable(doc).texts = {std::string(5, 'x')}; // 25 pixels wide on the recording surface
    Figuur text = MakeFigure(Tekst, {47, 38}, {47, 38});
    text.TekstIndex = 0;
    text.KleurRand = 0x0000FF;
    Writable(doc).SizeRaster = 10;
    RecordingSurface s;
    doc.current = text;
    SchilderFiguur(s, doc, doc.current, Ends(doc));
    EXPECT_EQ(s.Calls("TextOut"), std::vector<std::string>{"TextOut(42,34,xxxxx)"});
    EXPECT_EQ(s.TextColor(), 0x0000FFu) << "the text colour stays set";
    EXPECT_EQ(s.GetBkMode(), BkMode::Transparent);
    EXPECT_EQ(s.CurrentBrush().style, BrushStyle::Hollow) << "an unfilled figure leaves no brush";
    EXPECT_EQ(s.CurrentPen(), Pen{}) << "the pen is given back";
    EXPECT_EQ(s.CurrentFont(), LogFont{});
    Figuur filled = MakeFigure(Ellips, {0, 0}, {9, 9});
    filled.MetVul = 1;
    filled.KleurVul = 0x123456;
    RecordingSurface t;
    doc.current = filled;
    SchilderFiguur(t, doc, doc.current, Ends(doc));
    EXPECT_EQ(t.CurrentBrush(), Brush::Solid(0xFFFFFF)) << "a fill brush is given back";
    Figuur fill = MakeFigure(Opvullen, {5, 6}, {5, 6});
    fill.KleurRand = 0xABCDEF;
    EXPECT_EQ(Shape(doc, fill), "FloodFill(5,6,ABCDEF)");
}

TEST(SchilderFiguur, HugeCornerCountFromAFileDoesNotExhaustMemory) {
    CPluvoDoc doc;
    Figuur many = MakeFigure(Veelhoek, {100, 100}, {150, 100});
    many.nHoek = 2147483647;
    EXPECT_EQ(Shape(doc, many), "") << "billions of corners are not drawn";
    Draw(doc, many, Append::Yes);
    ASSERT_EQ(doc.drawing().figures.size(), 1u) << "but the figure is kept";
    EXPECT_EQ(doc.drawing().figures[0].nHoek, 2147483647);
    many.nHoek = kMaxSvgCorners;
    EXPECT_EQ(Shape(doc, many).substr(0, 16), "Polygon(100,150 ") << "the largest count drawn";
    many.nHoek = 0;
    EXPECT_EQ(Shape(doc, many), "");
    many.nHoek = -3;
    EXPECT_EQ(Shape(doc, many), "");
}

TEST(SchilderFiguur, PenBrushAndCallOrderOfEachStep) {
    CPluvoDoc doc;
    Figuur rect = MakeFigure(Rechthoek, {10, 10}, {20, 20});
    rect.MetRand = 0;
    rect.MetVul = 1;
    rect.KleurRand = 0x0000FF;
    rect.KleurVul = 0x00FF00;
    rect.LijnDikte = 7;
    EXPECT_EQ(Draw(doc, rect),
              (std::vector<std::string>{"SelectPen(null,0,0000FF)", "SelectBrush(00FF00)",
                                        "Rectangle(10,10,21,21)", "SelectPen(solid,1,000000)",
                                        "SelectBrush(FFFFFF)"}))
        << "no outline: the null pen of width 0 in the outline colour";
    rect.MetRand = 1;
    rect.Stippel = 1;
    rect.MetVul = 0;
    EXPECT_EQ(Draw(doc, rect),
              (std::vector<std::string>{"SelectPen(dot,7,0000FF)", "SelectBrush(hollow)",
                                        "Rectangle(10,10,21,21)", "SelectPen(solid,1,000000)"}))
        << "a hollow brush is selected and left";
    Figuur fill = MakeFigure(Opvullen, {5, 6}, {5, 6});
    fill.MetVul = 0;
    fill.MetRand = 0;
    fill.KleurVul = 0x112233;
    const auto calls = Draw(doc, fill);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[1], "SelectBrush(112233)") << "a flood fill always fills";
    EXPECT_EQ(calls[4], "SelectBrush(FFFFFF)");

    Figuur ellipse = MakeFigure(Ellips, {30, 40}, {10, 20});
    EXPECT_EQ(Shape(doc, ellipse), "Ellipse(31,41,10,20)") << "the larger coordinates grow";
    ellipse.p2 = {30, 20};
    EXPECT_EQ(Shape(doc, ellipse), "Ellipse(30,41,30,20)") << "equal coordinates stay";
    Figuur circle = MakeFigure(Cirkel, {50, 50}, {53, 54});
    circle.MetRand = 0;
    EXPECT_EQ(Shape(doc, circle), "Ellipse(45,45,57,57)") << "no outline, width 1: c = 2";

    Figuur line = MakeFigure(Lijn, {20, 10}, {10, 5});
    line.Stippel = 1;
    const auto lineCalls = Draw(doc, line);
    EXPECT_EQ(lineCalls[0], "SelectPen(dot,1,000000)");
    EXPECT_EQ(Shape(doc, line), "LineTo(9,4)") << "the end pixel is added against the direction";
    line.p2 = {20, 30};
    EXPECT_EQ(Shape(doc, line), "LineTo(20,31)");

    Figuur arc = MakeFigure(Boogkwart, {100, 100}, {98, 102});
    EXPECT_EQ(Shape(doc, arc), "Arc(98,97,104,103, 98,100, 101,103)")
        << "a drag of 2 is 3 after the edge adjustment";
    arc.p2 = {101, 102};
    Draw(doc, arc, Append::Yes);
    EXPECT_TRUE(doc.drawing().figures.empty()) << "a radius of 2 after the adjustment is not stored";
}

TEST(SchilderFiguur, LineEndPullingSkipsNegativeEndsAndMovesBothPoints) {
    CPluvoDoc doc;
    Writable(doc).figures.push_back(MakeFigure(Lijn, {-2, 3}, {300, 300}));
    Writable(doc).figures.push_back(MakeFigure(Lijn, {2, 1}, {200, 200}));
    Figuur ellipse = MakeFigure(Ellips, {0, 2}, {303, 297});
    ellipse.RsterPnt = 0;
    Draw(doc, ellipse, Append::Yes);
    EXPECT_EQ(doc.drawing().figures.back().p1, (POINT{0, 2}))
        << "the first end found lies at a negative x and counts as none, hiding the second line";
    EXPECT_EQ(doc.drawing().figures.back().p2, (POINT{300, 300})) << "p2 is pulled too";

    Writable(doc).texts = {"ab"};
    Figuur text = MakeFigure(Tekst, {198, 203}, {198, 203});
    text.RsterPnt = 0;
    text.TekstIndex = 0;
    RecordingSurface s;
    doc.current = text;
    SchilderFiguur(s, doc, doc.current, Ends(doc));
    EXPECT_EQ(s.Calls("TextOut"), std::vector<std::string>{"TextOut(200,200,ab)"})
        << "every kind of figure is pulled";
}

TEST(SchilderFiguur, TextGridTruncatesTowardZeroAndUsesTheFontsOrientation) {
    CPluvoDoc doc;
    Writable(doc).SizeRaster = 10;
    Writable(doc).texts = {std::string(5, 'x')}; // 25 x 12 on the recording surface
    Figuur text = MakeFigure(Tekst, {-47, -38}, {-47, -38});
    text.TekstIndex = 0;
    RecordingSurface s;
    doc.current = text;
    SchilderFiguur(s, doc, doc.current, Ends(doc));
    EXPECT_EQ(s.Calls("TextOut"), std::vector<std::string>{"TextOut(-38,-26,xxxxx)"})
        << "-47 and -38 go toward zero to -40 and -30";
    EXPECT_EQ(doc.current.p1, (POINT{-47, -38})) << "the figure keeps its point";

    LogFont upright = doc.drawing().fonts[0];
    upright.lfOrientation = upright.lfEscapement = 900;
    Writable(doc).fonts.push_back(upright);
    text.p1 = {40, 60};
    text.FontIndex = 1;
    RecordingSurface r;
    doc.current = text;
    SchilderFiguur(r, doc, doc.current, Ends(doc));
    EXPECT_EQ(r.Calls("TextOut"), std::vector<std::string>{"TextOut(44,68,xxxxx)"});
    ASSERT_EQ(r.selectedFonts.size(), 2u);
    EXPECT_EQ(r.selectedFonts[0], upright);
    text.RsterPnt = 0;
    text.p1 = {47, 38};
    RecordingSurface free;
    doc.current = text;
    SchilderFiguur(free, doc, doc.current, Ends(doc));
    EXPECT_EQ(free.Calls("TextOut"), std::vector<std::string>{"TextOut(47,38,xxxxx)"})
        << "without the grid the text stands at p1";
    Writable(doc).SizeRaster = 0;
    text.RsterPnt = 1;
    RecordingSurface noGrid;
    doc.current = text;
    SchilderFiguur(noGrid, doc, doc.current, Ends(doc));
    EXPECT_EQ(noGrid.Calls("TextOut"), std::vector<std::string>{"TextOut(47,38,xxxxx)"})
        << "a grid of 0 from a file must not divide";
}

TEST(SchilderFiguur, StateLeftByATextCarriesOverToTheNextFigure) {
    CPluvoDoc doc;
    Writable(doc).texts = {"t"};
    RecordingSurface s;
    Figuur text = MakeFigure(Tekst, {0, 0}, {0, 0});
    text.KleurRand = 0x00AA00;
    doc.current = text;
    SchilderFiguur(s, doc, doc.current, Ends(doc));
    Figuur dotted = MakeFigure(Rechthoek, {0, 0}, {9, 9});
    dotted.Stippel = 1;
    dotted.MetVul = 1;
    doc.current = dotted;
    SchilderFiguur(s, doc, doc.current, Ends(doc));
    EXPECT_EQ(s.GetBkMode(), BkMode::Transparent) << "pen gaps stay unpainted after a text";
    EXPECT_EQ(s.TextColor(), 0x00AA00u);
    EXPECT_EQ(s.CurrentBrush().style, BrushStyle::Hollow)
        << "the filled rectangle gives back the hollow brush the text left";
}
