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
// it crosses; x at row y is ax + (y - ay) * dx / dy.
struct Edge {
    std::int64_t top, bottom;
    double ax, ay, dx, dy;
};

// Crossings of one row, a handful as a rule: insertion sort is quickest.
void SortCrossings(std::vector<double>& crossings) {
    if (crossings.size() > 24) {
        std::sort(crossings.begin(), crossings.end());
        return;
    }
    for (std::size_t i = 1; i < crossings.size(); ++i) {
        const double v = crossings[i];
        std::size_t j = i;
        for (; j > 0 && crossings[j - 1] > v; --j) crossings[j] = crossings[j - 1];
        crossings[j] = v;
    }
}

} // namespace

void RasterSurface::Polygon(const POINT* points, std::int32_t count) {
    Refresh();
    if (count <= 0) return;
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
    top = std::max<std::int64_t>(top, 0);
    bottom = std::min<std::int64_t>(bottom, m_height - 1);
    if (top > bottom) return;

    static thread_local std::vector<Edge> edges;
    static thread_local std::vector<const Edge*> active;
    static thread_local std::vector<double> crossings;
    edges.clear();
    for (std::int32_t i = 0; i < count; ++i) {
        const POINT a = points[i];
        const POINT b = points[(i + 1) % count];
        if (a.y == b.y) continue;
        const std::int64_t y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
        if (y1 <= top || y0 > bottom) continue;
        edges.push_back({y0, y1, static_cast<double>(a.x), static_cast<double>(a.y),
                         static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y});
    }
    std::sort(edges.begin(), edges.end(),
              [](const Edge& p, const Edge& q) { return p.top < q.top; });

    active.clear();
    std::size_t next = 0;
    for (std::int64_t y = top; y <= bottom; ++y) {
        for (; next < edges.size() && edges[next].top <= y; ++next) active.push_back(&edges[next]);
        std::erase_if(active, [y](const Edge* e) { return e->bottom <= y; });
        if (active.empty()) {
            if (next == edges.size()) break;
            continue;
        }
        crossings.clear();
        const double fy = static_cast<double>(y);
        for (const Edge* e : active) crossings.push_back(e->ax + (fy - e->ay) * e->dx / e->dy);
        SortCrossings(crossings);
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
            FillSpan(y, CeilToInt(crossings[k] - kEpsilon),
                     CeilToInt(crossings[k + 1] - kEpsilon) - 1, colour);
    }
}

// A closed outline with a wide pen is one stroke, as on Windows: a pixel
// where two sides meet is drawn once, so that not-xor does not punch holes
// into the corners.
void RasterSurface::WideOutline(const POINT* points, std::int32_t count, std::int32_t width) {
    static thread_local std::vector<Capsule> sides;
    static thread_local std::vector<std::pair<std::int64_t, std::int64_t>> runs;
    sides.clear();
    std::int64_t top = std::numeric_limits<std::int64_t>::max();
    std::int64_t bottom = std::numeric_limits<std::int64_t>::min();
    for (std::int32_t i = 0; i < count; ++i) {
        sides.emplace_back(points[i == 0 ? count - 1 : i - 1], points[i], width);
        top = std::min(top, sides.back().Top());
        bottom = std::max(bottom, sides.back().Bottom());
    }
    const Pixel colour = ToPixel(CurrentPen().colour);
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
