// Where the view shows its canvas: the zoom steps, the mapping between
// window pixels and drawing coordinates at a zoom step and scroll position,
// and the size and origin of the canvas that covers the drawing.
#pragma once

#include "model/Figuur.h"

#include <cstdint>
#include <string>

// 12.5, 25, 50, 100, 200, 400 and 800 %: step 3 shows the canvas pixel for
// pixel, every step up doubles, every step down halves.
inline constexpr int kZoomSteps = 7;
inline constexpr int kActualSize = 3;

// The zoom of a step as the status bar shows it: "12,5 %", "100 %".
std::string ZoomText(int step);

// A canvas length at a zoom step, in window pixels (rounded up).
std::int64_t ZoomedLength(std::int64_t canvasLength, int step);

struct ViewMapping {
    // The drawing coordinates of the canvas's top-left pixel.
    POINT origin{0, 0};
    int step = kActualSize;
    // The window pixel, in the zoomed canvas, shown at the window's top-left.
    std::int64_t scrollX = 0;
    std::int64_t scrollY = 0;

    // The drawing point under a window pixel: at 100 % and up the canvas
    // pixel that the window pixel enlarges, below it the top-left one of
    // the canvas pixels that it shows.
    POINT ToDrawing(POINT window) const;
    // The window pixel that shows a drawing point (its top-left one).
    POINT ToWindow(POINT drawing) const;
};

// The box that the figures may paint, right and bottom exclusive, (0, 0)
// to (0, 0) for an empty drawing.
struct DrawingBounds {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
};

// The largest canvas the view paints: at most kMaxViewSide pixels on a side
// and kMaxViewPixels in all.
inline constexpr std::int64_t kMaxViewSide = 16384;
inline constexpr std::int64_t kMaxViewPixels = 64'000'000;

struct ScrollBarsShown {
    bool horizontal = false;
    bool vertical = false;
};

// Which scroll bars a content of the given size needs in an area, each bar
// taking `thickness` pixels from the room of the other direction.
ScrollBarsShown BarsFor(std::int64_t contentW, std::int64_t contentH, std::int32_t areaW,
                        std::int32_t areaH, std::int32_t thickness);

struct CanvasLayout {
    POINT origin{0, 0};
    std::int32_t width = 1;
    std::int32_t height = 1;
    friend bool operator==(const CanvasLayout&, const CanvasLayout&) = default;
};

// The canvas for a drawing in a view area of areaW x areaH without scroll
// bars: as large as the area left by the scroll bars it needs at 100 % or as
// the drawing's extent from (0, 0) plus one grid cell, whichever is larger.
// Coordinates below zero extend it left and up to the drawing's smallest
// ones, again with a cell to spare; nothing below zero keeps (0, 0) at its
// top-left corner. Past the caps the part farthest below zero is left out
// first, then the part farthest right or down.
CanvasLayout LayoutCanvas(const DrawingBounds& drawing, std::int64_t cell, std::int32_t areaW,
                          std::int32_t areaH, std::int32_t thickness);

// The largest step at which the drawing's part of the canvas (from its
// origin to the drawing's extent plus a cell) fits the area with the scroll
// bars that step needs.
int FitStep(const DrawingBounds& drawing, std::int64_t cell, const CanvasLayout& canvas,
            std::int32_t areaW, std::int32_t areaH, std::int32_t thickness);
