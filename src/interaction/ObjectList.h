// The objects list: the row that shows one figure, and what the list's
// Delete and OK do to the drawing.
#pragma once

#include "EditRoad.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

class CPluvoDoc;

// The cells of one row: "#", "Type", "Punt 1", "Punt 2", "Kleur", "Vulling".
// Texts from the text list are Windows-1252 bytes, the rest is ASCII.
using ObjectRow = std::array<std::string, 6>;

// A figure's kind as the list names it, in the interface's language:
// "Rechthoek", "Veelhoek (6)"; the number of a kind the editor never stores.
std::string FigureKindName(const Figuur& f);

// The row of figure `index` (0-based), which must exist.
ObjectRow ObjectRowOf(const CPluvoDoc& doc, std::size_t index);

// Removes the figures with the given numbers (0-based, the highlighted rows)
// and empties the selection; the later figures move up. Numbers without a
// figure are skipped. The points of a removed polygoon stay in the point list.
void RemoveFigures(DrawingEditor& editor, std::span<const std::size_t> numbers);

// OK: the figures of the highlighted rows, ascending, become the selection.
void SelectFigures(DrawingEditor& editor, std::span<const std::size_t> numbers);

// The objects list's Delete as an edit: RemoveFigures of the rows, keeping
// the undo copy, marking the drawing and repainting the canvas behind the
// list.
Edit RemoveFiguresEdit(std::vector<std::size_t> numbers);

// The figure operations behind the list's hidden buttons.
enum class FigureOperation { WegVulling, ZetVulling, LijndikteMeer, LijndikteMinder, VerwisselXY };
// One of them as an edit: the change only; the list's own command marks and
// repaints when it closes.
Edit FigureOperationEdit(FigureOperation operation);
