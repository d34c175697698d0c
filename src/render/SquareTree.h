// The geometry of the square tree that a free polygon of two points grows:
// squares and right-angled triangles, computed in the order they are drawn
// and stored. Placing them (drawing and storing each one) is the edit
// road's work (interaction/Placing).
#pragma once

#include "model/Figuur.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// At most this many figures are added by one tree. A long start segment on a
// small grid would otherwise add millions of figures (their number grows
// with the square of the segment's length in grid cells) and freeze the
// editor; the limit still allows trees of about 180 cells.
inline constexpr std::size_t kBoomMaxFiguren = 65536;

// One square or triangle: its p1 and p2 as stored, its corners as its own
// points, and its level, which gives its green.
struct BoomVorm {
    POINT p1;
    POINT p2;
    std::array<POINT, 4> corners{};
    std::int32_t nCorners = 0;
    std::int32_t level = 0;
};

// What one tree carries through its steps.
struct BoomState {
    std::int32_t g = 1; // the grid cell, at least 1
    std::size_t limit = kBoomMaxFiguren;
    std::vector<BoomVorm> shapes; // depth first
};

// The green step per level for a start segment of length t on a grid of g:
// trunc(200 / (1 + 4 log2(t / g))) - 1, which runs the green from 56 at the
// trunk to near 255 at the smallest triangles. A grid below 1 counts as 1,
// as it does for the tree; where no tree grows (t <= g) the formula may leave
// the integer range, and 0 is returned instead.
std::int32_t BoomKleurStap(std::int32_t t, std::int32_t g);

// The fill colour of the shapes at level e: green (e * kleurStap + 56)
// modulo 256.
COLORREF BoomGroen(std::int32_t e, std::int32_t kleurStap);

// The whole tree on the segment a->b on a grid of sizeRaster (below 1 counts
// as 1), depth first, at most kBoomMaxFiguren shapes.
std::vector<BoomVorm> BoomVormen(POINT a, POINT b, std::int32_t sizeRaster);

// The square on the side a->b at level e (above the side when it runs to the
// right), then the triangle on its far side. Nothing when the side is no
// longer than one grid cell.
void BoomVierkant(POINT a, POINT b, std::int32_t e, BoomState& state);

// The triangle on the side p->q at level e, then the squares on its legs.
void BoomDriehoek(POINT p, POINT q, std::int32_t e, BoomState& state);
