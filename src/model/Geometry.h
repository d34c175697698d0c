// Geometry that the document, the renderer and the SVG export share, so that
// every output places a figure on exactly the same pixels.
#pragma once

#include "Figuur.h"

#include <cstdint>
#include <vector>

struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

// The constant the drawing has always used for pi; regular polygons depend on
// its exact value for their rounding.
inline constexpr double kPi = 3.1415926535;

// v >= 0: integer part of v + 0.5; v < 0: integer part of v - 0.5. Values
// beyond the 32-bit range saturate, NaN gives 0.
std::int32_t RoundHalfAway(double v);

// Integer part of sqrt(dx*dx + dy*dy + 0.5). The squares are summed without 32-bit
// wrap-around, so that points far apart do not give a meaningless distance.
std::int32_t Distance(POINT a, POINT b);

// The n corners of the regular polygon with centre c whose first corner
// points toward p along the dominant axis; empty when n <= 0.
std::vector<POINT> RegularPolygonPoints(std::int32_t n, POINT c, POINT p);

// The box, start and end of the quarter of the ellipse around a that lies in
// b's quadrant. Fails when either radius is 2 or less.
bool QuarterArc(POINT a, POINT b, RECT& box, POINT& start, POINT& end);
