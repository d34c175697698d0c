#include "History.h"

#include <algorithm>

namespace {

template <class T> std::size_t BytesOf(const std::vector<T>& list) {
    return list.capacity() * sizeof(T);
}

std::size_t BytesOf(const std::shared_ptr<const UndoCopy>& undo) {
    if (!undo) return 0;
    return BytesOf(undo->figures) + BytesOf(undo->fonts) + BytesOf(undo->points);
}

void Undo(const EditRecord& record, Drawing& drawing, std::shared_ptr<const UndoCopy>& undo,
          ChangeSummary& summary) {
    record.change.Undo(drawing);
    record.change.Summarise(summary, ListDirection::Backward);
    if (record.undoChanged) undo = record.undoBefore;
}

void Redo(const EditRecord& record, Drawing& drawing, std::shared_ptr<const UndoCopy>& undo,
          ChangeSummary& summary) {
    record.change.Redo(drawing);
    record.change.Summarise(summary, ListDirection::Forward);
    if (record.undoChanged) undo = record.undoAfter;
}

} // namespace

std::size_t EditRecord::Bytes() const {
    // An undo copy that the edit took is kept alive by the step as long as
    // it stays in the history.
    return sizeof(EditRecord) + change.Bytes() + (undoChanged ? BytesOf(undoAfter) : 0);
}

// --- Recording --------------------------------------------------------------

void History::Record(EditRecord&& record, Join join) {
    if (record.Empty()) return;
    m_pending.push_back(std::move(record));
    if (join == Join::Yes) return;
    // A new step: the steps ahead can no longer be reached.
    while (m_steps.size() > m_position) {
        m_bytes -= m_steps.back().bytes;
        m_steps.pop_back();
    }
    Step step;
    step.records = std::move(m_pending);
    m_pending.clear();
    ++m_recorded;
    for (const EditRecord& r : step.records) step.bytes += r.Bytes();
    m_bytes += step.bytes;
    m_steps.push_back(std::move(step));
    m_position = m_steps.size();
    Trim();
}

// --- Stepping ---------------------------------------------------------------

void History::Withdraw(Mark mark) {
    if (mark.steps != m_recorded || mark.pending > m_pending.size()) return;
    const auto from = m_pending.begin() + static_cast<std::ptrdiff_t>(mark.pending);
    m_pending.erase(std::remove_if(from, m_pending.end(),
                                   [](const EditRecord& record) { return record.withdrawable; }),
                    m_pending.end());
}

void History::DropPending(Drawing& drawing, std::shared_ptr<const UndoCopy>& undo,
                          ChangeSummary& summary) {
    for (auto r = m_pending.rbegin(); r != m_pending.rend(); ++r) Undo(*r, drawing, undo, summary);
    m_pending.clear();
}

bool History::StepBack(Drawing& drawing, std::shared_ptr<const UndoCopy>& undo,
                       ChangeSummary& summary) {
    // Records that wait for a step (the corners of a polygon still being
    // entered) go back first.
    DropPending(drawing, undo, summary);
    if (m_position == 0) return !summary.DrawingUnchanged();
    const Step& step = m_steps[--m_position];
    for (auto r = step.records.rbegin(); r != step.records.rend(); ++r)
        Undo(*r, drawing, undo, summary);
    return true;
}

bool History::StepForward(Drawing& drawing, std::shared_ptr<const UndoCopy>& undo,
                          ChangeSummary& summary) {
    if (m_position == m_steps.size()) return false;
    DropPending(drawing, undo, summary);
    const Step& step = m_steps[m_position++];
    for (const EditRecord& r : step.records) Redo(r, drawing, undo, summary);
    return true;
}

void History::Clear() {
    m_steps.clear();
    m_pending.clear();
    m_position = 0;
    m_bytes = 0;
}

void History::SetLimit(std::size_t bytes) {
    m_limit = bytes;
    Trim();
}

void History::Trim() {
    // The oldest steps go first; the newest step stays even when it alone
    // is over the bound.
    std::size_t drop = 0;
    while (drop + 1 < m_steps.size() && m_bytes > m_limit) m_bytes -= m_steps[drop++].bytes;
    if (drop == 0) return;
    m_steps.erase(m_steps.begin(), m_steps.begin() + static_cast<std::ptrdiff_t>(drop));
    m_position = m_position > drop ? m_position - drop : 0;
}
