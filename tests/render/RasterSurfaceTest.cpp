#include "render/RasterSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr Pixel kWhite = 0xFFFFFFFFu;
constexpr Pixel kBlack = 0xFF000000u;
constexpr Pixel kGrey = 0xFF808080u;

// A pixel buffer for a surface to draw on.
struct Image {
    std::int32_t width;
    std::int32_t height;
    std::vector<Pixel> pixels;

    Image(std::int32_t w, std::int32_t h, Pixel fill = kWhite)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    Pixel At(std::int32_t x, std::int32_t y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    Pixel& At(std::int32_t x, std::int32_t y) {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    friend bool operator==(const Image&, const Image&) = default;
};

RasterSurface On(Image& image, SurfaceKind kind = SurfaceKind::Screen) {
    return RasterSurface(image.pixels.data(), image.width, image.height, image.width, kind);
}

// The bounding box of the pixels that differ from white, and their number.
struct Coverage {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};
Coverage Covered(const Image& image) {
    Coverage c;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) != kWhite) {
                c.left = std::min(c.left, x);
                c.right = std::max(c.right, x);
                c.top = std::min(c.top, y);
                c.bottom = std::max(c.bottom, y);
                ++c.count;
            }
    return c;
}

int CountOf(const Image& image, Pixel colour) {
    int n = 0;
    for (Pixel p : image.pixels) n += p == colour;
    return n;
}

