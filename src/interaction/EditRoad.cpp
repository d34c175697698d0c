#include "EditRoad.h"

#include "model/CPluvoDoc.h"

#include <algorithm>

EditOutcome EditRoad::Apply(const Edit& edit) {
    CPluvoDoc& doc = m_doc;
    const bool selected = !doc.selection.empty();
    const bool take = edit.undo == UndoRule::Take;
    EditStart start = History::Begin(
        doc, edit.reach, take ? History::SnapshotFollows::Yes : History::SnapshotFollows::No);
    if (take) {
        doc.TakeSnapshot();
        History::TookSnapshot(start, doc);
    }
    const Change change = edit.change ? edit.change(doc) : Change::None;
    doc.Revise();
    if (change != Change::None && edit.undo == UndoRule::Drop) doc.DropSnapshot();
    // A snapshot taken for a change that then had nothing to do stays taken
    // (the copy equals the lists); it becomes part of the next step.
    const bool joins = edit.step == HistoryStep::JoinsNext || change == Change::None;
    m_history.Record(History::Finish(doc, std::move(start)),
                     joins ? History::Join::Yes : History::Join::No);
    if (change == Change::None) return {};
    if (edit.modified == Modified::Yes && change == Change::Made) doc.MarkModified();
    EditOutcome outcome;
    outcome.made = true;
    outcome.repaint =
        edit.repaint == Repaint::Yes || (edit.repaint == Repaint::WhenSelected && selected);
    for (const Listener& listener : m_listeners) listener(outcome);
    return outcome;
}

bool EditRoad::StepBack() { return AfterStep(m_history.StepBack(m_doc)); }

bool EditRoad::StepForward() { return AfterStep(m_history.StepForward(m_doc)); }

bool EditRoad::AfterStep(bool stepped) {
    if (!stepped) return false;
    CPluvoDoc& doc = m_doc;
    const std::size_t n = doc.figures.size();
    std::erase_if(doc.selection, [n](std::uint32_t index) { return index >= n; });
    // The current figure is not part of the history: a step that took away
    // the text or font it names (the toolbar's text, a font chosen in the
    // properties) would leave the next text figure pointing past the list,
    // placed invisible and refused when read back. It names the first one
    // instead, which the toolbar already shows for such an index.
    const auto keepInside = [](std::int32_t& index, std::size_t size) {
        if (size > 0 && index >= 0 && static_cast<std::size_t>(index) >= size) index = 0;
    };
    keepInside(doc.current.TekstIndex, doc.texts.size());
    keepInside(doc.current.FontIndex, doc.fonts.size());
    doc.Revise();
    doc.MarkModified();
    const EditOutcome outcome{true, true};
    for (const Listener& listener : m_listeners) listener(outcome);
    return true;
}
