// The feedback shown while a figure is being placed: a dotted outline from
// the anchor to the pointer, the selection rectangle, or a preview of the
// copies, drawn with not-xor so that drawing it again removes it.
#pragma once

#include "LineEndIndex.h"
#include "Surface.h"

#include <cstddef>
#include <optional>

class CPluvoDoc;

// Whether Shift was held at the first click of the gesture.
enum class ShiftHeld { No, Yes };

// Move: remove the band at LaatstPunt (when its x is not negative), then draw
// it at p2 of the current figure. EraseOnly: draw once at p2, which removes
// the band when p2 is where it was drawn.
enum class BandPass { Move, EraseOnly };

// What the band needs from the view's gesture. Keep one for the whole
// gesture: the copy preview indexes the line ends of the figure list on its
// first use and reuses the index on every later move, so that a move costs
// the copies drawn and not a walk over the whole drawing.
struct BandGesture {
    // The point the band was last drawn for (before the Shift constraint);
    // x < 0 when no band is on the canvas.
    POINT LaatstPunt{-1, -1};
    ShiftHeld MetShift = ShiftHeld::No;

    // A command that changes figures in place while the gesture runs (one
    // that adds or removes figures is noticed) must call this.
    void ForgetLineEnds() { lineEnds.reset(); }

    // An index that the gesture's owner keeps up to date for the figure list
    // as it is now; when set, the band uses it instead of building its own.
    const LineEndIndex* ownerLineEnds = nullptr;

    // The index, the list it was built for, and how often it was built.
    std::optional<LineEndIndex> lineEnds{};
    const void* indexedList = nullptr;
    std::size_t indexedCount = 0;
    std::size_t lineEndBuilds = 0;
};

// Where the band for the pointer p ends: p itself, or under Shift p moved so
// that a line or free-polygon segment from the current figure's p1 is
// horizontal, vertical or diagonal and the box of an ellipse, quarter arc or
// rectangle is square. Other tools are never constrained.
POINT BandEnd(const Figuur& current, POINT p, ShiftHeld shift);

// Draws the band from p1 of the current figure to BandEnd of the given
// points; the document is only read (the gesture's owner stores the
// constrained end in p2). The surface's pen, brush and raster operation are
// given back afterwards.
void Rubberband(Surface& surface, const CPluvoDoc& doc, BandGesture& gesture, BandPass pass);
