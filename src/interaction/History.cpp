#include "History.h"

#include <algorithm>

namespace {

template <class T> std::size_t BytesOf(const std::vector<T>& list) {
    return list.capacity() * sizeof(T);
}

std::size_t BytesOf(const std::vector<std::string>& list) {
    std::size_t bytes = list.capacity() * sizeof(std::string);
    for (const std::string& s : list) bytes += s.capacity() > 15 ? s.capacity() : 0;
    return bytes;
}

template <class T> std::size_t BytesOf(const ListSplice<T>& splice) {
    return BytesOf(splice.removed) + BytesOf(splice.inserted);
}

// What appending changed: the tail past the old size.
template <class T> ListSplice<T> Tail(const std::vector<T>& after, std::size_t before) {
    ListSplice<T> splice;
    splice.at = std::min(before, after.size());
    splice.inserted.assign(after.begin() + static_cast<std::ptrdiff_t>(splice.at), after.end());
    return splice;
}

// The stretch between the longest common beginning and the longest common
// end of the two lists. `shared`, when given, holds `before` and is shared
// instead of copied when the whole list was replaced.
template <class T>
ListSplice<T> Difference(const std::vector<T>& before, const std::vector<T>& after,
                         std::shared_ptr<const std::vector<T>> shared = nullptr) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    ListSplice<T> splice;
    splice.at = head;
    if (shared && head == 0 && tail == 0 && !before.empty())
        splice.removedAll = std::move(shared);
    else
        splice.removed.assign(before.begin() + static_cast<std::ptrdiff_t>(head),
                              before.end() - static_cast<std::ptrdiff_t>(tail));
    splice.inserted.assign(after.begin() + static_cast<std::ptrdiff_t>(head),
                           after.end() - static_cast<std::ptrdiff_t>(tail));
    return splice;
}

// A list of the undo copy as a shared value of its own, kept alive with
// the copy.
template <class T>
std::shared_ptr<const std::vector<T>> Share(const std::shared_ptr<const UndoCopy>& copy,
                                            const std::vector<T> UndoCopy::*list) {
    if (!copy) return nullptr;
    return std::shared_ptr<const std::vector<T>>(copy, &((*copy).*list));
}

std::size_t BytesOf(const std::shared_ptr<const UndoCopy>& undo) {
    if (!undo) return 0;
    return BytesOf(undo->figures) + BytesOf(undo->fonts) + BytesOf(undo->points);
}

} // namespace

// --- One edit ---------------------------------------------------------------

bool EditRecord::Empty() const {
    return figures.Empty() && points.Empty() && texts.Empty() && fonts.Empty() && !settings &&
           !undoChanged;
}

std::size_t EditRecord::Bytes() const {
    // An undo copy that the edit took is kept alive by the step as long as
    // it stays in the history.
    return sizeof(EditRecord) + BytesOf(figures) + BytesOf(points) + BytesOf(texts) +
           BytesOf(fonts) + (undoChanged ? BytesOf(undoAfter) : 0);
}

void EditRecord::Undo(CPluvoDoc& doc) const {
    figures.Undo(doc.figures);
    points.Undo(doc.points);
    texts.Undo(doc.texts);
    fonts.Undo(doc.fonts);
    if (settings) doc.Settings() = settings->first;
    if (undoChanged) doc.SetUndoState(undoBefore);
}

void EditRecord::Redo(CPluvoDoc& doc) const {
    figures.Redo(doc.figures);
    points.Redo(doc.points);
    texts.Redo(doc.texts);
    fonts.Redo(doc.fonts);
    if (settings) doc.Settings() = settings->second;
    if (undoChanged) doc.SetUndoState(undoAfter);
}

// --- Recording --------------------------------------------------------------

EditStart History::Begin(const CPluvoDoc& doc, Reach reach, SnapshotFollows snapshot) {
    EditStart start;
    start.reach = reach;
    start.figures = doc.figures.size();
    start.points = doc.points.size();
    start.texts = doc.texts.size();
    start.fonts = doc.fonts.size();
    start.undo = doc.UndoState();
    if (reach == Reach::Any) {
        Drawing& before = start.before.emplace();
        before.Settings() = doc.Settings();
        before.texts = doc.texts;
        if (snapshot == SnapshotFollows::No) {
            before.figures = doc.figures;
            before.fonts = doc.fonts;
            before.points = doc.points;
        }
    }
    return start;
}

void History::TookSnapshot(EditStart& start, const CPluvoDoc& doc) {
    if (start.reach == Reach::Any) start.listsBefore = doc.UndoState();
}

EditRecord History::Finish(const CPluvoDoc& doc, EditStart&& start) {
    EditRecord record;
    if (start.reach == Reach::Nothing) return record;
    if (start.reach == Reach::Append) {
        record.figures = Tail(doc.figures, start.figures);
        record.points = Tail(doc.points, start.points);
        record.texts = Tail(doc.texts, start.texts);
        record.fonts = Tail(doc.fonts, start.fonts);
    } else {
        const Drawing& before = *start.before;
        const std::shared_ptr<const UndoCopy>& copy = start.listsBefore;
        const UndoCopy* lists = copy.get();
        // The lists that the edit's undo copy holds need no copy of their own
        // when the edit replaced them whole (a rotation, a move of all).
        record.figures = Difference(lists ? lists->figures : before.figures, doc.figures,
                                    Share(copy, &UndoCopy::figures));
        record.points = Difference(lists ? lists->points : before.points, doc.points,
                                   Share(copy, &UndoCopy::points));
        record.fonts = Difference(lists ? lists->fonts : before.fonts, doc.fonts,
                                  Share(copy, &UndoCopy::fonts));
        record.texts = Difference(before.texts, doc.texts);
        if (!(before.Settings() == doc.Settings()))
            record.settings.emplace(before.Settings(), doc.Settings());
    }
    if (start.undo != doc.UndoState()) {
        record.undoChanged = true;
        record.undoBefore = std::move(start.undo);
        record.undoAfter = doc.UndoState();
    }
    return record;
}

void History::Record(EditRecord&& record, Join join) {
    // An edit that changed nothing the history keeps (a selection, a
    // redraw) is no step, and leaves waiting records waiting.
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
    m_pending.resize(mark.pending);
}

void History::DropPending(CPluvoDoc& doc) {
    for (auto r = m_pending.rbegin(); r != m_pending.rend(); ++r) r->Undo(doc);
    m_pending.clear();
}

bool History::StepBack(CPluvoDoc& doc) {
    // Records that wait for a step (the corners of a polygon still being
    // entered) go back first.
    DropPending(doc);
    if (m_position == 0) return false;
    const Step& step = m_steps[--m_position];
    for (auto r = step.records.rbegin(); r != step.records.rend(); ++r) r->Undo(doc);
    return true;
}

bool History::StepForward(CPluvoDoc& doc) {
    if (m_position == m_steps.size()) return false;
    DropPending(doc);
    const Step& step = m_steps[m_position++];
    for (const EditRecord& r : step.records) r.Redo(doc);
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
