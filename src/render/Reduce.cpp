#include "Reduce.h"

namespace {

// The channels at bits 0-7 and 16-23 of a pixel, each in 16 bits of room so
// that four of them add up without carrying into the next.
constexpr std::uint32_t kEven = 0x00FF00FFu;
// Half of 4 in each of those 16-bit lanes: rounds the quarter half up.
constexpr std::uint32_t kHalf = 0x00020002u;

inline Pixel Average(Pixel a, Pixel b, Pixel c, Pixel d) {
    const std::uint32_t low = (a & kEven) + (b & kEven) + (c & kEven) + (d & kEven) + kHalf;
    const std::uint32_t high =
        ((a >> 8) & kEven) + ((b >> 8) & kEven) + ((c >> 8) & kEven) + ((d >> 8) & kEven) + kHalf;
    return ((low >> 2) & kEven) | (((high >> 2) & kEven) << 8);
}

} // namespace

void HalveImage(const Pixel* src, std::int32_t w, std::int32_t h, std::int64_t stride, Pixel* dst,
                std::int64_t dstStride) {
    const std::int32_t pairs = w / 2;
    for (std::int32_t y = 0; y < h; y += 2) {
        const Pixel* top = src + y * stride;
        const Pixel* bottom = y + 1 < h ? top + stride : top;
        Pixel* out = dst + (y / 2) * dstStride;
        for (std::int32_t x = 0; x < pairs; ++x)
            out[x] = Average(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
        if (w % 2 != 0) {
            const Pixel t = top[w - 1], b = bottom[w - 1];
            out[pairs] = Average(t, t, b, b);
        }
    }
}
