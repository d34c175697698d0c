#include "EditCommands.h"

#include "model/CPluvoDoc.h"

#include <algorithm>
#include <array>

namespace {

const std::array kRules = {
    EditRule{CommandId::Undo, Snapshot::No, Modified::No, Repaint::Yes,
             // The command is disabled without an undo copy; an accelerator
             // that reaches it anyway must not empty the drawing.
             [](CPluvoDoc& doc) {
                 if (!doc.CanUndo()) return Change::None;
                 doc.RestoreSnapshot();
                 return Change::Made;
             }},
    EditRule{CommandId::Properties, Snapshot::No, Modified::Yes, Repaint::Yes, nullptr},
    EditRule{CommandId::ObjectList, Snapshot::No, Modified::Yes, Repaint::Yes, nullptr},
    EditRule{CommandId::RemoveLast, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) { return doc.RemoveLastFigure() ? Change::Made : Change::None; }},
    EditRule{CommandId::Resize, Snapshot::Yes, Modified::Yes, Repaint::Yes, nullptr},
    EditRule{CommandId::MoveLeft, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.Verschuif(-1, 0);
                 return Change::Made;
             }},
    EditRule{CommandId::MoveRight, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.Verschuif(1, 0);
                 return Change::Made;
             }},
    EditRule{CommandId::MoveUp, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.Verschuif(0, -1);
                 return Change::Made;
             }},
    EditRule{CommandId::MoveDown, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.Verschuif(0, 1);
                 return Change::Made;
             }},
    EditRule{CommandId::Rotate, Snapshot::Yes, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.Draai90();
                 return Change::Made;
             }},
    EditRule{CommandId::SelectAll, Snapshot::No, Modified::No, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.SelectAll();
                 return Change::Made;
             }},
    EditRule{CommandId::SelectNone, Snapshot::No, Modified::No, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.SelectNone();
                 return Change::Made;
             }},
    EditRule{CommandId::RemoveSelected, Snapshot::Yes, Modified::No, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.RemoveSelectedFigures();
                 return Change::Made;
             }},
    EditRule{CommandId::Thicker, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.LijndikteMeer();
                 return Change::Made;
             }},
    EditRule{CommandId::Thinner, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.LijndikteMinder();
                 return Change::Made;
             }},
    EditRule{CommandId::FillToggle, Snapshot::No, Modified::Yes, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.ToggleFill();
                 return Change::Made;
             }},
    EditRule{CommandId::ShowGrid, Snapshot::No, Modified::No, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.MetRaster = 1 - doc.MetRaster;
                 return Change::Made;
             }},
    EditRule{CommandId::ShowCoordinates, Snapshot::No, Modified::No, Repaint::Yes,
             [](CPluvoDoc& doc) {
                 doc.MetCoord = 1 - doc.MetCoord;
                 return Change::Made;
             }},
    EditRule{CommandId::GridPoints, Snapshot::No, Modified::No, Repaint::No,
             [](CPluvoDoc& doc) {
                 doc.current.RsterPnt = 1 - doc.current.RsterPnt;
                 return Change::Made;
             }},
    EditRule{CommandId::Redraw, Snapshot::No, Modified::No, Repaint::Yes,
             [](CPluvoDoc&) { return Change::Made; }},
    // A fill colour of the colour bar: the caller brings the colour.
    EditRule{CommandId::FillColour1, Snapshot::No, Modified::No, Repaint::WhenSelected, nullptr},
    // Reading a text file replaces the drawing; merging adds to it. Both
    // repaint also when the file was refused.
    EditRule{CommandId::ReadText, Snapshot::No, Modified::No, Repaint::Yes, nullptr},
    EditRule{CommandId::Merge, Snapshot::No, Modified::No, Repaint::Yes, nullptr},
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

EditOutcome RunEdit(CPluvoDoc& doc, CommandId id) {
    const EditRule* rule = FindEditRule(id);
    if (!rule || !rule->action) return {};
    return RunEdit(doc, id, rule->action);
}

EditOutcome RunEdit(CPluvoDoc& doc, CommandId id, const ChangeFunction& change) {
    const EditRule* rule = FindEditRule(id);
    if (!rule) return {};
    const bool selected = !doc.selection.empty();
    if (rule->snapshot == Snapshot::Yes) doc.TakeSnapshot();
    if (change(doc) == Change::None) return {};
    if (rule->modified == Modified::Yes) doc.MarkModified();
    const bool repaint =
        rule->repaint == Repaint::Yes || (rule->repaint == Repaint::WhenSelected && selected);
    return {true, repaint};
}