// A canvas with a different colour in nearly every pixel, so that not-xor
// shows every pixel that is drawn twice or not at all.
Image Pattern(int w, int h) {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.At(x, y) = RasterSurface::ToPixel(RGB(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    return image;
}

} // namespace

// The calls that SchilderFiguur makes for the figures of the edge cases
// (its own tests check the calls) and the pixels they must cover.
TEST(RasterSurface, FigureCallsCoverTheirGdiPixels) {
    const auto draw = [](const std::function<void(RasterSurface&)>& calls) {
        Image image(64, 64);
        RasterSurface surface = On(image);
        surface.SelectPen({PenStyle::Solid, 1, 0x0000FF});
        surface.SelectBrush(Brush::Solid(0x00FF00));
        calls(surface);
        return image;
    };
    // A filled rectangle from (10, 10) to (20, 20), with an outline and
    // without (where a null pen of width 1 is given 2 more).
    const Image outlined = draw([](RasterSurface& s) { s.Rectangle(10, 10, 21, 21); });
    const Image bare = draw([](RasterSurface& s) {
        s.SelectPen({PenStyle::Null, 0, 0});
        s.Rectangle(10, 10, 22, 22);
    });
    for (const Image* image : {&outlined, &bare}) {
        const Coverage c = Covered(*image);
        EXPECT_EQ(c.count, 121);
        EXPECT_EQ(c.left, 10);
        EXPECT_EQ(c.bottom, 20);
    }
    EXPECT_EQ(outlined.At(10, 15), RasterSurface::ToPixel(0x0000FF)) << "outline in the pen";
    EXPECT_EQ(outlined.At(15, 15), RasterSurface::ToPixel(0x00FF00)) << "interior in the brush";
    EXPECT_EQ(draw([](RasterSurface& s) { s.Rectangle(21, 21, 10, 10); }), outlined)
        << "a reversed rectangle draws the same pixels";
    const Image wideNull = draw([](RasterSurface& s) {
        s.SelectPen({PenStyle::Null, 0, 0});
        s.Rectangle(10, 10, 21, 21);
    });
    EXPECT_EQ(Covered(wideNull).count, 100) << "no outline with width 3: 10 x 10";

    const Coverage e = Covered(draw([](RasterSurface& s) { s.Ellipse(10, 10, 21, 31); }));
    EXPECT_EQ(e.left, 10);
    EXPECT_EQ(e.right, 20);
    EXPECT_EQ(e.top, 10);
    EXPECT_EQ(e.bottom, 30);

    const Coverage line = Covered(draw([](RasterSurface& s) {
        s.MoveToEx(10, 10);
        s.LineTo(21, 10);
    }));
    EXPECT_EQ(line.left, 10);
    EXPECT_EQ(line.right, 20);
    EXPECT_EQ(line.count, 11);
    const Coverage wide = Covered(draw([](RasterSurface& s) {
        s.SelectPen({PenStyle::Solid, 4, 0});
        s.MoveToEx(10, 10);
        s.LineTo(20, 10);
    }));
    EXPECT_EQ(wide.bottom - wide.top + 1, 4) << "a 4-pixel pen covers 4 rows";
}

TEST(RasterSurface, FloodFillStopsAtTheBoundaryColourOnly) {
    Image image(100, 100);
    RasterSurface surface = On(image);
    surface.SelectPen({PenStyle::Solid, 1, 0x0000FF});
    surface.SelectBrush(Brush::Hollow());
    surface.Ellipse(10, 10, 61, 41);
    surface.SelectPen({PenStyle::Solid, 1, 0x000000}); // a black line inside the ellipse
    surface.MoveToEx(30, 15);
    surface.LineTo(30, 36);
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.FloodFill(20, 25, 0x0000FF);
    const Pixel green = RasterSurface::ToPixel(0x00FF00);
    EXPECT_EQ(image.At(20, 25), green);
    EXPECT_EQ(image.At(50, 25), green) << "the black line is no boundary";
    EXPECT_EQ(image.At(30, 25), green) << "other colours are filled over";
    EXPECT_EQ(image.At(5, 5), kWhite) << "outside the outline stays";
    EXPECT_EQ(image.At(10, 25), RasterSurface::ToPixel(0x0000FF));
    const Image before = image;
    surface.FloodFill(10, 25, 0x0000FF);
    EXPECT_EQ(image, before) << "a seed on the boundary colour fills nothing";
    surface.FloodFill(-1, 25, 0x0000FF);
    surface.FloodFill(20, 100, 0x0000FF);
    EXPECT_EQ(image, before) << "a seed outside the surface fills nothing";
    surface.SelectBrush(Brush::Hollow());
    surface.FloodFill(5, 5, 0x0000FF);
    EXPECT_EQ(image, before) << "the hollow brush fills nothing";
}

TEST(RasterSurface, LineToLeavesOutTheEndPixelInEveryDirectionAndSlope) {
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dot})
        for (int dx = -8; dx <= 8; ++dx)
            for (int dy = -8; dy <= 8; ++dy) {
                Image image(32, 32);
                RasterSurface surface = On(image);
                surface.SelectPen({style, 1, 0});
                surface.MoveToEx(16, 16);
                surface.LineTo(16 + dx, 16 + dy);
                const int length = std::max(std::abs(dx), std::abs(dy));
                int on = length;
                if (style == PenStyle::Dot)
                    for (int k = on = 0; k < length; ++k) on += (k / 3) % 2 == 0;
                EXPECT_EQ(CountOf(image, kBlack), on) << dx << "," << dy;
                if (length == 0) continue;
                EXPECT_EQ(image.At(16, 16), kBlack) << "start pixel " << dx << "," << dy;
                EXPECT_EQ(image.At(16 + dx, 16 + dy), kWhite) << "end pixel " << dx << "," << dy;
            }
}

namespace {

__extension__ typedef __int128 Wide;

Wide FloorDiv(Wide a, Wide b) { return a / b - (a % b != 0 && a < 0 ? 1 : 0); }

// The pixels of a thin line from (x0, y0) towards (x1, y1) as a closed form:
// step k of max(|dx|, |dy|) steps lies k along the major axis and
// floor((2 k d + D) / 2D) along the minor one. Pixels off the image and
// dots that are off are left out; far-out lines cost their visible part.
Image ClosedFormLine(std::int32_t w, std::int32_t h, std::int64_t x0, std::int64_t y0,
                     std::int64_t x1, std::int64_t y1, PenStyle style) {
    Image image(w, h);
    const std::int64_t dx = std::llabs(x1 - x0), dy = std::llabs(y1 - y0);
    const std::int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const std::int64_t major = std::max(dx, dy), minor = std::min(dx, dy);
    const std::int64_t start = xMajor ? x0 : y0, step = xMajor ? sx : sy;
    const std::int64_t extent = xMajor ? w : h;
    for (std::int64_t along = 0; along < extent; ++along) {
        const std::int64_t k = (along - start) * step;
        if (k < 0 || k >= major) continue;
        if (style == PenStyle::Dot && (k / 3) % 2 != 0) continue;
        const auto across =
            static_cast<std::int64_t>(FloorDiv(Wide{2} * k * minor + major, Wide{2} * major));
        const std::int64_t x = xMajor ? along : x0 + sx * across;
        const std::int64_t y = xMajor ? y0 + sy * across : along;
        if (x >= 0 && y >= 0 && x < w && y < h)
            image.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) = kBlack;
    }
    return image;
}

