// The free polygon on the recording surface: corners, the closing click,
// the square tree of two points, ESC, and a point list that a command
// changed while the polygon was being entered.
#include "../model/TestAccess.h"
#include "GestureMachine.h"

#include "interaction/Gesture.h"
#include "model/CPluvoDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A machine with the free-polygon tool.
struct PolygonMachine : Machine {
    explicit PolygonMachine(std::int32_t grid = 0) : Machine(Polygoon, grid) {}
};

using Calls = std::vector<std::string>;

} // namespace

TEST(GesturePolygon, ClosesOnAClickWithin4PixelsOfTheFirstPointOnBothAxes) {
    PolygonMachine m;
    Writable(m.doc).points = {{1, 1}};
    samples::GiveUndo(m.doc, {Figuur{}});
    m.Corners({{100, 100}, {200, 100}, {200, 200}});
    ASSERT_EQ(m.gesture.NPunten(), 3);
    m.Corners({{105, 100}}); // 5 to the right: a new corner
    m.Corners({{100, 95}});  // 5 up: a new corner
    ASSERT_EQ(m.gesture.NPunten(), 5);
    EXPECT_TRUE(m.doc.drawing().figures.empty());

    m.Corners({{104, 96}});
    EXPECT_FALSE(m.gesture.Bezig());
    EXPECT_EQ(m.gesture.NPunten(), 0);
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);
    Figuur expected = m.doc.current;
    expected.FiguurType = Polygoon;
    expected.PolyPnt = 1;
    expected.nHoek = 5;
    expected.p1 = {100, 100};
    expected.p2 = {200, 100};
    EXPECT_EQ(m.doc.drawing().figures[0], expected);
    EXPECT_EQ(m.doc.drawing().points, (std::vector<POINT>{
                                {1, 1}, {100, 100}, {200, 100}, {200, 200}, {105, 100}, {100, 95}}))
        << "the closing click adds no point";
    EXPECT_TRUE(m.doc.IsModified());
    EXPECT_TRUE(m.doc.CanUndo()) << "a polygon keeps the undo copy";
}

TEST(GesturePolygon, AreaInPixelsAndGridCellsGoesToTheMessagePane) {
    PolygonMachine m(10);
    m.Corners({{11, 9}, {20, 10}, {20, 20}, {10, 20}, {12, 12}});
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(m.panes.text[0], "Opp = 100 - 1.00");
    EXPECT_EQ(m.doc.drawing().figures[0].p1, (POINT{10, 10})) << "corners are rounded to the grid";
}

TEST(GesturePolygon, MarksUseTheirOwnPenUnderNotXorAndGiveTheSurfaceBack) {
    PolygonMachine m;
    const Pen pen{PenStyle::Dot, 3, 0x00FF00};
    m.surface.SelectPen(pen);
    m.surface.SelectBrush(Brush::Solid(0x123456));
    m.surface.calls.clear();
    m.Click({100, 100});
    ASSERT_GE(m.surface.calls.size(), 4u);
    EXPECT_EQ(m.surface.calls[0], "SelectPen(solid,1,000000)");
    EXPECT_EQ(m.surface.calls[1], "SelectBrush(hollow)");
    EXPECT_EQ(m.surface.calls[2], "SetROP2(notxor)");
    EXPECT_EQ(m.surface.calls[3], "Ellipse(95,95,106,106)");
    EXPECT_EQ(m.surface.CurrentPen(), pen);
    EXPECT_EQ(m.surface.CurrentBrush(), Brush::Solid(0x123456));
    EXPECT_EQ(m.surface.GetROP2(), Rop2::CopyPen);

    m.Move({150, 120});
    m.surface.calls.clear();
    m.Click({150, 120});
    EXPECT_EQ(m.surface.Calls("LineTo"), (Calls{"LineTo(150,120)", "LineTo(150,120)"}))
        << "the band from the old corner leaves, then the segment is drawn";
    EXPECT_EQ(m.surface.Calls("MoveToEx"), (Calls{"MoveToEx(100,100)", "MoveToEx(100,100)"}));
    EXPECT_EQ(m.gesture.LaatstPunt(), (POINT{-1, -1}));
    EXPECT_EQ(m.doc.current.p1, (POINT{150, 120})) << "the band now starts at the new corner";

    m.surface.calls.clear();
    m.gesture.DrawFeedback(m.surface);
    EXPECT_EQ(m.surface.Calls("Ellipse"), Calls{"Ellipse(95,95,106,106)"});
    EXPECT_EQ(m.surface.Calls("LineTo"), Calls{"LineTo(150,120)"}) << "no band until a move";
}

