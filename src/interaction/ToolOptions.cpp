#include "ToolOptions.h"

#include "model/CPluvoDoc.h"

namespace {

// Sets a colour field of every selected figure that exists, switching the
// matching on/off field on.
template <class Set> bool RecolourSelection(CPluvoDoc& doc, Set set) {
    if (doc.selection.empty()) return false;
    for (std::uint32_t k : doc.selection)
        if (k < doc.figures.size()) set(doc.figures[k]);
    return true;
}

} // namespace

std::string ToolName(std::size_t index) {
    // The names are literals, so their views end in a nul.
    return UserText("FigureKinds", kToolNames.at(index).data());
}

bool ZetVulkleur(CPluvoDoc& doc, COLORREF colour) {
    const auto value = static_cast<std::int32_t>(colour);
    doc.current.KleurVul = value;
    return RecolourSelection(doc, [value](Figuur& f) {
        f.KleurVul = value;
        f.MetVul = 1;
    });
}

bool ZetRandkleur(CPluvoDoc& doc, COLORREF colour) {
    const auto value = static_cast<std::int32_t>(colour);
    doc.current.KleurRand = value;
    return RecolourSelection(doc, [value](Figuur& f) {
        f.KleurRand = value;
        f.MetRand = 1;
    });
}

std::string InitialToolbarText(const CPluvoDoc& doc) {
    if (const std::string* text = doc.TextOf(doc.current)) return *text;
    if (!doc.texts.empty()) return doc.texts.front();
    return "(zet tekst)";
}

bool TakeToolbarText(CPluvoDoc& doc, const std::string& text) {
    if (text.empty()) return false;
    doc.current.TekstIndex = doc.FindOrAddText(text);
    doc.current.FiguurType = Tekst;
    return true;
}

bool TakeToolbarText(EditRoad& road, const std::string& text) {
    if (text.empty()) return false;
    Edit edit;
    edit.modified = Modified::No;
    edit.repaint = Repaint::No;
    edit.reach = Reach::Append;
    edit.change = [&text](CPluvoDoc& doc) {
        const std::size_t before = doc.texts.size();
        TakeToolbarText(doc, text);
        return doc.texts.size() != before ? Change::Made : Change::Unmarked;
    };
    road.Apply(edit);
    return true;
}
