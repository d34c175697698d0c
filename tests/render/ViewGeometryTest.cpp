#include "../model/TestAccess.h"
#include "render/ViewGeometry.h"
#include "render/LineEndIndex.h"

#include "model/CPluvoDoc.h"
#include "model/Int32.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

POINT Richt(POINT m) {
    RichtLijn({0, 0}, m);
    return m;
}
POINT Vierkant(POINT m) {
    MaakVierkant({0, 0}, m);
    return m;
}

} // namespace

TEST(ViewGeometry, ShiftConstraintsPickTheSmallestChangeAndPreferTheAxes) {
    EXPECT_EQ(Richt({10, 3}), (POINT{10, 0}));
    EXPECT_EQ(Richt({3, 10}), (POINT{0, 10}));
    EXPECT_EQ(Richt({10, 8}), (POINT{10, 10}));
    EXPECT_EQ(Richt({10, 5}), (POINT{10, 0})) << "a tie between axis and diagonal goes to the axis";
    EXPECT_EQ(Richt({-10, -8}), (POINT{-10, -10}));
    EXPECT_EQ(Vierkant({10, 4}), (POINT{10, 10}));
    EXPECT_EQ(Vierkant({10, -4}), (POINT{10, -10}));
    EXPECT_EQ(Vierkant({4, 10}), (POINT{4, 4}));
    EXPECT_EQ(Vierkant({7, 7}), (POINT{7, 7}));
}

TEST(ViewGeometry, TextIsCentredInTheCellsItCovers) {
    EXPECT_EQ(TekstInRaster(25, 12, 40, 60, 10, 900), (POINT{44, 68}));
    EXPECT_EQ(TekstInRaster(25, 12, 40, 60, 10, 0), (POINT{42, 64}));
    EXPECT_EQ(TekstInRaster(25, 12, 40, 60, 10, 1800), (POINT{48, 76}));
    EXPECT_EQ(TekstInRaster(25, 12, 40, 60, 10, 2700), (POINT{56, 62}));
    EXPECT_EQ(TekstInRaster(25, 12, 40, 60, 0, 0), (POINT{40, 60})) << "no grid, no division by 0";
    EXPECT_EQ(TekstInRaster(30, 20, 40, 60, 10, 0), (POINT{40, 60})) << "whole cells: no offset";
    EXPECT_EQ(TekstInRaster(0, 0, 40, 60, 10, 0), (POINT{45, 65}))
        << "an empty text still covers one cell, (-1) / g truncating to 0";
    EXPECT_EQ(TekstInRaster(0, 0, 40, 60, 1, 0), (POINT{40, 60}));
    EXPECT_EQ(TekstInRaster(25, 12, 40, 60, 10, 450), (POINT{42, 64})) << "other angles: as 0";
    EXPECT_EQ(TekstInRaster(2147483647, 2147483647, 2147483647, 2147483647, 200, 1800),
              (POINT{-2147483525, 75}))
        << "huge extents wrap instead of overflowing";
}

TEST(ViewGeometry, GridSnapsRoundHalvesUpAndNegativesTowardZero) {
    POINT p{47, 48};
    Afronden(p, 32);
    EXPECT_EQ(p, (POINT{32, 64})) << "47 lies below the half (16), 48 at it";
    p = {1, 2};
    Afronden(p, 5);
    EXPECT_EQ(p, (POINT{0, 5})) << "an odd grid rounds up from (S-1)/2";
    p = {-40, -47};
    Afronden(p, 32);
    EXPECT_EQ(p, (POINT{-32, -32}));
    p = {63, -63};
    Afkappen(p, 32);
    EXPECT_EQ(p, (POINT{32, -32}));
    p = {63, 63};
    Afronden(p, 0);
    Afkappen(p, -3);
    EXPECT_EQ(p, (POINT{63, 63})) << "a grid below 1 must not divide";
    POINT tl, br;
    EXPECT_EQ(CirkelKader({10, 10}, {10, 10}, tl, br), 0);
    EXPECT_EQ(tl, (POINT{10, 10}));
    EXPECT_EQ(br, (POINT{10, 10}));
}

