#include "RasterSurface.h"

#include "RasterInternal.h"

RasterSurface::RasterSurface(Pixel* pixels, std::int32_t width, std::int32_t height,
                             std::int64_t stride, SurfaceKind kind)
    : m_kind(kind) {
    Attach(pixels, width, height, stride);
}

void RasterSurface::Attach(Pixel* pixels, std::int32_t width, std::int32_t height,
                           std::int64_t stride) {
    m_pixels = pixels;
    // A surface without pixels draws nothing rather than writing through null.
    const bool usable = pixels != nullptr && width > 0 && height > 0 && stride >= width;
    m_width = usable ? width : 0;
    m_height = usable ? height : 0;
    m_stride = usable ? stride : 0;
}

void RasterSurface::FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                                  COLORREF colour) {
    Refresh();
    const Pixel c = ToPixel(colour);
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + cx, m_width);
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + cy, m_height);
    if (x0 >= x1) return;
    // A solid fill is independent of the raster operation, as on Windows.
    for (std::int64_t row = y0; row < y1; ++row)
        std::fill_n(m_pixels + row * m_stride + x0, x1 - x0, c);
}

void RasterSurface::TextOut(std::int32_t, std::int32_t, std::string_view) {}

SIZE RasterSurface::GetTextExtentPoint32(std::string_view) { return {}; }
