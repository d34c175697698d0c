// Where a figure paints: the box of the canvas pixels that SchilderFiguur
// may set for it, and the extent of the whole drawing that the canvas and
// every output are sized by.
#pragma once

#include "Surface.h"

#include <cstdint>

class CPluvoDoc;
class LineEndIndex;

// Canvas pixels from (left, top) to (right, bottom), all four inclusive;
// empty when left > right or top > bottom.
struct PixelBox {
    std::int64_t left = 1;
    std::int64_t top = 1;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    bool Empty() const { return left > right || top > bottom; }
    // Grows to cover `other` as well.
    void Include(const PixelBox& other);
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The box that the figure may paint, as SchilderFiguur draws it with the
// pixel rules of RasterSurface: a line's pixels and the reach of its pen
// (a pen of width w reaches (w - 1) / 2 pixels up and left of its path and
// w / 2 down and right), a quarter arc's quarter, the rectangle and ellipse
// with their pen, and a text's box (the measured width and height, turned
// by the font's escapement around its top-left corner). The figure is
// pulled onto line ends first as the paint pulls it (lineEnds describes the
// figure list as it is). The text is measured with the font on `measure`,
// whose font is given back. Empty for a flood fill, which covers whatever
// its area is, and for a figure that paints nothing.
PixelBox FigureBox(const CPluvoDoc& doc, const Figuur& figure, const LineEndIndex& lineEnds,
                   Surface& measure);

// Where the figure surely paints every pixel in a solid colour, whatever
// lay there before: a box well inside the fill of a filled rectangle,
// ellipse or circle, clear of its outline (a dotted one leaves gaps). Empty
// for every other figure. Pulled onto line ends as FigureBox.
PixelBox OpaqueCore(const Figuur& figure, const LineEndIndex& lineEnds);

// The box that the figures paint, right and bottom exclusive, with (0, 0)
// inside it: (0, 0) to (0, 0) for an empty drawing, left and top below 0
// only where a figure paints there.
struct DrawingBounds {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
    friend bool operator==(const DrawingBounds&, const DrawingBounds&) = default;
};

// The union of every figure's FigureBox with (0, 0).
DrawingBounds DrawingExtent(const CPluvoDoc& doc, Surface& measure);
