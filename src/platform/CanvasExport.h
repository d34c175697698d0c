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

// The drawing's extent from (0, 0) plus one grid cell, at least 1 x 1 and
// at most kMaxCanvasSide on each side.
CanvasSize DefaultCanvasSize(const CPluvoDoc& doc);

// The box that the figures paint (DrawingExtent, texts measured with Qt).
DrawingBounds CanvasBounds(const CPluvoDoc& doc);

// The canvas that shows the whole drawing, for an output without a size of
// its own: from (0, 0) when nothing lies below zero, else from the
// drawing's top-left corner, one grid cell beyond the extent each way,
// within the window canvas's caps: at most kMaxCanvasSide on each side and
// kMaxViewPixels in all, so that a drawing reaching far cannot ask for
// gigabytes.
CanvasLayout WholeDrawingCanvas(const CPluvoDoc& doc);

// The canvas of the given size painted as on the screen: background, grid,
// coordinates and figures, with or without the selection marks, and the
// marks of a free polygon whose points are being entered; origin is the
// drawing point at the image's top-left pixel.
QImage PaintCanvas(const CPluvoDoc& doc, std::int32_t width, std::int32_t height,
                   SelectionMarks marks, std::span<const POINT> polygonMarks = {},
                   POINT origin = {0, 0});

// Writes the image `from` (32-bit, opaque) halved each way into `to`, as the
// view shows a canvas below 100 %, keeping to's pixels when it has the size.
void HalveInto(const QImage& from, QImage& to);
// Halves only the pixels of `part` of `from` again into `to`, which has the
// halved size already, in whole blocks of 2 x 2; returns the part of `to`
// that it wrote. The images are 32 bits a pixel, opaque or premultiplied.
QRect HalvePart(const QImage& from, QImage& to, QRect part);

// What a canvas `content` shows without its figures (the background, the
// grid and the labels along its top and left edges) over the drawing pixels
// of `region`, halved `halvings` times as HalveInto halves a canvas. The
// region's left and top lie a multiple of 2^halvings pixels from the
// content's origin, so that its pixels are those of the whole content
// halved. Painted in tiles, so that a large region costs little memory.
QImage PaintReducedPlane(const CPluvoDoc& doc, const CanvasLayout& content,
                         const DrawingBounds& region, int halvings);

// Paints the canvas (no selection marks) with the drawing point `origin` at
// its top-left pixel and writes it as a PNG at target through the Bmp2Png
// converter. On failure returns false with the reason in error (for example
// "Bmp2Png.dll is er niet"), and target is untouched.
bool ExportCanvasPng(const CPluvoDoc& doc, std::int32_t width, std::int32_t height,
                     const std::string& target, std::string& error, POINT origin = {0, 0});
