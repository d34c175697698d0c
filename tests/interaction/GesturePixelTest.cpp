// The gesture machine on pixels, driven as the view drives it: one canvas
// image painted by OnDraw, the machine drawing its band, marks and figures
// straight into it, and a full paint plus DrawFeedback whenever an outcome
// asks for one. A cancelled gesture must leave the pixels as they were, a
// finished one exactly what a fresh paint of the drawing shows.
#include "../model/TestAccess.h"
#include "GestureMachine.h"
#include "interaction/Gesture.h"
#include "model/CPluvoDoc.h"
#include "render/Canvas.h"
#include "render/RasterSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::int32_t kW = 200;
constexpr std::int32_t kH = 150;

std::vector<Pixel> FreshPaint(const CPluvoDoc& doc) {
    std::vector<Pixel> pixels(std::size_t{kW} * kH, 0);
    RasterSurface surface(pixels.data(), kW, kH, kW);
    OnDraw(surface, doc, {kW, kH});
    return pixels;
}

Figuur Shape(std::int32_t type, POINT a, POINT b, COLORREF rand) {
    Figuur f;
    f.FiguurType = type;
    f.KleurRand = static_cast<std::int32_t>(rand);
    f.MetRand = 1;
    f.LijnDikte = 1;
    f.RsterPnt = 1;
    f.p1 = a;
    f.p2 = b;
    return f;
}

// A drawing on a grid of 10 with labels (which leave the canvas in
// transparent background mode), a filled box, a dotted ellipse, a wide line,
// a free polygon and an empty blue box for fills.
void FillDrawing(CPluvoDoc& doc) {
    Writable(doc).SizeRaster = 10;
    Writable(doc).MetRaster = 1;
    Writable(doc).MetCoord = 1;
    Figuur box = Shape(Rechthoek, {20, 20}, {80, 60}, 0);
    box.MetVul = 1;
    box.KleurVul = 0x6464FF;
    Figuur ellipse = Shape(Ellips, {100, 30}, {160, 90}, 0x008000);
    ellipse.Stippel = 1;
    Figuur line = Shape(Lijn, {10, 100}, {190, 120}, 0x800080);
    line.LijnDikte = 3;
    Writable(doc).points = {{0, 0}, {30, 5}, {10, 25}};
    Figuur polygon = Shape(Polygoon, {60, 80}, {90, 85}, 0x404040);
    polygon.MetVul = 1;
    polygon.KleurVul = 0x00FFFF;
    polygon.nHoek = 3;
    const Figuur blue = Shape(Rechthoek, {120, 100}, {180, 140}, 0xFF0000);
    Writable(doc).figures = {box, ellipse, line, polygon, blue};
}

// The view as far as painting goes: its canvas image, the one surface it
// draws on (which keeps its state from paint to paint), and the machine.
struct View {
    CPluvoDoc doc;
    Panes panes;
    std::vector<Pixel> image = std::vector<Pixel>(std::size_t{kW} * kH, 0);
    RasterSurface surface{image.data(), kW, kH, kW};
    EditRoad road{doc};
    Gesture gesture{doc, road, panes};
    int repaints = 0;

    View(std::int32_t tool, std::int32_t grid) {
        FillDrawing(doc);
        doc.current.FiguurType = tool;
        doc.current.RsterPnt = grid > 0 ? 1 : 0;
        doc.current.KleurRand = 0x0000C0;
        doc.current.KleurVul = 0x80FF80;
        doc.current.MetVul = 1;
        doc.current.nHoek = 5;
        Paint();
    }
    // A full paint: the canvas without polygon marks, then the feedback.
    void Paint() {
        OnDraw(surface, doc, {kW, kH});
        gesture.DrawFeedback(surface);
    }
    void Apply(GestureOutcome outcome) {
        if (!outcome.repaint) return;
        ++repaints;
        Paint();
    }
    void Click(POINT p, KeyFlags keys = {}) { Apply(gesture.LeftButtonDown(surface, p, keys)); }
    void Move(POINT p) { Apply(gesture.MouseMove(surface, p)); }
    void Esc() { Apply(gesture.Escape(surface)); }

    // A gesture from (40, 70) over the figures, off the left edge and back,
    // with a full paint halfway; the polygon tool adds two corners on the
    // way. Ends with the pointer at (120, 75).
    void Wander(KeyFlags keys) {
        const bool polygon = doc.current.FiguurType == Polygoon;
        Click({40, 70}, keys);
        Move({90, 80});
        if (polygon) Click({90, 80});
        Move({150, 20});
        Paint();
        Move({30, 130});
        if (polygon) Click({30, 130});
        Move({-15, 60});
        Move({185, 145});
        Move({120, 75});
    }
};

struct Variant {
    std::int32_t tool;
    KeyFlags keys;
    std::int32_t grid;
    bool dotted;
};

std::vector<Variant> Variants() {
    std::vector<Variant> out;
    for (std::int32_t tool : {Lijn, Ellips, Cirkel, Boogkwart, Rechthoek, Veelhoek, Tekst, Kopieer,
                              Selecteer, Polygoon})
        for (ShiftHeld shift : {ShiftHeld::No, ShiftHeld::Yes})
            for (std::int32_t grid : {0, 10})
                out.push_back({tool, {shift, CtrlHeld::No}, grid, shift == ShiftHeld::Yes});
    return out;
}

std::string Describe(const Variant& v) {
    return "tool " + std::to_string(v.tool) + (v.keys.shift == ShiftHeld::Yes ? " shift" : "") +
           " grid " + std::to_string(v.grid);
}

} // namespace

