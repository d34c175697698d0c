// Rectangles, ellipses and arcs: filled interiors and outlines of any pen
// width, row by row, and the dots of a thin dotted pen along the outline.
#include "RasterInternal.h"

#include <cstring>
#include <vector>

namespace {

using raster::DotOn;
using raster::EllipseRows;
using raster::Extent;
using raster::kTwoPi;
using raster::RectangleRows;

// The counter-clockwise angle of pixel (x, y) around (cx, cy) from `from`,
// in 0..2 pi.
double Angle(std::int64_t x, std::int64_t y, double cx, double cy, double from) {
    double a = std::atan2(-(static_cast<double>(y) - cy), static_cast<double>(x) - cx) - from;
    while (a < 0) a += kTwoPi;
    return a;
}

// Sorts values that are all at least 0, by their bit patterns (which sort
// like the values once -0 is made +0) in a radix sort: the outline of a large
// ellipse has a hundred thousand pixels and more.
void SortAngles(std::vector<double>& values) {
    if (values.size() < 4096) {
        std::sort(values.begin(), values.end());
        return;
    }
    std::vector<std::uint64_t> keys(values.size()), spare(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = values[i] + 0.0;
        std::memcpy(&keys[i], &v, sizeof v);
    }
    for (int shift = 0; shift < 64; shift += 8) {
        std::size_t counts[257] = {};
        for (std::uint64_t key : keys) ++counts[((key >> shift) & 0xFF) + 1];
        if (counts[((keys[0] >> shift) & 0xFF) + 1] == keys.size()) continue; // all alike
        for (int b = 0; b < 256; ++b) counts[b + 1] += counts[b];
        for (std::uint64_t key : keys) spare[counts[(key >> shift) & 0xFF]++] = key;
        keys.swap(spare);
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        std::memcpy(&values[i], &keys[i], sizeof(double));
}

// The pixels of a thin elliptic outline in drawing order, counter-clockwise
// from the angle `from`, so that a dotted pen steps one pixel at a time along
// it. The chain is listed on the first question, so that an outline with no
// pixel on the buffer costs nothing; an outline too long to list falls back
// to its angle times its mean radius.
class OutlineChain {
public:
    OutlineChain(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                 const EllipseRows& outer, const EllipseRows& inner, double from)
        : m_outer(outer), m_inner(inner), m_y0(y0), m_y1(y1), m_cx((x0 + x1) / 2.0),
          m_cy((y0 + y1) / 2.0), m_from(from),
          m_meanRadius(static_cast<double>((x1 - x0 + 1) + (y1 - y0 + 1)) / 4.0),
          m_listable(x1 - x0 + 1 <= kMaxChain && y1 - y0 + 1 <= kMaxChain) {}

    // How many outline pixels come before (x, y).
    std::int64_t Position(std::int64_t x, std::int64_t y) {
        const double a = Angle(x, y, m_cx, m_cy, m_from);
        if (m_listable && !m_listed) List();
        if (m_angles.empty()) return static_cast<std::int64_t>(a * m_meanRadius);
        return std::lower_bound(m_angles.begin(), m_angles.end(), a) - m_angles.begin();
    }

private:
    // At most about 4 x 2^15 pixels to list and sort for one outline.
    static constexpr std::int64_t kMaxChain = 1 << 15;

    void List() {
        m_listed = true;
        const auto add = [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
            for (std::int64_t x = x0; x <= x1; ++x)
                m_angles.push_back(Angle(x, y, m_cx, m_cy, m_from));
        };
        // A row and its mirror row have the same runs.
        for (std::int64_t y = m_y0; y <= m_y0 + m_y1 - y; ++y) {
            std::int64_t ol, orr, il, ir;
            if (!m_outer.Row(y, ol, orr)) continue;
            const bool hole = m_inner.Row(y, il, ir);
            const std::int64_t mirror = m_y0 + m_y1 - y;
            for (std::int64_t row : {y, mirror}) {
                if (hole) {
                    add(row, ol, il - 1);
                    add(row, ir + 1, orr);
                } else {
                    add(row, ol, orr);
                }
                if (mirror == y) break;
            }
        }
        SortAngles(m_angles);
    }

    const EllipseRows& m_outer;
    const EllipseRows& m_inner;
    std::int64_t m_y0, m_y1;
    double m_cx, m_cy, m_from, m_meanRadius;
    bool m_listable;
    bool m_listed = false;
    std::vector<double> m_angles;
};

// A row of a shape that lies on the buffer, and the row that mirrors it
// about the shape's middle row when that one is on the buffer too.
struct RowPair {
    std::int64_t y;
    std::int64_t mirror; // < 0 when there is none to draw
};

// Rectangles and ellipses are symmetric about their middle row: row y and row
// top + bottom - y cover the same columns, so each pair is worked out once.
void PairRows(std::int64_t top, std::int64_t bottom, std::int64_t rowsTop, std::int64_t rowsBottom,
              std::vector<RowPair>& pairs) {
    pairs.clear();
    const std::int64_t first = std::max<std::int64_t>(top, rowsTop);
    const std::int64_t last = std::min<std::int64_t>(bottom, rowsBottom - 1);
    for (std::int64_t y = first; y <= last; ++y) {
        const std::int64_t mirror = top + bottom - y;
        if (mirror < y && mirror >= first) continue; // drawn with its pair
        pairs.push_back({y, mirror > y && mirror <= last ? mirror : -1});
    }
}

// The rows of the pairs in a pass of their own, so that the divisions and
// square roots of successive rows overlap instead of waiting for the stores
// of the row before.
template <class Rows>
void Extents(const Rows& rows, const std::vector<RowPair>& pairs, std::vector<Extent>& out) {
    out.resize(pairs.size());
    rows.Rows(
        pairs.size(), [&pairs](std::size_t i) { return pairs[i].y; }, out.data());
}

// Calls draw(i, y) for every row of the pairs from top to bottom, so that the
// stores run down the buffer in one stream, which the processor's prefetcher
// follows.
template <class Draw> void ForEachRow(const std::vector<RowPair>& pairs, Draw draw) {
    for (std::size_t i = 0; i < pairs.size(); ++i) draw(i, pairs[i].y);
    for (std::size_t i = pairs.size(); i-- > 0;)
        if (pairs[i].mirror >= 0) draw(i, pairs[i].mirror);
}

thread_local std::vector<RowPair> t_pairs;
thread_local std::vector<Extent> t_outer, t_inner;

} // namespace

void RasterSurface::Rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    DrawShape(Shape::Rectangle, l, t, r, b);
}

