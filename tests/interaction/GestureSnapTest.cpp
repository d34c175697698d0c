// Line-end snapping of clicks, moves and placed figures: the machine keeps
// an index of the line ends across its own placements and must answer
// exactly as the document's linear search over the list as it is now.
#include "../model/TestAccess.h"
#include "GestureMachine.h"

#include "interaction/Gesture.h"
#include "model/CPluvoDoc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

POINT Pulled(const CPluvoDoc& doc, POINT p) {
    const POINT end = doc.FindLineEndpoint(p);
    return end.x >= 0 ? end : p;
}

std::string Position(POINT p) { return std::to_string(p.x) + "-" + std::to_string(p.y); }

// A small seeded generator, the same on every platform.
struct Random {
    std::uint32_t state;
    std::int32_t Below(std::int32_t n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<std::int32_t>((state >> 8) % static_cast<std::uint32_t>(n));
    }
    POINT Point() { return {Below(200), Below(200)}; }
};

Figuur RandomLine(Random& random) {
    Figuur f;
    f.FiguurType = Lijn;
    f.LijnDikte = 1;
    f.p1 = random.Point();
    f.p2 = random.Point();
    return f;
}

// Moves without a gesture show the snapped pointer in pane 1.
void ExpectIdleMovesSnapAsTheList(Machine& m, Random& random, int count) {
    for (int k = 0; k < count; ++k) {
        const POINT p = random.Point();
        m.gesture.MouseMove(m.surface, p);
        ASSERT_EQ(m.panes.text[1], Position(Pulled(m.doc, p))) << "at " << Position(p);
    }
}

} // namespace

TEST(GestureSnap, PlacedLinesAreSnappedToAsTheyAreAddedWithoutANewIndex) {
    for (int initial : {0, 300}) {
        SCOPED_TRACE(initial);
        Machine m;
        Random random{static_cast<std::uint32_t>(initial) + 7};
        for (int k = 0; k < initial; ++k) Writable(m.doc).figures.push_back(RandomLine(random));
        m.doc.current.FiguurType = Lijn;
        m.doc.current.RsterPnt = 0; // placed figures are pulled onto line ends too

        for (int round = 0; round < 400; ++round) {
            const POINT a = random.Point();
            const POINT b = random.Point();
            m.gesture.LeftButtonDown(m.surface, a, {});
            ASSERT_EQ(m.panes.text[0], Position(Pulled(m.doc, a)));
            m.gesture.MouseMove(m.surface, b);
            ASSERT_EQ(m.gesture.LaatstPunt(), Pulled(m.doc, b));
            const std::size_t count = m.doc.drawing().figures.size();
            const bool placed = m.doc.current.p1 != m.gesture.LaatstPunt();
            const POINT p1 = Pulled(m.doc, m.doc.current.p1);
            const POINT p2 = Pulled(m.doc, m.gesture.LaatstPunt());
            m.gesture.LeftButtonDown(m.surface, b, {});
            ASSERT_EQ(m.doc.drawing().figures.size(), count + (placed ? 1 : 0));
            if (placed) {
                ASSERT_EQ(m.doc.drawing().figures.back().p1, p1) << "round " << round;
                ASSERT_EQ(m.doc.drawing().figures.back().p2, p2) << "round " << round;
            }
            ExpectIdleMovesSnapAsTheList(m, random, 3);
        }
        EXPECT_EQ(m.gesture.LineEndBuilds(), 1u) << "the machine's own lines extend the index";
    }
}

TEST(GestureSnap, ChangesByOthersAreSeen) {
    Machine m;
    Random random{99};
    for (int k = 0; k < 200; ++k) Writable(m.doc).figures.push_back(RandomLine(random));
    ExpectIdleMovesSnapAsTheList(m, random, 50);
    const std::size_t builds = m.gesture.LineEndBuilds();

    // Lines moved in place by a command: seen once the view says so.
    for (Figuur& f : Writable(m.doc).figures) f.p1 = {f.p1.y, f.p1.x};
    TestAccess::Revise(m.doc);
    ExpectIdleMovesSnapAsTheList(m, random, 200);
    EXPECT_EQ(m.gesture.LineEndBuilds(), builds + 1);

    // Figures appended or removed, and a new snap distance.
    for (int k = 0; k < 100; ++k) Writable(m.doc).figures.push_back(RandomLine(random));
    ExpectIdleMovesSnapAsTheList(m, random, 200);
    for (int k = 0; k < 150; ++k) RemoveLastFigure(m.doc);
    ExpectIdleMovesSnapAsTheList(m, random, 200);
    m.doc.SnapDistance = 12;
    ExpectIdleMovesSnapAsTheList(m, random, 200);
    m.doc.SnapDistance = 0;
    ExpectIdleMovesSnapAsTheList(m, random, 50);

    // Undo swaps in another list of the same length.
    m.doc.SnapDistance = 5;
    TakeSnapshot(m.doc);
    for (Figuur& f : Writable(m.doc).figures) f.p2 = {f.p2.x + 3, f.p2.y - 2};
    ExpectIdleMovesSnapAsTheList(m, random, 20);
    RestoreSnapshot(m.doc);
    TestAccess::Revise(m.doc);
    ExpectIdleMovesSnapAsTheList(m, random, 200);
}
