// Geometry of the view: the circle's box, text on the grid, the Shift
// constraints of a placed point and the grid snaps of a clicked point.
#pragma once

#include "model/Figuur.h"

#include <cstdint>

// The box of the circle with centre c through p; returns the radius.
std::int32_t CirkelKader(POINT c, POINT p, POINT& topLeft, POINT& bottomRight);

// The top-left corner that centres a text box of W x H in the whole grid
// cells (of size g) that it covers, for a font of the given orientation.
// A grid size below 1 leaves (x, y) as it is.
POINT TekstInRaster(std::int32_t W, std::int32_t H, std::int32_t x, std::int32_t y, std::int32_t g,
                    std::int32_t orientation);

// Widens the box of the points a and b by c to the right and downwards, so
// that a shape drawn in it includes the pixels at both points.
void AdjustEdges(POINT& a, POINT& b, std::int32_t c);

// Moves m so that the segment f-m becomes horizontal, vertical or diagonal,
// whichever needs the smallest change (vertical, then horizontal on ties).
void RichtLijn(POINT f, POINT& m);

// Moves m vertically so that the box f-m becomes a square of the same width.
void MaakVierkant(POINT f, POINT& m);

// Grid snaps of a clicked point with cell size s, per coordinate: Afronden
// goes to the nearest grid line (halves up, negative values toward zero),
// Afkappen toward zero. A cell size below 1 leaves the point alone.
void Afronden(POINT& p, std::int32_t s);
void Afkappen(POINT& p, std::int32_t s);
