// The keyboard's cursor: where it starts, how the arrow keys step it (a grid
// cell, or a pixel with Alt), where it stops, and how the view follows it.
#include "interaction/GridCursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using D = CursorDirection;
constexpr CursorStep kCell = CursorStep::Cell;
constexpr CursorStep kPixel = CursorStep::Pixel;

struct Move {
    D direction;
    CursorStep size;
    POINT expected;
};

} // namespace

TEST(GridCursor, StartsOnTheClickedGridPointAndStepsFromGridLineToGridLine) {
    const struct {
        const char* name;
        POINT from;
        std::int32_t grid;
        POINT lowest;
        POINT start;
        std::vector<Move> moves;
    } cases[] = {
        {"on a grid of 32",
         {70, 50},
         32,
         {0, 0},
         {64, 64},
         {{D::Right, kCell, {96, 64}},
          {D::Down, kCell, {96, 96}},
          {D::Left, kCell, {64, 96}},
          {D::Up, kCell, {64, 64}}}},
        {"off the grid by pixels, a cell step goes back onto it",
         {64, 64},
         32,
         {0, 0},
         {64, 64},
         {{D::Right, kPixel, {65, 64}},
          {D::Right, kPixel, {66, 64}},
          {D::Left, kCell, {64, 64}},
          {D::Up, kPixel, {64, 63}},
          {D::Down, kCell, {64, 64}},
          {D::Right, kPixel, {65, 64}},
          {D::Right, kCell, {96, 64}}}},
        {"stops at the top-left of what the view shows",
         {10, 20},
         32,
         {0, 0},
         {0, 32},
         {{D::Left, kCell, {0, 32}},
          {D::Up, kCell, {0, 0}},
          {D::Up, kCell, {0, 0}},
          {D::Left, kPixel, {0, 0}},
          {D::Right, kPixel, {1, 0}}}},
        {"left of zero, where the view shows it; negative clicks snap toward zero",
         {-50, -70},
         32,
         {-80, -80},
         {-32, -64},
         {{D::Left, kCell, {-64, -64}},
          {D::Left, kCell, {-64, -64}},
          {D::Right, kCell, {-32, -64}},
          {D::Up, kPixel, {-32, -65}},
          {D::Up, kCell, {-32, -65}},
          {D::Down, kCell, {-32, -64}}}},
        {"a start left of the view's top-left moves onto its first grid point",
         {-70, 5},
         32,
         {-40, 0},
         {-32, 0},
         {}},
        {"no grid: every step a pixel",
         {7, 9},
         0,
         {0, 0},
         {7, 9},
         {{D::Right, kCell, {8, 9}}, {D::Up, kCell, {8, 8}}}},
        {"far right and down it stops at its reach",
         {0, 0},
         1 << 25,
         {0, 0},
         {0, 0},
         {{D::Right, kCell, {1 << 25, 0}},
          {D::Right, kCell, {1 << 25, 0}},
          {D::Down, kCell, {1 << 25, 1 << 25}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridCursor cursor;
        EXPECT_FALSE(cursor.Shown());
        cursor.Start(c.from, c.grid, c.lowest);
        EXPECT_TRUE(cursor.Shown());
        EXPECT_EQ(cursor.At(), c.start);
        int k = 0;
        for (const Move& move : c.moves) {
            cursor.Step(move.direction, move.size, c.grid, c.lowest);
            EXPECT_EQ(cursor.At().x, move.expected.x) << "move " << k;
            EXPECT_EQ(cursor.At().y, move.expected.y) << "move " << k;
            ++k;
        }
    }
}

TEST(GridCursor, TheViewScrollsJustFarEnoughToKeepTheCursorACellInside) {
    const struct {
        const char* name;
        int step;
        std::int64_t offsetX, offsetY;
        POINT cursor;
        POINT lowest;
        std::int64_t expectedX, expectedY;
    } cases[] = {
        {"well inside: nothing moves", kActualSize, 0, 0, {320, 256}, {0, 0}, 0, 0},
        {"a cell from the right edge", kActualSize, 0, 0, {576, 256}, {0, 0}, 0, 0},
        {"past the right and bottom edges", kActualSize, 0, 0, {640, 512}, {0, 0}, 33, 65},
        {"left of the window, not past the view's top-left",
         kActualSize,
         100,
         100,
         {64, 0},
         {0, 0},
         32,
         0},
        {"left of zero where the view reaches", kActualSize, 0, 0, {-64, 0}, {-96, 0}, -96, 0},
        {"at 200 % in window pixels", kActualSize + 1, 0, 0, {320, 64}, {0, 0}, 66, 0},
        {"at 25 %", kActualSize - 2, 0, 0, {2560, 0}, {0, 0}, 9, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewMapping map;
        map.step = c.step;
        map.offsetX = c.offsetX;
        map.offsetY = c.offsetY;
        const ViewMapping followed = FollowCursor(map, c.cursor, 32, 640, 480, c.lowest);
        EXPECT_EQ(followed.step, c.step);
        EXPECT_EQ(followed.offsetX, c.expectedX);
        EXPECT_EQ(followed.offsetY, c.expectedY);
    }
}
