// Drawing one figure onto a surface, and placing the current figure: drawing
// it and storing it in the same step.
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
// line ends; lineEnds answers that look-up when given (it must describe the
// figure list as it is now), the document's own search otherwise. A figure
// whose text, font or point indices lie outside the lists, or a regular
// polygon with more than kMaxSvgCorners corners, draws nothing but stays
// storable. What the figure selects and does not give back (the hollow brush
// of an unfilled figure, the text colour and transparent mode of a text)
// stays on the surface, as the following figures of a paint expect.
DrawnFigure SchilderFiguur(Surface& surface, const CPluvoDoc& doc, const Figuur& figure,
                           const LineEndIndex* lineEnds = nullptr);

// Places the current figure: draws it, keeps the pulled p1 and p2 in the
// current figure and appends it to the figure list when it is storable.
// Returns whether a figure was appended. This adds to the document on purpose;
// painting never does.
bool DrawAndAppend(Surface& surface, CPluvoDoc& doc, const LineEndIndex* lineEnds = nullptr);
