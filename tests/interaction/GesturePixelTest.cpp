// The gesture machine on pixels, driven as the view drives it: one canvas
// image painted by OnDraw, the machine drawing its band, marks and figures
// straight into it, and a full paint plus DrawFeedback whenever an outcome
// asks for one. A cancelled gesture must leave the pixels as they were, a
// finished one exactly what a fresh paint of the drawing shows.
#include "../model/TestAccess.h"
#include "GestureMachine.h"
#include "interaction/CanvasRepair.h"
#include "interaction/EditCommands.h"
#include "interaction/Gesture.h"
#include "model/CPluvoDoc.h"
#include "model/ClipboardFormat.h"
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

// The view as far as painting goes: its canvas image (the selection marks
// lie on a layer of their own), the one surface it draws on (which keeps
// its state from paint to paint), the machine, and the drawing's index
// with which every change paints again what it damaged.
struct View {
    CPluvoDoc doc;
    Panes panes;
    std::vector<Pixel> image = std::vector<Pixel>(std::size_t{kW} * kH, 0);
    RasterSurface surface{image.data(), kW, kH, kW};
    EditRoad road{doc};
    Gesture gesture{doc, road, panes};
    DrawingIndex index;
    CanvasRepair repair;
    Pixel measurePixel = 0;
    RasterSurface measure{&measurePixel, 1, 1, 1};
    // Whole paints after the first.
    int repaints = 0;

    View(std::int32_t tool, std::int32_t grid) {
        FillDrawing(doc);
        doc.current.FiguurType = tool;
        doc.current.RsterPnt = grid > 0 ? 1 : 0;
        doc.current.KleurRand = 0x0000C0;
        doc.current.KleurVul = 0x80FF80;
        doc.current.MetVul = 1;
        doc.current.nHoek = 5;
        road.AddListener([this](const EditOutcome& outcome) {
            CanvasRepair::Plan plan =
                repair.After(outcome, index.Follow(doc, outcome.change, measure), index.HasFills(),
                             CanvasRepair::FeedbackOf(gesture));
            for (const PixelBox& part : plan.parts)
                plan.whole = plan.whole || !RepaintPart(surface, doc, Canvas(), index, part);
            if (plan.whole) Repaint();
        });
        Paint();
    }
    CanvasView Canvas() const {
        CanvasView view{kW, kH, SelectionMarks::Hide};
        view.lineEnds = &index.LineEnds();
        view.index = &index;
        return view;
    }
    // A full paint: the canvas without polygon marks, then the feedback.
    void Paint() {
        index.Rebuild(doc, measure);
        OnDraw(surface, doc, Canvas());
        gesture.DrawFeedback(surface);
        repair.Painted();
    }
    void Repaint() {
        ++repaints;
        Paint();
    }
    void Apply(GestureOutcome outcome) {
        if (outcome.repaint) Repaint();
    }
    // The canvas with the marks' layer over it, as the window shows it.
    std::vector<Pixel> Shown() const {
        std::vector<Pixel> shown = image;
        RasterSurface marks(shown.data(), kW, kH, kW);
        SchilderSelectie(marks, doc);
        return shown;
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
        EXPECT_EQ(view.Shown(), FreshPaint(view.doc));
        EXPECT_EQ(view.repaints, 0)
            << "drawn straight onto the canvas, or painted again where the change was";
    }
}

