// Placing figures: drawing the current figure and storing it, and growing
// the square tree of a two-point polygon. These add to the document on
// purpose; they run as the change of an edit on the edit road, which takes
// care of the undo copy, the modified mark and the repaint.
#pragma once

#include "model/Figuur.h"

#include <cstddef>
#include <cstdint>

class DrawingEditor;
class LineEndIndex;
class Surface;

// Draws the current figure, keeps its p1 and p2 as pulled onto line ends in
// the current figure and appends it to the figure list when it may be
// stored. Returns whether a figure was appended.
bool DrawAndAppend(Surface& surface, DrawingEditor& editor, const LineEndIndex& lineEnds);

// Grows the whole tree on the segment a->b with the given green step: each
// square and triangle is stored as a polygoon figure with its corners as its
// own points, depth first, and drawn with copy-pen; the surface's raster
// operation, pen and brush are given back. The current figure is the work
// record and keeps the last figure made. Returns the number of figures.
std::size_t GroeiBoom(Surface& surface, DrawingEditor& editor, POINT a, POINT b,
                      std::int32_t kleurStap);

// The closing click of a free polygon of exactly the two points a and b:
// fills the tree (MetVul 1) in greens of the step that BoomKleurStap gives
// for the segment, and puts KleurVul and MetVul of the current figure back;
// FiguurType, p1, p2, PolyPnt and nHoek keep the values of the last figure
// made. Returns the number of figures.
std::size_t TwoPointTree(Surface& surface, DrawingEditor& editor, POINT a, POINT b);