Image DrawnLine(std::int32_t w, std::int32_t h, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                std::int32_t y1, PenStyle style, BkMode mode = BkMode::Transparent) {
    Image image(w, h);
    RasterSurface surface = On(image);
    surface.SelectPen({style, 1, 0});
    surface.SetBkMode(mode);
    surface.MoveToEx(x0, y0);
    surface.LineTo(x1, y1);
    return image;
}

// The part of a larger image at (ox, oy) the size of `window`.
Image Cut(const Image& image, std::int32_t ox, std::int32_t oy, std::int32_t w, std::int32_t h) {
    Image part(w, h);
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) part.At(x, y) = image.At(ox + x, oy + y);
    return part;
}

} // namespace

// The closed form that clipping relies on is the Bresenham loop itself: every
// direction and slope up to 40 pixels, solid and dotted, drawn whole.
TEST(RasterSurface, LinePixelsFollowTheClosedFormOfTheBresenhamLoop) {
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dot})
        for (int dx = -40; dx <= 40; ++dx)
            for (int dy = -40; dy <= 40; ++dy)
                ASSERT_EQ(DrawnLine(84, 84, 42, 42, 42 + dx, 42 + dy, style),
                          ClosedFormLine(84, 84, 42, 42, 42 + dx, 42 + dy, style))
                    << dx << "," << dy << " style " << static_cast<int>(style);
}

// A line that starts or ends off the image sets exactly the pixels the whole
// line sets there, with its dots in the same phase: compared with the same
// line moved onto a canvas that holds all of it.
TEST(RasterSurface, ClippedLinesSetTheSamePixelsAsWholeLines) {
    std::mt19937 random(7);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    for (int trial = 0; trial < 400; ++trial) {
        const std::int32_t w = pick(1, 24), h = pick(1, 24);
        const std::int32_t x0 = pick(-60, 84), y0 = pick(-60, 84);
        const std::int32_t x1 = pick(-60, 84), y1 = pick(-60, 84);
        const PenStyle style = trial % 2 ? PenStyle::Dot : PenStyle::Solid;
        const BkMode mode = trial % 4 == 1 ? BkMode::Opaque : BkMode::Transparent;
        const Image whole = DrawnLine(200, 200, x0 + 70, y0 + 70, x1 + 70, y1 + 70, style, mode);
        ASSERT_EQ(DrawnLine(w, h, x0, y0, x1, y1, style, mode), Cut(whole, 70, 70, w, h))
            << "(" << x0 << "," << y0 << ")-(" << x1 << "," << y1 << ") on " << w << "x" << h;
    }
}

// A long line used to be cut to a margin around the image and restarted
// there, which moved its visible pixels and its dots.
TEST(RasterSurface, ALongLineDrawsTheSamePixelsOnANarrowAndAWideCanvas) {
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dot}) {
        const Image narrow = DrawnLine(800, 320, 0, 10, 8000, 310, style);
        const Image wide = DrawnLine(8100, 320, 0, 10, 8000, 310, style);
        EXPECT_EQ(narrow, Cut(wide, 0, 0, 800, 320)) << static_cast<int>(style);
        EXPECT_EQ(narrow, ClosedFormLine(800, 320, 0, 10, 8000, 310, style));
        EXPECT_GT(CountOf(narrow, kBlack), 300);
    }
}

