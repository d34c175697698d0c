// What the parts of RasterSurface share: the pixel and span primitives, the
// rows of an ellipse and of a wide stroke, and the dot pattern. Private to
// src/render/Raster*.cpp.
#pragma once

#include "RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace raster {

constexpr double kTwoPi = 6.283185307179586;

// Pixel centres on an exact half are inside; this keeps float noise from
// deciding those cases.
constexpr double kEpsilon = 1e-9;

// NOT(pen XOR pixel), with the alpha of a drawn pixel.
constexpr Pixel NotXor(Pixel pen, Pixel pixel) {
    return 0xFF000000u | (~(pen ^ pixel) & 0xFFFFFFu);
}

// Fills n pixels with one colour at memory speed: with the widest stores the
// processor has (RasterSurface.cpp).
void FillPixelsWide(Pixel* pixels, std::size_t n, Pixel colour);

// Fills n pixels with one colour: the few pixels of an outline run in a plain
// loop, longer runs go to the wide stores.
inline void FillPixels(Pixel* pixels, std::size_t n, Pixel colour) {
    if (n >= 16) {
        FillPixelsWide(pixels, n, colour);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) pixels[i] = colour;
}

// A thin dotted pen is three pixels on, three off, counted along the line.
constexpr bool DotOn(std::int64_t position) { return (position / 3) % 2 == 0; }

// std::ceil and std::floor of a value well inside the 64-bit range, without
// the library call that the baseline instruction set needs for them.
inline std::int64_t CeilToInt(double v) {
    const auto i = static_cast<std::int64_t>(v);
    return i + (static_cast<double>(i) < v ? 1 : 0);
}
inline std::int64_t FloorToInt(double v) {
    const auto i = static_cast<std::int64_t>(v);
    return i - (static_cast<double>(i) > v ? 1 : 0);
}

// The columns a shape covers in one row; none when left > right.
struct Extent {
    std::int64_t left = 1, right = 0;
};

// For rows at ys[0..n): t = 1 - ((y - cy) / ry)^2 and root = sqrt(t) (NaN
// where t < 0), several rows per instruction with the widest vectors the
// processor has; each value is the one the plain expression gives.
void EllipseTerms(const double* ys, std::size_t n, double cy, double ry, double* t, double* root);

// The rows of a rectangle of inclusive bounds.
class RectangleRows {
public:
    RectangleRows(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
        : m_x0(x0), m_y0(y0), m_x1(x1), m_y1(y1) {}
    std::int64_t Top() const { return m_y0; }
    std::int64_t Bottom() const { return m_y1; }
    bool Row(std::int64_t y, std::int64_t& xl, std::int64_t& xr) const {
        if (m_x1 < m_x0 || y < m_y0 || y > m_y1) return false;
        xl = m_x0;
        xr = m_x1;
        return true;
    }
    template <class Y> void Rows(std::size_t n, Y rows, Extent* out) const {
        for (std::size_t i = 0; i < n; ++i)
            if (!Row(rows(i), out[i].left, out[i].right)) out[i] = Extent{};
    }

private:
    std::int64_t m_x0, m_y0, m_x1, m_y1;
};

// The rows of the ellipse inscribed in a box of inclusive bounds (pixel
// centres at whole coordinates): the columns whose centres lie inside the
// ellipse through the outer edges of the box's border pixels. The centre and
// radii are worked out once per box; each row costs one square root. All
// arithmetic is relative to the box's top-left pixel, so that a box moved by
// whole pixels covers the same pixels moved (the copy preview relies on it).
class EllipseRows {
public:
    EllipseRows(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1)
        : m_x0(x0), m_y0(y0), m_x1(x1), m_y1(y1),
          m_cx((static_cast<double>(x1 - x0)) / 2),
          m_cy((static_cast<double>(y1 - y0)) / 2),
          m_rx((static_cast<double>(x1) - static_cast<double>(x0)) / 2 + 0.5),
          m_ry((static_cast<double>(y1) - static_cast<double>(y0)) / 2 + 0.5) {}
    std::int64_t Top() const { return m_y0; }
    std::int64_t Bottom() const { return m_y1; }
    bool Row(std::int64_t y, std::int64_t& xl, std::int64_t& xr) const {
        if (m_x1 < m_x0 || m_y1 < m_y0 || y < m_y0 || y > m_y1) return false;
        const double dy = (static_cast<double>(y - m_y0) - m_cy) / m_ry;
        return Finish(1 - dy * dy, xl, xr);
    }

