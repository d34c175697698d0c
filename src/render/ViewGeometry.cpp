#include "ViewGeometry.h"

#include "model/Geometry.h"
#include "model/Int32.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::int64_t Abs64(std::int64_t v) { return v < 0 ? -v : v; }

// The whole cells of size g that cover an extent of v pixels, in pixels.
std::int64_t CoveredCells(std::int64_t v, std::int64_t g) { return g * ((v - 1) / g + 1); }

std::int32_t Wrap(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

std::int32_t SnapRound(std::int32_t v, std::int32_t s) {
    const std::int32_t r = v % s;
    return r < s / 2 ? i32::sub(v, r) : i32::add(i32::sub(v, r), s);
}

} // namespace

std::int32_t CirkelKader(POINT c, POINT p, POINT& topLeft, POINT& bottomRight) {
    const std::int32_t r = Distance(c, p);
    topLeft = {i32::sub(c.x, r), i32::sub(c.y, r)};
    bottomRight = {i32::add(c.x, r), i32::add(c.y, r)};
    return r;
}

POINT TekstInRaster(std::int32_t W, std::int32_t H, std::int32_t x, std::int32_t y, std::int32_t g,
                    std::int32_t orientation) {
    if (g < 1) return {x, y};
    const std::int64_t wg = CoveredCells(W, g);
    const std::int64_t hg = CoveredCells(H, g);
    // In 64 bits, so that x + g cannot overflow before the result wraps.
    const std::int64_t x64 = x;
    const std::int64_t y64 = y;
    std::int64_t nx, ny;
    switch (orientation) {
    case 900:
        nx = x64 + (hg - H) / 2;
        ny = y64 + g - (wg - W) / 2;
        break;
    case 1800:
        nx = x64 + g - (wg - W) / 2;
        ny = y64 + hg - (hg - H) / 2;
        break;
    case 2700:
        nx = x64 + hg - (hg - H) / 2;
        ny = y64 + (wg - W) / 2;
        break;
    default:
        nx = x64 + (wg - W) / 2;
        ny = y64 + (hg - H) / 2;
        break;
    }
    return {Wrap(nx), Wrap(ny)};
}

void AdjustEdges(POINT& a, POINT& b, std::int32_t c) {
    if (a.x > b.x)
        a.x = i32::add(a.x, c);
    else if (b.x > a.x)
        b.x = i32::add(b.x, c);
    if (a.y > b.y)
        a.y = i32::add(a.y, c);
    else if (b.y > a.y)
        b.y = i32::add(b.y, c);
}

void RichtLijn(POINT f, POINT& m) {
    const std::int64_t e = Abs64(std::int64_t{f.x} - m.x);
    const std::int64_t fy = Abs64(std::int64_t{f.y} - m.y);
    const std::int64_t g = Abs64(e - fy);
    std::int64_t h = std::min(e, fy);
    if (h >= g) h = g;
    if (h == 0) return;
    if (h == e) {
        m.x = f.x;
    } else if (h == fy) {
        m.y = f.y;
    } else {
        m.y = Wrap(m.y - h);
        if (Abs64(std::int64_t{f.x} - m.x) != Abs64(std::int64_t{f.y} - m.y))
            m.y = Wrap(m.y + 2 * h);
    }
}

void MaakVierkant(POINT f, POINT& m) {
    const std::int64_t h = Abs64(Abs64(std::int64_t{f.x} - m.x) - Abs64(std::int64_t{f.y} - m.y));
    if (h == 0) return;
    m.y = Wrap(m.y - h);
    if (Abs64(std::int64_t{f.x} - m.x) != Abs64(std::int64_t{f.y} - m.y)) m.y = Wrap(m.y + 2 * h);
}

void Afronden(POINT& p, std::int32_t s) {
    if (s < 1) return;
    p.x = SnapRound(p.x, s);
    p.y = SnapRound(p.y, s);
}

void Afkappen(POINT& p, std::int32_t s) {
    if (s < 1) return;
    p.x = i32::sub(p.x, p.x % s);
    p.y = i32::sub(p.y, p.y % s);
}
