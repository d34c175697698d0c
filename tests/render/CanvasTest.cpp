#include "RecordingSurface.h"

#include "model/CPluvoDoc.h"
#include "render/Canvas.h"
#include "render/Rubberband.h"
#include "render/SquareTree.h"

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
        doc.SizeRaster = g;
        SchilderCoordinaten(t, doc, 300, 300);
        const auto labels = t.Calls("TextOut");
        ASSERT_GE(labels.size(), 2u);
        EXPECT_EQ(labels[0], "TextOut(0,0,0)");
        EXPECT_EQ(labels[1], second) << "grid " << g;
    }
}

TEST(Canvas, PaintingEndsForAnyGridSize) {
    CPluvoDoc doc;
    doc.MetCoord = 1;
    for (std::int32_t g : {0, -5, 201, 100000, 2147483647}) {
        doc.SizeRaster = g;
        RecordingSurface s;
        OnDraw(s, doc, {640, 480});
        EXPECT_LT(s.calls.size(), 2000u) << "grid " << g;
    }
}

TEST(Canvas, PrintingEnlargesForOnePaintAndGivesEverythingBack) {
    CPluvoDoc doc;
    doc.MetCoord = 1;
    Figuur line;
    line.FiguurType = Lijn;
    line.LijnDikte = 2;
    line.RsterPnt = 1;
    line.p1 = {10, 20};
    line.p2 = {30, 40};
    doc.figures.push_back(line);
    Figuur far = line;
    far.p1 = {1000000000, 5};
    doc.figures.push_back(far);
    doc.points = {{7, 8}};
    doc.selection = {0};
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
    EXPECT_EQ(doc.figures, before.figures) << "even a coordinate whose product overflows";
    EXPECT_EQ(doc.points, before.points);
    EXPECT_EQ(doc.fonts, before.fonts);
    EXPECT_EQ(doc.SizeRaster, before.SizeRaster);
    EXPECT_EQ(doc.current, before.current);
}

TEST(Canvas, ScreenPaintOrderAndPolygonMarks) {
    CPluvoDoc doc;
    doc.MetRaster = 0;
    Figuur fill;
    fill.FiguurType = Opvullen;
    fill.p1 = {3, 4};
    fill.RsterPnt = 1;
    doc.figures.push_back(fill);
    doc.points = {{10, 10}, {20, 10}, {20, 20}};
    doc.current.FiguurType = Polygoon;
    doc.current.PolyPnt = 0;
    doc.current.p1 = {20, 20};
    RecordingSurface s;
    OnDraw(s, doc, {100, 50, 3});
    ASSERT_GE(s.calls.size(), 1u);
    EXPECT_EQ(s.calls[0], "FillSolidRect(0,0,100,50,F0F0F0)");
    const std::vector<std::string> tail(s.calls.end() - 5, s.calls.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"Ellipse(15,15,26,26)", "MoveToEx(10,10)", "LineTo(20,10)",
                                        "MoveToEx(20,10)", "LineTo(20,20)"}));
    EXPECT_EQ(s.CurrentBrush().style, BrushStyle::Hollow) << "the marks use what the paint left";
}

