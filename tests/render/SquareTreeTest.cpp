#include "../model/TestAccess.h"
#include "RecordingSurface.h"

#include "interaction/Placing.h"
#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "render/SquareTree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>
#include <vector>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Every tree figure's points are its own, appended right after the previous
// figure's: the point list grows by exactly the corners of the figures.
void ExpectPointsFollowFigures(const CPluvoDoc& doc, std::size_t firstPoint,
                               std::size_t firstFigure) {
    std::size_t next = firstPoint;
    for (std::size_t i = firstFigure; i < doc.drawing().figures.size(); ++i) {
        const Figuur& f = doc.drawing().figures[i];
        ASSERT_EQ(f.PolyPnt, static_cast<std::int32_t>(next)) << "figure " << i;
        ASSERT_TRUE(f.nHoek == 3 || f.nHoek == 4) << "figure " << i;
        next += static_cast<std::size_t>(f.nHoek);
    }
    EXPECT_EQ(next, doc.drawing().points.size());
}

CPluvoDoc TreeDoc() {
    CPluvoDoc doc;
    doc.current.FiguurType = Polygoon;
    doc.current.RsterPnt = 0;
    return doc;
}

} // namespace

TEST(SquareTree, TwoPointTreeStoresEveryFieldAndPointOfTheWorkedExample) {
    CPluvoDoc doc = TreeDoc();
    Figuur earlier;
    earlier.FiguurType = Rechthoek;
    earlier.p1 = {500, 500};
    earlier.p2 = {520, 520};
    Writable(doc).figures = {earlier};
    Writable(doc).points = {{1, 2}, {100, 300}, {164, 300}}; // the polygon's two points
    Figuur& c = doc.current;
    c.KleurRand = 0x123456;
    c.KleurVul = 0x0000FF;
    c.MetRand = 1;
    c.MetVul = 0;
    c.LijnDikte = 3;
    c.Stippel = 1;
    c.TekstIndex = 0;
    c.FontIndex = 0;
    c.Reserve = 77;
    const Figuur before = c;

    RecordingSurface s;
    ASSERT_EQ(TwoPointTree(s, doc, {100, 300}, {164, 300}), 6u);
    ASSERT_EQ(doc.drawing().figures.size(), 7u);
    EXPECT_FALSE(doc.CanUndo()) << "the snapshot is the gesture's to take";
    EXPECT_FALSE(doc.IsModified()) << "the tree does not mark the drawing";

    const std::vector<POINT> points{
        {100, 300}, {164, 300}, {164, 236}, {100, 236}, // square, level 0
        {100, 236}, {132, 204}, {164, 236},             // triangle, level 1
        {100, 236}, {132, 204}, {100, 172}, {68, 204},  // left square, level 2
        {68, 204},  {68, 172},  {100, 172},             // its triangle, level 3
        {132, 204}, {164, 236}, {196, 204}, {164, 172}, // right square, level 2
        {164, 172}, {196, 172}, {196, 204}};            // its triangle, level 3
    ASSERT_EQ(doc.drawing().points.size(), 3u + points.size());
    EXPECT_EQ(std::vector<POINT>(doc.drawing().points.begin() + 3, doc.drawing().points.end()), points);

    const int greens[] = {56, 95, 134, 173, 134, 173};
    const int corners[] = {4, 3, 4, 3, 4, 3};
    std::int32_t first = 3;
    for (int i = 0; i < 6; ++i) {
        const Figuur& f = doc.drawing().figures[static_cast<std::size_t>(i) + 1];
        Figuur expected = before;
        expected.FiguurType = Polygoon;
        expected.MetVul = 1;
        expected.KleurVul = greens[i] * 256;
        expected.PolyPnt = first;
        expected.nHoek = corners[i];
        // A square stands on its first side; a triangle is stored from P to
        // Q, its first and last point, around its apex.
        expected.p1 = doc.drawing().points[static_cast<std::size_t>(first)];
        expected.p2 = doc.drawing().points[static_cast<std::size_t>(first + (corners[i] == 3 ? 2 : 1))];
        EXPECT_EQ(f, expected) << "figure " << i;
        first += corners[i];
    }

    EXPECT_EQ(doc.drawing().figures[2].p1, (POINT{100, 236})) << "the first triangle";
    EXPECT_EQ(doc.drawing().figures[2].p2, (POINT{164, 236}));

    Figuur after = doc.drawing().figures.back();
    after.KleurVul = before.KleurVul;
    after.MetVul = before.MetVul;
    EXPECT_EQ(doc.current, after)
        << "the current figure keeps the last figure's shape but gets its fill back";
    EXPECT_EQ(s.GetROP2(), Rop2::CopyPen);
}

