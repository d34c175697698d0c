#include "QtSurface.h"

#include "model/Win1252.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Pixel centres on an exact half are inside; this keeps float noise from
// deciding those cases.
constexpr double kEpsilon = 1e-9;

// More cache entries than a drawing uses in practice; past it the cache
// starts again rather than grow without bound.
constexpr std::size_t kMaxCachedFonts = 64;

// Text larger than this is drawn at this size; font engines spend minutes on
// glyphs of a million pixels, which a damaged file may ask for.
constexpr int kMaxFontPixels = 4096;

bool DotOn(std::int64_t position) { return (position / 3) % 2 == 0; }

// The row of the ellipse inscribed in the box (pixel centres at whole
// coordinates): columns whose centres lie inside the ellipse through the
// outer edges of the box's border pixels.
bool EllipseRow(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::int64_t y,
                std::int64_t& xl, std::int64_t& xr) {
    if (x1 < x0 || y1 < y0 || y < y0 || y > y1) return false;
    const double cx = (static_cast<double>(x0) + static_cast<double>(x1)) / 2;
    const double cy = (static_cast<double>(y0) + static_cast<double>(y1)) / 2;
    const double rx = (static_cast<double>(x1) - static_cast<double>(x0)) / 2 + 0.5;
    const double ry = (static_cast<double>(y1) - static_cast<double>(y0)) / 2 + 0.5;
    const double dy = (static_cast<double>(y) - cy) / ry;
    const double t = 1 - dy * dy;
    if (t < 0) return false;
    const double half = rx * std::sqrt(t);
    xl = static_cast<std::int64_t>(std::ceil(cx - half - kEpsilon));
    xr = static_cast<std::int64_t>(std::floor(cx + half + kEpsilon));
    xl = std::max(xl, x0);
    xr = std::min(xr, x1);
    return xl <= xr;
}

// The x range of the row y inside the convex polygon, sampled at pixel centres.
bool ConvexRow(const double (*corners)[2], int n, double y, double& xl, double& xr) {
    xl = 1e300;
    xr = -1e300;
    for (int i = 0; i < n; ++i) {
        const double* a = corners[i];
        const double* b = corners[(i + 1) % n];
        const double ylo = std::min(a[1], b[1]);
        const double yhi = std::max(a[1], b[1]);
        if (y < ylo - kEpsilon || y > yhi + kEpsilon) continue;
        double x;
        if (std::fabs(b[1] - a[1]) < 1e-12) {
            xl = std::min({xl, a[0], b[0]});
            xr = std::max({xr, a[0], b[0]});
            continue;
        }
        x = a[0] + (y - a[1]) * (b[0] - a[0]) / (b[1] - a[1]);
        xl = std::min(xl, x);
        xr = std::max(xr, x);
    }
    return xl <= xr;
}

// The pixels of a thin elliptic outline in drawing order, counter-clockwise
// from the angle `from`, so that a dotted pen steps one pixel at a time along
// it. An outline too long to list falls back to its angle times its mean
// radius.
class OutlineChain {
public:
    OutlineChain() = default;
    template <class Box> OutlineChain(const Box& outer, const Box& inner, double from) {
        const std::int64_t w = outer.x1 - outer.x0 + 1, h = outer.y1 - outer.y0 + 1;
        m_meanRadius = static_cast<double>(w + h) / 4.0;
        if (w > kMaxChain || h > kMaxChain) return;
        const double cx = (outer.x0 + outer.x1) / 2.0, cy = (outer.y0 + outer.y1) / 2.0;
        const auto add = [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
            for (std::int64_t x = x0; x <= x1; ++x) m_angles.push_back(Angle(x, y, cx, cy, from));
        };
        for (std::int64_t y = outer.y0; y <= outer.y1; ++y) {
            std::int64_t ol, orr, il, ir;
            if (!EllipseRow(outer.x0, outer.y0, outer.x1, outer.y1, y, ol, orr)) continue;
            if (EllipseRow(inner.x0, inner.y0, inner.x1, inner.y1, y, il, ir)) {
                add(y, ol, il - 1);
                add(y, ir + 1, orr);
            } else {
                add(y, ol, orr);
            }
        }
        std::sort(m_angles.begin(), m_angles.end());
    }

