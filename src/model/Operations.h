// The document's editing operations: placing and removing figures, the text
// and font lists, scaling, moving, rotating, outlines, fills and the
// selection commands. Each makes its change only, through the editor that
// the edit road hands its edit; whether a command takes the undo copy,
// marks the drawing modified and repaints is decided by the command layer
// (interaction/EditCommands).
#pragma once

#include "DrawingEditor.h"

#include <cstdint>
#include <string>

// Appends the current figure to the figure list.
void AppendFigure(DrawingEditor& editor);
// False when there was no figure to remove.
bool RemoveLastFigure(DrawingEditor& editor);
void RemoveSelectedFigures(DrawingEditor& editor);
std::int32_t FindOrAddText(DrawingEditor& editor, const std::string& text);
std::int32_t FindOrAddFont(DrawingEditor& editor, const LogFont& font);

// Scales figures, points and font heights by h percent horizontally and
// v percent vertically; a mirrored drawing is moved back into positive
// coordinates.
void Schaal(DrawingEditor& editor, std::int32_t h, std::int32_t v);
// The same on a drawing that is a value of its own (a printed page's copy),
// without the move back for mirrored drawings.
void Schaal(Drawing& drawing, std::int32_t h, std::int32_t v);

// Figure operations on the selected figures, or on all when none is
// selected.
void WegVulling(DrawingEditor& editor);
void ZetVulling(DrawingEditor& editor);
void LijndikteMeer(DrawingEditor& editor);   // outlines one pixel thicker
void LijndikteMinder(DrawingEditor& editor); // outlines one pixel thinner
void Verschuif(DrawingEditor& editor, std::int32_t dx, std::int32_t dy);
// The fill toggle command: fills or empties the affected figures.
void ToggleFill(DrawingEditor& editor);

// Moves the whole drawing right and down, a grid cell beyond, when a
// figure, a point or a polygon's corner lies left of or above zero.
void MakeCoordinatesPositive(DrawingEditor& editor);

// Turns every figure and point a quarter: (x, y) becomes (-y, x), then the
// drawing moves back into positive coordinates.
void VerwisselXY(DrawingEditor& editor);
// Rotates the drawing a quarter turn clockwise, fonts included.
void Draai90(DrawingEditor& editor);

void SelectAll(DrawingEditor& editor);
void SelectNone(DrawingEditor& editor);
