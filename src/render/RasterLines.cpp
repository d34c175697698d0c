// Lines: thin solid and dotted lines by Bresenham and wide lines as
// round-ended strokes.
#include "RasterInternal.h"

#include <cstdlib>

void RasterSurface::LineTo(std::int32_t x, std::int32_t y) {
    Refresh();
    const POINT from = m_position;
    const POINT to{x, y};
    m_position = to;
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null) return;
    if (pen.width <= 1)
        ThinLine(from, to);
    else
        WideLine(from, to, pen.width);
}

// Bresenham from `from` up to, but not including, `to`.
void RasterSurface::ThinLine(POINT from, POINT to) {
    std::int64_t x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
    // A line reaching far outside the image is first cut to a margin around
    // it (Liang-Barsky), so that a damaged coordinate cannot cost billions of
    // steps. The cut ends lie outside the image, so no visible pixel moves.
    const std::int64_t reach = 4 * (std::int64_t{m_width} + m_height) + 16;
    if (std::max(std::llabs(x1 - x0), std::llabs(y1 - y0)) > reach) {
        const double fx = static_cast<double>(x0), fy = static_cast<double>(y0);
        const double ddx = static_cast<double>(x1 - x0), ddy = static_cast<double>(y1 - y0);
        double t0 = 0, t1 = 1;
        const double p[4] = {-ddx, ddx, -ddy, ddy};
        const double q[4] = {fx + 2, m_width + 1 - fx, fy + 2, m_height + 1 - fy};
        for (int k = 0; k < 4; ++k) {
            if (p[k] == 0) {
                if (q[k] < 0) return;
                continue;
            }
            const double t = q[k] / p[k];
            if (p[k] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
        if (t0 > t1) return;
        x1 = std::llround(fx + t1 * ddx);
        y1 = std::llround(fy + t1 * ddy);
        x0 = std::llround(fx + t0 * ddx);
        y0 = std::llround(fy + t0 * ddy);
    }
    const std::int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
    const std::int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const bool dotted = CurrentPen().style == PenStyle::Dot;
    const std::int64_t steps = std::max(dx, -dy);
    std::int64_t err = dx + dy;
    for (std::int64_t k = 0; k < steps; ++k) {
        OutlinePixel(x0, y0, !dotted || raster::DotOn(k));
        const std::int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// A pen wider than one pixel draws solid with round ends: the pixels whose
// centres lie within half the width of the segment, each exactly once.
void RasterSurface::WideLine(POINT from, POINT to, std::int32_t width) {
    const raster::Capsule capsule(from, to, width);
    const Pixel colour = ToPixel(CurrentPen().colour);
    for (std::int64_t y = std::max<std::int64_t>(capsule.Top(), 0);
         y <= std::min<std::int64_t>(capsule.Bottom(), m_height - 1); ++y) {
        std::int64_t xl, xr;
        if (capsule.Row(y, xl, xr)) FillSpan(y, xl, xr, colour);
    }
}

namespace raster {

Capsule::Capsule(POINT from, POINT to, std::int32_t width) : m_r(width / 2.0), m_rr(m_r * m_r) {
    // Even widths sit between pixel centres; shift so they cover w rows.
    const double shift = width % 2 == 0 ? 0.5 : 0.0;
    m_a[0] = from.x + shift;
    m_a[1] = from.y + shift;
    m_b[0] = to.x + shift;
    m_b[1] = to.y + shift;
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
    const double fy = static_cast<double>(y);
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
    left = CeilToInt(xl - kEpsilon);
    right = FloorToInt(xr + kEpsilon);
    return left <= right;
}

} // namespace raster