    std::int64_t Position(std::int64_t x, std::int64_t y, double cx, double cy, double from) const {
        const double a = Angle(x, y, cx, cy, from);
        if (m_angles.empty()) return static_cast<std::int64_t>(a * m_meanRadius);
        return std::lower_bound(m_angles.begin(), m_angles.end(), a) - m_angles.begin();
    }

private:
    static constexpr std::int64_t kMaxChain = 1 << 15;

    static double Angle(std::int64_t x, std::int64_t y, double cx, double cy, double from) {
        double a = std::atan2(-(static_cast<double>(y) - cy), static_cast<double>(x) - cx) - from;
        while (a < 0) a += kTwoPi;
        return a;
    }

    std::vector<double> m_angles;
    double m_meanRadius = 0;
};

// A segment stroked with a wide pen: the pixel centres within half the width
// of the segment, round at both ends. Each row of it is one run, as the
// shape is convex.
class Capsule {
public:
    Capsule(POINT from, POINT to, std::int32_t width) : m_r(width / 2.0) {
        // Even widths sit between pixel centres; shift so they cover w rows.
        const double shift = width % 2 == 0 ? 0.5 : 0.0;
        m_a[0] = from.x + shift;
        m_a[1] = from.y + shift;
        m_b[0] = to.x + shift;
        m_b[1] = to.y + shift;
        const double len = std::hypot(m_b[0] - m_a[0], m_b[1] - m_a[1]);
        if (len > 0) {
            const double nx = -(m_b[1] - m_a[1]) / len * m_r, ny = (m_b[0] - m_a[0]) / len * m_r;
            const double corners[4][2] = {{m_a[0] + nx, m_a[1] + ny},
                                          {m_b[0] + nx, m_b[1] + ny},
                                          {m_b[0] - nx, m_b[1] - ny},
                                          {m_a[0] - nx, m_a[1] - ny}};
            std::memcpy(m_band, corners, sizeof m_band);
            m_hasBand = true;
        }
    }

    std::int64_t Top() const {
        return static_cast<std::int64_t>(std::floor(std::min(m_a[1], m_b[1]) - m_r));
    }
    std::int64_t Bottom() const {
        return static_cast<std::int64_t>(std::ceil(std::max(m_a[1], m_b[1]) + m_r));
    }

    // The columns of row y that the stroke covers.
    bool Row(std::int64_t y, std::int64_t& left, std::int64_t& right) const {
        const double fy = static_cast<double>(y);
        double xl = 1e300, xr = -1e300;
        for (const double* c : {m_a, m_b}) {
            const double d = m_r * m_r - (fy - c[1]) * (fy - c[1]);
            if (d < 0) continue;
            xl = std::min(xl, c[0] - std::sqrt(d));
            xr = std::max(xr, c[0] + std::sqrt(d));
        }
        double bl, br;
        if (m_hasBand && ConvexRow(m_band, 4, fy, bl, br)) {
            xl = std::min(xl, bl);
            xr = std::max(xr, br);
        }
        if (xl > xr) return false;
        left = static_cast<std::int64_t>(std::ceil(xl - kEpsilon));
        right = static_cast<std::int64_t>(std::floor(xr + kEpsilon));
        return left <= right;
    }

private:
    double m_r;
    double m_a[2] = {}, m_b[2] = {};
    double m_band[4][2] = {};
    bool m_hasBand = false;
};

} // namespace

