// The square tree that a free polygon of two points grows: squares and
// right-angled triangles, each drawn and stored as a polygoon figure. Unlike
// painting, these functions add to the document on purpose.
#pragma once

#include "LineEndIndex.h"
#include "Surface.h"

#include <cstddef>
#include <cstdint>

class CPluvoDoc;

// At most this many figures are added by one tree. A long start segment on a
// small grid would otherwise add millions of figures (their number grows
// with the square of the segment's length in grid cells) and freeze the
// editor; the limit still allows trees of about 180 cells.
inline constexpr std::size_t kBoomMaxFiguren = 65536;

// What one tree carries through its steps.
struct BoomState {
    std::int32_t KleurStap = 0; // green step per level
    std::size_t added = 0;      // figures added so far
    std::size_t limit = kBoomMaxFiguren;
    LineEndIndex lineEnds; // the tree adds no lines, so this stays valid
};

// The green step per level for a start segment of length t on a grid of g:
// trunc(200 / (1 + 4 log2(t / g))) - 1, which runs the green from 56 at the
// trunk to near 255 at the smallest triangles. A grid below 1 counts as 1,
// as it does for the tree; where no tree grows (t <= g) the formula may leave
// the integer range, and 0 is returned instead.
std::int32_t BoomKleurStap(std::int32_t t, std::int32_t g);

// Grows the whole tree on the segment a->b with the given green step; the
// figures are stored depth first. Draws on the surface with copy-pen and
// gives its raster operation, pen and brush back afterwards. Returns the
// number of figures.
std::size_t GroeiBoom(Surface& surface, CPluvoDoc& doc, POINT a, POINT b, std::int32_t kleurStap);

// The closing click of a free polygon of exactly the two points a and b:
// fills the tree (MetVul 1) in greens of the step that BoomKleurStap gives
// for the segment, and puts KleurVul and MetVul of the current figure back;
// FiguurType, p1, p2, PolyPnt and nHoek keep the values of the last figure
// made. The undo snapshot is the caller's to take. Returns the number of
// figures. Like GroeiBoom, this adds figures to the document on purpose.
std::size_t TwoPointTree(Surface& surface, CPluvoDoc& doc, POINT a, POINT b);

// The square on the side a->b at level e (above the side when it runs to the
// right), then the triangle on its far side. Nothing when the side is no
// longer than one grid cell.
void BoomVierkant(Surface& surface, CPluvoDoc& doc, POINT a, POINT b, std::int32_t e,
                  BoomState& state);

// The triangle on the side p->q at level e, then the squares on its legs.
void BoomDriehoek(Surface& surface, CPluvoDoc& doc, POINT p, POINT q, std::int32_t e,
                  BoomState& state);
