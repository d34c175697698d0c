// Painting the whole canvas: background, grid, coordinate labels, every
// figure, the selection marks and the free polygon being entered, for the
// screen, an off-screen image or a printer page.
#pragma once

#include "Surface.h"

#include <cstdint>
#include <span>
#include <vector>

class CPluvoDoc;
class DrawingIndex;
class LineEndIndex;
struct PixelBox;

enum class SelectionMarks { Show, Hide };

// What painting needs from the view.
struct CanvasView {
    std::int32_t width = 0; // the client area, for surfaces that do not print
    std::int32_t height = 0;
    SelectionMarks marks = SelectionMarks::Show;
    // The points of a free polygon being entered, whose marks a capture of
    // the canvas shows as the screen does; empty when the marks are drawn
    // by their gesture (the screen) or there is no polygon.
    std::span<const POINT> polygonMarks = {};
    // The drawing coordinates of the canvas's top-left pixel: below (0, 0)
    // when the drawing reaches there. The surface takes drawing coordinates
    // (an OriginSurface over the canvas); the background, the grid and the
    // labels cover the canvas from here. On paper they are the coordinates
    // of the enlarged drawing.
    POINT origin{0, 0};
    // The line ends of the drawing as it is, when the caller keeps them, so
    // that a paint needs no index of its own; printing makes its own.
    const LineEndIndex* lineEnds = nullptr;
    // The index of the drawing as it is, when the caller keeps one: a paint
    // of a screen then leaves out the figures that later ones hide.
    const DrawingIndex* index = nullptr;
};

// Paints the whole canvas; the document is only read. On a printing surface
// the figures, points and font heights are drawn enlarged by PrintFactor
// (from enlarged copies) and no background is painted. On a screen surface
// that can split its rows (Surface::RowBand) the figures and marks are
// painted with the rows split between two threads, with the pixels of one.
void OnDraw(Surface& surface, const CPluvoDoc& doc, const CanvasView& view);

// Paints the part `box` (in drawing coordinates) of the screen canvas of
// `view` again, as painting the whole canvas would leave it: the background,
// grid and labels there, then every figure whose paint may reach into it,
// in list order, from the drawing's index. No selection marks. False, with
// nothing painted, when the surface cannot paint a part on its own.
bool RepaintPart(Surface& canvas, const CPluvoDoc& doc, const CanvasView& view,
                 const DrawingIndex& index, const PixelBox& box);

// The drawing as a printed page shows it: figures, points and font heights
// enlarged by the print factor, on a copy, so that the drawing itself never
// passes through an enlarged state.
CPluvoDoc EnlargedForPrinting(const CPluvoDoc& doc);

// The grid of cell size g with every n-th line doubled (n = 10 for cells of
// at most 10 pixels, else 5). Nothing when g is below 1.
// The lines continue from the drawing's (0, 0) over a canvas whose top-left
// pixel is at origin.
void SchilderRaster(Surface& surface, const CPluvoDoc& doc, std::int64_t g, std::int32_t width,
                    std::int32_t height, POINT origin = {0, 0});

// The coordinate labels along the top and left edges, at the multiple of the
// grid size nearest to 100 pixels (100 x PrintFactor when printing). Nothing
// when that step would be 0. The edges are those of a canvas whose top-left
// pixel is at origin.
void SchilderCoordinaten(Surface& surface, const CPluvoDoc& doc, std::int32_t width,
                         std::int32_t height, POINT origin = {0, 0});

// Small hollow circles around p1 and p2 of each selected figure.
void SchilderSelectie(Surface& surface, const CPluvoDoc& doc);
// The points those marks go around, p1 and p2 of each selected figure.
std::vector<POINT> SelectionMarkPoints(const CPluvoDoc& doc);
// The marks around the given points: hollow black circles drawn with a pen
// of `width` pixels, reaching 3 x width pixels from their point.
void SchilderSelectieMarks(Surface& surface, std::span<const POINT> points, std::int32_t width = 1);

// The marks of a free polygon being entered: a small circle around its
// first point and the segments between its points, in not-xor with a black
// pen of one pixel, so that drawing them again removes them. The surface's
// pen, brush and raster operation are given back.
void SchilderPolygoonMarks(Surface& surface, std::span<const POINT> points);
// One segment of those marks, for the corner that was just added.
void SchilderPolygoonSegment(Surface& surface, POINT from, POINT to);
