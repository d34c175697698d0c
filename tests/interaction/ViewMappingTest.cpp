// The view's mapping of window pixels to drawing points at every zoom step
// and scroll position, the canvas it sizes for a drawing, and the release
// that finishes a dragged gesture.
#include "../model/TestAccess.h"
#include "GestureMachine.h"

#include "interaction/ViewMapping.h"
#include "render/Canvas.h"
#include "render/OriginSurface.h"
#include "render/RasterSurface.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ViewMapping, WindowAndDrawingPointsMapBothWaysAtEveryStepAndScroll) {
    const POINT origins[] = {{0, 0}, {-96, -250}};
    const std::int64_t scrolls[] = {0, 37, 1000};
    const POINT drawingPoints[] = {{0, 0}, {-96, -250}, {17, 33}, {2400, 1800}, {-5, 7}};
    for (int step = 0; step < kZoomSteps; ++step)
        for (POINT origin : origins)
            for (std::int64_t scroll : scrolls) {
                const ViewMapping map{origin, step, scroll, scroll / 2};
                const int unit = step >= kActualSize ? 1 : 1 << (kActualSize - step);
                for (POINT d : drawingPoints) {
                    // Below 100 % a window pixel stands for the top-left one
                    // of its canvas pixels.
                    const POINT shown = map.ToDrawing(map.ToWindow(d));
                    EXPECT_EQ(shown.x, d.x - ((d.x - origin.x) % unit + unit) % unit);
                    EXPECT_EQ(shown.y, d.y - ((d.y - origin.y) % unit + unit) % unit);
                }
                // At 100 % and below every window pixel comes back; above
                // it the top-left pixel of the square that shows the point.
                const int square = step > kActualSize ? 1 << (step - kActualSize) : 1;
                for (POINT w : {POINT{0, 0}, POINT{13, 901}, POINT{-3, 5}}) {
                    const POINT back = map.ToWindow(map.ToDrawing(w));
                    EXPECT_TRUE(back.x <= w.x && w.x < back.x + square) << step << " " << w.x;
                    EXPECT_TRUE(back.y <= w.y && w.y < back.y + square) << step << " " << w.y;
                    if (square == 1) {
                        EXPECT_EQ(back, w);
                    }
                }
            }
    // 800 %, scrolled: window (100, 40) shows canvas pixel ((100 + 60) / 8, (40 + 8) / 8).
    EXPECT_EQ((ViewMapping{{0, 0}, 6, 60, 8}.ToDrawing({100, 40})), (POINT{20, 6}));
    EXPECT_EQ((ViewMapping{{-32, 0}, 1, 0, 0}.ToDrawing({10, 10})), (POINT{8, 40}));
    EXPECT_EQ(ZoomText(0), "12,5 %");
    EXPECT_EQ(ZoomText(kActualSize), "100 %");
}

TEST(ViewMapping, TheCanvasCoversTheWindowAndTheDrawingWithinItsCaps) {
    const int bar = 15;
    const struct {
        DrawingBounds drawing;
        CanvasLayout expected;
    } cases[] = {
        // Fits: the window exactly, whatever the grid.
        {{0, 0, 500, 300}, {{0, 0}, 900, 650}},
        {{0, 0, 900 - 32, 650 - 32}, {{0, 0}, 900, 650}},
        // Wider: the extent plus a cell, the height left by the bar.
        {{0, 0, 2600, 300}, {{0, 0}, 2632, 635}},
        {{0, 0, 2600, 1900}, {{0, 0}, 2632, 1932}},
        // Below zero: left and up to the smallest coordinates, a cell to spare.
        {{-100, -40, 300, 200}, {{-132, -72}, 900, 650}},
        {{-100, 0, 300, 200}, {{-132, 0}, 900, 650}},
        // Past the caps: the part farthest below zero goes first.
        {{-10000, 0, 10000, 200}, {{-16384 + 10032, 0}, 16384, 635}},
        {{0, 0, 30000, 30000}, {{0, 0}, 3906, 16384}},
    };
    for (const auto& c : cases) {
        const CanvasLayout got = LayoutCanvas(c.drawing, 32, 900, 650, bar);
        EXPECT_EQ(got, c.expected) << c.drawing.left << " " << c.drawing.right << " -> "
                                   << got.origin.x << "," << got.origin.y << " " << got.width
                                   << "x" << got.height;
        EXPECT_LE(std::int64_t{got.width} * got.height, kMaxViewPixels);
    }
    // The whole drawing at (2400, 1800)-(2600, 1900) fits the window at 25 %.
    const DrawingBounds big{0, 0, 2602, 1902};
    EXPECT_EQ(FitStep(big, 32, LayoutCanvas(big, 32, 900, 650, bar), 900, 650, bar), 1);
    const DrawingBounds small{0, 0, 200, 100};
    EXPECT_EQ(FitStep(small, 32, LayoutCanvas(small, 32, 900, 650, bar), 900, 650, bar), 4);
}

