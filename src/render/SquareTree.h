// The square tree that a free polygon of two points grows: squares and
// right-angled triangles, each drawn and stored as a polygoon figure.
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

// Grows the whole tree on the segment a->b with the given green step; the
// figures are stored depth first. Draws on the surface with copy-pen and
// gives the raster operation back afterwards. Returns the number of figures.
std::size_t GroeiBoom(Surface& surface, CPluvoDoc& doc, POINT a, POINT b, std::int32_t kleurStap);

// The square on the side a->b at level e (above the side when it runs to the
// right), then the triangle on its far side. Nothing when the side is no
// longer than one grid cell.
void BoomVierkant(Surface& surface, CPluvoDoc& doc, POINT a, POINT b, std::int32_t e,
                  BoomState& state);

// The triangle on the side p->q at level e, then the squares on its legs.
void BoomDriehoek(Surface& surface, CPluvoDoc& doc, POINT p, POINT q, std::int32_t e,
                  BoomState& state);