TEST(GesturePolygon, EscapeRemovesEveryPointOfThePolygon) {
    PolygonMachine m;
    Writable(m.doc).points = {{1, 1}, {2, 2}};
    m.Corners({{100, 100}, {200, 100}, {200, 200}});
    m.Move({150, 250});
    m.surface.calls.clear();
    const GestureOutcome outcome = m.gesture.Escape(m.surface);
    EXPECT_EQ(m.doc.drawing().points, (std::vector<POINT>{{1, 1}, {2, 2}}));
    EXPECT_TRUE(m.doc.drawing().figures.empty());
    EXPECT_FALSE(m.doc.IsModified());
    EXPECT_FALSE(outcome.repaint);
    EXPECT_FALSE(m.gesture.Bezig());
    EXPECT_EQ(m.gesture.NPunten(), 0);
    EXPECT_EQ(m.surface.Calls("Ellipse"), Calls{"Ellipse(95,95,106,106)"});
    EXPECT_EQ(m.surface.Calls("LineTo"),
              (Calls{"LineTo(150,250)", "LineTo(200,100)", "LineTo(200,200)"}))
        << "the band and both segments are drawn away";
}

TEST(GesturePolygon, ClosingRightAfterTheFirstPointPlacesNothingAndKeepsThePoint) {
    PolygonMachine m;
    m.Click({100, 100});
    m.surface.calls.clear();
    const GestureOutcome outcome = m.Click({102, 97});
    EXPECT_TRUE(m.doc.drawing().figures.empty());
    EXPECT_EQ(m.doc.drawing().points, (std::vector<POINT>{{100, 100}}));
    EXPECT_FALSE(m.doc.IsModified());
    EXPECT_FALSE(outcome.repaint);
    EXPECT_FALSE(m.gesture.Bezig());
    EXPECT_EQ(m.gesture.NPunten(), 0);
    EXPECT_EQ(m.surface.Calls("Ellipse"), Calls{"Ellipse(95,95,106,106)"}) << "the marker leaves";
}

TEST(GesturePolygon, TwoPointsGrowTheSquareTreeWithAnUndoCopy) {
    PolygonMachine m;
    m.doc.current.KleurVul = 0x0000FF;
    m.doc.current.MetVul = 0;
    Figuur earlier;
    earlier.FiguurType = Rechthoek;
    earlier.p1 = {500, 500};
    earlier.p2 = {520, 520};
    Writable(m.doc).figures = {earlier};
    m.Corners({{100, 300}, {164, 300}});
    const GestureOutcome outcome = m.Corners({{101, 301}});

    EXPECT_EQ(m.gesture.KleurStap(), 39);
    ASSERT_EQ(m.doc.drawing().figures.size(), 7u) << "the six figures of the tree after the earlier one";
    EXPECT_EQ(m.doc.drawing().figures[1].KleurVul, 56 * 256);
    EXPECT_EQ(m.doc.drawing().figures[2].KleurVul, 95 * 256);
    EXPECT_EQ(m.doc.drawing().figures[1].MetVul, 1);
    EXPECT_EQ(m.doc.drawing().points.size(), 2u + 21u) << "the two points stay; the tree adds its own";
    EXPECT_EQ(m.doc.drawing().figures[1].PolyPnt, 2);
    EXPECT_EQ(samples::UndoFigures(m.doc), std::vector<Figuur>{earlier})
        << "the snapshot before the tree";
    EXPECT_EQ(samples::UndoPointCount(m.doc), 2u);
    EXPECT_EQ(m.doc.current.KleurVul, 0x0000FF) << "the fill is given back";
    EXPECT_EQ(m.doc.current.MetVul, 0);
    EXPECT_TRUE(m.doc.IsModified()) << "a tree is a change that the save prompt must offer";
    EXPECT_FALSE(outcome.repaint);
    EXPECT_FALSE(m.gesture.Bezig());
    EXPECT_EQ(m.gesture.NPunten(), 0);

    PolygonMachine tooShort;
    tooShort.Corners({{100, 300}, {132, 300}});
    tooShort.Corners({{101, 301}});
    EXPECT_TRUE(tooShort.doc.drawing().figures.empty()) << "a segment of one grid cell grows nothing";
    EXPECT_FALSE(tooShort.doc.IsModified()) << "and changes nothing to offer to save";

    PolygonMachine selected;
    Writable(selected.doc).figures = {earlier};
    WritableSelection(selected.doc) = {0};
    selected.Corners({{100, 300}, {164, 300}});
    EXPECT_TRUE(selected.Corners({{101, 301}}).repaint) << "marks are drawn over the tree";
}

