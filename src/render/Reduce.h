// Reduction of an opaque pixel buffer to half its size each way, for the
// zoom steps below 100 %: a box filter, cheap enough to redo on every step.
#pragma once

#include "RasterSurface.h"

#include <cstdint>

// The size of one side after HalveImage: (length + 1) / 2, so that an odd
// last column or row keeps a pixel of its own.
constexpr std::int32_t HalvedLength(std::int32_t length) { return (length + 1) / 2; }

// Writes HalvedLength(w) x HalvedLength(h) pixels to dst, each the average of
// a 2x2 block of src, every channel rounded half up. An odd last column or row
// is averaged with itself. Rows start stride and dstStride pixels apart.
void HalveImage(const Pixel* src, std::int32_t w, std::int32_t h, std::int64_t stride, Pixel* dst,
                std::int64_t dstStride);
