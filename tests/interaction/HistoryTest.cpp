// The history of changes: long random sessions of gestures, commands and
// steps, checked against the drawing as a value at every step boundary, and
// what one step keeps.
#include "GestureMachine.h"

#include "interaction/EditCommands.h"
#include "interaction/History.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Everything a step must restore: the drawing and its undo copy.
struct State {
    Drawing drawing;
    UndoCopy undo;
    friend bool operator==(const State& a, const State& b) {
        return a.drawing == b.drawing && a.undo.figures == b.undo.figures &&
               a.undo.fonts == b.undo.fonts && a.undo.points == b.undo.points;
    }
};

State StateOf(const CPluvoDoc& doc) {
    return {doc.drawing(), doc.UndoState() ? *doc.UndoState() : UndoCopy{}};
}

// The commands of the command layer that change something on their own.
std::vector<CommandId> OwnCommands() {
    std::vector<CommandId> ids;
    for (const EditRule& rule : EditRules())
        if (rule.action) ids.push_back(rule.id);
    return ids;
}

// A session driven at random: the drawing at each step boundary is kept, so
// that every step back and forward can be checked against it.
struct Session : Machine {
    explicit Session(unsigned seed) : rng(seed) {
        doc = samples::EveryKind();
        doc.current.RsterPnt = 0;
        Writable(doc).SizeRaster = 16;
        timeline.push_back(StateOf(doc));
    }

    POINT Point() {
        // Few distinct points, so that polygons close and lines snap.
        std::uniform_int_distribution<int> cell(0, 12);
        return {cell(rng) * 16 + static_cast<int>(rng() % 3), cell(rng) * 16};
    }

    // One user action, checked when it stepped.
    void Act() {
        const std::size_t stepsBefore = road.GetHistory().Position();
        const std::size_t countBefore = road.GetHistory().Steps();
        switch (rng() % 12) {
        case 0:
        case 1:
        case 2:
        case 3: {
            if (!gesture.Bezig()) {
                static const std::int32_t tools[] = {Lijn,      Ellips,    Cirkel,   Boogkwart,
                                                     Rechthoek, Veelhoek,  Opvullen, Tekst,
                                                     Kopieer,   Selecteer, Polygoon, Polygoon};
                doc.current.FiguurType = tools[rng() % std::size(tools)];
            }
            const POINT p = Point();
            Move(p);
            Click(p, {rng() % 4 == 0 ? ShiftHeld::Yes : ShiftHeld::No, CtrlHeld::No});
            break;
        }
        case 4:
            Move(Point());
            break;
        case 5:
            Esc();
            break;
        case 6:
        case 7:
        case 8: {
            static const std::vector<CommandId> commands = OwnCommands();
            RunEdit(road, commands[rng() % commands.size()]);
            break;
        }
        case 9:
        case 10:
            // A step cancels the gesture in progress first, as the window does.
            Esc();
            if (road.StepBack()) {
                --position;
                EXPECT_EQ(StateOf(doc), timeline[position]) << "back to " << position;
            }
            return;
        default:
            Esc();
            if (road.StepForward()) {
                ++position;
                EXPECT_EQ(StateOf(doc), timeline[position]) << "forward to " << position;
            }
            return;
        }
        const std::size_t stepsAfter = road.GetHistory().Position();
        if (stepsAfter != stepsBefore || road.GetHistory().Steps() != countBefore) {
            ASSERT_EQ(stepsAfter, stepsBefore + 1) << "one edit, one step";
            timeline.resize(stepsAfter);
            timeline.push_back(StateOf(doc));
            position = stepsAfter;
            ++recorded;
        }
    }

    std::mt19937 rng;
    std::vector<State> timeline; // the drawing after 0, 1, 2, ... steps
    std::size_t position = 0;
    std::size_t recorded = 0;
};

} // namespace