QtSurface::QtSurface(QImage& image, SurfaceKind kind) : m_image(image), m_kind(kind) {
    if (m_image.format() != QImage::Format_RGB32 && m_image.format() != QImage::Format_ARGB32)
        m_image.convertTo(QImage::Format_RGB32);
    Attach();
}

// The owner may have copied the image since the last operation (for the
// clipboard, say). Writing through the old buffer would change that copy
// too, so each operation takes the image's own buffer again, which detaches
// a shared one, and restarts the text painter on a new buffer.
void QtSurface::Attach() {
    auto* bits = reinterpret_cast<QRgb*>(m_image.bits());
    if (bits == m_bits && m_width == m_image.width() && m_height == m_image.height()) return;
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_bits = bits;
    m_stride = m_image.bytesPerLine() / 4;
    m_width = m_image.width();
    m_height = m_image.height();
}

QtSurface::~QtSurface() {
    if (m_painter) m_painter->end();
}

// --- Pixels ------------------------------------------------------------------

void QtSurface::Plot(std::int64_t x, std::int64_t y, QRgb colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    QRgb& p = m_bits[y * m_stride + x];
    p = GetROP2() == Rop2::CopyPen ? colour : (0xFF000000u | (~(colour ^ p) & 0xFFFFFFu));
}

void QtSurface::FillSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb colour) {
    if (y < 0 || y >= m_height) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, m_width - 1);
    if (x0 > x1) return;
    QRgb* row = m_bits + y * m_stride;
    if (GetROP2() == Rop2::CopyPen) {
        std::fill(row + x0, row + x1 + 1, colour);
        return;
    }
    for (std::int64_t x = x0; x <= x1; ++x) row[x] = 0xFF000000u | (~(colour ^ row[x]) & 0xFFFFFFu);
}

// One pixel of a pen's outline: on pixels in the pen colour, the gaps of a
// dotted pen in the background colour when the background mode is opaque.
void QtSurface::OutlinePixel(std::int64_t x, std::int64_t y, bool on) {
    if (on)
        Plot(x, y, ToRgb(CurrentPen().colour));
    else if (GetBkMode() == BkMode::Opaque)
        Plot(x, y, ToRgb(BkColor()));
}

void QtSurface::FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                              COLORREF colour) {
    Attach();
    const QRgb c = ToRgb(colour);
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + cy, m_height);
    // A solid fill is independent of the raster operation, as on Windows.
    const Rop2 rop = SetROP2(Rop2::CopyPen);
    for (std::int64_t row = y0; row < y1; ++row) FillSpan(row, x, std::int64_t{x} + cx - 1, c);
    SetROP2(rop);
}

// --- Lines -------------------------------------------------------------------

void QtSurface::LineTo(std::int32_t x, std::int32_t y) {
    Attach();
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
void QtSurface::ThinLine(POINT from, POINT to) {
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
        OutlinePixel(x0, y0, !dotted || DotOn(k));
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
void QtSurface::WideLine(POINT from, POINT to, std::int32_t width) {
    const Capsule capsule(from, to, width);
    const QRgb colour = ToRgb(CurrentPen().colour);
    for (std::int64_t y = std::max<std::int64_t>(capsule.Top(), 0);
         y <= std::min<std::int64_t>(capsule.Bottom(), m_height - 1); ++y) {
        std::int64_t xl, xr;
        if (capsule.Row(y, xl, xr)) FillSpan(y, xl, xr, colour);
    }
}

// --- Rectangles, ellipses, arcs ---------------------------------------------

void QtSurface::Rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    DrawShape(Shape::Rectangle, l, t, r, b);
}

void QtSurface::Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    DrawShape(Shape::Ellipse, l, t, r, b);
}