// The selection dragged and pasted figures, few (drawn one by one) and many
// (through the preview's mask), snapped and free: cancelled they leave the
// canvas as it was, placed exactly a fresh paint.
TEST(GesturePixels, FiguresInHandLeaveNoTraceAndLandAsAFreshPaint) {
    for (const bool many : {false, true}) {
        for (const std::int32_t grid : {0, 10}) {
            SCOPED_TRACE(std::string(many ? "many" : "few") + " grid " + std::to_string(grid));
            View view(Selecteer, grid);
            if (many)
                for (std::int32_t i = 0; i < 40; ++i)
                    Writable(view.doc).figures.push_back(
                        Shape(Lijn, {4 * i, 140}, {4 * i + 3, 146}, 0x0000FF));
            for (std::uint32_t k = 0; k < view.doc.drawing().figures.size(); ++k)
                if (k != 2) WritableSelection(view.doc).push_back(k);
            view.Paint();
            const std::vector<Pixel> start = view.image;

            view.Click({20, 40}); // the box's left edge
            view.Apply(view.gesture.MouseMove(view.surface, {50, 60}, Dragged::Yes));
            ASSERT_EQ(view.gesture.Phase(), GesturePhase::Move);
            view.Move({-10, 130});
            view.Paint();
            view.Move({150, 20});
            EXPECT_NE(view.image, start);
            view.Esc();
            EXPECT_EQ(view.image, start);
            view.Apply(view.gesture.LeftButtonUp(view.surface, {150, 20}, true));
            EXPECT_EQ(view.image, start);

            view.Click({20, 40});
            view.Apply(view.gesture.MouseMove(view.surface, {50, 60}, Dragged::Yes));
            view.Move({64, 77});
            view.Apply(view.gesture.LeftButtonUp(view.surface, {64, 77}, true));
            EXPECT_NE(view.image, start);
            EXPECT_EQ(view.Shown(), FreshPaint(view.doc));

            const Drawing figures = SelectedFigures(view.doc);
            const std::vector<Pixel> moved = view.image;
            view.Apply(view.gesture.StartPaste(view.surface, figures, POINT{30, 30}));
            view.Move({90, 40});
            view.Paint();
            view.Move({-30, 100});
            view.Esc();
            EXPECT_EQ(view.image, moved);

            view.Apply(view.gesture.StartPaste(view.surface, figures, std::nullopt));
            view.Move({33, 12});
            view.Click({37, 14});
            EXPECT_EQ(view.Shown(), FreshPaint(view.doc));

            // The selection changed under a drag: its preview follows.
            view.Click({37, 14});
            view.Apply(view.gesture.MouseMove(view.surface, {60, 40}, Dragged::Yes));
            ASSERT_EQ(view.gesture.Phase(), GesturePhase::Move);
            RunEdit(view.road, CommandId::SelectAll);
            view.Move({70, 50});
            view.Esc();
            EXPECT_EQ(view.Shown(), FreshPaint(view.doc));
        }
    }
}

TEST(GesturePixels, SelectionMarksLieOverPlacedFiguresWithoutARepaintAndNoFillStopsAtThem) {
    View view(Opvullen, 0);
    WritableSelection(view.doc) = {4}; // marks on the corners of the blue box
    view.Paint();
    view.Click({150, 120});
    EXPECT_EQ(view.Shown(), FreshPaint(view.doc)) << "the fill ran under the marks' layer";

    View box(Rechthoek, 0);
    WritableSelection(box.doc) = {0};
    box.Paint();
    box.Click({10, 10});
    box.Move({30, 30});
    box.Click({30, 30});
    EXPECT_EQ(box.Shown(), FreshPaint(box.doc)) << "the marks lie over the new box";
    EXPECT_EQ(view.repaints + box.repaints, 0);
}

TEST(GesturePixels, FloodFillWithoutSelectionIsExactOnTheCanvas) {
    View view(Opvullen, 10);
    view.Click({153, 127}); // inside the blue box, off the grid
    ASSERT_EQ(view.doc.drawing().figures.size(), 6u);
    EXPECT_EQ(view.repaints, 0);
    EXPECT_EQ(view.Shown(), FreshPaint(view.doc));
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
            EXPECT_EQ(view.Shown(), FreshPaint(view.doc));
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
    EXPECT_EQ(tree.Shown(), FreshPaint(tree.doc));

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
    EXPECT_EQ(left.Shown(), FreshPaint(left.doc));
}