// The index must give the very answer of the document's linear search, which
// is what placing a single figure uses.
TEST(LineEndIndex, AnswersExactlyAsTheLinearSearch) {
    CPluvoDoc doc;
    std::uint32_t seed = 12345;
    const auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::int32_t>((seed >> 8) % static_cast<std::uint32_t>(n)) - n / 2;
    };
    for (int i = 0; i < 400; ++i) {
        Figuur f;
        f.FiguurType = i % 3 == 0 ? Rechthoek : Lijn;
        f.p1 = {next(200), next(200)};
        f.p2 = {next(200), next(200)};
        Writable(doc).figures.push_back(f);
    }
    const LineEndIndex index(doc.drawing().figures, doc.SnapDistance);
    for (int y = -110; y <= 110; y += 1)
        for (int x = -110; x <= 110; x += 3) {
            const POINT p{x, y};
            ASSERT_EQ(index.Find(p), doc.FindLineEndpoint(p)) << x << "," << y;
        }
    const LineEndIndex none(doc.drawing().figures, 0);
    EXPECT_EQ(none.Find(doc.drawing().figures[1].p1), (POINT{-1, -1}));
    Writable(doc).figures.push_back({});
    Writable(doc).figures.back().p1 = {2147483647, -2147483647 - 1};
    const LineEndIndex edge(doc.drawing().figures, doc.SnapDistance);
    EXPECT_EQ(edge.Find({2147483645, -2147483647}),
              doc.FindLineEndpoint({2147483645, -2147483647}));
}

// Points at the edges of the 32-bit range, where neighbouring index cells
// wrap around and differences overflow 32 bits, for several snap distances.
TEST(LineEndIndex, AgreesWithTheLinearSearchAtTheEdgesOfTheRange) {
    constexpr std::int32_t kMax = 2147483647;
    constexpr std::int32_t kMin = -kMax - 1;
    const std::int32_t edges[] = {kMin, kMin + 1, kMin + 3, -6,       -5,       -1,  0,
                                  1,    4,        5,        kMax - 4, kMax - 1, kMax};
    CPluvoDoc doc;
    for (std::int32_t x : edges)
        for (std::int32_t y : {kMin, 0, kMax}) {
            Figuur f;
            f.FiguurType = Lijn;
            f.p1 = {x, y};
            f.p2 = {y, x};
            Writable(doc).figures.push_back(f);
        }
    for (std::int32_t snap : {1, 2, 3, 5, 1 << 30, kMax}) {
        doc.SnapDistance = snap;
        const LineEndIndex index(doc.drawing().figures, snap);
        for (std::int32_t x : edges)
            for (std::int32_t y : edges)
                for (std::int32_t d : {-5, -2, 0, 2, 5}) {
                    const POINT p{i32::add(x, d), i32::sub(y, d)};
                    ASSERT_EQ(index.Find(p), doc.FindLineEndpoint(p))
                        << "snap " << snap << " at " << p.x << "," << p.y;
                }
    }
    Writable(doc).figures = {};
    Figuur same;
    same.FiguurType = Lijn;
    same.p1 = {kMax, kMax};
    same.p2 = {kMax - 1, kMax};
    Writable(doc).figures = {same, same};
    Writable(doc).figures[0].p1 = {kMax - 3, kMax};
    doc.SnapDistance = 5;
    const LineEndIndex pair(doc.drawing().figures, 5);
    EXPECT_EQ(pair.Find({kMax, kMax}), (POINT{kMax - 3, kMax}))
        << "p1 of the first line wins over nearer ends later";
}

