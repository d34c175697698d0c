#include "RasterSurface.h"

#include "RasterInternal.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define PLUVO_WIDE_STORES 1
#endif

namespace raster {

namespace {

void FillPixelsBaseline(Pixel* pixels, std::size_t n, Pixel colour) {
    std::fill_n(pixels, n, colour);
}

#ifdef PLUVO_WIDE_STORES
// 32-byte stores where the processor has them, aligned to 32 bytes between
// an unaligned first and last store, which may overlap the aligned ones.
// n >= 8.
__attribute__((target("avx2"))) void FillPixelsAvx2(Pixel* pixels, std::size_t n, Pixel colour) {
    const __m256i v = _mm256_set1_epi32(static_cast<int>(colour));
    Pixel* const end = pixels + n;
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels), v);
    const std::uintptr_t aligned =
        (reinterpret_cast<std::uintptr_t>(pixels) + 32) & ~std::uintptr_t{31};
    Pixel* p = pixels + (aligned - reinterpret_cast<std::uintptr_t>(pixels)) / sizeof(Pixel);
    for (; end - p >= 8; p += 8) _mm256_store_si256(reinterpret_cast<__m256i*>(p), v);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(end - 8), v);
}
#endif

using FillFunction = void (*)(Pixel*, std::size_t, Pixel);

FillFunction ChooseFill() {
#ifdef PLUVO_WIDE_STORES
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return FillPixelsAvx2;
#endif
    return FillPixelsBaseline;
}

void EllipseTermsBaseline(const double* ys, std::size_t n, double cy, double ry, double* t,
                          double* root) {
    for (std::size_t i = 0; i < n; ++i) {
        const double dy = (ys[i] - cy) / ry;
        t[i] = 1 - dy * dy;
        root[i] = t[i] < 0 ? 0 : std::sqrt(t[i]);
    }
}

#ifdef PLUVO_WIDE_STORES
// Four rows at a time. Only AVX is asked for, not FMA: a fused multiply and
// subtract would round differently from the plain expression.
__attribute__((target("avx"))) void EllipseTermsAvx(const double* ys, std::size_t n, double cy,
                                                    double ry, double* t, double* root) {
    const __m256d c = _mm256_set1_pd(cy), r = _mm256_set1_pd(ry), one = _mm256_set1_pd(1);
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m256d dy = _mm256_div_pd(_mm256_sub_pd(_mm256_loadu_pd(ys + i), c), r);
        const __m256d terms = _mm256_sub_pd(one, _mm256_mul_pd(dy, dy));
        _mm256_storeu_pd(t + i, terms);
        _mm256_storeu_pd(root + i, _mm256_sqrt_pd(terms));
    }
    EllipseTermsBaseline(ys + i, n - i, cy, ry, t + i, root + i);
}
#endif

using TermsFunction = void (*)(const double*, std::size_t, double, double, double*, double*);

TermsFunction ChooseTerms() {
#ifdef PLUVO_WIDE_STORES
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx")) return EllipseTermsAvx;
#endif
    return EllipseTermsBaseline;
}

} // namespace

void FillPixelsWide(Pixel* pixels, std::size_t n, Pixel colour) {
    static const FillFunction fill = ChooseFill();
    fill(pixels, n, colour);
}

void EllipseTerms(const double* ys, std::size_t n, double cy, double ry, double* t, double* root) {
    static const TermsFunction terms = ChooseTerms();
    terms(ys, n, cy, ry, t, root);
}

} // namespace raster

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
    m_top = 0;
    m_bottom = m_height;
}

bool RasterSurface::LimitRows(std::int32_t top, std::int32_t bottom) {
    m_top = std::clamp(top, 0, m_height);
    m_bottom = std::clamp(bottom, m_top, m_height);
    return true;
}

std::unique_ptr<Surface> RasterSurface::Window(std::int32_t left, std::int32_t top,
                                               std::int32_t width, std::int32_t height) {
    Refresh();
    if (left < 0 || top < 0 || width < 1 || height < 1 || left > m_width - width ||
        top > m_height - height)
        return nullptr;
    return std::make_unique<RasterSurface>(m_pixels + top * m_stride + left, width, height,
                                           m_stride, m_kind);
}

RasterSurface::Touched RasterSurface::TakeTouched() {
    Touched touched = m_touched;
    m_touched = kNothingTouched;
    // What lies outside the canvas was never drawn.
    touched.left = std::max<std::int64_t>(touched.left, 0);
    touched.top = std::max<std::int64_t>(touched.top, 0);
    touched.right = std::min<std::int64_t>(touched.right, std::int64_t{m_width} - 1);
    touched.bottom = std::min<std::int64_t>(touched.bottom, std::int64_t{m_height} - 1);
    return touched;
}

std::unique_ptr<Surface> RasterSurface::RowBand(std::int32_t top, std::int32_t bottom) {
    Refresh();
    auto band = std::make_unique<RasterSurface>(m_pixels, m_width, m_height, m_stride, m_kind);
    band->StartBand(*this, top, bottom);
    return band;
}

void RasterSurface::FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                                  COLORREF colour) {
    Refresh();
    const Pixel c = ToPixel(colour);
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + cx, m_width);
    const std::int64_t y0 = std::max<std::int64_t>(y, m_top);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + cy, m_bottom);
    if (x0 >= x1) return;
    Touch(x0, y0, x1 - 1, y1 - 1);
    // A solid fill is independent of the raster operation, as on Windows.
    for (std::int64_t row = y0; row < y1; ++row)
        raster::FillPixels(m_pixels + row * m_stride + x0, static_cast<std::size_t>(x1 - x0), c);
}

void RasterSurface::XorMask(const Pixel* mask, std::int64_t maskStride, std::int64_t left,
                            std::int64_t top, std::int64_t right, std::int64_t bottom,
                            std::int64_t ox, std::int64_t oy) {
    Refresh();
    const std::int64_t x0 = std::max<std::int64_t>(left - ox, 0);
    const std::int64_t x1 = std::min<std::int64_t>(right - ox, m_width);
    const std::int64_t y0 = std::max<std::int64_t>(top - oy, m_top);
    const std::int64_t y1 = std::min<std::int64_t>(bottom - oy, m_bottom);
    Touch(x0, y0, x1 - 1, y1 - 1);
    for (std::int64_t y = y0; y < y1; ++y) {
        Pixel* row = m_pixels + y * m_stride;
        const Pixel* from = mask + (y + oy) * maskStride + ox;
        for (std::int64_t x = x0; x < x1; ++x)
            row[x] = (row[x] ^ (from[x] & 0xFFFFFFu)) | (from[x] & 0xFF000000u);
    }
}

void RasterSurface::TextOut(std::int32_t, std::int32_t, std::string_view) {}

SIZE RasterSurface::GetTextExtentPoint32(std::string_view) { return {}; }