    // Row for rows(0) .. rows(n - 1), with the divisions and square roots
    // of several rows in one instruction (EllipseTerms); the results are
    // Row's.
    template <class Y> void Rows(std::size_t n, Y rows, Extent* out) const {
        static thread_local std::vector<double> ys, t, root;
        ys.resize(n);
        t.resize(n);
        root.resize(n);
        for (std::size_t i = 0; i < n; ++i) ys[i] = static_cast<double>(rows(i) - m_y0);
        EllipseTerms(ys.data(), n, m_cy, m_ry, t.data(), root.data());
        for (std::size_t i = 0; i < n; ++i) {
            const std::int64_t y = rows(i);
            Extent& e = out[i];
            if (m_x1 < m_x0 || m_y1 < m_y0 || y < m_y0 || y > m_y1 || t[i] < 0 ||
                !Columns(m_rx * root[i], e.left, e.right))
                e = Extent{};
        }
    }

private:
    // The columns of a row from 1 - dy^2, dy being its distance from the
    // centre in radii.
    bool Finish(double t, std::int64_t& xl, std::int64_t& xr) const {
        if (t < 0) return false;
        return Columns(m_rx * std::sqrt(t), xl, xr);
    }
    // The columns within half a row's width of the centre.
    bool Columns(double half, std::int64_t& xl, std::int64_t& xr) const {
        xl = std::max(m_x0 + CeilToInt(m_cx - half - kEpsilon), m_x0);
        xr = std::min(m_x0 + FloorToInt(m_cx + half + kEpsilon), m_x1);
        return xl <= xr;
    }

    std::int64_t m_x0, m_y0, m_x1, m_y1;
    double m_cx, m_cy, m_rx, m_ry;
};

// A segment stroked with a wide pen: the pixel centres within half the width
// of the segment, round at both ends. Each row of it is one run, as the
// shape is convex. The arithmetic is relative to the segment's start, so
// that a segment moved by whole pixels covers the same pixels moved.
class Capsule {
public:
    Capsule(POINT from, POINT to, std::int32_t width);

    // Bounds of the rows and columns the stroke can cover.
    std::int64_t Top() const { return m_top; }
    std::int64_t Bottom() const { return m_bottom; }
    std::int64_t Left() const { return m_ox + FloorToInt(std::min(m_a[0], m_b[0]) - m_r); }
    std::int64_t Right() const { return m_ox + CeilToInt(std::max(m_a[0], m_b[0]) + m_r); }
    // Where the segment starts: Rows gives columns relative to its x.
    std::int64_t OriginX() const { return m_ox; }

    // The columns of row y that the stroke covers.
    bool Row(std::int64_t y, std::int64_t& left, std::int64_t& right) const;

    // The same for the rows first..last at once: lo[y - first] and
    // hi[y - first] get the bounds that Row rounds, less OriginX(); lo > hi
    // for a row the
    // stroke misses. Each part of the stroke goes over just the rows it
    // reaches, which saves the tests of Row and lets the rows overlap.
    void Rows(std::int64_t first, std::int64_t last, std::vector<double>& lo,
              std::vector<double>& hi) const;

private:
    // One side of the band between the round ends, prepared for sampling
    // rows: where it lies and how x changes along it.
    struct Side {
        double ax, ay, dx, dy;
        double below, above; // the rows it reaches, widened by kEpsilon
        double xmin, xmax;   // for a side that is level
        bool level;
    };
    bool BandRow(double y, double& xl, double& xr) const;

    std::int64_t m_ox, m_oy;
    double m_r;
    double m_rr;
    double m_a[2] = {}, m_b[2] = {};
    std::int64_t m_top, m_bottom;
    Side m_band[4] = {};
    bool m_hasBand = false;
};

} // namespace raster

inline void RasterSurface::Plot(std::int64_t x, std::int64_t y, Pixel colour) {
    if (x < 0 || y < m_top || x >= m_width || y >= m_bottom) return;
    Pixel& p = m_pixels[y * m_stride + x];
    p = GetROP2() == Rop2::CopyPen ? colour : raster::NotXor(colour, p);
}

inline void RasterSurface::FillSpan(std::int64_t y, std::int64_t x0, std::int64_t x1,
                                    Pixel colour) {
    if (y < m_top || y >= m_bottom) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, m_width - 1);
    if (x0 > x1) return;
    Pixel* row = m_pixels + y * m_stride + x0;
    const auto n = static_cast<std::size_t>(x1 - x0 + 1);
    if (GetROP2() == Rop2::CopyPen) {
        raster::FillPixels(row, n, colour);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) row[i] = raster::NotXor(colour, row[i]);
}

// One pixel of a pen's outline: on pixels in the pen colour, the gaps of a
// dotted pen in the background colour when the background mode is opaque.
inline void RasterSurface::OutlinePixel(std::int64_t x, std::int64_t y, bool on) {
    if (on)
        Plot(x, y, ToPixel(CurrentPen().colour));
    else if (GetBkMode() == BkMode::Opaque)
        Plot(x, y, ToPixel(BkColor()));
}
