// Figures through the clipboard: the selected figures as a drawing of their
// own, written in the text exchange format (Pluvo's own clipboard type) and
// as SVG, read back from clipboard text, and pasted into a drawing.
#pragma once

#include "DrawingEditor.h"

#include <cstdint>
#include <string>
#include <string_view>

// Pluvo's own clipboard type; its data is the text exchange format.
inline constexpr std::string_view kFiguresMimeType = "application/x-pluvo-figures";

// The selected figures that can be drawn, in list order (the order they
// paint in), as a drawing of their own with the document's settings: just
// the texts and fonts of its text figures and the points of its polygons,
// the figures' indices renumbered to match. Text, font and point indices
// that a figure of its kind does not use become 0. Selection entries that
// name no figure, and figures that are never drawn (of no figure kind, or
// whose text, font or points lie outside the lists), are left out. Empty
// without a selection.
Drawing SelectedFigures(const CPluvoDoc& doc);

// The figures in the text exchange format. The format holds at least one
// text and one font, so empty lists are written with an empty text and the
// default font, which reading leaves out again.
std::string FiguresText(const Drawing& figures);
// The figures as "S&chrijf SVG..." writes a drawing.
std::string FiguresSvg(const Drawing& figures, std::string_view title);

// Reads clipboard text (Pluvo's own type, or plain text holding a text
// drawing) into figures as SelectedFigures gives them. False, with `out`
// untouched, when the text is no text drawing, holds no figure, or holds a
// figure of no figure kind, or a text figure or polygon whose text, font or
// points are not in it.
bool ReadFigures(std::string_view text, Drawing& out);

// Appends the figures moved by (dx, dy), with their texts and fonts (found
// in the lists or added) and their points (appended, moved too), and
// selects exactly them.
void PasteFigures(DrawingEditor& editor, const Drawing& figures, std::int32_t dx, std::int32_t dy);
