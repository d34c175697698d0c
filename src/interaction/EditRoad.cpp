#include "EditRoad.h"

#include "model/CPluvoDoc.h"

EditOutcome EditRoad::Apply(const Edit& edit) {
    CPluvoDoc& doc = m_doc;
    const bool selected = !doc.selection.empty();
    if (edit.undo == UndoRule::Take) doc.TakeSnapshot();
    const Change change = edit.change ? edit.change(doc) : Change::None;
    // A snapshot that was taken stays taken, also when nothing followed:
    // the copy then equals the lists.
    doc.Revise();
    if (change == Change::None) return {};
    if (edit.undo == UndoRule::Drop) doc.DropSnapshot();
    if (edit.modified == Modified::Yes && change == Change::Made) doc.MarkModified();
    EditOutcome outcome;
    outcome.made = true;
    outcome.repaint =
        edit.repaint == Repaint::Yes || (edit.repaint == Repaint::WhenSelected && selected);
    for (const Listener& listener : m_listeners) listener(outcome);
    return outcome;
}