TEST(SquareTree, DirectionOfTheSegmentChoosesTheSideAndTheApex) {
    CPluvoDoc below = TreeDoc();
    RecordingSurface s;
    GroeiBoom(s, below, {164, 300}, {100, 300}, 39);
    ASSERT_GE(below.drawing().figures.size(), 2u);
    EXPECT_EQ(s.Calls("Polygon")[0], "Polygon(164,300 100,300 100,364 164,364)")
        << "a side running to the left carries its square below";
    EXPECT_EQ(s.Calls("Polygon")[1], "Polygon(164,364 132,396 100,364)");

    CPluvoDoc up = TreeDoc();
    RecordingSurface v;
    GroeiBoom(v, up, {100, 100}, {100, 37}, 10);
    EXPECT_EQ(v.Calls("Polygon")[0], "Polygon(100,100 100,37 37,37 37,100)");
    EXPECT_EQ(v.Calls("Polygon")[1], "Polygon(37,100 6,68 37,37)")
        << "a vertical side of odd length: h = (100 - 37) / 2 truncates to 31";

    // The apex of a slanted side is the corner with a horizontal and a
    // vertical leg, on either diagonal.
    for (const auto& [p, q, t] : {std::tuple{POINT{0, 0}, POINT{90, 40}, POINT{90, 0}},
                                  std::tuple{POINT{90, 40}, POINT{0, 0}, POINT{0, 40}},
                                  std::tuple{POINT{0, 40}, POINT{90, 0}, POINT{0, 0}},
                                  std::tuple{POINT{90, 0}, POINT{0, 40}, POINT{90, 40}}}) {
        BoomState state;
        state.g = TreeDoc().drawing().SizeRaster;
        BoomDriehoek(p, q, 1, state);
        ASSERT_FALSE(state.shapes.empty());
        EXPECT_EQ(state.shapes[0].corners[1], t)
            << "side " << p.x << "," << p.y << " -> " << q.x << "," << q.y;
        EXPECT_EQ(state.shapes[0].nCorners, 3);
    }
}

TEST(SquareTree, GreenShadesWrapAroundAndStepMayBeNegative) {
    CPluvoDoc doc = TreeDoc();
    Writable(doc).SizeRaster = 10;
    RecordingSurface s;
    GroeiBoom(s, doc, {0, 0}, {40, 0}, 200);
    ASSERT_GE(doc.drawing().figures.size(), 3u);
    EXPECT_EQ(doc.drawing().figures[0].KleurVul, 56 * 256);
    EXPECT_EQ(doc.drawing().figures[1].KleurVul, 0) << "256 mod 256";
    EXPECT_EQ(doc.drawing().figures[2].KleurVul, 200 * 256) << "456 mod 256";

    CPluvoDoc darker = TreeDoc();
    Writable(darker).SizeRaster = 10;
    GroeiBoom(s, darker, {0, 0}, {40, 0}, -1);
    EXPECT_EQ(darker.drawing().figures[1].KleurVul, 55 * 256);
    EXPECT_EQ(darker.drawing().figures[2].KleurVul, 54 * 256);

    CPluvoDoc huge = TreeDoc();
    Writable(huge).SizeRaster = 10;
    GroeiBoom(s, huge, {0, 0}, {40, 0}, kMin);
    EXPECT_EQ(huge.drawing().figures[1].KleurVul, (56 + 0) * 256) << "-2^31 is a multiple of 256";
}

TEST(SquareTree, GreenStepOfTheHandOffStaysInRangeForAnySegmentAndGrid) {
    EXPECT_EQ(BoomKleurStap(64, 32), 39);
    EXPECT_EQ(BoomKleurStap(1000, 1), 3);
    EXPECT_EQ(BoomKleurStap(kMax, 1), 0) << "the longest segment on the finest grid";
    EXPECT_EQ(BoomKleurStap(33, 32), 168);
    // Where no tree grows the value does not matter, but it must be a value.
    for (std::int32_t g : {kMin, -5, 0, 1, 32, 168, 200, kMax})
        for (std::int32_t t : {0, 1, 5, 141, 168, 200, kMax}) {
            const std::int32_t step = BoomKleurStap(t, g);
            if (t > (g < 1 ? 1 : g)) {
                EXPECT_TRUE(step >= 0 && step <= 198) << t << " " << g;
            }
        }
}