TEST(RasterSurface, FarOutLinesStayExact) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    struct Line {
        std::int32_t x0, y0, x1, y1;
    };
    const Line lines[] = {
        {lo, lo, hi, hi},          // the diagonal through the image
        {lo, -7, hi, 150},         // nearly level, x-major across the image
        {hi, 130, lo, -20},        // the same the other way round
        {-3, lo, 120, hi},         // nearly upright, y-major
        {100, hi, 10, lo},         // upwards
        {lo + 1, 1000000, 60, 40}, // ends inside the image
        {50, 20, hi, lo + 12345},  // starts inside the image
        {lo, 0, hi, 1},            // level with one minor step
        {-1000000000, 999999999, 999999999, -1000000000},
    };
    for (const Line& l : lines)
        for (PenStyle style : {PenStyle::Solid, PenStyle::Dot}) {
            const Image drawn = DrawnLine(160, 120, l.x0, l.y0, l.x1, l.y1, style);
            EXPECT_EQ(drawn, ClosedFormLine(160, 120, l.x0, l.y0, l.x1, l.y1, style))
                << "(" << l.x0 << "," << l.y0 << ")-(" << l.x1 << "," << l.y1 << ") style "
                << static_cast<int>(style);
        }
    EXPECT_GT(CountOf(DrawnLine(160, 120, lo, lo, hi, hi, PenStyle::Solid), kBlack), 100);
}

TEST(RasterSurface, DottedGapsTakeTheBackgroundOnlyInOpaqueModeAndWidePensDrawSolid) {
    for (BkMode mode : {BkMode::Opaque, BkMode::Transparent}) {
        Image image(64, 64, kGrey);
        RasterSurface surface = On(image);
        surface.SetBkMode(mode);
        surface.SelectPen({PenStyle::Dot, 1, 0});
        surface.SelectBrush(Brush::Hollow());
        surface.MoveToEx(2, 2);
        surface.LineTo(40, 2);
        surface.Rectangle(2, 10, 30, 30);
        surface.Ellipse(34, 10, 60, 40);
        surface.Arc(2, 34, 30, 62, 30, 48, 16, 34);
        const Pixel gap = mode == BkMode::Opaque ? kWhite : kGrey;
        for (int x = 2; x < 40; ++x)
            EXPECT_EQ(image.At(x, 2), ((x - 2) / 3) % 2 == 0 ? kBlack : gap) << x;
        for (int x = 2; x < 30; ++x) {
            EXPECT_EQ(image.At(x, 10) != kGrey, mode == BkMode::Opaque || (x - 2) / 3 % 2 == 0)
                << "top side at " << x;
            EXPECT_EQ(image.At(x, 20), x == 2 || x == 29 ? image.At(x, 20) : kGrey)
                << "hollow interior";
        }
        EXPECT_GT(CountOf(image, kBlack), 40);
        EXPECT_EQ(CountOf(image, kWhite) > 30, mode == BkMode::Opaque);
    }
    Image wide(64, 64);
    RasterSurface surface = On(wide);
    surface.SelectPen({PenStyle::Dot, 2, 0});
    surface.MoveToEx(2, 10);
    surface.LineTo(60, 10);
    for (int x = 2; x <= 60; ++x) EXPECT_EQ(wide.At(x, 10), kBlack) << "wide dotted is solid";
}

TEST(RasterSurface, ShapesCoverLeftTopInclusiveRightBottomExclusive) {
    for (bool ellipse : {false, true})
        for (PenStyle pen : {PenStyle::Solid, PenStyle::Null}) {
            Image image(64, 64);
            RasterSurface surface = On(image);
            surface.SelectPen({pen, 1, 0});
            surface.SelectBrush(Brush::Solid(0x00FF00));
            if (ellipse)
                surface.Ellipse(10, 12, 41, 33);
            else
                surface.Rectangle(41, 33, 10, 12);
            const Coverage c = Covered(image);
            const int less = pen == PenStyle::Null ? 1 : 0;
            EXPECT_EQ(c.left, 10) << ellipse;
            EXPECT_EQ(c.top, 12) << ellipse;
            EXPECT_EQ(c.right, 40 - less) << ellipse;
            EXPECT_EQ(c.bottom, 32 - less) << ellipse;
            EXPECT_EQ(image.At(25, 22), RasterSurface::ToPixel(0x00FF00)) << "filled interior";
            if (!ellipse) {
                EXPECT_EQ(c.count, (31 - less) * (21 - less));
            }
        }
    Image image(64, 64);
    RasterSurface surface = On(image);
    surface.SelectPen({PenStyle::Solid, 5, 0});
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.Rectangle(10, 10, 41, 41);
    EXPECT_EQ(image.At(12, 25), kBlack) << "a 5-pixel outline straddles the edge";
    EXPECT_EQ(image.At(8, 25), kBlack);
    EXPECT_EQ(image.At(7, 25), kWhite);
    EXPECT_EQ(image.At(13, 25), RasterSurface::ToPixel(0x00FF00));
    EXPECT_EQ(image.At(25, 25), RasterSurface::ToPixel(0x00FF00));
}