TEST(History, RandomSessionsStepBackToTheStartAndForwardToTheEnd) {
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        SCOPED_TRACE(seed);
        Session session(seed);
        for (int action = 0; action < 400 && !::testing::Test::HasFatalFailure(); ++action)
            session.Act();
        EXPECT_GT(session.recorded, 60u) << "a session of many steps";
        session.Esc();
        EditRoad& road = session.road;
        while (road.StepBack()) --session.position;
        EXPECT_EQ(session.position, 0u);
        EXPECT_EQ(StateOf(session.doc), session.timeline.front()) << "the start";
        while (road.StepForward()) ++session.position;
        EXPECT_EQ(session.position, session.timeline.size() - 1);
        EXPECT_EQ(StateOf(session.doc), session.timeline.back()) << "the end";
    }
}

TEST(History, AStepKeepsWhatItChangedAndMarksAndRepaints) {
    Machine m(Lijn);
    Writable(m.doc).figures.assign(10000, samples::Make(Rechthoek, {1, 1}, {9, 9}));
    m.doc.SetModifiedFlag(false);
    m.Drag({100, 100}, {200, 100});
    ASSERT_EQ(m.road.GetHistory().Steps(), 1u);
    EXPECT_LT(m.road.GetHistory().Bytes(), 1024u) << "one line, not ten thousand figures";

    int repaints = 0;
    m.road.AddListener([&repaints](const EditOutcome& o) { repaints += o.repaint; });
    WritableSelection(m.doc) = {3, 10000};
    m.doc.SetModifiedFlag(false);
    ASSERT_TRUE(m.road.StepBack());
    EXPECT_EQ(m.doc.drawing().figures.size(), 10000u);
    EXPECT_TRUE(m.doc.IsModified());
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(m.doc.Selection(), std::vector<std::uint32_t>{3}) << "no entry past the figures";
    EXPECT_FALSE(m.road.StepBack());
    ASSERT_TRUE(m.road.StepForward());
    EXPECT_EQ(m.doc.drawing().figures.size(), 10001u);

    // A selection alone is no step; a new edit after stepping back drops the
    // steps ahead.
    RunEdit(m.road, CommandId::SelectAll);
    EXPECT_EQ(m.road.GetHistory().Steps(), 1u);
    m.road.StepBack();
    RunEdit(m.road, CommandId::MoveLeft);
    EXPECT_FALSE(m.road.CanStepForward());
    EXPECT_EQ(m.road.GetHistory().Steps(), 1u);
}

TEST(History, ThePolygonsCornersAreOneStepWithItOrNone) {
    Machine m(Polygoon);
    m.Corners({{100, 100}, {200, 100}, {200, 200}, {100, 100}});
    EXPECT_EQ(m.road.GetHistory().Steps(), 1u) << "corners and figure in one step";
    ASSERT_TRUE(m.road.StepBack());
    EXPECT_TRUE(m.doc.drawing().points.empty());
    EXPECT_TRUE(m.doc.drawing().figures.empty());

    Machine cancelled(Polygoon);
    cancelled.Corners({{100, 100}, {200, 100}});
    cancelled.Esc();
    EXPECT_FALSE(cancelled.road.CanStepBack()) << "corners that left again are no step";
}

TEST(History, OldestStepsGoOverTheBound) {
    Machine m(Lijn);
    for (int i = 0; i < 20; ++i) m.Drag({10 * i, 0}, {10 * i, 50});
    const std::size_t all = m.road.GetHistory().Bytes();
    m.road.SetHistoryLimit(all / 2);
    EXPECT_LE(m.road.GetHistory().Bytes(), all / 2);
    EXPECT_LT(m.road.GetHistory().Steps(), 20u);
    while (m.road.StepBack()) {
    }
    EXPECT_GT(m.doc.drawing().figures.size(), 0u) << "the oldest lines can no longer be taken back";
    EXPECT_LT(m.doc.drawing().figures.size(), 20u);
}
