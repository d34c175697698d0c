// The tool and the options of the next figure as the toolbars set them: the
// fill colours of the colour bar, the tool list, the text edit, and the
// outline and fill colours that also recolour the selected figures.
#pragma once

#include "EditRoad.h"
#include "model/Figuur.h"
#include "model/UserText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class CPluvoDoc;

// The colour bar's fifteen fill colours, in button order.
inline constexpr std::array<COLORREF, 15> kVulkleuren = {
    0x646480, 0x648064, 0x806464, 0x6464FF, 0x64FF64, 0xFF6464, 0x808080, 0x008080,
    0x808000, 0x800080, 0xFFFFFF, 0xC0C0C0, 0x00FFFF, 0xFFFF00, 0xFF00FF,
};

// The tool list's items, in Dutch; an item's index is its FiguurType. The
// list shows them as ToolName gives them.
inline constexpr std::array<std::string_view, 11> kToolNames = {
    PLUVO_TEXT("FigureKinds", "Lijn"),      PLUVO_TEXT("FigureKinds", "Ellips"),
    PLUVO_TEXT("FigureKinds", "Cirkel"),    PLUVO_TEXT("FigureKinds", "BoogKwart"),
    PLUVO_TEXT("FigureKinds", "Rechthoek"), PLUVO_TEXT("FigureKinds", "Veelhoek"),
    PLUVO_TEXT("FigureKinds", "Opvullen"),  PLUVO_TEXT("FigureKinds", "Tekst"),
    PLUVO_TEXT("FigureKinds", "Kopie"),     PLUVO_TEXT("FigureKinds", "Selectie"),
    PLUVO_TEXT("FigureKinds", "Polygoon"),
};

// The tool list's item `index` in the interface's language.
std::string ToolName(std::size_t index);

// Sets the fill colour of the next figure and, with fill switched on, of
// every selected figure. Returns whether selected figures changed colour.
bool ZetVulkleur(DrawingEditor& editor, COLORREF colour);

// The outline twin: sets KleurRand of the next figure and, with the outline
// switched on, of every selected figure.
bool ZetRandkleur(DrawingEditor& editor, COLORREF colour);

// What the text edit shows when a drawing is opened or made (Windows-1252
// bytes): the text of the next text figure, else the first text, else
// "(zet tekst)".
std::string InitialToolbarText(const CPluvoDoc& doc);

// The text edit lost the focus holding `text` (Windows-1252 bytes): an empty
// text changes nothing; any other becomes the text of the next figure (found
// or added in the text list) and the text tool is chosen. Returns whether the
// tool changed to Tekst.
bool TakeToolbarText(DrawingEditor& editor, const std::string& text);
// The same as an edit on the road, so that a text it adds to the text list
// is in the history: a step back over it takes the text away again, and one
// forward brings it back at its place. It does not mark the drawing; the
// canvas paints again only a text figure that the new text makes visible.
bool TakeToolbarText(EditRoad& road, const std::string& text);
