#include "EditCommands.h"

#include "model/CPluvoDoc.h"
#include "model/Operations.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

const std::array kRules = {
    EditRule{CommandId::Undo, UndoRule::Keep, Modified::No, Repaint::Yes,
             // The command is disabled without an undo copy; an accelerator
             // that reaches it anyway must not empty the drawing.
             [](DrawingEditor& editor) {
                 if (!editor.Doc().CanUndo()) return Change::None;
                 editor.RestoreUndoCopy();
                 return Change::Made;
             }},
    EditRule{CommandId::Properties, UndoRule::Keep, Modified::Yes, Repaint::Yes, nullptr},
    EditRule{CommandId::ObjectList, UndoRule::Keep, Modified::Yes, Repaint::Yes, nullptr},
    EditRule{CommandId::RemoveLast, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 return RemoveLastFigure(editor) ? Change::Made : Change::None;
             }},
    EditRule{CommandId::Resize, UndoRule::Take, Modified::Yes, Repaint::Yes, nullptr},
    EditRule{CommandId::MoveLeft, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 Verschuif(editor, -1, 0);
                 return Change::Made;
             }},
    EditRule{CommandId::MoveRight, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 Verschuif(editor, 1, 0);
                 return Change::Made;
             }},
    EditRule{CommandId::MoveUp, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 Verschuif(editor, 0, -1);
                 return Change::Made;
             }},
    EditRule{CommandId::MoveDown, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 Verschuif(editor, 0, 1);
                 return Change::Made;
             }},
    EditRule{CommandId::Rotate, UndoRule::Take, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 Draai90(editor);
                 return Change::Made;
             }},
    EditRule{CommandId::SelectAll, UndoRule::Keep, Modified::No, Repaint::Yes,
             [](DrawingEditor& editor) {
                 SelectAll(editor);
                 return Change::Unmarked;
             }},
    EditRule{CommandId::SelectNone, UndoRule::Keep, Modified::No, Repaint::Yes,
             [](DrawingEditor& editor) {
                 SelectNone(editor);
                 return Change::Unmarked;
             }},
    EditRule{CommandId::RemoveSelected, UndoRule::Take, Modified::No, Repaint::Yes,
             [](DrawingEditor& editor) {
                 RemoveSelectedFigures(editor);
                 return Change::Made;
             }},
    EditRule{CommandId::Thicker, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 LijndikteMeer(editor);
                 return Change::Made;
             }},
    EditRule{CommandId::Thinner, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 LijndikteMinder(editor);
                 return Change::Made;
             }},
    EditRule{CommandId::FillToggle, UndoRule::Keep, Modified::Yes, Repaint::Yes,
             [](DrawingEditor& editor) {
                 ToggleFill(editor);
                 return Change::Made;
             }},
    EditRule{CommandId::ShowGrid, UndoRule::Keep, Modified::No, Repaint::Yes,
             [](DrawingEditor& editor) {
                 DrawingSettings& settings = editor.Settings();
                 settings.MetRaster = 1 - settings.MetRaster;
                 return Change::Made;
             }},
    EditRule{CommandId::ShowCoordinates, UndoRule::Keep, Modified::No, Repaint::Yes,
             [](DrawingEditor& editor) {
                 DrawingSettings& settings = editor.Settings();
                 settings.MetCoord = 1 - settings.MetCoord;
                 return Change::Made;
             }},
    EditRule{CommandId::GridPoints, UndoRule::Keep, Modified::No, Repaint::No,
             [](DrawingEditor& editor) {
                 Figuur& current = editor.Doc().current;
                 current.RsterPnt = 1 - current.RsterPnt;
                 return Change::Made;
             }},
    EditRule{CommandId::Redraw, UndoRule::Keep, Modified::No, Repaint::All,
             [](DrawingEditor&) { return Change::Made; }},
    // A fill colour of the colour bar: the caller brings the colour.
    EditRule{CommandId::FillColour1, UndoRule::Keep, Modified::No, Repaint::WhenSelected, nullptr},
    // Reading a text file replaces the drawing, and repaints also when the
    // file was refused (the drawing is then the new one). Merging adds to
    // the drawing and marks it when it added anything.
    EditRule{CommandId::ReadText, UndoRule::Keep, Modified::No, Repaint::Yes, nullptr},
    EditRule{CommandId::Merge, UndoRule::Keep, Modified::Yes, Repaint::Yes, nullptr},
};

bool IsFillColour(CommandId id) {
    const auto n =
        static_cast<std::int32_t>(id) - static_cast<std::int32_t>(CommandId::FillColour1);
    return n >= 0 && n < 15;
}

} // namespace

std::span<const EditRule> EditRules() { return kRules; }

const EditRule* FindEditRule(CommandId id) {
    if (IsFillColour(id)) id = CommandId::FillColour1;
    const auto it = std::find_if(kRules.begin(), kRules.end(),
                                 [id](const EditRule& rule) { return rule.id == id; });
    return it == kRules.end() ? nullptr : &*it;
}

EditOutcome RunEdit(EditRoad& road, CommandId id) {
    const EditRule* rule = FindEditRule(id);
    if (!rule || !rule->action) return {};
    return RunEdit(road, id, rule->action);
}

EditOutcome RunEdit(EditRoad& road, CommandId id, const ChangeFunction& change) {
    const EditRule* rule = FindEditRule(id);
    if (!rule) return {};
    return road.Apply({rule->undo, rule->modified, rule->repaint, change});
}
