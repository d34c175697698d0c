// Drawing one figure onto a surface. The document is only read: placing a
// figure (drawing it and storing what this returns) is the edit road's work.
#pragma once

#include "Surface.h"

class CPluvoDoc;
class LineEndIndex;

// What SchilderFiguur drew: the figure as it is to be stored, with p1 and p2
// pulled onto line ends when it does not snap to the grid, and whether it may
// be stored at all (a quarter arc with a radius of 2 or less, or a text with
// a negative text index, is neither drawn nor stored).
struct DrawnFigure {
    Figuur figure;
    bool storable = true;
};

// Draws the figure on the surface; the document is only read. When the
// figure does not snap to the grid, p1 and p2 are first pulled onto nearby
// line ends, as lineEnds (which must describe the figure list as it is now)
// finds them. A figure whose text, font or point indices lie outside the
// lists, or a regular polygon with more than kMaxSvgCorners corners, draws
// nothing but stays storable. What the figure selects and does not give back
// (the hollow brush of an unfilled figure, the text colour and transparent
// mode of a text) stays on the surface, as the following figures of a paint
// expect.
DrawnFigure SchilderFiguur(Surface& surface, const CPluvoDoc& doc, const Figuur& figure,
                           const LineEndIndex& lineEnds);
