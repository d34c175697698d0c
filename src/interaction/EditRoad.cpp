#include "EditRoad.h"

#include "model/CPluvoDoc.h"

#include <algorithm>

EditOutcome EditRoad::Apply(const Edit& edit) {
    CPluvoDoc& doc = m_doc;
    const bool selected = !doc.m_selection.empty();
    const bool take = edit.undo == UndoRule::Take;
    EditRecord record;
    record.undoBefore = doc.m_undo;
    if (take) doc.TakeSnapshot();
    EditOutcome outcome;
    Change change = Change::None;
    {
        DrawingEditor editor(doc, Recording::On, take);
        change = edit.change ? edit.change(editor) : Change::None;
        record.change = editor.Finish(outcome.change);
    }
    doc.Revise();
    if (change != Change::None && edit.undo == UndoRule::Drop) doc.DropSnapshot();
    if (record.undoBefore != doc.m_undo) {
        record.undoChanged = true;
        record.undoAfter = doc.m_undo;
    } else {
        record.undoBefore.reset();
    }
    // A change that left the drawing as it was is no step of its own: an
    // undo copy it took (the copy then equals the lists) becomes part of
    // the next step.
    record.withdrawable = edit.step == HistoryStep::JoinsNext;
    const bool joins = edit.step == HistoryStep::JoinsNext || change == Change::None ||
                       record.change.Empty();
    m_history.Record(std::move(record), joins ? History::Join::Yes : History::Join::No);
    if (change == Change::None) return {};
    if (edit.modified == Modified::Yes && change == Change::Made) doc.m_modified = true;
    outcome.made = true;
    outcome.repaint =
        edit.repaint == Repaint::Yes || edit.repaint == Repaint::All ||
        (edit.repaint == Repaint::WhenSelected && selected);
    outcome.repaintAll = edit.repaint == Repaint::All;
    Tell(outcome);
    return outcome;
}

void EditRoad::Replace(Replacement replacement) {
    CPluvoDoc& doc = m_doc;
    m_history.Clear();
    EditOutcome outcome;
    if (replacement.stored) {
        DrawingEditor editor(doc, Recording::Off, false);
        editor.Replace(std::move(*replacement.stored), replacement.runValues);
        editor.Finish(outcome.change);
    }
    // Undo cannot mix two drawings.
    doc.DropSnapshot();
    doc.PathName = std::move(replacement.path);
    doc.m_modified = replacement.modified == Modified::Yes;
    doc.Revise();
    outcome.made = true;
    outcome.repaint = true;
    outcome.repaintAll = true;
    outcome.change.replaced = true;
    outcome.change.selection = true;
    Tell(outcome);
}

bool EditRoad::StepBack() {
    ChangeSummary summary;
    const bool stepped = m_history.StepBack(m_doc.m_drawing, m_doc.m_undo, summary);
    return AfterStep(stepped, std::move(summary));
}

bool EditRoad::StepForward() {
    ChangeSummary summary;
    const bool stepped = m_history.StepForward(m_doc.m_drawing, m_doc.m_undo, summary);
    return AfterStep(stepped, std::move(summary));
}

bool EditRoad::AfterStep(bool stepped, ChangeSummary&& summary) {
    if (!stepped) return false;
    CPluvoDoc& doc = m_doc;
    const std::size_t n = doc.m_drawing.figures.size();
    std::erase_if(doc.m_selection, [n](std::uint32_t index) { return index >= n; });
    // The current figure is not part of the history: a step that took away
    // the text or font it names (the toolbar's text, a font chosen in the
    // properties) would leave the next text figure pointing past the list,
    // placed invisible and refused when read back. It names the first one
    // instead, which the toolbar already shows for such an index.
    const auto keepInside = [](std::int32_t& index, std::size_t size) {
        if (size > 0 && index >= 0 && static_cast<std::size_t>(index) >= size) index = 0;
    };
    keepInside(doc.current.TekstIndex, doc.m_drawing.texts.size());
    keepInside(doc.current.FontIndex, doc.m_drawing.fonts.size());
    doc.Revise();
    doc.m_modified = true;
    EditOutcome outcome;
    outcome.made = true;
    outcome.repaint = true;
    outcome.change = std::move(summary);
    // The figures' indices moved under the selection.
    outcome.change.selection = true;
    Tell(outcome);
    return true;
}

void EditRoad::Tell(const EditOutcome& outcome) {
    for (const Listener& listener : m_listeners) listener(outcome);
}