void QtSurface::DrawShape(Shape shape, std::int32_t l32, std::int32_t t32, std::int32_t r32,
                          std::int32_t b32) {
    Attach();
    std::int64_t l = std::min(l32, r32), r = std::max(l32, r32);
    std::int64_t t = std::min(t32, b32), b = std::max(t32, b32);
    const Pen& pen = CurrentPen();
    const Brush& brush = CurrentBrush();
    const bool fill = brush.style == BrushStyle::Solid;
    const QRgb fillColour = ToRgb(brush.colour);
    const auto row = [&](const Box& box, std::int64_t y, std::int64_t& xl, std::int64_t& xr) {
        if (shape == Shape::Ellipse) return EllipseRow(box.x0, box.y0, box.x1, box.y1, y, xl, xr);
        if (box.x1 < box.x0 || y < box.y0 || y > box.y1) return false;
        xl = box.x0;
        xr = box.x1;
        return true;
    };
    if (pen.style == PenStyle::Null) {
        if (!fill) return;
        const Box inner{l, t, r - 2, b - 2};
        for (std::int64_t y = std::max<std::int64_t>(inner.y0, 0);
             y <= std::min<std::int64_t>(inner.y1, m_height - 1); ++y) {
            std::int64_t xl, xr;
            if (row(inner, y, xl, xr)) FillSpan(y, xl, xr, fillColour);
        }
        return;
    }
    const std::int64_t w = std::max(pen.width, 1);
    const Box outer{l - (w - 1) / 2, t - (w - 1) / 2, r - 1 + w / 2, b - 1 + w / 2};
    const Box inner{outer.x0 + w, outer.y0 + w, outer.x1 - w, outer.y1 - w};
    const bool dotted = pen.style == PenStyle::Dot && w == 1;
    const std::int64_t width = outer.x1 - outer.x0 + 1, height = outer.y1 - outer.y0 + 1;
    const double cx = (outer.x0 + outer.x1) / 2.0, cy = (outer.y0 + outer.y1) / 2.0;
    const OutlineChain chain =
        dotted && shape == Shape::Ellipse ? OutlineChain(outer, inner, 0) : OutlineChain();
    // Where a pixel lies along the outline, for the dots of a dotted pen:
    // clockwise from the top-left corner around a rectangle, counter-
    // clockwise from the right around an ellipse, one step per pixel.
    const auto along = [&](std::int64_t x, std::int64_t y) -> std::int64_t {
        if (shape == Shape::Ellipse) return chain.Position(x, y, cx, cy, 0);
        if (y == outer.y0) return x - outer.x0;
        if (x == outer.x1) return width - 1 + (y - outer.y0);
        if (y == outer.y1) return width + height - 2 + (outer.x1 - x);
        return 2 * width + height - 3 + (outer.y1 - y);
    };
    const QRgb penColour = ToRgb(pen.colour);
    const auto outline = [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
        if (!dotted) {
            FillSpan(y, x0, x1, penColour);
            return;
        }
        for (std::int64_t x = std::max<std::int64_t>(x0, 0);
             x <= std::min<std::int64_t>(x1, m_width - 1); ++x)
            OutlinePixel(x, y, DotOn(along(x, y)));
    };
    for (std::int64_t y = std::max<std::int64_t>(outer.y0, 0);
         y <= std::min<std::int64_t>(outer.y1, m_height - 1); ++y) {
        std::int64_t ol, orr, il, ir;
        if (!row(outer, y, ol, orr)) continue;
        if (row(inner, y, il, ir)) {
            if (fill) FillSpan(y, il, ir, fillColour);
            outline(y, ol, il - 1);
            outline(y, ir + 1, orr);
        } else {
            outline(y, ol, orr);
        }
    }
}

