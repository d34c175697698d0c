// Lines: thin solid and dotted lines by Bresenham, clipped exactly to the
// buffer, and wide lines as round-ended strokes.
#include "RasterInternal.h"

#include <cassert>
#include <cstdlib>
#include <vector>

namespace {

using raster::NotXor;

__extension__ typedef __int128 Wide;

Wide FloorDiv(Wide a, Wide b) { // b > 0
    const Wide q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
Wide CeilDiv(Wide a, Wide b) { // b > 0
    const Wide q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

// One axis of a line: where it starts, which way it steps and how far the
// buffer reaches along it.
struct Axis {
    std::int64_t start;
    std::int64_t step;  // +1 or -1
    std::int64_t first; // the first and last pixel drawn on along this axis
    std::int64_t last;
};

// The Bresenham loop below takes a step along the major axis every time and
// one along the minor axis when the error says so; at step k it has taken
// floor((2 k d + D) / 2D) minor steps, D and d being the lengths along the
// major and minor axes. That closed form lets a line start at any step with
// the error term it would have there, so a line clipped to the buffer sets
// exactly the pixels of the whole line, and its dots keep their phase.
struct LineSteps {
    std::int64_t major; // D, also the number of pixels drawn
    std::int64_t minor; // d <= D

    std::int64_t MinorAt(std::int64_t k) const {
        return static_cast<std::int64_t>(FloorDiv(Wide{2} * k * minor + major, Wide{2} * major));
    }

    // Narrows first..last to the steps whose pixel lies on the buffer along
    // the major and the minor axis; false when none does.
    bool Clip(const Axis& a, const Axis& b, std::int64_t& first, std::int64_t& last) const {
        const auto intersect = [&](std::int64_t lo, std::int64_t hi) {
            first = std::max(first, lo);
            last = std::min(last, hi);
        };
        // Along the major axis the pixel at step k is a.start + a.step * k.
        if (a.step > 0)
            intersect(a.first - a.start, a.last - a.start);
        else
            intersect(a.start - a.last, a.start - a.first);
        // Along the minor axis it is b.start + b.step * MinorAt(k), and
        // MinorAt grows with k: solve for the steps between qlo and qhi.
        const std::int64_t qlo = b.step > 0 ? b.first - b.start : b.start - b.last;
        const std::int64_t qhi = b.step > 0 ? b.last - b.start : b.start - b.first;
        if (minor == 0) {
            if (qlo > 0 || qhi < 0) return false;
        } else if (first <= last) {
            const Wide twice = Wide{2} * minor;
            const Wide lo = CeilDiv((Wide{2} * qlo - 1) * major, twice);
            const Wide hi = CeilDiv((Wide{2} * qhi + 1) * major, twice) - 1;
            if (lo > last || hi < first) return false;
            intersect(static_cast<std::int64_t>(std::max<Wide>(lo, first)),
                      static_cast<std::int64_t>(std::min<Wide>(hi, last)));
        }
        return first <= last;
    }
};

// Steps pixels first..last of a Bresenham line through the buffer, calling
// put(pixel, k) for each; the caller has made sure they all lie on it.
template <class Put>
void Walk(Pixel* pixels, std::int64_t stride, std::int64_t x, std::int64_t y, std::int64_t sx,
          std::int64_t sy, std::int64_t dx, std::int64_t ady, std::int64_t err, std::int64_t first,
          std::int64_t last, Put put) {
    std::int64_t at = y * stride + x;
    const std::int64_t down = sy * stride;
    for (std::int64_t k = first; k <= last; ++k) {
        put(pixels[at], k);
        const std::int64_t e2 = 2 * err;
        if (e2 >= -ady) {
            err -= ady;
            at += sx;
        }
        if (e2 <= dx) {
            err += dx;
            at += down;
        }
    }
}

} // namespace

void RasterSurface::LineTo(std::int32_t x, std::int32_t y) {
    Refresh();
    const POINT from = m_position;
    const POINT to{x, y};
    m_position = to;
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null) return;
    TouchAround(from, to, pen.width);
    if (pen.width <= 1)
        ThinLine(from, to);
    else
        WideLine(from, to, pen.width);
}

// Bresenham from `from` up to, but not including, `to`: only the steps whose
// pixels lie on the buffer are taken, so the work is bounded by the buffer
// whatever the coordinates.
void RasterSurface::ThinLine(POINT from, POINT to) {
    const std::int64_t x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
    const std::int64_t dx = std::llabs(x1 - x0), ady = std::llabs(y1 - y0);
    const std::int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const bool xMajor = dx >= ady;
    const LineSteps steps{xMajor ? dx : ady, xMajor ? ady : dx};
    if (steps.major == 0) return;

    std::int64_t first = 0, last = steps.major - 1;
    const auto inside = [&](std::int64_t px, std::int64_t py) {
        return px >= 0 && py >= m_top && px < m_width && py < m_bottom;
    };
    if (!inside(x0, y0) || !inside(x1, y1)) {
        const Axis ax{x0, sx, 0, std::int64_t{m_width} - 1};
        const Axis ay{y0, sy, m_top, std::int64_t{m_bottom} - 1};
        if (!(xMajor ? steps.Clip(ax, ay, first, last) : steps.Clip(ay, ax, first, last))) return;
    }
    // Where the line is at step `first`, and its error term there.
    const std::int64_t minorSteps = first == 0 ? 0 : steps.MinorAt(first);
    const std::int64_t nx = xMajor ? first : minorSteps, ny = xMajor ? minorSteps : first;
    const auto err = static_cast<std::int64_t>(Wide{dx} - ady - Wide{nx} * ady + Wide{ny} * dx);
    const std::int64_t x = x0 + sx * nx, y = y0 + sy * ny;
    assert(inside(x, y));

    const Pixel pen = ToPixel(CurrentPen().colour);
    const bool copy = GetROP2() == Rop2::CopyPen;
    const auto walk = [&](auto put) {
        Walk(m_pixels, m_stride, x, y, sx, sy, dx, ady, err, first, last, put);
    };
    if (CurrentPen().style != PenStyle::Dot) {
        if (copy)
            walk([pen](Pixel& p, std::int64_t) { p = pen; });
        else
            walk([pen](Pixel& p, std::int64_t) { p = NotXor(pen, p); });
        return;
    }
    const bool gaps = GetBkMode() == BkMode::Opaque;
    const Pixel background = ToPixel(BkColor());
    walk([&](Pixel& p, std::int64_t k) {
        const bool on = raster::DotOn(k);
        if (!on && !gaps) return;
        const Pixel colour = on ? pen : background;
        p = copy ? colour : NotXor(colour, p);
    });
}

// A pen wider than one pixel draws solid with round ends: the pixels whose
// centres lie within half the width of the segment, each exactly once.
void RasterSurface::WideLine(POINT from, POINT to, std::int32_t width) {
    const raster::Capsule capsule(from, to, width);
    const Pixel colour = ToPixel(CurrentPen().colour);
    const std::int64_t top = std::max<std::int64_t>(capsule.Top(), m_top);
    const std::int64_t bottom = std::min<std::int64_t>(capsule.Bottom(), m_bottom - 1);
    if (top > bottom) return;
    static thread_local std::vector<double> lo, hi;
    capsule.Rows(top, bottom, lo, hi);
    for (std::int64_t y = top; y <= bottom; ++y) {
        const auto i = static_cast<std::size_t>(y - top);
        if (lo[i] > hi[i]) continue;
        FillSpan(y, capsule.OriginX() + raster::CeilToInt(lo[i] - raster::kEpsilon),
                 capsule.OriginX() + raster::FloorToInt(hi[i] + raster::kEpsilon), colour);
    }
}

namespace raster {

Capsule::Capsule(POINT from, POINT to, std::int32_t width)
    : m_ox(from.x), m_oy(from.y), m_r(width / 2.0), m_rr(m_r * m_r) {
    // Even widths sit between pixel centres; shift so they cover w rows.
    const double shift = width % 2 == 0 ? 0.5 : 0.0;
    m_a[0] = shift;
    m_a[1] = shift;
    m_b[0] = static_cast<double>(std::int64_t{to.x} - from.x) + shift;
    m_b[1] = static_cast<double>(std::int64_t{to.y} - from.y) + shift;
    m_top = m_oy + FloorToInt(std::min(m_a[1], m_b[1]) - m_r);
    m_bottom = m_oy + CeilToInt(std::max(m_a[1], m_b[1]) + m_r);
    const double len = std::hypot(m_b[0] - m_a[0], m_b[1] - m_a[1]);
    if (len <= 0) return;
    const double nx = -(m_b[1] - m_a[1]) / len * m_r, ny = (m_b[0] - m_a[0]) / len * m_r;
    const double corners[4][2] = {{m_a[0] + nx, m_a[1] + ny},
                                  {m_b[0] + nx, m_b[1] + ny},
                                  {m_b[0] - nx, m_b[1] - ny},
                                  {m_a[0] - nx, m_a[1] - ny}};
    for (int i = 0; i < 4; ++i) {
        const double* a = corners[i];
        const double* b = corners[(i + 1) % 4];
        Side& side = m_band[i];
        side.ax = a[0];
        side.ay = a[1];
        side.dx = b[0] - a[0];
        side.dy = b[1] - a[1];
        side.below = std::min(a[1], b[1]) - kEpsilon;
        side.above = std::max(a[1], b[1]) + kEpsilon;
        side.xmin = std::min(a[0], b[0]);
        side.xmax = std::max(a[0], b[0]);
        side.level = std::fabs(b[1] - a[1]) < 1e-12;
    }
    m_hasBand = true;
}

// The x range of row y inside the band, sampled at pixel centres.
bool Capsule::BandRow(double y, double& xl, double& xr) const {
    xl = 1e300;
    xr = -1e300;
    for (const Side& side : m_band) {
        if (y < side.below || y > side.above) continue;
        if (side.level) {
            xl = std::min(xl, side.xmin);
            xr = std::max(xr, side.xmax);
            continue;
        }
        const double x = side.ax + (y - side.ay) * side.dx / side.dy;
        xl = std::min(xl, x);
        xr = std::max(xr, x);
    }
    return xl <= xr;
}

bool Capsule::Row(std::int64_t y, std::int64_t& left, std::int64_t& right) const {
    const double fy = static_cast<double>(y - m_oy);
    double xl = 1e300, xr = -1e300;
    for (const double* c : {m_a, m_b}) {
        const double d = m_rr - (fy - c[1]) * (fy - c[1]);
        if (d < 0) continue;
        const double root = std::sqrt(d);
        xl = std::min(xl, c[0] - root);
        xr = std::max(xr, c[0] + root);
    }
    double bl, br;
    if (m_hasBand && BandRow(fy, bl, br)) {
        xl = std::min(xl, bl);
        xr = std::max(xr, br);
    }
    if (xl > xr) return false;
    left = m_ox + CeilToInt(xl - kEpsilon);
    right = m_ox + FloorToInt(xr + kEpsilon);
    return left <= right;
}

void Capsule::Rows(std::int64_t first, std::int64_t last, std::vector<double>& lo,
                   std::vector<double>& hi) const {
    const auto n = static_cast<std::size_t>(last - first + 1);
    lo.assign(n, 1e300);
    hi.assign(n, -1e300);
    // Rows relative to the segment's start from here on.
    first -= m_oy;
    last -= m_oy;
    // The round ends, over the rows around their centres.
    for (const double* c : {m_a, m_b}) {
        const std::int64_t from = std::max(first, FloorToInt(c[1] - m_r) - 1);
        const std::int64_t to = std::min(last, CeilToInt(c[1] + m_r) + 1);
        for (std::int64_t y = from; y <= to; ++y) {
            const double fy = static_cast<double>(y);
            const double d = m_rr - (fy - c[1]) * (fy - c[1]);
            if (d < 0) continue;
            const double root = std::sqrt(d);
            const auto i = static_cast<std::size_t>(y - first);
            lo[i] = std::min(lo[i], c[0] - root);
            hi[i] = std::max(hi[i], c[0] + root);
        }
    }
    if (!m_hasBand) return;
    // The sides of the band over the rows whose centres they reach: y at or
    // below `above` and at or above `below`, as in BandRow.
    for (const Side& side : m_band) {
        const std::int64_t from = std::max(first, CeilToInt(side.below));
        const std::int64_t to = std::min(last, FloorToInt(side.above));
        double* l = lo.data();
        double* h = hi.data();
        if (side.level) {
            for (std::int64_t y = from; y <= to; ++y) {
                const auto i = static_cast<std::size_t>(y - first);
                l[i] = std::min(l[i], side.xmin);
                h[i] = std::max(h[i], side.xmax);
            }
            continue;
        }
        for (std::int64_t y = from; y <= to; ++y) {
            const auto i = static_cast<std::size_t>(y - first);
            const double x = side.ax + (static_cast<double>(y) - side.ay) * side.dx / side.dy;
            l[i] = std::min(l[i], x);
            h[i] = std::max(h[i], x);
        }
    }
}

} // namespace raster
