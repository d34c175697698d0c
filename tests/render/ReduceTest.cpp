// Halving the canvas for the zoom steps below 100 %.
#include "render/Reduce.h"

#include "interaction/ViewMapping.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr Pixel Grey(std::uint32_t v) { return 0xFF000000u | v << 16 | v << 8 | v; }

struct HalveCase {
    const char* name;
    std::int32_t w, h;
    std::vector<Pixel> src; // row by row, w pixels each
    std::vector<Pixel> halved;
};

} // namespace

TEST(Reduce, EachPixelIsTheRoundedAverageOfItsBlockAndOddEdgesAverageWithThemselves) {
    const Pixel mixed = 0xFF10FF01u;
    const std::vector<HalveCase> cases = {
        {"a quarter rounds down, a half rounds up",
         4,
         2,
         {Grey(0), Grey(0), Grey(1), Grey(0), //
          Grey(0), Grey(1), Grey(0), Grey(1)},
         {Grey(0), Grey(1)}},
        {"three quarters round up, white stays white",
         4,
         2,
         {Grey(3), Grey(0), Grey(255), Grey(255), //
          Grey(0), Grey(0), Grey(255), Grey(255)},
         {Grey(1), Grey(255)}},
        {"channels are averaged apart, none carries into the next",
         2,
         2,
         {0xFF102030u, 0xFF304050u, //
          0xFFFF0080u, 0xFF00FF7Fu},
         {0xFF505860u}},
        {"an odd last column is its two pixels' average",
         3,
         2,
         {Grey(0), Grey(4), Grey(10), //
          Grey(8), Grey(4), Grey(13)},
         {Grey(4), Grey(12)}},
        {"an odd last row is its two pixels' average",
         2,
         3,
         {Grey(0), Grey(0), //
          Grey(0), Grey(0), //
          Grey(7), Grey(200)},
         {Grey(0), Grey(104)}},
        {"the odd corner of 3x3 keeps its pixel",
         3,
         3,
         {Grey(1), Grey(2), Grey(3), //
          Grey(4), Grey(5), Grey(6), //
          Grey(7), Grey(8), mixed},
         {Grey(3), Grey(5), Grey(8), mixed}},
        {"a single pixel stays", 1, 1, {mixed}, {mixed}},
    };
    for (const HalveCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::int32_t hw = HalvedLength(c.w), hh = HalvedLength(c.h);
        ASSERT_EQ(c.src.size(), static_cast<std::size_t>(c.w * c.h));
        ASSERT_EQ(c.halved.size(), static_cast<std::size_t>(hw * hh));
        // Rows with a pixel of padding each side that must be neither read
        // nor written: a stride wider than the image, as a QImage may have.
        const Pixel junk = 0x00ABCDEFu;
        const std::int64_t stride = c.w + 2, dstStride = hw + 2;
        std::vector<Pixel> src(static_cast<std::size_t>(stride * c.h), junk);
        for (std::int32_t y = 0; y < c.h; ++y)
            for (std::int32_t x = 0; x < c.w; ++x) src[y * stride + x + 1] = c.src[y * c.w + x];
        std::vector<Pixel> dst(static_cast<std::size_t>(dstStride * hh), junk);
        HalveImage(src.data() + 1, c.w, c.h, stride, dst.data() + 1, dstStride);
        for (std::int32_t y = 0; y < hh; ++y) {
            EXPECT_EQ(dst[y * dstStride], junk) << "left of row " << y;
            for (std::int32_t x = 0; x < hw; ++x)
                EXPECT_EQ(dst[y * dstStride + x + 1], c.halved[y * hw + x])
                    << std::hex << "at " << x << "," << y;
            EXPECT_EQ(dst[y * dstStride + hw + 1], junk) << "right of row " << y;
        }
    }
    // Halved once per step below 100 %, the image is as large as the view
    // takes the zoomed canvas to be, odd lengths included.
    for (std::int32_t length = 1; length <= 40; ++length) {
        std::int32_t halved = length;
        for (int step = kActualSize - 1; step >= 0; --step) {
            halved = HalvedLength(halved);
            EXPECT_EQ(halved, ZoomedLength(length, step)) << length << " at step " << step;
        }
    }
}
