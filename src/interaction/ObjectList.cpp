#include "ObjectList.h"

#include "model/CPluvoDoc.h"
#include "model/Operations.h"
#include "model/UserText.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kShownTextLength = 10;

std::string Format(const char* format, auto... values) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, format, values...);
    return n < 0 ? std::string() : std::string(buffer, std::min<std::size_t>(n, sizeof buffer - 1));
}

std::string PointText(POINT p) { return Format("%d-%d", p.x, p.y); }

std::string ColourText(std::int32_t colour) {
    return Format("%06x", static_cast<unsigned>(static_cast<std::uint32_t>(colour)));
}

std::string FillCell(const CPluvoDoc& doc, const Figuur& f) {
    // A text figure shows the start of its text; one whose index lies past the
    // list has no text to show and is treated like any other figure.
    if (f.FiguurType == Tekst && f.TekstIndex >= 0) {
        if (const std::string* text = doc.TextOf(f))
            return text->size() <= kShownTextLength ? *text
                                                    : text->substr(0, kShownTextLength) + "...";
    }
    if ((f.MetVul != 0 && f.FiguurType != Lijn) || f.FiguurType == Opvullen)
        return ColourText(f.KleurVul);
    return " ";
}

} // namespace

std::string FigureKindName(const Figuur& f) {
    switch (f.FiguurType) {
    case Lijn:
        return UserText("FigureKinds", "Lijn");
    case Ellips:
        return UserText("FigureKinds", "Ellips");
    case Cirkel:
        return UserText("FigureKinds", "Cirkel");
    case Boogkwart:
        return UserText("FigureKinds", "BoogKwart");
    case Rechthoek:
        return UserText("FigureKinds", "Rechthoek");
    case Veelhoek:
        return FillIn(UserText("FigureKinds", "Veelhoek (%1)"), {std::to_string(f.nHoek)});
    case Opvullen:
        return UserText("FigureKinds", "Opvulling");
    case Tekst:
        return UserText("FigureKinds", "Tekst");
    case Kopieer:
        return UserText("FigureKinds", "Kopie");
    case Polygoon:
        return FillIn(UserText("FigureKinds", "Polygoon (%1)"), {std::to_string(f.nHoek)});
    default:
        // Never stored by the editor; a damaged file shows its number.
        return Format("%d", f.FiguurType);
    }
}

ObjectRow ObjectRowOf(const CPluvoDoc& doc, std::size_t index) {
    const Figuur& f = doc.drawing().figures[index];
    return {
        std::to_string(index + 1),
        FigureKindName(f),
        PointText(f.p1),
        PointText(f.p2),
        f.MetRand != 0 ? ColourText(f.KleurRand) : " ",
        FillCell(doc, f),
    };
}

void RemoveFigures(DrawingEditor& editor, std::span<const std::size_t> numbers) {
    // One pass that keeps the other figures in order: the same as removing
    // the numbered ones from the last down, without shifting the list once
    // per removed figure, and whatever order the numbers come in.
    std::vector<bool> removed(editor.figures.size(), false);
    for (std::size_t n : numbers)
        if (n < removed.size()) removed[n] = true;
    editor.figures.Erase(removed);
    editor.Selection().clear();
}

void SelectFigures(DrawingEditor& editor, std::span<const std::size_t> numbers) {
    std::vector<std::uint32_t>& selection = editor.Selection();
    selection.clear();
    for (std::size_t n : numbers) selection.push_back(static_cast<std::uint32_t>(n));
}

Edit RemoveFiguresEdit(std::vector<std::size_t> numbers) {
    return {UndoRule::Keep, Modified::Yes, Repaint::Yes,
            [numbers = std::move(numbers)](DrawingEditor& editor) {
                RemoveFigures(editor, numbers);
                return Change::Made;
            }};
}

Edit FigureOperationEdit(FigureOperation operation) {
    return {UndoRule::Keep, Modified::No, Repaint::No, [operation](DrawingEditor& editor) {
                switch (operation) {
                case FigureOperation::WegVulling:
                    WegVulling(editor);
                    break;
                case FigureOperation::ZetVulling:
                    ZetVulling(editor);
                    break;
                case FigureOperation::LijndikteMeer:
                    LijndikteMeer(editor);
                    break;
                case FigureOperation::LijndikteMinder:
                    LijndikteMinder(editor);
                    break;
                case FigureOperation::VerwisselXY:
                    VerwisselXY(editor);
                    break;
                }
                return Change::Made;
            }};
}