void QtSurface::Arc(std::int32_t l32, std::int32_t t32, std::int32_t r32, std::int32_t b32,
                    std::int32_t xs, std::int32_t ys, std::int32_t xe, std::int32_t ye) {
    Attach();
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null) return;
    const std::int64_t l = std::min(l32, r32), r = std::max(l32, r32);
    const std::int64_t t = std::min(t32, b32), b = std::max(t32, b32);
    const std::int64_t w = std::max(pen.width, 1);
    const Box outer{l - (w - 1) / 2, t - (w - 1) / 2, r - 1 + w / 2, b - 1 + w / 2};
    const Box inner{outer.x0 + w, outer.y0 + w, outer.x1 - w, outer.y1 - w};
    const double cx = (l + r - 1) / 2.0, cy = (t + b - 1) / 2.0;
    const double from = std::atan2(-(ys - cy), xs - cx);
    double span = std::atan2(-(ye - cy), xe - cx) - from;
    while (span <= 0) span += kTwoPi;
    DrawArc(outer, inner, from, span);
}

void QtSurface::DrawArc(const Box& outer, const Box& inner, double from, double span) {
    const Pen& pen = CurrentPen();
    const bool dotted = pen.style == PenStyle::Dot && pen.width <= 1;
    const double cx = (outer.x0 + outer.x1) / 2.0, cy = (outer.y0 + outer.y1) / 2.0;
    const OutlineChain chain = dotted ? OutlineChain(outer, inner, from) : OutlineChain();
    const auto pixel = [&](std::int64_t x, std::int64_t y) {
        double a = std::atan2(-(y - cy), x - cx) - from;
        while (a < 0) a += kTwoPi;
        if (a > span + 1e-6) return;
        OutlinePixel(x, y, !dotted || DotOn(chain.Position(x, y, cx, cy, from)));
    };
    for (std::int64_t y = std::max<std::int64_t>(outer.y0, 0);
         y <= std::min<std::int64_t>(outer.y1, m_height - 1); ++y) {
        std::int64_t ol, orr, il, ir;
        if (!EllipseRow(outer.x0, outer.y0, outer.x1, outer.y1, y, ol, orr)) continue;
        // Only the outline runs beside the hole are visited: an arc much
        // larger than the image costs its outline, not its area.
        if (!EllipseRow(inner.x0, inner.y0, inner.x1, inner.y1, y, il, ir)) il = ir = orr + 1;
        for (std::int64_t x = std::max<std::int64_t>(ol, 0);
             x <= std::min<std::int64_t>({orr, il - 1, m_width - 1}); ++x)
            pixel(x, y);
        for (std::int64_t x = std::max<std::int64_t>({ol, ir + 1, 0});
             x <= std::min<std::int64_t>(orr, m_width - 1); ++x)
            pixel(x, y);
    }
}

// --- Polygons ----------------------------------------------------------------

