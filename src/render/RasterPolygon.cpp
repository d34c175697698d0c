// Polygons: the interior in alternate mode and the closed outline, thin or
// as one wide stroke.
#include "RasterInternal.h"

#include <limits>
#include <vector>

namespace {

using raster::Capsule;
using raster::CeilToInt;
using raster::kEpsilon;

// A side of the polygon that is not level, for the rows top..bottom - 1 that
// it crosses; x at row y is ax + (y - ay) * dx / dy, relative to the x of the
// polygon's first point, so that a polygon moved by whole pixels covers the
// same pixels moved.
struct Edge {
    std::int64_t top, bottom;
    double ax, ay, dx, dy;
};

// Crossings and runs of one row are a handful as a rule: insertion sort is
// quickest for them. Rows with more go through a per-column tally instead.
constexpr std::size_t kFewPerRow = 32;

template <class T> void SortFew(T* values, std::size_t n) {
    for (std::size_t i = 1; i < n; ++i) {
        const T v = values[i];
        std::size_t j = i;
        for (; j > 0 && v < values[j - 1]; --j) values[j] = values[j - 1];
        values[j] = v;
    }
}

// Calls span(x0, x1) for each run of columns 0..width-1 whose tally is odd
// (odd = true) or above zero (odd = false); tally[x] holds the change at x.
template <class Span>
void TallyRuns(const std::vector<std::int32_t>& tally, std::int64_t width, bool odd, Span span) {
    std::int32_t level = 0;
    std::int64_t start = -1;
    for (std::int64_t x = 0; x <= width; ++x) {
        level += tally[static_cast<std::size_t>(x)];
        const bool on = x < width && (odd ? (level & 1) != 0 : level > 0);
        if (on && start < 0) start = x;
        if (!on && start >= 0) {
            span(start, x - 1);
            start = -1;
        }
    }
}

} // namespace

void RasterSurface::Polygon(const POINT* points, std::int32_t count) {
    Refresh();
    if (count <= 0) return;
    for (std::int32_t k = 0; k < count; ++k)
        TouchAround(points[k], points[k], std::max(CurrentPen().width, 1));
    const Brush& brush = CurrentBrush();
    if (brush.style == BrushStyle::Solid && count >= 3)
        FillPolygon(points, count, ToPixel(brush.colour));
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null) return;
    if (pen.width > 1) {
        WideOutline(points, count, pen.width);
        return;
    }
    for (std::int32_t i = 0; i < count; ++i)
        ThinLine(points[i == 0 ? count - 1 : i - 1], points[i]);
}

// The rows are sampled at pixel centres; a run starts at the first centre at
// or right of one crossing and ends before the next. Only the sides that
// cross the current row are looked at, so a row costs its crossings.
void RasterSurface::FillPolygon(const POINT* points, std::int32_t count, Pixel colour) {
    std::int64_t top = points[0].y, bottom = points[0].y;
    for (std::int32_t i = 1; i < count; ++i) {
        top = std::min<std::int64_t>(top, points[i].y);
        bottom = std::max<std::int64_t>(bottom, points[i].y);
    }
    top = std::max<std::int64_t>(top, m_top);
    bottom = std::min<std::int64_t>(bottom, m_bottom - 1);
    if (top > bottom) return;

    static thread_local std::vector<Edge> edges;
    static thread_local std::vector<const Edge*> active;
    static thread_local std::vector<double> crossings;
    static thread_local std::vector<std::int32_t> tally;
    edges.clear();
    const std::int64_t ox = points[0].x;
    for (std::int32_t i = 0; i < count; ++i) {
        const POINT a = points[i];
        const POINT b = points[(i + 1) % count];
        if (a.y == b.y) continue;
        const std::int64_t y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
        if (y1 <= top || y0 > bottom) continue;
        edges.push_back({y0, y1, static_cast<double>(a.x - ox), static_cast<double>(a.y),
                         static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y});
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& p, const Edge& q) { return p.top < q.top; });

    // Between two rows where a side starts or ends the same sides cross
    // every row: their crossings are worked out side by side for the whole
    // stretch, so that the divisions overlap, and then each row is sorted
    // and filled.
    active.clear();
    std::size_t next = 0;
    for (std::int64_t y = top; y <= bottom;) {
        for (; next < edges.size() && edges[next].top <= y; ++next) active.push_back(&edges[next]);
        std::erase_if(active, [y](const Edge* e) { return e->bottom <= y; });
        if (active.empty()) {
            if (next == edges.size()) break;
            y = edges[next].top;
            continue;
        }
        const std::size_t k = active.size();
        std::int64_t end = bottom + 1;
        if (next < edges.size()) end = std::min(end, edges[next].top);
        for (const Edge* e : active) end = std::min(end, e->bottom);
        end = std::min<std::int64_t>(end, y + std::max<std::int64_t>(1, 65536 / k));
        const auto rows = static_cast<std::size_t>(end - y);
        crossings.resize(rows * k);
        for (std::size_t j = 0; j < k; ++j) {
            const Edge& e = *active[j];
            for (std::size_t r = 0; r < rows; ++r)
                crossings[r * k + j] =
                    e.ax +
                    (static_cast<double>(y + static_cast<std::int64_t>(r)) - e.ay) * e.dx / e.dy;
        }
        for (std::size_t r = 0; r < rows; ++r, ++y) {
            double* row = crossings.data() + r * k;
            if (k > kFewPerRow) {
                // A column is inside when an odd number of crossings lie at
                // or left of its centre, which is what pairing the sorted
                // crossings gives (a row of a closed outline has an even
                // number of them).
                tally.assign(static_cast<std::size_t>(m_width) + 1, 0);
                for (std::size_t j = 0; j < k; ++j)
                    tally[static_cast<std::size_t>(
                        std::clamp<std::int64_t>(ox + CeilToInt(row[j] - kEpsilon), 0, m_width))] ^= 1;
                TallyRuns(tally, m_width, true,
                          [&](std::int64_t x0, std::int64_t x1) { FillSpan(y, x0, x1, colour); });
                continue;
            }
            if (k == 2) {
                const double a = std::min(row[0], row[1]), b = std::max(row[0], row[1]);
                row[0] = a;
                row[1] = b;
            } else {
                SortFew(row, k);
            }
            for (std::size_t j = 0; j + 1 < k; j += 2)
                FillSpan(y, ox + CeilToInt(row[j] - kEpsilon), ox + CeilToInt(row[j + 1] - kEpsilon) - 1,
                         colour);
        }
    }
}

