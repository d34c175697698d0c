// The view's mapping of window pixels to drawing points at every zoom step
// and offset, the canvas it lays out for a drawing, and the release that
// finishes a dragged gesture.
#include "../model/TestAccess.h"
#include "GestureMachine.h"

#include "interaction/ViewMapping.h"
#include "render/Canvas.h"
#include "render/OriginSurface.h"
#include "render/RasterSurface.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ViewMapping, WindowAndDrawingPointsMapBothWaysAtEveryStepAndOffset) {
    const std::int64_t offsets[] = {0, 37, 1000, -250};
    const POINT drawingPoints[] = {{0, 0}, {-96, -250}, {17, 33}, {2400, 1800}, {-5, 7}};
    for (int step = 0; step < kZoomSteps; ++step)
        for (std::int64_t offset : offsets) {
            const ViewMapping map{step, offset, offset / 2};
            const int unit = step >= kActualSize ? 1 : 1 << (kActualSize - step);
            for (POINT d : drawingPoints) {
                // Below 100 % a window pixel stands for the top-left one of
                // its canvas pixels, counted from the drawing's (0, 0).
                const POINT shown = map.ToDrawing(map.ToWindow(d));
                EXPECT_EQ(shown.x, d.x - (d.x % unit + unit) % unit);
                EXPECT_EQ(shown.y, d.y - (d.y % unit + unit) % unit);
            }
            // At 100 % and below every window pixel comes back; above it the
            // top-left pixel of the square that shows the point.
            const int square = step > kActualSize ? 1 << (step - kActualSize) : 1;
            for (POINT w : {POINT{0, 0}, POINT{13, 901}, POINT{-3, 5}}) {
                const POINT back = map.ToWindow(map.ToDrawing(w));
                EXPECT_TRUE(back.x <= w.x && w.x < back.x + square) << step << " " << w.x;
                EXPECT_TRUE(back.y <= w.y && w.y < back.y + square) << step << " " << w.y;
                if (square == 1) {
                    EXPECT_EQ(back, w);
                }
            }
            // What a window of 100 x 50 shows, whole canvas pixels.
            const DrawingBounds shown = map.Shown(100, 50);
            EXPECT_EQ(shown.left, map.ToDrawing({0, 0}).x);
            EXPECT_EQ(shown.right - 1, map.ToDrawing({99, 49}).x + unit - 1);
            EXPECT_EQ(shown.bottom - 1, map.ToDrawing({99, 49}).y + unit - 1);
        }
    // 800 %, window (100, 40) shows canvas pixel ((100 + 60) / 8, (40 + 8) / 8).
    EXPECT_EQ((ViewMapping{6, 60, 8}.ToDrawing({100, 40})), (POINT{20, 6}));
    EXPECT_EQ((ViewMapping{1, -8, 0}.ToDrawing({10, 10})), (POINT{8, 40}));
    EXPECT_EQ(ZoomText(0), "12,5 %");
    EXPECT_EQ(ZoomText(kActualSize), "100 %");
}

TEST(ViewMapping, TheContentCoversTheDrawingAndWhatTheWindowShowsTheCanvasStaysWithinItsCaps) {
    const ViewArea area{900, 650, 15};
    const ViewMapping start{kActualSize, 0, 0};
    const struct {
        DrawingBounds drawing;
        ViewMapping map;
        ViewArea area;
        CanvasLayout content;
        ScrollBarsShown bars;
        CanvasLayout canvas; // the content when not given
    } cases[] = {
        // Fits: the window exactly, whatever the grid.
        {{0, 0, 500, 300}, start, area, {{0, 0}, 900, 650}, {}, {}},
        {{0, 0, 900 - 32, 650 - 32}, start, area, {{0, 0}, 900, 650}, {}, {}},
        // Wider: the extent plus a cell, the height left by the bar.
        {{0, 0, 2600, 300}, start, area, {{0, 0}, 2632, 635}, {true, false}, {}},
        {{0, 0, 2600, 1900}, start, area, {{0, 0}, 2632, 1932}, {true, true}, {}},
        // Below zero: left and up to the smallest coordinates less a cell,
        // down to a multiple of 8, and the window from (0, 0) on.
        {{-100, -40, 300, 200}, start, area, {{-136, -72}, 1021, 707}, {true, true}, {}},
        {{-100, 0, 300, 200}, start, area, {{-136, 0}, 1036, 635}, {true, false}, {}},
        // The window looks left of the drawing's canvas (it showed figures
        // there a moment ago): the content keeps what it shows.
        {{0, 0, 100, 100}, {kActualSize, -200, -100}, area, {{-200, -104}, 885, 654}, {false, true}, {}},
        // Zoomed out, all that the window shows: 900 x 650 window pixels at
        // 25 % are 3600 x 2600 drawing pixels; at 12.5 % in a 1920 x 1080
        // window 15360 x 8640, of which the canvas holds 64 million pixels.
        {{0, 0, 500, 300}, {1, 0, 0}, area, {{0, 0}, 3600, 2600}, {}, {}},
        {{0, 0, 500, 300}, {0, 0, 0}, {1920, 1080, 15}, {{0, 0}, 15360, 8640}, {}, {{0, 0}, 7400, 8640}},
        // There, the drawing's own canvas first, then what fits of the rest.
        {{0, 0, 12000, 300}, {0, 0, 0}, {1920, 1080, 15}, {{0, 0}, 15360, 8640}, {}, {{0, 0}, 12032, 5312}},
        // Past the caps: the part farthest below zero goes first.
        {{-10000, 0, 10000, 200}, start, area, {{-6352, 0}, 16384, 635}, {true, false}, {}},
        {{0, 0, 30000, 30000}, start, area, {{0, 0}, 3906, 16384}, {true, true}, {}},
    };
    for (const auto& c : cases) {
        const ViewLayout got = LayoutView(c.drawing, 32, c.map, c.area);
        const auto text = [](const CanvasLayout& l) {
            return std::to_string(l.origin.x) + "," + std::to_string(l.origin.y) + " " +
                   std::to_string(l.width) + "x" + std::to_string(l.height);
        };
        const CanvasLayout canvas = c.canvas.width > 1 ? c.canvas : c.content;
        EXPECT_EQ(text(got.content), text(c.content)) << c.drawing.left << " " << c.drawing.right;
        EXPECT_EQ(text(got.canvas), text(canvas)) << c.drawing.left << " " << c.drawing.right;
        EXPECT_EQ(got.bars, c.bars) << c.drawing.left << " " << c.drawing.right;
        EXPECT_LE(std::int64_t{got.canvas.width} * got.canvas.height, kMaxViewPixels);
        // The window shows no pixel beyond the content.
        const DrawingBounds shown = c.map.Shown(got.viewportWidth, got.viewportHeight);
        EXPECT_LE(got.content.origin.x, shown.left);
        EXPECT_LE(got.content.origin.y, shown.top);
        EXPECT_GE(got.content.origin.x + got.content.width, shown.right);
        EXPECT_GE(got.content.origin.y + got.content.height, shown.bottom);
    }
    // The whole drawing at (2400, 1800)-(2600, 1900) fits the window at 25 %.
    EXPECT_EQ(FitStep({0, 0, 2602, 1902}, 32, area), 1);
    EXPECT_EQ(FitStep({0, 0, 200, 100}, 32, area), 4);
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
