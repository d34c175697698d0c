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

// Move: remove the band at laatstPunt (when its x is not negative), then draw
// it at p2 of the current figure. EraseOnly: draw once at p2, which removes
// the band when p2 is where it was drawn.
enum class BandPass { Move, EraseOnly };

// What the band needs from the view's gesture. Keep one for the whole
// gesture: the copy preview indexes the line ends of the figure list on its
// first use and reuses the index on every later move, so that a move costs
// the copies drawn and not a walk over the whole drawing.
struct BandGesture {
    POINT& LaatstPunt;
    ShiftHeld MetShift = ShiftHeld::No;

    // A command that changes figures in place while the gesture runs (one
    // that adds or removes figures is noticed) must call this.
    void ForgetLineEnds() { lineEnds.reset(); }

    // The index, and the list it was built for.
    std::optional<LineEndIndex> lineEnds{};
    const void* indexedList = nullptr;
    std::size_t indexedCount = 0;
};

// Draws the band. Under Shift the constraint is applied in place: to
// LaatstPunt in the erase pass, to p2 of the current figure in the draw pass.
// The surface's pen, brush and raster operation are given back afterwards.
void Rubberband(Surface& surface, CPluvoDoc& doc, BandGesture& gesture, BandPass pass);
