// Where the view shows the drawing: the zoom steps, the mapping between
// window pixels and drawing coordinates, and the layout of the canvas: the
// part of the drawing plane that the scroll bars range over and the part of
// it that is painted pixel for pixel.
#pragma once

#include "model/Figuur.h"
#include "render/FigureBox.h"

#include <cstdint>
#include <string>

// 12.5, 25, 50, 100, 200, 400 and 800 %: step 3 shows the canvas pixel for
// pixel, every step up doubles, every step down halves.
inline constexpr int kZoomSteps = 7;
inline constexpr int kActualSize = 3;

// Canvases start at a multiple of this many drawing pixels, the canvas
// pixels that one window pixel shows at the smallest step: so a canvas that
// grows or shrinks left or up moves by whole window pixels at every step,
// and a reduced window pixel always averages the same drawing pixels.
inline constexpr std::int32_t kOriginUnit = 1 << kActualSize;

// The zoom of a step as the status bar shows it: "12,5 %", "100 %".
std::string ZoomText(int step);

// A canvas length at a zoom step, in window pixels (rounded up).
std::int64_t ZoomedLength(std::int64_t canvasLength, int step);
// A drawing coordinate that is a multiple of kOriginUnit, in window pixels
// at a zoom step, counted from the drawing's 0.
std::int64_t ZoomedOrigin(std::int64_t drawing, int step);

struct ViewMapping {
    int step = kActualSize;
    // Where the window's top-left pixel lies, in window pixels at this step
    // counted from the drawing's (0, 0): at 100 % the drawing point shown
    // there, at 200 % twice it. Only the user's scrolling and zooming change
    // it, so that the drawing stays where it is on the screen whatever
    // happens to the canvas.
    std::int64_t offsetX = 0;
    std::int64_t offsetY = 0;

    // The drawing point under a window pixel: at 100 % and up the canvas
    // pixel that the window pixel enlarges, below it the top-left one of
    // the canvas pixels that it shows.
    POINT ToDrawing(POINT window) const;
    // The window pixel that shows a drawing point (its top-left one).
    POINT ToWindow(POINT drawing) const;
    // The drawing pixels that a window area of width x height from the
    // top-left shows, whole or in part; right and bottom exclusive.
    DrawingBounds Shown(std::int64_t width, std::int64_t height) const;
};

// The largest canvas the view paints: at most kMaxViewSide pixels on a side
// and kMaxViewPixels in all.
inline constexpr std::int64_t kMaxViewSide = 16384;
inline constexpr std::int64_t kMaxViewPixels = 64'000'000;

struct ScrollBarsShown {
    bool horizontal = false;
    bool vertical = false;
    friend bool operator==(const ScrollBarsShown&, const ScrollBarsShown&) = default;
};

// A part of the drawing plane: the drawing point at its top-left pixel and
// its size in pixels.
struct CanvasLayout {
    POINT origin{0, 0};
    std::int32_t width = 1;
    std::int32_t height = 1;
    friend bool operator==(const CanvasLayout&, const CanvasLayout&) = default;
};

// The canvas of the whole drawing: from (0, 0), or from the drawing's
// top-left corner less one grid cell (down to a multiple of kOriginUnit)
// when figures paint below zero, to the extent plus one grid cell, at least
// 1 x 1. Past maxSide on a side or maxPixels in all the part farthest below
// zero is left out first, then the part farthest right or down.
CanvasLayout DrawingCanvas(const DrawingBounds& drawing, std::int64_t cell,
                           std::int64_t maxSide = kMaxViewSide,
                           std::int64_t maxPixels = kMaxViewPixels);

// The widget that shows the canvas: its size and the thickness of a bar.
struct ViewArea {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::int32_t barThickness = 0;
};

struct ViewLayout {
    // What the scroll bars range over: the drawing's canvas and what the
    // window shows, so that the window never shows beyond it.
    CanvasLayout content;
    // The part of the content painted pixel for pixel into the backing
    // image: all of it within the caps; past them the drawing's canvas and
    // as much of what the window shows as the caps allow, in whole
    // kOriginUnit. The rest of the content holds no figure and shows only
    // the grid, the labels and the background.
    CanvasLayout canvas;
    ScrollBarsShown bars;
    // The window pixels left for the canvas beside the bars.
    std::int32_t viewportWidth = 1;
    std::int32_t viewportHeight = 1;
    friend bool operator==(const ViewLayout&, const ViewLayout&) = default;
};

// The layout for a drawing shown with `map` in `area`: the content covers
// the drawing's canvas and what the window shows, so that a drawing point
// keeps its window pixel when the drawing grows or shrinks; the scroll bars
// show where the content exceeds the window.
ViewLayout LayoutView(const DrawingBounds& drawing, std::int64_t cell, const ViewMapping& map,
                      const ViewArea& area);

// The largest step at which the drawing's canvas fits the area without
// scroll bars, 0 when none does.
int FitStep(const DrawingBounds& drawing, std::int64_t cell, const ViewArea& area);
