// Drawing one figure, the document's current figure, onto a surface.
#pragma once

#include "Surface.h"

class CPluvoDoc;
class LineEndIndex;

// Whether SchilderFiguur stores the figure it drew.
enum class Append { No, Yes };

// Draws the current figure of doc on the surface and, with Append::Yes,
// appends it to the figure list. When the figure does not snap to the grid,
// p1 and p2 are first pulled onto nearby line ends; lineEnds answers that
// look-up when given (it must describe the figure list as it is now), the
// document's own search otherwise. A figure whose text, font or point indices
// lie outside the lists, or a regular polygon with more than kMaxSvgCorners
// corners, draws nothing but is still appended.
void SchilderFiguur(Surface& surface, CPluvoDoc& doc, Append append,
                    const LineEndIndex* lineEnds = nullptr);
