// The feedback shown while a figure is being placed: a dotted outline from
// the anchor to the pointer, the selection rectangle, or a preview of the
// copies, drawn with not-xor so that drawing it again removes it.
#pragma once

#include "LineEndIndex.h"
#include "Surface.h"

#include <cstddef>
#include <optional>

class CPluvoDoc;
class CopyPreview;

// Whether Shift was held at the first click of the gesture.
enum class ShiftHeld { No, Yes };

// Where the band for the pointer p ends: p itself, or under Shift p moved so
// that a line or free-polygon segment from the current figure's p1 is
// horizontal, vertical or diagonal and the box of an ellipse, quarter arc or
// rectangle is square. Other tools are never constrained.
POINT BandEnd(const Figuur& current, POINT p, ShiftHeld shift);

// Draws the band of the figure `band` (the current figure as the gesture
// drew it) from its p1 to BandEnd of its p2, in not-xor, so that drawing it
// again with the same arguments removes it; the document is only read. The
// copy preview pulls the copies onto line ends as lineEnds finds them. The
// surface's pen, brush and raster operation are given back afterwards.
// With a CopyPreview the copy preview of a large selection is drawn through
// its mask, kept from one call to the next: the same pixels, faster.
void Rubberband(Surface& surface, const CPluvoDoc& doc, const Figuur& band, ShiftHeld shift,
                const LineEndIndex& lineEnds, CopyPreview* preview = nullptr);

// The selected figures moved so that the point `anchor` lands on p, as the
// copy tool's preview shows them (texts and flood fills left out), not
// pulled onto line ends: the preview of the selection being dragged or of
// figures being pasted. Drawing it again with the same arguments removes it.
void SelectionPreview(Surface& surface, const CPluvoDoc& doc, POINT anchor, POINT p,
                      CopyPreview* preview = nullptr);
