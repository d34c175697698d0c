// The gesture machine on the recording surface: what each kind of gesture
// stores, snaps, constrains, selects and copies, the status texts, and what
// it leaves of the undo copy and the modified mark.
#include "../model/TestAccess.h"
#include "GestureMachine.h"

#include "interaction/Gesture.h"
#include "model/CPluvoDoc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr KeyFlags kShift{ShiftHeld::Yes, CtrlHeld::No};
constexpr KeyFlags kCtrl{ShiftHeld::No, CtrlHeld::Yes};
constexpr KeyFlags kShiftCtrl{ShiftHeld::Yes, CtrlHeld::Yes};

Figuur Line(POINT a, POINT b) {
    Figuur f;
    f.FiguurType = Lijn;
    f.LijnDikte = 1;
    f.RsterPnt = 1;
    f.p1 = a;
    f.p2 = b;
    return f;
}

Figuur Box(POINT a, POINT b) {
    Figuur f = Line(a, b);
    f.FiguurType = Rechthoek;
    f.MetRand = 1;
    return f;
}

} // namespace

TEST(Gesture, EveryKindIsPlacedByClickMoveClickWithTheCurrentOptions) {
    struct Case {
        std::int32_t grid;
        POINT p1, p2; // of a figure from (13, 17) to (47, 38)
        POINT textAt; // where a text from the same clicks lands
    };
    const Case cases[] = {
        {0, {13, 17}, {47, 38}, {47, 38}},
        {10, {10, 20}, {50, 40}, {40, 30}}, // rounded; a text truncated
    };
    for (const Case& c : cases) {
        for (std::int32_t tool : {Lijn, Ellips, Cirkel, Boogkwart, Rechthoek, Veelhoek, Tekst}) {
            Machine m(tool, c.grid);
            Figuur& options = m.doc.current;
            options.KleurRand = 0x0000FF;
            options.KleurVul = 0x00FF00;
            options.MetVul = 1;
            options.LijnDikte = 2;
            options.Stippel = 1;
            options.nHoek = 5;
            options.PolyPnt = 3;
            options.Reserve = 7;
            m.GiveUndo();
            Figuur expected = options;

            const GestureOutcome outcome = m.Drag({13, 17}, {47, 38});
            expected.p1 = tool == Tekst ? c.textAt : c.p1;
            expected.p2 = tool == Tekst ? c.textAt : c.p2;
            ASSERT_EQ(m.doc.drawing().figures.size(), 1u) << "tool " << tool << ", grid " << c.grid;
            EXPECT_EQ(m.doc.drawing().figures[0], expected) << "tool " << tool << ", grid " << c.grid;
            EXPECT_FALSE(m.doc.CanUndo()) << "placing drops the undo copy";
            EXPECT_TRUE(m.doc.IsModified());
            EXPECT_FALSE(outcome.repaint) << "nothing selected: the canvas holds the drawing";
            EXPECT_FALSE(m.gesture.Bezig());
            EXPECT_EQ(m.gesture.LaatstPunt(), (POINT{-1, -1}));
        }
    }
}

TEST(Gesture, FloodFillIsOneClickSnappedToLineEndsButNeverToTheGrid) {
    Machine m(Opvullen, 10);
    m.doc.current.KleurRand = 0x0000FF;
    Writable(m.doc).figures = {Line({100, 100}, {200, 100})};
    m.GiveUndo();

    m.Click({13, 17});
    ASSERT_EQ(m.doc.drawing().figures.size(), 2u);
    EXPECT_EQ(m.doc.drawing().figures[1].p1, (POINT{13, 17})) << "no grid for a seed";
    EXPECT_EQ(m.doc.drawing().figures[1].p2, (POINT{13, 17}));
    EXPECT_EQ(m.surface.Calls("FloodFill"), std::vector<std::string>{"FloodFill(13,17,0000FF)"});
    EXPECT_FALSE(m.gesture.Bezig()) << "a fill starts no gesture";
    EXPECT_FALSE(m.doc.CanUndo());
    EXPECT_TRUE(m.doc.IsModified());

    m.Click({103, 98});
    ASSERT_EQ(m.doc.drawing().figures.size(), 3u);
    EXPECT_EQ(m.doc.drawing().figures[2].p1, (POINT{100, 100})) << "pulled onto the line's end";
}