TEST(SquareTree, SixFiguresTwentyOnePointsInDepthFirstOrder) {
    CPluvoDoc doc;
    doc.current.RsterPnt = 0;
    doc.current.MetVul = 1;
    RecordingSurface s;
    EXPECT_EQ(GroeiBoom(s, doc, {100, 300}, {164, 300}, 39), 6u);
    ASSERT_EQ(doc.figures.size(), 6u);
    ASSERT_EQ(doc.points.size(), 21u);
    EXPECT_EQ(s.Calls("Polygon"),
              (std::vector<std::string>{
                  "Polygon(100,300 164,300 164,236 100,236)", "Polygon(100,236 132,204 164,236)",
                  "Polygon(100,236 132,204 100,172 68,204)", "Polygon(68,204 68,172 100,172)",
                  "Polygon(132,204 164,236 196,204 164,172)", "Polygon(164,172 196,172 196,204)"}));
    const int greens[] = {56, 95, 134, 173, 134, 173};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(doc.figures[i].KleurVul, greens[i] * 256) << "figure " << i;
        EXPECT_EQ(doc.figures[i].FiguurType, Polygoon);
    }
    EXPECT_EQ(doc.figures[1].nHoek, 3);
    EXPECT_EQ(doc.figures[2].PolyPnt, 7);

    CPluvoDoc below;
    RecordingSurface t;
    GroeiBoom(t, below, {164, 300}, {100, 300}, 39);
    EXPECT_EQ(t.Calls("Polygon")[0], "Polygon(164,300 100,300 100,364 164,364)");
    CPluvoDoc exact;
    EXPECT_EQ(GroeiBoom(t, exact, {100, 300}, {132, 300}, 39), 0u) << "one grid cell adds nothing";
}

TEST(SquareTree, HugeTreeStopsAtTheLimit) {
    CPluvoDoc doc;
    doc.SizeRaster = 1;
    RecordingSurface s;
    s.calls.reserve(1 << 18);
    EXPECT_EQ(GroeiBoom(s, doc, {0, 100000}, {100000, 100000}, 1), kBoomMaxFiguren);
    EXPECT_EQ(doc.figures.size(), kBoomMaxFiguren);
}

TEST(Rubberband, ShapesConstraintsAndCopyPreview) {
    CPluvoDoc doc;
    POINT last{-1, -1};
    BandGesture gesture{last, ShiftHeld::Yes};
    doc.current.FiguurType = Rechthoek;
    doc.current.p1 = {0, 0};
    doc.current.p2 = {10, 4};
    RecordingSurface s;
    Rubberband(s, doc, gesture, BandPass::Move);
    EXPECT_EQ(s.Calls("Rectangle"), std::vector<std::string>{"Rectangle(0,0,10,10)"});
    EXPECT_EQ(doc.current.p2, (POINT{10, 10})) << "the constraint is applied in place";
    EXPECT_EQ(s.calls[0], "SelectPen(dot,1,000000)");
    EXPECT_EQ(s.GetROP2(), Rop2::CopyPen);

    last = {10, 4};
    doc.current.FiguurType = Selecteer;
    RecordingSurface sel;
    Rubberband(sel, doc, gesture, BandPass::Move);
    EXPECT_EQ(sel.Calls("Rectangle"),
              (std::vector<std::string>{"Rectangle(0,0,10,4)", "Rectangle(0,0,10,10)"}))
        << "the selection band is never constrained";

    doc.current.FiguurType = Cirkel;
    doc.current.p2 = {3, 4};
    RecordingSurface circle;
    Rubberband(circle, doc, gesture, BandPass::EraseOnly);
    EXPECT_EQ(circle.Calls("Ellipse"), std::vector<std::string>{"Ellipse(-5,-5,5,5)"});

    Figuur text;
    text.FiguurType = Tekst;
    Figuur square;
    square.FiguurType = Rechthoek;
    square.MetRand = 1;
    square.LijnDikte = 1;
    square.RsterPnt = 1;
    square.p1 = {10, 10};
    square.p2 = {20, 20};
    doc.figures = {text, square};
    doc.selection = {1, 0};
    doc.current.FiguurType = Kopieer;
    doc.current.p2 = {110, 10};
    const Figuur before = doc.current;
    RecordingSurface copy;
    Rubberband(copy, doc, gesture, BandPass::EraseOnly);
    EXPECT_EQ(copy.Calls("Rectangle"), std::vector<std::string>{"Rectangle(110,10,121,21)"});
    EXPECT_TRUE(copy.Calls("TextOut").empty()) << "no preview of a text";
    EXPECT_EQ(doc.current, before);
}
