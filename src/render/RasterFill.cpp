// Flood fill: a scanline fill with a map of visited pixels, linear in the
// area it fills and without recursion.
#include "RasterInternal.h"

void RasterSurface::FloodFill(std::int32_t x, std::int32_t y, COLORREF boundary) {
    Refresh();
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    Touch(0, m_top, std::int64_t{m_width} - 1, std::int64_t{m_bottom} - 1);
    if (CurrentBrush().style != BrushStyle::Solid) return;
    const Pixel stop = ToPixel(boundary) & 0xFFFFFFu;
    const Pixel colour = ToPixel(CurrentBrush().colour);
    const auto at = [&](std::int64_t px, std::int64_t py) -> Pixel& {
        return m_pixels[py * m_stride + px];
    };
    if ((at(x, y) & 0xFFFFFFu) == stop) return;
    // The fill covers the whole canvas, whatever rows the surface is
    // limited to (the caller makes sure no other thread draws meanwhile).
    const std::int32_t rowsTop = m_top, rowsBottom = m_bottom;
    m_top = 0;
    m_bottom = m_height;

    // Each fill marks with a new generation, so the map is cleared only
    // when the generations wrap.
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
    m_top = rowsTop;
    m_bottom = rowsBottom;
}