TEST(GesturePolygon, PolygonLeftForAnotherToolEndsWithThatToolsFigure) {
    PolygonMachine m;
    Writable(m.doc).points = {{1, 1}};
    m.Corners({{100, 100}, {200, 100}});
    m.Move({200, 200});
    m.doc.current.FiguurType = Lijn;
    m.surface.calls.clear();
    m.Click({200, 200});
    EXPECT_FALSE(m.gesture.Bezig());
    EXPECT_EQ(m.gesture.NPunten(), 0);
    EXPECT_EQ(m.doc.drawing().points, (std::vector<POINT>{{1, 1}})) << "the polygon's points leave with it";
    EXPECT_EQ(m.surface.Calls("Ellipse"), Calls{"Ellipse(95,95,106,106)"}) << "its marks too";
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(m.doc.drawing().figures[0].FiguurType, Lijn);
    EXPECT_EQ(m.doc.drawing().figures[0].p1, (POINT{200, 100})) << "from the newest corner";
    EXPECT_EQ(m.doc.drawing().figures[0].p2, (POINT{200, 200}));
}

TEST(GesturePolygon, PointsTakenAwayByACommandEndThePolygonWithoutACrash) {
    // Undo during a polygon brings back a shorter point list.
    PolygonMachine told;
    TakeSnapshot(told.doc);
    told.Corners({{100, 100}, {200, 100}, {200, 200}});
    told.road.Apply({UndoRule::Keep, Modified::No, Repaint::Yes, [](DrawingEditor& d) {
                         d.RestoreUndoCopy();
                         return Change::Made;
                     }});
    EXPECT_FALSE(told.gesture.Bezig());
    EXPECT_EQ(told.gesture.NPunten(), 0);
    told.surface.calls.clear();
    told.gesture.DrawFeedback(told.surface);
    told.gesture.Escape(told.surface);
    EXPECT_TRUE(told.surface.calls.empty());

    // The same for a change that went around the edit road: the next click
    // ends the polygon and asks for a paint instead of reading past the list.
    for (bool escape : {false, true}) {
        PolygonMachine untold;
        untold.Corners({{100, 100}, {200, 100}, {200, 200}});
        Writable(untold.doc).points.clear();
        const GestureOutcome outcome =
            escape ? untold.gesture.Escape(untold.surface) : untold.Click({100, 100});
        EXPECT_TRUE(outcome.repaint);
        EXPECT_FALSE(untold.gesture.Bezig());
        EXPECT_TRUE(untold.doc.drawing().figures.empty());
        EXPECT_TRUE(untold.doc.drawing().points.empty());
    }

    // Points added by a merge after the polygon's own: it cannot go on.
    PolygonMachine merged;
    merged.Corners({{100, 100}, {200, 100}});
    merged.road.Apply({UndoRule::Keep, Modified::No, Repaint::Yes, [](DrawingEditor& d) {
                           d.points.push_back({7, 7});
                           return Change::Made;
                       }});
    EXPECT_FALSE(merged.gesture.Bezig());
    EXPECT_EQ(merged.doc.drawing().points.size(), 3u) << "nothing is removed from a list it does not own";

    // A command that leaves the points as they are keeps the polygon.
    PolygonMachine kept;
    kept.Corners({{100, 100}, {200, 100}});
    kept.road.Apply({UndoRule::Keep, Modified::No, Repaint::Yes, [](DrawingEditor& d) {
                         d.Settings().MetRaster = 0;
                         return Change::Made;
                     }});
    EXPECT_EQ(kept.gesture.NPunten(), 2);
}