TEST(Gesture, ClickWithoutMovementPlacesNoFigureButATextAtTheClick) {
    for (std::int32_t tool : {Lijn, Ellips, Cirkel, Boogkwart, Rechthoek, Veelhoek}) {
        Machine m(tool);
        Writable(m.doc).figures = {Box({100, 100}, {120, 120})};
        WritableSelection(m.doc) = {0};
        m.GiveUndo();
        m.Click({30, 40});
        const GestureOutcome outcome = m.Click({30, 40});
        EXPECT_EQ(m.doc.drawing().figures.size(), 1u) << "tool " << tool;
        EXPECT_FALSE(m.doc.IsModified()) << "tool " << tool;
        EXPECT_TRUE(m.doc.CanUndo()) << "tool " << tool << ": the undo copy stays";
        EXPECT_FALSE(outcome.repaint) << "nothing placed over the selection marks";
        EXPECT_FALSE(m.gesture.Bezig());
    }

    Machine text(Tekst);
    text.Click({30, 40});
    text.Click({30, 40});
    ASSERT_EQ(text.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(text.doc.drawing().figures[0].p1, (POINT{30, 40}));
    EXPECT_EQ(text.surface.Calls("TextOut"),
              std::vector<std::string>{"TextOut(30,40,Snelle tekst)"});
}

TEST(Gesture, FigureThatMayNotBeStoredNeitherDropsUndoNorMarks) {
    // A quarter arc of radius 2 and a text without a text are not stored;
    // placing them must not cost the undo copy or mark the drawing.
    Machine arc(Boogkwart);
    arc.GiveUndo();
    arc.Drag({10, 10}, {40, 11});
    EXPECT_TRUE(arc.doc.drawing().figures.empty());
    EXPECT_TRUE(arc.doc.CanUndo());
    EXPECT_FALSE(arc.doc.IsModified());

    Machine text(Tekst);
    text.doc.current.TekstIndex = -1;
    text.GiveUndo();
    text.Drag({10, 10}, {40, 12});
    EXPECT_TRUE(text.doc.drawing().figures.empty());
    EXPECT_TRUE(text.doc.CanUndo());
    EXPECT_FALSE(text.doc.IsModified());
}

TEST(Gesture, SecondClickAwayFromTheBandFinishesAtTheBand) {
    Machine m(Rechthoek);
    m.Click({10, 10});
    m.Move({50, 50});
    m.Click({90, 90});
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(m.doc.drawing().figures[0].p2, (POINT{50, 50}));
}

TEST(Gesture, EscapeCancelsTheGestureAndDoesNothingWhenIdle) {
    Machine idle(Lijn);
    idle.Esc();
    EXPECT_TRUE(idle.surface.calls.empty());

    Machine m(Lijn);
    m.GiveUndo();
    m.Click({10, 10});
    m.Move({60, 30});
    m.surface.calls.clear();
    const GestureOutcome outcome = m.Esc();
    EXPECT_EQ(m.surface.Calls("LineTo"), std::vector<std::string>{"LineTo(60,30)"})
        << "the band is drawn once more, which removes it";
    EXPECT_TRUE(m.doc.drawing().figures.empty());
    EXPECT_FALSE(m.doc.IsModified());
    EXPECT_TRUE(m.doc.CanUndo());
    EXPECT_FALSE(outcome.repaint);
    EXPECT_FALSE(m.gesture.Bezig());
    EXPECT_EQ(m.gesture.LaatstPunt(), (POINT{-1, -1}));

    // The next click starts afresh.
    m.Drag({5, 5}, {25, 25});
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(m.doc.drawing().figures[0].p1, (POINT{5, 5}));
}

TEST(Gesture, ShiftAtTheFirstClickConstrainsLinesAndBoxes) {
    struct Case {
        std::int32_t tool;
        POINT to, placed;
    };
    const Case cases[] = {
        {Lijn, {10, 3}, {10, 0}},         {Lijn, {3, 10}, {0, 10}},
        {Lijn, {10, 8}, {10, 10}},        {Rechthoek, {10, 4}, {10, 10}},
        {Rechthoek, {10, -4}, {10, -10}}, {Ellips, {10, 4}, {10, 10}},
        {Boogkwart, {10, -4}, {10, -10}}, {Cirkel, {10, 4}, {10, 4}},
        {Veelhoek, {10, 4}, {10, 4}},
    };
    for (const Case& c : cases) {
        Machine m(c.tool);
        m.Click({0, 0}, kShift);
        m.Move(c.to);
        EXPECT_EQ(m.gesture.LaatstPunt(), c.to) << "the band's point before the constraint";
        EXPECT_EQ(m.doc.current.p2, c.placed) << "p2 holds the band's end";
        m.Click(c.to);
        ASSERT_EQ(m.doc.drawing().figures.size(), 1u) << "tool " << c.tool;
        EXPECT_EQ(m.doc.drawing().figures[0].p2, c.placed) << "tool " << c.tool;
    }

    Machine late(Lijn);
    late.Click({0, 0});
    late.Move({10, 3});
    late.Click({10, 3}, kShift);
    ASSERT_EQ(late.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(late.doc.drawing().figures[0].p2, (POINT{10, 3})) << "Shift only counts at the first click";
}

TEST(Gesture, TextTruncatesToTheGridWhileOtherToolsRound) {
    Machine text(Tekst, 10);
    text.Click({17, 17});
    text.Move({17, 17});
    EXPECT_EQ(text.gesture.LaatstPunt(), (POINT{10, 10}));
    text.Click({17, 17});
    ASSERT_EQ(text.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(text.doc.drawing().figures[0].p1, (POINT{10, 10}));

    Machine line(Lijn, 10);
    line.Click({15, 14});
    EXPECT_EQ(line.doc.current.p1, (POINT{20, 10}));
    line.Move({44, 45});
    EXPECT_EQ(line.gesture.LaatstPunt(), (POINT{40, 50}));
    line.Click({44, 45});
    ASSERT_EQ(line.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(line.doc.drawing().figures[0].p1, (POINT{20, 10}));
    EXPECT_EQ(line.doc.drawing().figures[0].p2, (POINT{40, 50}));
}

TEST(Gesture, SelectingReplacesWithoutModifiersTogglesWithShiftAndOnlyAddsWithCtrl) {
    const auto drawing = [](Machine& m) {
        Writable(m.doc).figures = {
            Box({10, 10}, {20, 20}), // 0: inside
            Box({30, 30}, {40, 40}), // 1: inside
            Box({10, 10}, {50, 50}), // 2: p2 on the right and bottom edge
            Box({60, 60}, {70, 70}), // 3: outside
            Box({0, 0}, {5, 49}),    // 4: on the left and top edges
            Box({49, 0}, {49, 50}),  // 5: p2 on the bottom edge only
        };
    };
    using Sel = std::vector<std::uint32_t>;

    Machine none(Selecteer);
    drawing(none);
    WritableSelection(none.doc) = {3};
    none.GiveUndo();
    const GestureOutcome outcome = none.Drag({50, 50}, {0, 0});
    EXPECT_EQ(none.doc.Selection(), (Sel{0, 1, 4})) << "replaced, in list order, edges by PtInRect";
    EXPECT_TRUE(outcome.repaint);
    EXPECT_FALSE(none.doc.IsModified());
    EXPECT_TRUE(none.doc.CanUndo());
    EXPECT_EQ(none.doc.drawing().figures.size(), 6u);
    none.Drag({0, 0}, {50, 50});
    EXPECT_EQ(none.doc.Selection(), (Sel{0, 1, 4})) << "without Shift a second drag keeps them";

    Machine shift(Selecteer);
    drawing(shift);
    WritableSelection(shift.doc) = {1, 3, 7, 1};
    shift.Drag({0, 0}, {50, 50}, kShift);
    EXPECT_EQ(shift.doc.Selection(), (Sel{3, 7, 1, 0, 4}))
        << "figure 1's first entry toggled off, 0 and 4 toggled on, the rest kept in order";
    shift.Drag({0, 0}, {50, 50}, kShift);
    EXPECT_EQ(shift.doc.Selection(), (Sel{3, 7})) << "a second drag deselects them";
    shift.Drag({0, 0}, {50, 50}, kShift);
    EXPECT_EQ(shift.doc.Selection(), (Sel{3, 7, 0, 1, 4}));

    for (KeyFlags keys : {kCtrl, kShiftCtrl}) {
        Machine ctrl(Selecteer);
        drawing(ctrl);
        WritableSelection(ctrl.doc) = {1, 3};
        ctrl.Drag({0, 0}, {50, 50}, keys);
        EXPECT_EQ(ctrl.doc.Selection(), (Sel{1, 3, 0, 4}));
        ctrl.Drag({0, 0}, {50, 50}, keys);
        EXPECT_EQ(ctrl.doc.Selection(), (Sel{1, 3, 0, 4})) << "Ctrl never deselects";
    }
}

TEST(Gesture, CopiesPutTheFirstSelectedFigureAtTheFinishingPoint) {
    Machine m(Kopieer);
    Figuur text;
    text.FiguurType = Tekst;
    text.p1 = text.p2 = {60, 60};
    Figuur fill;
    fill.FiguurType = Opvullen;
    fill.KleurRand = 0x00FF00;
    fill.p1 = fill.p2 = {15, 15};
    const Figuur line = Line({30, 40}, {50, 40});
    const Figuur box = Box({10, 10}, {20, 20});
    Writable(m.doc).figures = {box, line, text, fill};
    // 4 and 7 name no figure when the copy starts: 4 becomes a copy on the
    // way and must not be copied again.
    WritableSelection(m.doc) = {1, 4, 2, 0, 7, 3};
    m.doc.current.Reserve = 99;
    const std::vector<Figuur> before = m.doc.drawing().figures;
    const Figuur current = m.doc.current;

    m.Click({100, 100});
    m.Move({130, 140});
    const GestureOutcome outcome = m.Click({0, 0});
    const auto moved = [](Figuur f) {
        f.p1 = {f.p1.x + 100, f.p1.y + 100};
        f.p2 = {f.p2.x + 100, f.p2.y + 100};
        return f;
    };
    ASSERT_EQ(m.doc.drawing().figures.size(), 8u);
    EXPECT_EQ(m.doc.drawing().figures[4], moved(line)) << "its p1 on the finishing point (130, 140)";
    EXPECT_EQ(m.doc.drawing().figures[5], moved(text)) << "texts are copied";
    EXPECT_EQ(m.doc.drawing().figures[6], moved(box));
    EXPECT_EQ(m.doc.drawing().figures[7], moved(fill)) << "fills are copied";
    EXPECT_EQ(samples::UndoFigures(m.doc), before) << "the snapshot is taken before the copies";
    Figuur expectedCurrent = current;
    expectedCurrent.p1 = {100, 100};
    expectedCurrent.p2 = {130, 140};
    EXPECT_EQ(m.doc.current, expectedCurrent) << "the current figure is given back";
    EXPECT_TRUE(m.doc.IsModified());
    EXPECT_TRUE(outcome.repaint) << "the selection marks are drawn over the copies";

    Machine still(Kopieer);
    Writable(still.doc).figures = {box, line};
    WritableSelection(still.doc) = {1, 0};
    still.Click({100, 100});
    still.Click({100, 100});
    ASSERT_EQ(still.doc.drawing().figures.size(), 4u);
    EXPECT_EQ(still.doc.drawing().figures[2].p1, (POINT{100, 100})) << "a copy needs no movement";

    Machine pastTheList(Kopieer);
    Writable(pastTheList.doc).figures = {box};
    WritableSelection(pastTheList.doc) = {5, 0};
    pastTheList.Drag({10, 10}, {40, 40});
    EXPECT_EQ(pastTheList.doc.drawing().figures.size(), 1u) << "the first entry names no figure";
    EXPECT_TRUE(pastTheList.doc.CanUndo());
    EXPECT_TRUE(pastTheList.doc.IsModified());

    Machine nothing(Kopieer);
    Writable(nothing.doc).figures = {box};
    const GestureOutcome none = nothing.Drag({10, 10}, {40, 40});
    EXPECT_EQ(nothing.doc.drawing().figures.size(), 1u);
    EXPECT_FALSE(nothing.doc.CanUndo()) << "no snapshot without a selection";
    EXPECT_TRUE(nothing.doc.IsModified()) << "marked all the same";
    EXPECT_FALSE(none.repaint);
}

TEST(Gesture, CopiesArePulledOntoLinesCopiedEarlierInTheSameClick) {
    Machine m(Kopieer);
    Figuur a = Line({0, 0}, {50, 0});
    Figuur b = Line({52, 2}, {80, 40});
    b.RsterPnt = 0; // pulled onto line ends when placed
    Writable(m.doc).figures = {a, b};
    WritableSelection(m.doc) = {0, 1};
    m.Click({300, 300});
    m.Move({100, 100});
    m.Click({100, 100});
    ASSERT_EQ(m.doc.drawing().figures.size(), 4u);
    EXPECT_EQ(m.doc.drawing().figures[2].p2, (POINT{150, 100}));
    EXPECT_EQ(m.doc.drawing().figures[3].p1, (POINT{150, 100}))
        << "(152, 102) lies next to the end of the copy placed just before";
}

TEST(Gesture, StatusShowsTheClickAndTheLengthInGridCells) {
    Machine m(Lijn, 32);
    m.Click({34, 52});
    EXPECT_EQ(m.panes.text[0], "34-52") << "before grid snapping";
    EXPECT_EQ(m.doc.current.p1, (POINT{32, 64}));
    EXPECT_EQ(m.panes.text[1], "34-52 0.38") << "the band's first move, from the snapped p1";

    Machine cells(Lijn);
    Writable(cells.doc).SizeRaster = 32;
    cells.Click({34, 52});
    cells.Move({10, 20});
    EXPECT_EQ(cells.panes.text[1], "10-20 1.25") << "40 pixels on a grid of 32";
    cells.Click({10, 20});
    cells.Move({7, 9});
    EXPECT_EQ(cells.panes.text[1], "7-9") << "no length without a gesture";

    Machine pixels(Lijn);
    Writable(pixels.doc).SizeRaster = 1;
    Writable(pixels.doc).figures = {Line({200, 200}, {300, 300})};
    pixels.Click({34, 52});
    pixels.Move({302, 298});
    EXPECT_EQ(pixels.panes.text[1], "300-300 363.68") << "the pointer after line-end snapping";
}

TEST(Gesture, TwoDecimalsMatchPrintfInTheCLocale) {
    for (double v : {0.0, 1.25, 4.8828125, 1.005, 2.675, 0.125, 0.375, 1e9 + 0.005, 123456.789,
                     -0.001, 3.0 / 7.0}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.2f", v);
        EXPECT_EQ(TwoDecimals(v), expected) << v;
    }
}

TEST(Gesture, OnlyPlacingAFigureDropsTheUndoCopy) {
    struct Case {
        std::int32_t tool;
        bool undoAfter;
    };
    const Case cases[] = {
        {Lijn, false},   {Opvullen, false}, {Tekst, false},
        {Kopieer, true}, {Selecteer, true}, {Veelhoek, false},
    };
    for (const Case& c : cases) {
        Machine m(c.tool);
        Writable(m.doc).figures = {Box({10, 10}, {20, 20})};
        WritableSelection(m.doc) = {0};
        m.GiveUndo();
        m.Drag({30, 30}, {60, 50});
        EXPECT_EQ(m.doc.CanUndo(), c.undoAfter) << "tool " << c.tool;
    }
}

TEST(Gesture, ChangingTheToolDuringAGestureFinishesWithTheNewTool) {
    Machine m(Lijn);
    m.Click({10, 10});
    m.Move({50, 30});
    m.doc.current.FiguurType = Rechthoek;
    EXPECT_TRUE(m.gesture.Bezig());
    m.surface.calls.clear();
    m.Move({60, 40});
    EXPECT_EQ(m.surface.Calls("LineTo"), std::vector<std::string>{"LineTo(50,30)"})
        << "the line band on the canvas leaves as it was drawn";
    EXPECT_EQ(m.surface.Calls("Rectangle"), std::vector<std::string>{"Rectangle(10,10,60,40)"});
    m.Click({60, 40});
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(m.doc.drawing().figures[0].FiguurType, Rechthoek);
    EXPECT_EQ(m.doc.drawing().figures[0].p1, (POINT{10, 10}));
    EXPECT_EQ(m.doc.drawing().figures[0].p2, (POINT{60, 40}));

    // The band is erased by the tool it was drawn with even when the new
    // tool draws none.
    Machine fill(Rechthoek);
    fill.Click({10, 10});
    fill.Move({50, 30});
    fill.doc.current.FiguurType = Opvullen;
    fill.surface.calls.clear();
    fill.Click({80, 80});
    EXPECT_EQ(fill.surface.Calls("Rectangle"), std::vector<std::string>{"Rectangle(10,10,50,30)"});
    ASSERT_EQ(fill.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(fill.doc.drawing().figures[0].p1, (POINT{10, 10})) << "a fill seeded at the first click";

    // ESC after switching to the polygon tool cancels; it starts no polygon.
    Machine esc(Lijn);
    esc.Click({10, 10});
    esc.Move({50, 30});
    esc.doc.current.FiguurType = Polygoon;
    esc.Esc();
    EXPECT_FALSE(esc.gesture.Bezig());
    EXPECT_EQ(esc.gesture.NPunten(), 0);
    EXPECT_TRUE(esc.doc.drawing().points.empty());

    // A click after switching to the polygon tool is the polygon's first point.
    Machine poly(Lijn);
    poly.Click({10, 10});
    poly.Move({50, 30});
    poly.doc.current.FiguurType = Polygoon;
    poly.Click({50, 30});
    EXPECT_TRUE(poly.gesture.Bezig());
    EXPECT_EQ(poly.gesture.NPunten(), 1);
    EXPECT_EQ(poly.doc.drawing().points, (std::vector<POINT>{{50, 30}}));
}

TEST(Gesture, ResetDropsTheGestureWithoutDrawing) {
    Machine m(Polygoon);
    m.Click({10, 10});
    m.Click({50, 10});
    ASSERT_EQ(m.gesture.NPunten(), 2);
    m.surface.calls.clear();
    m.gesture.Reset();
    EXPECT_TRUE(m.surface.calls.empty()) << "the view paints anew";
    EXPECT_FALSE(m.gesture.Bezig());
    EXPECT_EQ(m.gesture.NPunten(), 0);
    EXPECT_EQ(m.gesture.LaatstPunt(), (POINT{-1, -1}));
    m.gesture.DrawFeedback(m.surface);
    EXPECT_TRUE(m.surface.calls.empty()) << "no feedback is left to draw";
}