TEST(SquareTree, StopsOnlyAtSquaresNoLongerThanOneCell) {
    CPluvoDoc exact = TreeDoc();
    RecordingSurface s;
    EXPECT_EQ(GroeiBoom(s, exact, {100, 300}, {132, 300}, 39), 0u);
    EXPECT_TRUE(exact.drawing().points.empty());
    EXPECT_TRUE(s.Calls("Polygon").empty());

    CPluvoDoc slanted = TreeDoc();
    EXPECT_EQ(GroeiBoom(s, slanted, {0, 0}, {22, 23}, 39), 0u)
        << "Distance 31 (sqrt(1013.5)) is within one cell of 32";

    CPluvoDoc one = TreeDoc();
    EXPECT_EQ(GroeiBoom(s, one, {0, 0}, {33, 0}, 39), 2u)
        << "a square of 33 gets its triangle; the squares on its legs (22, 23) stop";

    CPluvoDoc bigGrid = TreeDoc();
    Writable(bigGrid).SizeRaster = kMax;
    EXPECT_EQ(GroeiBoom(s, bigGrid, {kMin, 0}, {kMax, 0}, 39), 0u)
        << "no segment is longer than the largest grid";
}

TEST(SquareTree, GridsBelowOneCountAsOneSoTheTreeEnds) {
    for (std::int32_t g : {0, -1, -32, kMin}) {
        CPluvoDoc doc = TreeDoc();
        Writable(doc).SizeRaster = g;
        RecordingSurface s;
        CPluvoDoc reference = TreeDoc();
        Writable(reference).SizeRaster = 1;
        RecordingSurface r;
        EXPECT_EQ(GroeiBoom(s, doc, {10, 40}, {30, 40}, 5),
                  GroeiBoom(r, reference, {10, 40}, {30, 40}, 5))
            << "grid " << g;
        EXPECT_EQ(doc.drawing().figures, reference.drawing().figures) << "grid " << g;
    }
}

TEST(SquareTree, SegmentsAtTheIntegerEdgesEndWithinTheLimit) {
    const std::vector<std::pair<POINT, POINT>> segments{
        {{kMin, kMin}, {kMax, kMax}},
        {{kMax, 0}, {kMin, 0}},
        {{0, kMin}, {0, kMax}},
        {{kMax - 50, 0}, {kMax - 150, 100}}, // one new corner wraps, the other not
        {{kMin, kMax}, {kMin + 3, kMax}},
        {{kMax - 2, kMin + 1}, {kMax, kMin}},
    };
    for (std::int32_t g : {1, 3, 32}) {
        for (const auto& [a, b] : segments) {
            CPluvoDoc doc = TreeDoc();
            Writable(doc).SizeRaster = g;
            RecordingSurface s;
            const std::size_t added = GroeiBoom(s, doc, a, b, 3);
            EXPECT_LE(added, kBoomMaxFiguren);
            EXPECT_EQ(added, doc.drawing().figures.size());
            ExpectPointsFollowFigures(doc, 0, 0);
        }
    }
}

TEST(SquareTree, LimitKeepsTheTreeConsistentAndAllowsLargeTrees) {
    CPluvoDoc doc = TreeDoc();
    Writable(doc).SizeRaster = 1;
    Writable(doc).points = {{7, 7}};
    RecordingSurface s;
    s.calls.reserve(1 << 18);
    EXPECT_EQ(GroeiBoom(s, doc, {0, 5000}, {5000, 5000}, 1), kBoomMaxFiguren);
    EXPECT_EQ(s.Calls("Polygon").size(), kBoomMaxFiguren) << "every stored figure was drawn";
    ExpectPointsFollowFigures(doc, 1, 0);

    // A tree of 100 cells, which the limit is meant to allow, is whole.
    BoomState unlimited;
    unlimited.g = 10;
    unlimited.limit = std::numeric_limits<std::size_t>::max();
    BoomVierkant({0, 5000}, {1000, 5000}, 0, unlimited);
    CPluvoDoc limited = TreeDoc();
    Writable(limited).SizeRaster = 10;
    RecordingSurface w;
    EXPECT_EQ(GroeiBoom(w, limited, {0, 5000}, {1000, 5000}, 1), unlimited.shapes.size());
    EXPECT_LT(unlimited.shapes.size(), kBoomMaxFiguren);
}

