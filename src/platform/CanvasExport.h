// The canvas as an image without a window: painting a drawing into a QImage
// as the screen shows it, and writing that image as a PNG file.
#pragma once

#include "interaction/ViewMapping.h"
#include "render/Canvas.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <string>

class CPluvoDoc;

struct CanvasSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The largest canvas side that the export paints.
inline constexpr std::int32_t kMaxCanvasSide = 16384;

// The drawing's extent (the box that all figures cover, from (0, 0)) plus
// one grid cell, at least 1 x 1 and at most kMaxCanvasSide on each side.
CanvasSize DefaultCanvasSize(const CPluvoDoc& doc);

// The box that the figures may paint, reaching below (0, 0) where they do.
DrawingBounds CanvasBounds(const CPluvoDoc& doc);

// The canvas of the given size painted as on the screen: background, grid,
// coordinates and figures, with or without the selection marks, and the
// marks of a free polygon whose points are being entered; origin is the
// drawing point at the image's top-left pixel.
QImage PaintCanvas(const CPluvoDoc& doc, std::int32_t width, std::int32_t height,
                   SelectionMarks marks, std::span<const POINT> polygonMarks = {},
                   POINT origin = {0, 0});

// Paints the canvas (no selection marks) and writes it as a PNG at target
// through the Bmp2Png converter. On failure returns false with the reason in
// error (for example "Bmp2Png.dll is er niet"), and target is untouched.
bool ExportCanvasPng(const CPluvoDoc& doc, std::int32_t width, std::int32_t height,
                     const std::string& target, std::string& error);