void RasterSurface::Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    DrawShape(Shape::Ellipse, l, t, r, b);
}

void RasterSurface::DrawShape(Shape shape, std::int32_t l32, std::int32_t t32, std::int32_t r32,
                              std::int32_t b32) {
    Refresh();
    TouchAround({l32, t32}, {r32, b32}, std::max(CurrentPen().width, 1));
    const std::int64_t l = std::min(l32, r32), r = std::max(l32, r32);
    const std::int64_t t = std::min(t32, b32), b = std::max(t32, b32);
    const Pen& pen = CurrentPen();
    const bool fill = CurrentBrush().style == BrushStyle::Solid;
    if (pen.style == PenStyle::Null) {
        if (!fill) return;
        const Pixel colour = ToPixel(CurrentBrush().colour);
        if (shape == Shape::Ellipse)
            FillShape(EllipseRows(l, t, r - 2, b - 2), colour);
        else
            FillShape(RectangleRows(l, t, r - 2, b - 2), colour);
        return;
    }
    const std::int64_t w = std::max(pen.width, 1);
    const Box outer{l - (w - 1) / 2, t - (w - 1) / 2, r - 1 + w / 2, b - 1 + w / 2};
    const Box inner{outer.x0 + w, outer.y0 + w, outer.x1 - w, outer.y1 - w};
    if (pen.style == PenStyle::Dot && w == 1)
        DottedShape(shape, outer, inner);
    else if (shape == Shape::Ellipse)
        SolidShape(EllipseRows(outer.x0, outer.y0, outer.x1, outer.y1),
                   EllipseRows(inner.x0, inner.y0, inner.x1, inner.y1));
    else
        SolidShape(RectangleRows(outer.x0, outer.y0, outer.x1, outer.y1),
                   RectangleRows(inner.x0, inner.y0, inner.x1, inner.y1));
}

// A shape without outline: its rows in the brush colour.
template <class Rows> void RasterSurface::FillShape(const Rows& rows, Pixel colour) {
    PairRows(rows.Top(), rows.Bottom(), m_top, m_bottom, t_pairs);
    Extents(rows, t_pairs, t_outer);
    ForEachRow(t_pairs, [&](std::size_t i, std::int64_t y) {
        FillSpan(y, t_outer[i].left, t_outer[i].right, colour);
    });
}

// A shape with a solid outline: the outer rows in the pen colour around the
// inner rows, which the brush fills; each pixel is drawn once.
template <class Rows> void RasterSurface::SolidShape(const Rows& outer, const Rows& inner) {
    const bool fill = CurrentBrush().style == BrushStyle::Solid;
    const Pixel fillColour = ToPixel(CurrentBrush().colour);
    const Pixel penColour = ToPixel(CurrentPen().colour);
    PairRows(outer.Top(), outer.Bottom(), m_top, m_bottom, t_pairs);
    Extents(outer, t_pairs, t_outer);
    Extents(inner, t_pairs, t_inner);
    ForEachRow(t_pairs, [&](std::size_t i, std::int64_t y) {
        const Extent o = t_outer[i], h = t_inner[i];
        if (o.left > o.right) return;
        if (h.left <= h.right) {
            if (fill) FillSpan(y, h.left, h.right, fillColour);
            FillSpan(y, o.left, h.left - 1, penColour);
            FillSpan(y, h.right + 1, o.right, penColour);
        } else {
            FillSpan(y, o.left, o.right, penColour);
        }
    });
}