TEST(SquareTree, DepthFirstOrderPutsTheLeftSubtreeBeforeTheRight) {
    CPluvoDoc doc = TreeDoc();
    Writable(doc).SizeRaster = 10;
    RecordingSurface s;
    GroeiBoom(s, doc, {0, 0}, {64, 0}, 1);
    // With a step of 1 the green is 56 + level: a square's triangle is one
    // level deeper and follows it at once; each triangle is followed by the
    // square on its first leg (P->T), whose first point is P.
    ASSERT_GE(doc.drawing().figures.size(), 6u);
    ExpectPointsFollowFigures(doc, 0, 0);
    for (std::size_t i = 0; i + 1 < doc.drawing().figures.size(); ++i) {
        const Figuur& f = doc.drawing().figures[i];
        const Figuur& next = doc.drawing().figures[i + 1];
        const int level = GetGValue(static_cast<COLORREF>(f.KleurVul)) - 56;
        EXPECT_EQ(level % 2 == 0, f.nHoek == 4) << "squares at even levels, figure " << i;
        if (f.nHoek == 4) {
            EXPECT_EQ(next.nHoek, 3) << "figure " << i;
            EXPECT_EQ(GetGValue(static_cast<COLORREF>(next.KleurVul)) - 56, level + 1);
            EXPECT_EQ(next.p1, doc.drawing().points[static_cast<std::size_t>(f.PolyPnt) + 3])
                << "the triangle stands on D->C";
        } else if (next.nHoek == 4 &&
                   GetGValue(static_cast<COLORREF>(next.KleurVul)) - 56 == level + 1) {
            EXPECT_EQ(next.p1, f.p1) << "left leg first, figure " << i;
            EXPECT_EQ(next.p2, doc.drawing().points[static_cast<std::size_t>(f.PolyPnt) + 1]);
        }
    }
}

TEST(SquareTree, FiguresArePulledOntoLineEndsOnlyWithoutGridSnapping) {
    Figuur line;
    line.FiguurType = Lijn;
    line.p1 = {102, 298};
    line.p2 = {400, 400};
    CPluvoDoc doc = TreeDoc();
    Writable(doc).figures = {line};
    RecordingSurface s;
    GroeiBoom(s, doc, {100, 300}, {164, 300}, 39);
    ASSERT_GE(doc.drawing().figures.size(), 2u);
    EXPECT_EQ(doc.drawing().figures[1].p1, (POINT{102, 298})) << "the first square starts at the line end";
    EXPECT_EQ(doc.drawing().points[0], (POINT{100, 300})) << "its points stay as built";
    EXPECT_EQ(s.Calls("Polygon")[0], "Polygon(102,298 166,298 166,234 102,234)");

    CPluvoDoc snapped = TreeDoc();
    snapped.current.RsterPnt = 1;
    Writable(snapped).figures = {line};
    RecordingSurface r;
    GroeiBoom(r, snapped, {100, 300}, {164, 300}, 39);
    EXPECT_EQ(snapped.drawing().figures[1].p1, (POINT{100, 300}));
}

TEST(SquareTree, LeavesNoPenBrushOrRasterOperationBehind) {
    CPluvoDoc doc = TreeDoc();
    doc.current.MetVul = 0; // an unfilled figure leaves its hollow brush selected
    doc.current.MetRand = 1;
    RecordingSurface s;
    const Pen pen{PenStyle::Dot, 1, 0x0000FF};
    const Brush brush = Brush::Solid(0x00FF00);
    s.SelectPen(pen);
    s.SelectBrush(brush);
    s.SetROP2(Rop2::NotXorPen);
    s.calls.clear();
    GroeiBoom(s, doc, {100, 300}, {164, 300}, 39);
    ASSERT_FALSE(s.calls.empty());
    EXPECT_EQ(s.calls[0], "SetROP2(copy)") << "the tree is drawn with copy-pen";
    EXPECT_EQ(s.CurrentPen(), pen);
    EXPECT_EQ(s.CurrentBrush(), brush);
    EXPECT_EQ(s.GetROP2(), Rop2::NotXorPen);
}