TEST(RasterSurface, ArcRunsCounterClockwiseFromStartRayToEndRay) {
    // Upper-right quarter: from the ray to the right to the ray upwards.
    Image upper(64, 64);
    On(upper).Arc(10, 10, 51, 51, 60, 30, 30, 0);
    const Coverage c = Covered(upper);
    EXPECT_EQ(c.right, 50);
    EXPECT_EQ(c.top, 10);
    EXPECT_GE(c.left, 30);
    EXPECT_LE(c.bottom, 30);
    EXPECT_EQ(upper.At(50, 30), kBlack) << "start point on the right";
    EXPECT_EQ(upper.At(30, 10), kBlack) << "end point at the top";
    // Start and end swapped: the other three quarters, which together with
    // the first make the whole ellipse.
    Image rest(64, 64);
    On(rest).Arc(10, 10, 51, 51, 30, 0, 60, 30);
    const Coverage r = Covered(rest);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom, 50);
    Image whole(64, 64);
    RasterSurface wholeSurface = On(whole);
    wholeSurface.SelectBrush(Brush::Hollow());
    wholeSurface.Ellipse(10, 10, 51, 51);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            EXPECT_EQ(whole.At(x, y) == kBlack, upper.At(x, y) == kBlack || rest.At(x, y) == kBlack)
                << x << "," << y;
    EXPECT_LE(c.count + r.count - Covered(whole).count, 4) << "the quarters meet at their ends";
}

TEST(RasterSurface, PolygonFillsInAlternateMode) {
    Image image(64, 64);
    RasterSurface surface = On(image);
    surface.SelectPen({PenStyle::Null, 0, 0});
    surface.SelectBrush(Brush::Solid(0x00FF00));
    const POINT star[5] = {{32, 2}, {50, 60}, {4, 22}, {60, 22}, {14, 60}};
    surface.Polygon(star, 5);
    const Pixel green = RasterSurface::ToPixel(0x00FF00);
    EXPECT_EQ(image.At(32, 35), kWhite) << "the centre is crossed twice";
    EXPECT_EQ(image.At(32, 12), green) << "the top point is inside once";
    EXPECT_EQ(image.At(12, 24), green);
    EXPECT_EQ(image.At(16, 57), green);
}

// A comb of 40 teeth: its upper rows cross 82 sides, more than a row sorts
// and pairs on its own, so that they go through the per-column tally.
TEST(RasterSurface, ManySidedPolygonsFillInAlternateModeAndStrokeEachPixelOnce) {
    std::vector<POINT> comb{{0, 40}, {0, 0}};
    for (std::int32_t i = 0; i < 40; ++i) {
        comb.push_back({4 * i + 2, 0});
        comb.push_back({4 * i + 2, 30});
        comb.push_back({4 * i + 4, 30});
        comb.push_back({4 * i + 4, 0});
    }
    comb.back() = {160, 40}; // the last tooth goes straight down to the bottom
    const auto count = static_cast<std::int32_t>(comb.size());
    Image image(170, 50);
    RasterSurface surface = On(image);
    surface.SelectPen({PenStyle::Null, 0, 0});
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.Polygon(comb.data(), count);
    const Pixel green = RasterSurface::ToPixel(0x00FF00);
    for (std::int32_t y = 0; y < 50; ++y)
        for (std::int32_t x = 0; x < 170; ++x) {
            const bool inside = y < 30 ? x < 160 && x % 4 < 2 : y < 40 && x < 160;
            ASSERT_EQ(image.At(x, y), inside ? green : kWhite) << x << "," << y;
        }

    for (std::int32_t width : {1, 3}) {
        Image copied(170, 50), inverted(170, 50);
        for (Image* target : {&copied, &inverted}) {
            RasterSurface s = On(*target);
            s.SelectPen({PenStyle::Solid, width, 0});
            s.SelectBrush(Brush::Solid(0xFFFFFF));
            if (target == &inverted) s.SetROP2(Rop2::NotXorPen);
            s.Polygon(comb.data(), count);
        }
        EXPECT_GT(CountOf(copied, kBlack), 40 * 60) << "width " << width;
        EXPECT_EQ(inverted, copied) << "width " << width;
    }
}