void QtSurface::Polygon(const POINT* points, std::int32_t count) {
    Attach();
    if (count <= 0) return;
    const Brush& brush = CurrentBrush();
    if (brush.style == BrushStyle::Solid && count >= 3) {
        const QRgb colour = ToRgb(brush.colour);
        std::int64_t top = points[0].y, bottom = points[0].y;
        for (std::int32_t i = 1; i < count; ++i) {
            top = std::min<std::int64_t>(top, points[i].y);
            bottom = std::max<std::int64_t>(bottom, points[i].y);
        }
        static thread_local std::vector<double> crossings;
        for (std::int64_t y = std::max<std::int64_t>(top, 0);
             y <= std::min<std::int64_t>(bottom, m_height - 1); ++y) {
            crossings.clear();
            for (std::int32_t i = 0; i < count; ++i) {
                const POINT a = points[i];
                const POINT b = points[(i + 1) % count];
                if (a.y == b.y) continue;
                const bool down = a.y < b.y;
                const std::int64_t y0 = down ? a.y : b.y, y1 = down ? b.y : a.y;
                if (y < y0 || y >= y1) continue;
                crossings.push_back(a.x + (static_cast<double>(y) - a.y) *
                                              (static_cast<double>(b.x) - a.x) /
                                              (static_cast<double>(b.y) - a.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
                FillSpan(y, static_cast<std::int64_t>(std::ceil(crossings[k] - kEpsilon)),
                         static_cast<std::int64_t>(std::ceil(crossings[k + 1] - kEpsilon)) - 1,
                         colour);
        }
    }
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null) return;
    if (pen.width > 1) {
        WideOutline(points, count, pen.width);
        return;
    }
    const POINT position = m_position;
    MoveToEx(points[count - 1].x, points[count - 1].y);
    for (std::int32_t i = 0; i < count; ++i) LineTo(points[i].x, points[i].y);
    m_position = position;
}

// A closed outline with a wide pen is one stroke, as on Windows: a pixel
// where two sides meet is drawn once, so that not-xor does not punch holes
// into the corners.
void QtSurface::WideOutline(const POINT* points, std::int32_t count, std::int32_t width) {
    std::vector<Capsule> sides;
    sides.reserve(static_cast<std::size_t>(count));
    std::int64_t top = std::numeric_limits<std::int64_t>::max();
    std::int64_t bottom = std::numeric_limits<std::int64_t>::min();
    for (std::int32_t i = 0; i < count; ++i) {
        sides.emplace_back(points[i == 0 ? count - 1 : i - 1], points[i], width);
        top = std::min(top, sides.back().Top());
        bottom = std::max(bottom, sides.back().Bottom());
    }
    const QRgb colour = ToRgb(CurrentPen().colour);
    std::vector<std::pair<std::int64_t, std::int64_t>> runs;
    for (std::int64_t y = std::max<std::int64_t>(top, 0);
         y <= std::min<std::int64_t>(bottom, m_height - 1); ++y) {
        runs.clear();
        for (const Capsule& side : sides) {
            std::int64_t xl, xr;
            if (side.Row(y, xl, xr)) runs.emplace_back(xl, xr);
        }
        std::sort(runs.begin(), runs.end());
        for (std::size_t k = 0; k < runs.size();) {
            auto [x0, x1] = runs[k];
            for (++k; k < runs.size() && runs[k].first <= x1 + 1; ++k)
                x1 = std::max(x1, runs[k].second);
            FillSpan(y, x0, x1, colour);
        }
    }
}

// --- Flood fill --------------------------------------------------------------

void QtSurface::FloodFill(std::int32_t x, std::int32_t y, COLORREF boundary) {
    Attach();
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    if (CurrentBrush().style != BrushStyle::Solid) return;
    const QRgb stop = ToRgb(boundary) & 0xFFFFFFu;
    const QRgb colour = ToRgb(CurrentBrush().colour);
    const auto at = [&](std::int64_t px, std::int64_t py) -> QRgb& {
        return m_bits[py * m_stride + px];
    };
    if ((at(x, y) & 0xFFFFFFu) == stop) return;

    const std::size_t area = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
    if (m_visited.size() != area) {
        m_visited.assign(area, 0);
        m_generation = 0;
    }
    if (++m_generation == 0) {
        std::fill(m_visited.begin(), m_visited.end(), 0);
        m_generation = 1;
    }
    const std::uint16_t mark = m_generation;
    const auto open = [&](std::int64_t px, std::int64_t py) {
        return m_visited[static_cast<std::size_t>(py * m_width + px)] != mark &&
               (at(px, py) & 0xFFFFFFu) != stop;
    };
    m_seeds.clear();
    m_seeds.emplace_back(x, y);
    while (!m_seeds.empty()) {
        const auto [sx, sy] = m_seeds.back();
        m_seeds.pop_back();
        if (!open(sx, sy)) continue;
        std::int64_t left = sx, right = sx;
        while (left > 0 && open(left - 1, sy)) --left;
        while (right + 1 < m_width && open(right + 1, sy)) ++right;
        std::fill(m_visited.begin() + sy * m_width + left,
                  m_visited.begin() + sy * m_width + right + 1, mark);
        for (std::int64_t ny : {std::int64_t{sy} - 1, std::int64_t{sy} + 1}) {
            if (ny < 0 || ny >= m_height) continue;
            bool inRun = false;
            for (std::int64_t px = left; px <= right; ++px) {
                const bool o = open(px, ny);
                if (o && !inRun)
                    m_seeds.emplace_back(static_cast<std::int32_t>(px),
                                         static_cast<std::int32_t>(ny));
                inRun = o;
            }
        }
        // Painted after the neighbours are read, so the boundary test always
        // sees the canvas as it was.
        FillSpan(sy, left, right, colour);
    }
}

// --- Text --------------------------------------------------------------------

QFont QtSurface::FontFromLogFont(const LogFont& record) {
    QFont font(QString::fromUtf8(Win1252ToUtf8(record.FaceName())));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    // Widened first: the height of a damaged record may be INT32_MIN.
    const std::int64_t height = record.lfHeight;
    const int pixels =
        height == 0
            ? 16
            : static_cast<int>(std::clamp<std::int64_t>(std::llabs(height), 1, kMaxFontPixels));
    font.setPixelSize(pixels);
    if (height > 0) {
        // A positive height is the cell height (ascent plus descent): the
        // largest size whose cell fits in it, searched from a proportional
        // guess, as fonts do not grow exactly linearly.
        const auto cellOf = [&font](int size) {
            font.setPixelSize(size);
            return QFontMetrics(font).height();
        };
        const int cell = cellOf(pixels);
        int size = cell > 0 ? std::clamp(pixels * pixels / cell, 1, kMaxFontPixels) : pixels;
        for (int step = 0; step < 8 && size > 1 && cellOf(size) > pixels; ++step) --size;
        for (int step = 0; step < 8 && size < kMaxFontPixels && cellOf(size + 1) <= pixels; ++step)
            ++size;
        font.setPixelSize(size);
    }
    const int weight = record.lfWeight <= 0 ? 400 : std::clamp(record.lfWeight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);
    return font;
}

LogFont QtSurface::SelectFont(const LogFont& font) {
    m_font = nullptr;
    return Surface::SelectFont(font);
}

const QtSurface::CachedFont& QtSurface::Font() {
    if (m_font) return *m_font;
    const LogFont& record = CurrentFont();
    for (const auto& cached : m_fonts)
        if (std::memcmp(&cached->record, &record, sizeof record) == 0)
            return *(m_font = cached.get());
    if (m_fonts.size() >= kMaxCachedFonts) m_fonts.clear();
    const QFont font = FontFromLogFont(record);
    m_fonts.push_back(std::make_unique<CachedFont>(CachedFont{record, font, QFontMetrics(font)}));
    return *(m_font = m_fonts.back().get());
}

QPainter& QtSurface::Painter() {
    Attach();
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *m_painter;
}

namespace {

QString Decode(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] =
            QChar(static_cast<char16_t>(Win1252CodePoint(static_cast<unsigned char>(bytes[i]))));
    return text;
}

} // namespace

SIZE QtSurface::GetTextExtentPoint32(std::string_view bytes) {
    const CachedFont& font = Font();
    return {font.metrics.horizontalAdvance(Decode(bytes)), font.metrics.height()};
}

void QtSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) {
    if (bytes.empty()) return;
    const CachedFont& font = Font();
    const QString text = Decode(bytes);
    QPainter& painter = Painter();
    painter.save();
    painter.translate(x, y);
    const std::int32_t escapement = CurrentFont().lfEscapement;
    if (escapement != 0) painter.rotate(-escapement / 10.0);
    if (GetBkMode() == BkMode::Opaque)
        painter.fillRect(QRect(0, 0, font.metrics.horizontalAdvance(text), font.metrics.height()),
                         QColor(ToRgb(BkColor())));
    painter.setFont(font.font);
    painter.setPen(QColor(ToRgb(TextColor())));
    painter.drawText(0, font.metrics.ascent(), text);
    painter.restore();
}
