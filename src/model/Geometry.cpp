#include "Geometry.h"

#include "Int32.h"

#include <cmath>
#include <cstdlib>
#include <limits>

std::int32_t RoundHalfAway(double v) {
    if (std::isnan(v)) return 0;
    const double r = v >= 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

std::int32_t Distance(POINT a, POINT b) {
    // Exact in double up to 2^53, which covers every pair within +-2^26.
    const double dx = static_cast<double>(std::int64_t{a.x} - b.x);
    const double dy = static_cast<double>(std::int64_t{a.y} - b.y);
    const double d = std::sqrt(dx * dx + dy * dy + 0.5);
    return d >= static_cast<double>(std::numeric_limits<std::int32_t>::max())
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(d);
}

std::vector<POINT> RegularPolygonPoints(std::int32_t n, POINT c, POINT p) {
    std::vector<POINT> points;
    if (n <= 0) return points;
    const std::int64_t dx = std::llabs(std::int64_t{c.x} - p.x);
    const std::int64_t dy = std::llabs(std::int64_t{c.y} - p.y);
    double e;
    if (dx < dy)
        e = p.y > c.y ? 0.0 : kPi;
    else if (n % 4 == 0)
        e = p.x > c.x ? kPi / n : kPi / n + kPi;
    else
        e = p.x > c.x ? kPi * 0.5 : kPi * 1.5;
    const double r = Distance(c, p);
    points.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        const double theta = (2.0 * i) * kPi / n + e;
        points.push_back({i32::add(c.x, RoundHalfAway(r * std::sin(theta))),
                          i32::add(c.y, RoundHalfAway(r * std::cos(theta)))});
    }
    return points;
}

bool QuarterArc(POINT a, POINT b, RECT& box, POINT& start, POINT& end) {
    const std::int32_t rx = i32::sub(a.x, b.x) < 0 ? i32::sub(b.x, a.x) : i32::sub(a.x, b.x);
    const std::int32_t ry = i32::sub(a.y, b.y) < 0 ? i32::sub(b.y, a.y) : i32::sub(a.y, b.y);
    if (rx <= 2 || ry <= 2) return false;
    box = {i32::sub(a.x, rx), i32::sub(a.y, ry), i32::add(a.x, rx), i32::add(a.y, ry)};
    const POINT top{a.x, i32::sub(a.y, ry)};
    const POINT bottom{a.x, i32::add(a.y, ry)};
    const POINT left{i32::sub(a.x, rx), a.y};
    const POINT right{i32::add(a.x, rx), a.y};
    const bool isLeft = b.x < a.x;
    const bool isAbove = b.y < a.y;
    if (isLeft && isAbove) {
        start = top;
        end = left;
    } else if (!isLeft && isAbove) {
        start = right;
        end = top;
    } else if (isLeft) {
        start = left;
        end = bottom;
    } else {
        start = bottom;
        end = right;
    }
    return true;
}