// Every pixel of one primitive is drawn exactly once: in not-xor mode on a
// white canvas a pixel drawn twice would stay white. Drawing twice restores.
TEST(RasterSurface, NotXorDrawsEachPixelOfAPrimitiveOnceAndTwiceRestores) {
    const POINT hexagon[6] = {{40, 10}, {55, 25}, {55, 45}, {40, 58}, {20, 45}, {22, 20}};
    const std::vector<std::pair<const char*, std::function<void(RasterSurface&)>>> primitives = {
        {"line", [](RasterSurface& s) { s.MoveToEx(3, 5), s.LineTo(60, 41); }},
        {"wide line",
         [](RasterSurface& s) {
             s.SelectPen({PenStyle::Solid, 6, 0}), s.MoveToEx(8, 50), s.LineTo(50, 9);
         }},
        {"dotted rectangle",
         [](RasterSurface& s) {
             s.SelectPen({PenStyle::Dot, 1, 0}), s.Rectangle(5, 5, 50, 40);
         }},
        {"wide ellipse",
         [](RasterSurface& s) {
             s.SelectPen({PenStyle::Solid, 4, 0}), s.Ellipse(5, 5, 58, 44);
         }},
        {"arc",
         [](RasterSurface& s) {
             s.SelectPen({PenStyle::Solid, 3, 0}), s.Arc(5, 5, 58, 58, 60, 30, 0, 30);
         }},
        {"polygon", [&](RasterSurface& s) { s.Polygon(hexagon, 6); }},
        {"wide polygon",
         [&](RasterSurface& s) {
             s.SelectPen({PenStyle::Solid, 5, 0}), s.Polygon(hexagon, 6);
         }},
        {"wide triangle",
         [](RasterSurface& s) {
             const POINT sharp[3] = {{5, 5}, {60, 12}, {8, 20}};
             s.SelectPen({PenStyle::Solid, 7, 0}), s.Polygon(sharp, 3);
         }},
    };
    for (const auto& [name, draw] : primitives) {
        Image copied(64, 64);
        {
            RasterSurface surface = On(copied);
            surface.SelectBrush(Brush::Hollow());
            draw(surface);
        }
        Image inverted(64, 64);
        {
            RasterSurface surface = On(inverted);
            surface.SelectBrush(Brush::Hollow());
            surface.SetROP2(Rop2::NotXorPen);
            draw(surface);
        }
        EXPECT_EQ(CountOf(inverted, kBlack), CountOf(copied, kBlack)) << name;
        EXPECT_EQ(inverted, copied) << name;

        Image image = Pattern(64, 64);
        const Image before = image;
        RasterSurface surface = On(image);
        surface.SelectBrush(Brush::Solid(0x3366CC));
        surface.SetROP2(Rop2::NotXorPen);
        draw(surface);
        EXPECT_NE(image, before) << name;
        surface.SelectPen(Pen{});
        draw(surface);
        EXPECT_EQ(image, before) << name << " drawn twice";
    }
}

