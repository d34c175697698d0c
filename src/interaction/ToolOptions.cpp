#include "ToolOptions.h"

#include "model/CPluvoDoc.h"
#include "model/Operations.h"

namespace {

// Sets a colour field of every selected figure that exists, switching the
// matching on/off field on.
template <class Set> bool RecolourSelection(DrawingEditor& editor, Set set) {
    const std::vector<std::uint32_t>& selection = editor.Doc().Selection();
    if (selection.empty()) return false;
    for (std::uint32_t k : selection)
        if (k < editor.figures.size()) set(editor.figures.At(k));
    return true;
}

} // namespace

std::string ToolName(std::size_t index) {
    // The names are literals, so their views end in a nul.
    return UserText("FigureKinds", kToolNames.at(index).data());
}

bool ZetVulkleur(DrawingEditor& editor, COLORREF colour) {
    const auto value = static_cast<std::int32_t>(colour);
    editor.Doc().current.KleurVul = value;
    return RecolourSelection(editor, [value](Figuur& f) {
        f.KleurVul = value;
        f.MetVul = 1;
    });
}

bool ZetRandkleur(DrawingEditor& editor, COLORREF colour) {
    const auto value = static_cast<std::int32_t>(colour);
    editor.Doc().current.KleurRand = value;
    return RecolourSelection(editor, [value](Figuur& f) {
        f.KleurRand = value;
        f.MetRand = 1;
    });
}

std::string InitialToolbarText(const CPluvoDoc& doc) {
    if (const std::string* text = doc.TextOf(doc.current)) return *text;
    if (!doc.drawing().texts.empty()) return doc.drawing().texts.front();
    return "(zet tekst)";
}

bool TakeToolbarText(DrawingEditor& editor, const std::string& text) {
    if (text.empty()) return false;
    Figuur& current = editor.Doc().current;
    current.TekstIndex = FindOrAddText(editor, text);
    current.FiguurType = Tekst;
    return true;
}

bool TakeToolbarText(EditRoad& road, const std::string& text) {
    if (text.empty()) return false;
    Edit edit;
    edit.modified = Modified::No;
    edit.repaint = Repaint::Yes;
    edit.change = [&text](DrawingEditor& editor) {
        const std::size_t before = editor.texts.size();
        TakeToolbarText(editor, text);
        return editor.texts.size() != before ? Change::Made : Change::Unmarked;
    };
    road.Apply(edit);
    return true;
}
