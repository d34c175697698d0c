// A dense drawing paints most of its pixels many times over: a figure that
// later filled shapes cover wholly needs no painting, since the later ones
// paint over it anyway. This finds those figures for a region of the canvas.
#pragma once

#include "FigureBox.h"

#include <cstdint>
#include <vector>

class CPluvoDoc;
class DrawingIndex;

// Leaves out of `figures` (figure numbers, ascending) those that the opaque
// cores of figures after them in the list (see OpaqueCore) hide wherever
// they meet `region`; painting the rest in order into the region gives the
// same pixels as painting them all. The region is cut into small squares,
// each hidden under the last core that holds it whole. For a drawing without
// flood fills only: a fill's area depends on every pixel before it.
void DropHidden(std::vector<std::uint32_t>& figures, const CPluvoDoc& doc,
                const DrawingIndex& index, const PixelBox& region);
