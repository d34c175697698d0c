// The figures in hand: the selection dragged with the selection tool, and
// pasted figures following the pointer until a click places them.
#include "../model/TestAccess.h"
#include "GestureMachine.h"

#include "model/ClipboardFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A selected rectangle (20, 20)-(80, 60), an unselected line below it and a
// selected polygon of three points, on a grid of 10.
void FillSelected(Machine& m) {
    Writable(m.doc).SizeRaster = 10;
    Writable(m.doc).points = {{0, 0}, {30, 5}, {10, 25}};
    Figuur polygon = samples::Make(Polygoon, {100, 80}, {130, 85});
    polygon.nHoek = 3;
    Writable(m.doc).figures = {samples::Make(Rechthoek, {20, 20}, {80, 60}),
                               samples::Make(Lijn, {10, 100}, {190, 100}), polygon};
    WritableSelection(m.doc) = {0, 2};
    m.GiveUndo();
}

POINT Plus(POINT p, std::int32_t dx, std::int32_t dy) { return {p.x + dx, p.y + dy}; }

} // namespace

TEST(GestureHand, DragFromASelectedFigureMovesTheSelectionAsOneStep) {
    const struct {
        std::int32_t grid;
        POINT to;            // released there, pressed on the rectangle's edge at (20, 40)
        std::int32_t dx, dy; // how far the selection moves
    } cases[] = {
        {0, {36, 27}, 16, -13},
        {10, {36, 27}, 20, -10}, // whole grid cells, rounded
        {10, {4, 53}, -20, 10},  // the same either way
    };
    for (const auto& c : cases) {
        Machine m(Selecteer, c.grid);
        FillSelected(m);
        const CPluvoDoc before = m.doc;
        m.Click({20, 40});
        m.gesture.MouseMove(m.surface, {24, 41}, Dragged::Yes);
        EXPECT_EQ(m.gesture.Phase(), GesturePhase::Move);
        m.gesture.MouseMove(m.surface, c.to, Dragged::Yes);
        EXPECT_TRUE(m.doc.drawing() == before.drawing()) << "only a preview while dragging";
        m.gesture.LeftButtonUp(m.surface, c.to, true);

        EXPECT_FALSE(m.gesture.Bezig());
        const std::vector<Figuur>& now = m.doc.drawing().figures;
        const std::vector<Figuur>& was = before.drawing().figures;
        EXPECT_EQ(now[0].p1, Plus(was[0].p1, c.dx, c.dy)) << "grid " << c.grid;
        EXPECT_EQ(now[0].p2, Plus(was[0].p2, c.dx, c.dy));
        EXPECT_EQ(now[1], was[1]) << "not selected";
        EXPECT_EQ(now[2].p1, Plus(was[2].p1, c.dx, c.dy));
        EXPECT_EQ(m.doc.drawing().points[1], Plus(before.drawing().points[1], c.dx, c.dy));
        EXPECT_EQ(m.doc.Selection(), before.Selection());
        EXPECT_TRUE(m.doc.IsModified());
        EXPECT_TRUE(m.doc.CanUndo()) << "as the move commands, the undo copy stays";
        EXPECT_EQ(m.road.GetHistory().Steps(), 1u);
        ASSERT_TRUE(m.road.StepBack());
        EXPECT_TRUE(m.doc.drawing() == before.drawing());
    }
}

TEST(GestureHand, ClicksAndPressesOffTheSelectionStartTheBandAsBeforeAndEscapeDropsAMove) {
    // A press on the unselected line, dragged and released: the band
    // selects what it encloses.
    Machine off(Selecteer);
    FillSelected(off);
    off.Click({150, 100});
    off.gesture.MouseMove(off.surface, {5, 110}, Dragged::Yes);
    EXPECT_EQ(off.gesture.Phase(), GesturePhase::TwoPoint);
    off.gesture.LeftButtonUp(off.surface, {5, 110}, true);
    EXPECT_EQ(off.doc.Selection(), std::vector<std::uint32_t>{}) << "the band enclosed nothing";

    // A click on a selected figure starts the band, which the next click
    // finishes.
    Machine click(Selecteer);
    FillSelected(click);
    click.Click({20, 40});
    click.gesture.LeftButtonUp(click.surface, {20, 40}, false);
    click.Move({195, 110});
    EXPECT_EQ(click.gesture.Phase(), GesturePhase::TwoPoint);
    click.Click({195, 110});
    EXPECT_EQ(click.doc.Selection(), std::vector<std::uint32_t>{2});
    EXPECT_EQ(click.doc.drawing().figures[0].p1, (POINT{20, 20}));

    // Esc while dragging: nothing moves, and the release does nothing.
    Machine esc(Selecteer, 10);
    FillSelected(esc);
    const CPluvoDoc before = esc.doc;
    esc.Click({20, 40});
    esc.gesture.MouseMove(esc.surface, {60, 90}, Dragged::Yes);
    esc.Esc();
    EXPECT_FALSE(esc.gesture.Bezig());
    esc.gesture.MouseMove(esc.surface, {70, 90}, Dragged::Yes);
    esc.gesture.LeftButtonUp(esc.surface, {70, 90}, true);
    EXPECT_TRUE(esc.doc.drawing() == before.drawing());
    EXPECT_FALSE(esc.doc.IsModified());
    EXPECT_EQ(esc.road.GetHistory().Steps(), 0u);
}

TEST(GestureHand, PastedFiguresFollowThePointerAndLandSelectedAsOneStep) {
    Machine source(Selecteer);
    FillSelected(source);
    const Drawing figures = SelectedFigures(source.doc);

    for (const std::int32_t grid : {0, 10}) {
        Machine m(Lijn, grid);
        Writable(m.doc).SizeRaster = 10;
        Writable(m.doc).figures = {samples::Make(Lijn, {0, 0}, {5, 5})};
        Writable(m.doc).points = {{1, 1}};
        m.gesture.StartPaste(m.surface, figures, POINT{50, 50});
        EXPECT_EQ(m.gesture.Phase(), GesturePhase::Paste);
        m.Move({71, 33});
        EXPECT_EQ(m.doc.drawing().figures.size(), 1u) << "only a preview while in hand";
        m.Click({73, 36});

        // The first figure's p1 lands on the click, rounded to the grid.
        const POINT at = grid ? POINT{70, 40} : POINT{73, 36};
        ASSERT_EQ(m.doc.drawing().figures.size(), 3u);
        EXPECT_EQ(m.doc.drawing().figures[1].p1, at) << "grid " << grid;
        EXPECT_EQ(m.doc.drawing().figures[2].p1, Plus(at, 80, 60));
        std::vector<POINT> corners;
        ASSERT_TRUE(m.doc.PolygonVertices(m.doc.drawing().figures[2], corners));
        EXPECT_EQ(corners[1], Plus(at, 110, 65));
        EXPECT_EQ(m.doc.Selection(), (std::vector<std::uint32_t>{1, 2}));
        EXPECT_FALSE(m.gesture.Bezig());
        EXPECT_EQ(m.road.GetHistory().Steps(), 1u);
        ASSERT_TRUE(m.road.StepBack());
        EXPECT_EQ(m.doc.drawing().figures.size(), 1u);
        EXPECT_EQ(m.doc.drawing().points.size(), 1u);

        // Esc drops them.
        m.gesture.StartPaste(m.surface, figures, std::nullopt);
        m.Move({20, 20});
        m.Esc();
        EXPECT_FALSE(m.gesture.Bezig());
        m.Click({30, 30});
        EXPECT_EQ(m.doc.drawing().figures.size(), 1u);
    }
}