// The index follows changes of the list as a new build would answer: figures
// taken out, put in and changed in the middle, lines among them or not, ends
// taken in later and taken off the end again.
TEST(LineEndIndex, FollowsEachChangeAsANewBuildAnswers) {
    std::uint32_t seed = 777;
    const auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::int32_t>((seed >> 8) % static_cast<std::uint32_t>(n)) - n / 2;
    };
    const auto figure = [&](FiguurSoort kind) {
        Figuur f;
        f.FiguurType = kind;
        // Crowded: several ends in a cell, so that list order decides.
        f.p1 = {next(48), next(48)};
        f.p2 = {next(48), next(48)};
        return f;
    };
    std::vector<Figuur> list;
    for (int i = 0; i < 300; ++i) list.push_back(figure(i % 3 == 0 ? Rechthoek : Lijn));
    LineEndIndex index(list, 4);

    // Each edit changes the list and tells its runs.
    using Runs = std::vector<ListRun>;
    using Edit = std::function<Runs(std::vector<Figuur>&)>;
    const auto at = [](std::size_t k) { return static_cast<std::ptrdiff_t>(k); };
    const auto take = [&](std::vector<Figuur>& l, bool line) {
        std::size_t k = 20;
        while ((l[k].FiguurType == Lijn) != line) ++k;
        l.erase(l.begin() + at(k));
        return Runs{{k, 1, 0}};
    };
    const auto change = [](std::size_t k, auto how) {
        return [k, how](std::vector<Figuur>& l) {
            how(l[k]);
            return Runs{{k, 1, 1}};
        };
    };
    const struct {
        const char* what;
        Edit edit;
    } steps[] = {
        {"a rectangle taken out", [&](auto& l) { return take(l, false); }},
        {"a line taken out", [&](auto& l) { return take(l, true); }},
        {"a figure coloured", change(40, [](Figuur& f) { f.KleurRand = 0xFF; })},
        {"a figure moved", change(41, [](Figuur& f) { f.p2.x += 3; })},
        {"a figure made a line", change(45, [](Figuur& f) { f.FiguurType = Lijn; })},
        {"a rectangle put in",
         [&](auto& l) {
             l.insert(l.begin() + 7, figure(Ellips));
             return Runs{{7, 0, 1}};
         }},
        {"a line put in",
         [&](auto& l) {
             l.insert(l.begin() + 8, figure(Lijn));
             return Runs{{8, 0, 1}};
         }},
        {"lines placed",
         [&](auto& l) {
             const std::size_t n = l.size();
             // Apart from the others, where only they answer.
             for (int k = 0; k < 5; ++k) {
                 l.push_back(figure(Lijn));
                 l.back().p1 = {100 + 6 * k, 100};
                 l.back().p2 = {100, 100 + 6 * k};
             }
             return Runs{{n, 0, 5}};
         }},
        {"a rectangle before them taken out", [&](auto& l) { return take(l, false); }},
        {"two stretches without lines",
         [&](auto& l) {
             Runs runs = take(l, false);
             l.insert(l.begin() + 200, figure(Cirkel));
             runs.push_back({200, 0, 1});
             return runs;
         }},
        {"another rectangle taken out", [&](auto& l) { return take(l, false); }},
        {"a line put behind others",
         [&](auto& l) {
             std::size_t k = 20;
             while (l[k].FiguurType != Lijn) ++k;
             const Figuur line = l[k];
             l.erase(l.begin() + at(k));
             l.insert(l.begin() + 250, line);
             return Runs{{k, 1, 0}, {250, 0, 1}};
         }},
        {"four placed lines taken back",
         [&](auto& l) {
             l.resize(l.size() - 4);
             return Runs{{l.size(), 4, 0}};
         }},
        {"the first figure coloured", change(0, [](Figuur& f) { f.KleurVul = 1; })},
    };
    for (const auto& step : steps) {
        const Runs runs = step.edit(list);
        index.Follow(list, runs);
        ASSERT_EQ(index.Covered(), list.size()) << step.what;
        const LineEndIndex built(list, 4);
        for (int y = -30; y <= 130; ++y)
            for (int x = -30; x <= 130; ++x)
                ASSERT_EQ(index.Find({x, y}), built.Find({x, y})) << step.what << " at " << x << "," << y;
    }
}