TEST(RasterSurface, FloodFillIsFourConnectedExactAndReachesTheEndOfASerpentine) {
    Image image(64, 64);
    RasterSurface surface = On(image);
    surface.MoveToEx(0, 0);
    surface.LineTo(64, 64); // an 8-connected diagonal holds a 4-connected fill
    surface.SelectPen({PenStyle::Solid, 1, 0x010000});
    surface.MoveToEx(0, 40);
    surface.LineTo(30, 40); // one step off the boundary colour is no boundary
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.FloodFill(5, 50, 0x000000);
    const Pixel green = RasterSurface::ToPixel(0x00FF00);
    EXPECT_EQ(image.At(5, 50), green);
    EXPECT_EQ(image.At(5, 30), green) << "filled past the nearly black line";
    EXPECT_EQ(image.At(10, 40), green);
    EXPECT_EQ(image.At(50, 10), kWhite) << "no leak through the diagonal";
    EXPECT_EQ(image.At(20, 20), kBlack);
    const Image same = image;
    surface.FloodFill(5, 50, 0x000000); // filling with the colour already there ends
    EXPECT_EQ(image, same);

    // A serpentine of 4000 x 4000 pixels, which a recursive fill would
    // overflow the stack on.
    Image maze(4000, 4000);
    RasterSurface mazeSurface = On(maze);
    for (int x = 2; x < 4000; x += 2) {
        const bool fromTop = (x / 2) % 2 == 1;
        mazeSurface.MoveToEx(x, fromTop ? 0 : 1);
        mazeSurface.LineTo(x, fromTop ? 3999 : 4000);
    }
    mazeSurface.SelectBrush(Brush::Solid(0x00FF00));
    mazeSurface.FloodFill(1, 100, 0x000000);
    EXPECT_EQ(maze.At(3997, 2000), green) << "the far end of the serpentine";
    EXPECT_EQ(CountOf(maze, green), 4000 * 4000 - CountOf(maze, kBlack));
}

TEST(RasterSurface, HugeCoordinatesAreClippedToTheBuffer) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    Image image(200, 200);
    RasterSurface surface = On(image);
    const POINT corners[4] = {{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}};
    for (std::int32_t width : {1, 7, hi}) {
        for (PenStyle style : {PenStyle::Solid, PenStyle::Dot}) {
            surface.SelectPen({style, width, 0});
            surface.SelectBrush(Brush::Hollow());
            for (int k = 0; k < 50; ++k) {
                surface.MoveToEx(lo, lo + k);
                surface.LineTo(hi, hi - k);
                surface.Rectangle(lo, lo, hi, hi);
                surface.Ellipse(lo, lo, hi, hi);
                surface.Arc(lo, lo, hi, hi, hi, 0, 0, lo);
                surface.Arc(-100000, -100000, 100000, 100000, 1, 0, 0, 1);
                surface.Polygon(corners, 4);
            }
        }
    }
    surface.SelectPen({PenStyle::Null, 0, 0});
    surface.SelectBrush(Brush::Solid(0x0000FF));
    surface.Polygon(corners, 4);
    EXPECT_EQ(CountOf(image, RasterSurface::ToPixel(0x0000FF)), 200 * 200) << "filled everywhere";
    surface.FillSolidRect(lo / 2, lo / 2, hi, hi, 0x00FF00);
    surface.FillSolidRect(hi, hi, hi, hi, 0x00FF00);
    EXPECT_EQ(CountOf(image, RasterSurface::ToPixel(0x00FF00)), 200 * 200);
}