TEST(GesturePixels, CancelledGestureLeavesThePixelsAsTheyWere) {
    for (const Variant& v : Variants()) {
        SCOPED_TRACE(Describe(v));
        View view(v.tool, v.grid);
        WritableSelection(view.doc) = {0, 3}; // the copy preview shows a box and a polygon
        view.Paint();
        const std::vector<Pixel> before = view.image;
        const std::vector<Figuur> figures = view.doc.drawing().figures;
        view.Wander(v.keys);
        // Text has no pixels on a surface without fonts.
        if (v.tool != Tekst) {
            EXPECT_NE(view.image, before) << "the band is on the canvas";
        }
        view.Esc();
        EXPECT_EQ(view.image, before);
        EXPECT_EQ(view.doc.drawing().figures, figures);
        EXPECT_FALSE(view.gesture.Bezig());
    }
}

TEST(GesturePixels, FinishedGestureLeavesExactlyAFreshPaint) {
    for (const Variant& v : Variants()) {
        SCOPED_TRACE(Describe(v));
        View view(v.tool, v.grid);
        view.doc.current.Stippel = v.dotted ? 1 : 0;
        if (v.tool == Kopieer) WritableSelection(view.doc) = {0, 3};
        const std::size_t count = view.doc.drawing().figures.size();
        view.Wander(v.keys);
        // A polygon closes on its first point; everything else finishes
        // where the band is.
        view.Click(v.tool == Polygoon ? POINT{41, 71} : POINT{120, 75});
        EXPECT_FALSE(view.gesture.Bezig());
        if (v.tool != Selecteer) {
            EXPECT_GT(view.doc.drawing().figures.size(), count);
        }
        EXPECT_EQ(view.image, FreshPaint(view.doc));
        const int repaints = v.tool == Kopieer || v.tool == Selecteer ? 1 : 0;
        EXPECT_EQ(view.repaints, repaints) << "all else is drawn straight onto the canvas";
    }
}

TEST(GesturePixels, PlacingOverSelectionMarksIsRepaintedSoAFillCoversNoMark) {
    View view(Opvullen, 0);
    WritableSelection(view.doc) = {4}; // marks on the corners of the blue box
    view.Paint();
    GestureOutcome outcome = view.gesture.LeftButtonDown(view.surface, {150, 120}, {});
    EXPECT_NE(view.image, FreshPaint(view.doc)) << "the fill ran over the marks";
    ASSERT_TRUE(outcome.repaint);
    view.Apply(outcome);
    EXPECT_EQ(view.image, FreshPaint(view.doc));

    View box(Rechthoek, 0);
    WritableSelection(box.doc) = {0};
    box.Paint();
    box.Click({10, 10});
    box.Move({30, 30});
    outcome = box.gesture.LeftButtonDown(box.surface, {30, 30}, {});
    EXPECT_NE(box.image, FreshPaint(box.doc)) << "the new box lies over a mark";
    ASSERT_TRUE(outcome.repaint);
    box.Apply(outcome);
    EXPECT_EQ(box.image, FreshPaint(box.doc));
}

TEST(GesturePixels, FloodFillWithoutSelectionIsExactOnTheCanvas) {
    View view(Opvullen, 10);
    view.Click({153, 127}); // inside the blue box, off the grid
    ASSERT_EQ(view.doc.drawing().figures.size(), 6u);
    EXPECT_EQ(view.repaints, 0);
    EXPECT_EQ(view.image, FreshPaint(view.doc));
}

TEST(GesturePixels, ChangingToolsDuringAGestureLeavesNoTrace) {
    const std::int32_t tools[] = {Lijn, Veelhoek, Kopieer, Cirkel, Selecteer, Polygoon, Opvullen};
    for (bool finish : {false, true}) {
        SCOPED_TRACE(finish ? "finished" : "cancelled");
        View view(Rechthoek, 0);
        WritableSelection(view.doc) = {3};
        view.Paint();
        const std::vector<Pixel> before = view.image;
        view.Click({40, 70});
        POINT p{50, 75};
        for (std::int32_t tool : tools) {
            view.Move(p);
            view.doc.current.FiguurType = tool;
            p = {p.x + 17, p.y + 9};
        }
        view.doc.current.FiguurType = Ellips;
        view.Move(p);
        if (finish) {
            view.Click(p);
            ASSERT_EQ(view.doc.drawing().figures.size(), 6u);
            EXPECT_EQ(view.doc.drawing().figures.back().FiguurType, Ellips);
            EXPECT_EQ(view.image, FreshPaint(view.doc));
        } else {
            view.Esc();
            EXPECT_EQ(view.image, before);
        }
    }
}

TEST(GesturePixels, PolygonsTreesAndAbandonedPolygonsLeaveNoMarks) {
    // Closed after one point: nothing placed, nothing left.
    View one(Polygoon, 0);
    const std::vector<Pixel> before = one.image;
    one.Click({100, 100});
    one.Move({140, 60});
    one.Click({102, 98});
    EXPECT_EQ(one.image, before);

    // Two points: the tree, drawn straight onto the canvas.
    View tree(Polygoon, 0);
    tree.Click({60, 140});
    tree.Move({110, 140});
    tree.Click({110, 140});
    tree.Move({61, 139});
    tree.Click({61, 139});
    ASSERT_GT(tree.doc.drawing().figures.size(), 5u);
    EXPECT_EQ(tree.image, FreshPaint(tree.doc));

    // A polygon left for the rectangle tool.
    View left(Polygoon, 0);
    left.Click({40, 70});
    left.Move({90, 80});
    left.Click({90, 80});
    left.Move({100, 120});
    left.doc.current.FiguurType = Rechthoek;
    left.Move({110, 130});
    left.Click({110, 130});
    EXPECT_EQ(left.doc.drawing().points.size(), 3u);
    EXPECT_EQ(left.image, FreshPaint(left.doc));
}