// A shape with a thin dotted outline. Where a pixel lies along the outline
// decides its dot: clockwise from the top-left corner around a rectangle,
// counter-clockwise from the right around an ellipse, one step per pixel.
void RasterSurface::DottedShape(Shape shape, const Box& outer, const Box& inner) {
    const bool fill = CurrentBrush().style == BrushStyle::Solid;
    const Pixel fillColour = ToPixel(CurrentBrush().colour);
    const EllipseRows outerEllipse(outer.x0, outer.y0, outer.x1, outer.y1);
    const EllipseRows innerEllipse(inner.x0, inner.y0, inner.x1, inner.y1);
    const RectangleRows outerRectangle(outer.x0, outer.y0, outer.x1, outer.y1);
    const RectangleRows innerRectangle(inner.x0, inner.y0, inner.x1, inner.y1);
    OutlineChain chain(outer.x0, outer.y0, outer.x1, outer.y1, outerEllipse, innerEllipse, 0);
    const std::int64_t width = outer.x1 - outer.x0 + 1, height = outer.y1 - outer.y0 + 1;
    const auto along = [&](std::int64_t x, std::int64_t y) -> std::int64_t {
        if (shape == Shape::Ellipse) return chain.Position(x, y);
        if (y == outer.y0) return x - outer.x0;
        if (x == outer.x1) return width - 1 + (y - outer.y0);
        if (y == outer.y1) return width + height - 2 + (outer.x1 - x);
        return 2 * width + height - 3 + (outer.y1 - y);
    };
    const auto outline = [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
        for (std::int64_t x = std::max<std::int64_t>(x0, 0);
             x <= std::min<std::int64_t>(x1, m_width - 1); ++x)
            OutlinePixel(x, y, DotOn(along(x, y)));
    };
    const auto row = [&](bool outerRow, std::int64_t y, std::int64_t& xl, std::int64_t& xr) {
        if (shape == Shape::Ellipse) return (outerRow ? outerEllipse : innerEllipse).Row(y, xl, xr);
        return (outerRow ? outerRectangle : innerRectangle).Row(y, xl, xr);
    };
    for (std::int64_t y = std::max<std::int64_t>(outer.y0, m_top);
         y <= std::min<std::int64_t>(outer.y1, m_bottom - 1); ++y) {
        std::int64_t ol, orr, il, ir;
        if (!row(true, y, ol, orr)) continue;
        if (row(false, y, il, ir)) {
            if (fill) FillSpan(y, il, ir, fillColour);
            outline(y, ol, il - 1);
            outline(y, ir + 1, orr);
        } else {
            outline(y, ol, orr);
        }
    }
}

void RasterSurface::Arc(std::int32_t l32, std::int32_t t32, std::int32_t r32, std::int32_t b32,
                        std::int32_t xs, std::int32_t ys, std::int32_t xe, std::int32_t ye) {
    Refresh();
    TouchAround({l32, t32}, {r32, b32}, std::max(CurrentPen().width, 1));
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

void RasterSurface::DrawArc(const Box& outer, const Box& inner, double from, double span) {
    const Pen& pen = CurrentPen();
    const bool dotted = pen.style == PenStyle::Dot && pen.width <= 1;
    const double cx = (outer.x0 + outer.x1) / 2.0, cy = (outer.y0 + outer.y1) / 2.0;
    const EllipseRows outerRows(outer.x0, outer.y0, outer.x1, outer.y1);
    const EllipseRows innerRows(inner.x0, inner.y0, inner.x1, inner.y1);
    OutlineChain chain(outer.x0, outer.y0, outer.x1, outer.y1, outerRows, innerRows, from);
    const auto pixel = [&](std::int64_t x, std::int64_t y) {
        if (Angle(x, y, cx, cy, from) > span + 1e-6) return;
        OutlinePixel(x, y, !dotted || DotOn(chain.Position(x, y)));
    };
    for (std::int64_t y = std::max<std::int64_t>(outer.y0, m_top);
         y <= std::min<std::int64_t>(outer.y1, m_bottom - 1); ++y) {
        std::int64_t ol, orr, il, ir;
        if (!outerRows.Row(y, ol, orr)) continue;
        // Only the outline runs beside the hole are visited: an arc much
        // larger than the buffer costs its outline, not its area.
        if (!innerRows.Row(y, il, ir)) il = ir = orr + 1;
        for (std::int64_t x = std::max<std::int64_t>(ol, 0);
             x <= std::min<std::int64_t>({orr, il - 1, m_width - 1}); ++x)
            pixel(x, y);
        for (std::int64_t x = std::max<std::int64_t>({ol, ir + 1, 0});
             x <= std::min<std::int64_t>(orr, m_width - 1); ++x)
            pixel(x, y);
    }
}
