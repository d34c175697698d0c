// Leaving out the figures that later filled shapes hide: the core of each
// shape is painted whatever lay below it, and a paint without the hidden
// figures, whole or in parts, gives the pixels of a paint of them all.
#include "../model/SampleDrawings.h"
#include "RandomDrawing.h"

#include "model/CPluvoDoc.h"
#include "render/Canvas.h"
#include "render/DrawingIndex.h"
#include "render/HiddenFigures.h"
#include "render/OriginSurface.h"
#include "render/RasterSurface.h"
#include "render/SchilderFiguur.h"

#include <gtest/gtest.h>

#include <vector>

TEST(HiddenFigures, AShapesCoreIsPaintedInItsFillWhateverLayBelow) {
    constexpr std::int32_t w = 720, h = 560;
    const POINT from{360, 280};
    const CPluvoDoc doc;
    const LineEndIndex noEnds;
    std::size_t cores = 0;
    for (FiguurSoort kind : {Ellips, Rechthoek, Cirkel})
        for (std::int32_t width : {1, 2, 3, 7})
            for (int style = 0; style < 3; ++style) // solid, dotted, without outline
                for (POINT by : {POINT{0, 0}, POINT{1, 1}, POINT{3, 2}, POINT{9, 7}, POINT{-12, 20},
                                 POINT{40, -33}, POINT{-120, -90}, POINT{301, 17}, POINT{-5, 200}}) {
                    Figuur f = samples::Make(kind, from, {from.x + by.x, from.y + by.y});
                    f.MetVul = 1;
                    f.LijnDikte = width;
                    f.Stippel = style == 1 ? 1 : 0;
                    f.MetRand = style == 2 ? 0 : 1;
                    f.KleurVul = 0x2080C0;
                    const PixelBox core = OpaqueCore(f, noEnds);
                    if (core.Empty()) continue;
                    ++cores;
                    ASSERT_TRUE(core.left >= 0 && core.top >= 0 && core.right < w && core.bottom < h);
                    std::vector<Pixel> dark(std::size_t{w} * h, 0), light(dark.size(), 0xFFFFFF);
                    for (std::vector<Pixel>* pixels : {&dark, &light}) {
                        RasterSurface surface(pixels->data(), w, h, w);
                        SchilderFiguur(surface, doc, f, noEnds);
                    }
                    for (std::int64_t y = core.top; y <= core.bottom; ++y)
                        for (std::int64_t x = core.left; x <= core.right; ++x) {
                            const std::size_t at = static_cast<std::size_t>(y * w + x);
                            ASSERT_EQ(dark[at], RasterSurface::ToPixel(0x2080C0))
                                << kind << " width " << width << " style " << style << " to "
                                << by.x << "," << by.y << " at " << x << "," << y;
                            ASSERT_EQ(light[at], dark[at]);
                        }
                }
    EXPECT_GT(cores, 150u) << "most shapes have a core";

    Figuur hollow = samples::Make(Rechthoek, {0, 0}, {100, 100});
    hollow.MetVul = 0;
    EXPECT_TRUE(OpaqueCore(hollow, noEnds).Empty());
}

TEST(HiddenFigures, APaintWithoutThemHasThePixelsOfAPaintOfAll) {
    constexpr std::int32_t w = 203, h = 151;
    Pixel measurePixel = 0;
    RasterSurface measure{&measurePixel, 1, 1, 1};
    std::size_t dropped = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        const CPluvoDoc doc = samples::RandomDrawing(seed, 1500, w, h, 0);
        DrawingIndex index;
        index.Rebuild(doc, measure);
        CanvasView withIndex{w, h, SelectionMarks::Show};
        withIndex.lineEnds = &index.LineEnds();
        withIndex.index = &index;
        // Seen from (-7, -5), so that squares and canvas do not line up.
        withIndex.origin = {-7, -5};
        CanvasView plain = withIndex;
        plain.index = nullptr;
        std::vector<Pixel> all(std::size_t{w} * h, 0), fewer(all.size(), 0);
        RasterSurface a(all.data(), w, h, w), b(fewer.data(), w, h, w);
        OriginSurface shiftedA(a, withIndex.origin), shiftedB(b, withIndex.origin);
        OnDraw(shiftedA, doc, plain);
        OnDraw(shiftedB, doc, withIndex);
        ASSERT_EQ(fewer, all) << "seed " << seed;

        // Parts painted again over a spoilt canvas, at odd places and sizes.
        withIndex.marks = SelectionMarks::Hide;
        plain.marks = SelectionMarks::Hide;
        OnDraw(shiftedA, doc, plain);
        for (const PixelBox part : {PixelBox{-7, -5, 195, 145}, PixelBox{30, 20, 97, 71},
                                    PixelBox{100, -30, 400, 40}, PixelBox{3, 3, 3, 3}}) {
            b.FillSolidRect(0, 0, w, h, 0x00FF00);
            ASSERT_TRUE(RepaintPart(b, doc, withIndex, index, part));
            for (std::int64_t y = std::max<std::int64_t>(part.top + 5, 0);
                 y <= std::min<std::int64_t>(part.bottom + 5, h - 1); ++y)
                for (std::int64_t x = std::max<std::int64_t>(part.left + 7, 0);
                     x <= std::min<std::int64_t>(part.right + 7, w - 1); ++x)
                    ASSERT_EQ(fewer[static_cast<std::size_t>(y * w + x)],
                              all[static_cast<std::size_t>(y * w + x)])
                        << "seed " << seed << " at " << x << "," << y;
        }

        std::vector<std::uint32_t> figures(doc.drawing().figures.size());
        for (std::size_t i = 0; i < figures.size(); ++i) figures[i] = static_cast<std::uint32_t>(i);
        DropHidden(figures, doc, index, {-7, -5, w - 8, h - 6});
        dropped += doc.drawing().figures.size() - figures.size();
    }
    EXPECT_GT(dropped, 1000u) << "a dense drawing hides many figures";
}
