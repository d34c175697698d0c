// The feedback shown while a figure is being placed: a dotted outline from
// the anchor to the pointer, the selection rectangle, or a preview of the
// copies, drawn with not-xor so that drawing it again removes it.
#pragma once

#include "Surface.h"

class CPluvoDoc;
class LineEndIndex;

// Whether Shift was held at the first click of the gesture.
enum class ShiftHeld { No, Yes };

// Move: remove the band at laatstPunt (when its x is not negative), then draw
// it at p2 of the current figure. EraseOnly: draw once at p2, which removes
// the band when p2 is where it was drawn.
enum class BandPass { Move, EraseOnly };

// What the band needs from the view's gesture.
struct BandGesture {
    POINT& LaatstPunt;
    ShiftHeld MetShift = ShiftHeld::No;
    // The line ends of the figure list for the copy preview, when the view
    // keeps them for the gesture; otherwise the preview finds its own.
    const LineEndIndex* lineEnds = nullptr;
};

// Draws the band. Under Shift the constraint is applied in place: to
// LaatstPunt in the erase pass, to p2 of the current figure in the draw pass.
// The surface's pen, brush and raster operation are given back afterwards.
void Rubberband(Surface& surface, CPluvoDoc& doc, BandGesture& gesture, BandPass pass);