TEST(ViewMapping, ACanvasReachingBelowZeroContinuesTheGridAndPaintsTheRestAsBefore) {
    CPluvoDoc doc = samples::EveryKind();
    Writable(doc).MetRaster = 1;
    Writable(doc).SizeRaster = 8; // every tenth line doubled, on both sides of zero
    const int w = 300, h = 200, shift = 96;
    std::vector<Pixel> plain(w * h), shifted((w + shift) * (h + shift));
    {
        RasterSurface surface(plain.data(), w, h, w);
        OnDraw(surface, doc, {w, h});
    }
    {
        RasterSurface canvas(shifted.data(), w + shift, h + shift, w + shift);
        OriginSurface surface(canvas, {-shift, -shift});
        CanvasView view{w + shift, h + shift};
        view.origin = {-shift, -shift};
        OnDraw(surface, doc, view);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(shifted[(y + shift) * (w + shift) + x + shift], plain[y * w + x])
                << x << "," << y;
    // Lines at -8 .. -80, and the doubled one beside -80.
    const Pixel grid = RasterSurface::ToPixel(doc.drawing().KleurRaster);
    const Pixel back = RasterSurface::ToPixel(doc.drawing().KleurAchtergrond);
    const auto at = [&](int x, int y) { return shifted[(y + shift) * (w + shift) + x + shift]; };
    EXPECT_EQ(at(-8, 150), grid);
    EXPECT_EQ(at(-80, 150), grid);
    EXPECT_EQ(at(-81, 150), grid);
    EXPECT_EQ(at(-9, 150), back);
    EXPECT_EQ(at(-72, 150), grid);
}

TEST(Gesture, ReleaseAfterADragFinishesTheGestureAClickDoesNot) {
    Machine m(Rechthoek);
    m.Click({10, 10});
    m.Move({60, 40});
    m.gesture.LeftButtonUp(m.surface, {60, 40}, false);
    EXPECT_TRUE(m.gesture.Bezig()) << "click, move, click stays";
    m.Click({60, 40});
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);

    // Pressed, dragged, released: placed as by a second click there.
    m.Click({100, 100});
    m.Move({150, 130});
    m.gesture.LeftButtonUp(m.surface, {150, 130}, true);
    EXPECT_FALSE(m.gesture.Bezig());
    ASSERT_EQ(m.doc.drawing().figures.size(), 2u);
    EXPECT_EQ(m.doc.drawing().figures[1].p1, (POINT{100, 100}));
    EXPECT_EQ(m.doc.drawing().figures[1].p2, (POINT{150, 130}));

    // The release of the click that started a gesture finishes nothing after
    // the second click: a later drag of another press does not count.
    m.Click({200, 200});
    m.gesture.LeftButtonUp(m.surface, {200, 200}, false);
    m.Move({260, 230});
    m.gesture.LeftButtonUp(m.surface, {260, 230}, true);
    EXPECT_TRUE(m.gesture.Bezig());
    EXPECT_EQ(m.doc.drawing().figures.size(), 2u);
}