// The dots of a thin dotted pen step one pixel at a time along an outline:
// runs of three on and three off all the way round a rectangle, an ellipse
// and an arc, also across the corners.
TEST(RasterSurface, DotsRunThreeOnThreeOffAlongRectanglesEllipsesAndArcs) {
    Image rect(64, 64);
    {
        RasterSurface surface = On(rect);
        surface.SelectPen({PenStyle::Dot, 1, 0});
        surface.SelectBrush(Brush::Hollow());
        surface.Rectangle(5, 5, 25, 17); // 20 x 12 pixels
    }
    std::vector<POINT> walk;
    for (int x = 5; x <= 24; ++x) walk.push_back({x, 5});
    for (int y = 6; y <= 16; ++y) walk.push_back({24, y});
    for (int x = 23; x >= 5; --x) walk.push_back({x, 16});
    for (int y = 15; y >= 6; --y) walk.push_back({5, y});
    for (std::size_t k = 0; k < walk.size(); ++k)
        EXPECT_EQ(rect.At(walk[k].x, walk[k].y) == kBlack, (k / 3) % 2 == 0)
            << "step " << k << " at " << walk[k].x << "," << walk[k].y;

    const auto runs = [](const Image& solid, const Image& dotted, double from, double span) {
        // The solid outline's pixels in counter-clockwise order from `from`.
        const double cx = 31.5, cy = 23.5;
        std::vector<std::pair<double, POINT>> order;
        for (int y = 0; y < solid.height; ++y)
            for (int x = 0; x < solid.width; ++x)
                if (solid.At(x, y) == kBlack) {
                    double a = std::atan2(-(y - cy), x - cx) - from;
                    while (a < 0) a += 6.283185307179586;
                    if (a <= span + 1e-6) order.emplace_back(a, POINT{x, y});
                }
        std::sort(order.begin(), order.end(),
                  [](const auto& p, const auto& q) { return p.first < q.first; });
        std::vector<int> lengths{0};
        bool on = true;
        for (const auto& [a, p] : order) {
            const bool here = dotted.At(p.x, p.y) == kBlack;
            if (here != on) lengths.push_back(0), on = here;
            ++lengths.back();
        }
        return lengths;
    };
    Image solid(64, 64), dotted(64, 64);
    {
        RasterSurface s = On(solid), d = On(dotted);
        s.SelectBrush(Brush::Hollow());
        d.SelectBrush(Brush::Hollow());
        d.SelectPen({PenStyle::Dot, 1, 0});
        s.Ellipse(2, 5, 62, 43);
        d.Ellipse(2, 5, 62, 43);
    }
    std::vector<int> lengths = runs(solid, dotted, 0, 7);
    ASSERT_GT(lengths.size(), 20u);
    for (std::size_t k = 0; k + 1 < lengths.size(); ++k) EXPECT_EQ(lengths[k], 3) << "run " << k;

    Image arc(64, 64), dottedArc(64, 64);
    {
        RasterSurface s = On(arc), d = On(dottedArc);
        d.SelectPen({PenStyle::Dot, 1, 0});
        s.Arc(2, 5, 62, 43, 0, 0, 63, 43); // upper left to lower right, the long way
        d.Arc(2, 5, 62, 43, 0, 0, 63, 43);
    }
    const double from = std::atan2(23.5, -31.5);
    lengths = runs(arc, dottedArc, from, 7);
    ASSERT_GT(lengths.size(), 10u);
    for (std::size_t k = 0; k + 1 < lengths.size(); ++k)
        EXPECT_EQ(lengths[k], 3) << "arc run " << k;
}

// Rows follow the stride, and what lies between the rows stays untouched.
TEST(RasterSurface, DrawsWithinItsRowsOfAWiderBuffer) {
    constexpr std::int32_t w = 40, h = 30, stride = 48;
    std::vector<Pixel> buffer(stride * h, kGrey);
    RasterSurface surface(buffer.data(), w, h, stride);
    EXPECT_EQ(surface.HorzRes(), w);
    EXPECT_EQ(surface.VertRes(), h);
    surface.FillSolidRect(-5, -5, 100, 100, 0xFFFFFF);
    surface.SelectBrush(Brush::Hollow());
    surface.Ellipse(-20, -20, 80, 60);
    surface.MoveToEx(-10, 15);
    surface.LineTo(90, 15);
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.FloodFill(0, 0, 0x000000);
    const Pixel green = RasterSurface::ToPixel(0x00FF00);
    for (std::int32_t y = 0; y < h; ++y) {
        for (std::int32_t x = w; x < stride; ++x) ASSERT_EQ(buffer[y * stride + x], kGrey);
        const Pixel right = buffer[y * stride + w - 1];
        EXPECT_EQ(right, y < 15 ? green : y == 15 ? kBlack : kWhite) << y;
    }

    RasterSurface empty(nullptr, 0, 0, 0, SurfaceKind::Printing);
    empty.Rectangle(0, 0, 10, 10);
    empty.FloodFill(0, 0, 0);
    EXPECT_TRUE(empty.IsPrinting());
    EXPECT_EQ(empty.GetTextExtentPoint32("Pluvo"), (SIZE{0, 0})) << "no fonts, no text";
}