// A closed outline with a wide pen is one stroke, as on Windows: a pixel
// where two sides meet is drawn once, so that not-xor does not punch holes
// into the corners.
void RasterSurface::WideOutline(const POINT* points, std::int32_t count, std::int32_t width) {
    // Only the sides whose strokes can reach the buffer, by their first row.
    static thread_local std::vector<Capsule> sides;
    static thread_local std::vector<const Capsule*> active;
    static thread_local std::vector<std::pair<std::int64_t, std::int64_t>> runs;
    static thread_local std::vector<std::int32_t> tally;
    sides.clear();
    for (std::int32_t i = 0; i < count; ++i) {
        const Capsule side(points[i == 0 ? count - 1 : i - 1], points[i], width);
        if (side.Bottom() >= m_top && side.Top() < m_bottom && side.Right() >= 0 &&
            side.Left() < m_width)
            sides.push_back(side);
    }
    std::sort(sides.begin(), sides.end(),
              [](const Capsule& p, const Capsule& q) { return p.Top() < q.Top(); });
    const Pixel colour = ToPixel(CurrentPen().colour);
    active.clear();
    std::size_t next = 0;
    for (std::int64_t y = sides.empty() ? 0 : std::max<std::int64_t>(sides[0].Top(), m_top);
         y < m_bottom && (next < sides.size() || !active.empty()); ++y) {
        for (; next < sides.size() && sides[next].Top() <= y; ++next)
            active.push_back(&sides[next]);
        std::erase_if(active, [y](const Capsule* side) { return side->Bottom() < y; });
        runs.clear();
        for (const Capsule* side : active) {
            std::int64_t xl, xr;
            if (side->Row(y, xl, xr) && xr >= 0 && xl < m_width)
                runs.emplace_back(std::max<std::int64_t>(xl, 0),
                                  std::min<std::int64_t>(xr, m_width - 1));
        }
        if (runs.size() > kFewPerRow) {
            // Many sides in one row: their union by a tally of the columns.
            tally.assign(static_cast<std::size_t>(m_width) + 1, 0);
            for (const auto& [x0, x1] : runs) {
                ++tally[static_cast<std::size_t>(x0)];
                --tally[static_cast<std::size_t>(x1 + 1)];
            }
            TallyRuns(tally, m_width, false,
                      [&](std::int64_t x0, std::int64_t x1) { FillSpan(y, x0, x1, colour); });
            continue;
        }
        SortFew(runs.data(), runs.size());
        for (std::size_t k = 0; k < runs.size();) {
            auto [x0, x1] = runs[k];
            for (++k; k < runs.size() && runs[k].first <= x1 + 1; ++k)
                x1 = std::max(x1, runs[k].second);
            FillSpan(y, x0, x1, colour);
        }
    }
}
