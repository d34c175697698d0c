// The one way to change a document's drawing: every change (a placed
// figure, a command, a dialog's values, a merge, a file read) is made
// through an editor that the edit road hands it, and the editor records what
// it changed as it changes it: which entries of which list, with their values
// before and after, the settings, and whether the selection was touched. So
// the history keeps no more than the change, and the view repaints no more.
#pragma once

#include "CPluvoDoc.h"
#include "DrawingChange.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class EditRoad;

// Whether an editor records what it changes (every edit on the road) or
// only changes (a drawing replaced with the history started again).
enum class Recording { On, Off };

// One list of the drawing, writable through calls that record the change.
template <class T> class ListEditor {
public:
    ListEditor(std::vector<T>& list, std::vector<ListPatch<T>>& log, Recording recording,
               std::shared_ptr<const std::vector<T>> snapshot)
        : m_list(list), m_log(log), m_recording(recording), m_snapshot(std::move(snapshot)) {}
    ListEditor(const ListEditor&) = delete;
    ListEditor& operator=(const ListEditor&) = delete;

    // --- Reading -----------------------------------------------------------
    const std::vector<T>& Get() const { return m_list; }
    std::size_t size() const { return m_list.size(); }
    bool empty() const { return m_list.empty(); }
    const T& operator[](std::size_t i) const { return m_list[i]; }
    const T& back() const { return m_list.back(); }

    // --- Changing ----------------------------------------------------------
    // Entry i, to change in place.
    T& At(std::size_t i) {
        if (Records() && i < Settled() && (m_touched.empty() || m_touched.back().first != i))
            m_touched.emplace_back(i, m_list[i]);
        return m_list[i];
    }
    void push_back(const T& value) {
        StartAppending();
        m_list.push_back(value);
    }
    template <class It> void append(It first, It last) {
        StartAppending();
        m_list.insert(m_list.end(), first, last);
    }
    void reserve(std::size_t n) { m_list.reserve(n); }
    // Removes the entries from n on.
    void Truncate(std::size_t n);
    // Removes the entries whose flag is set, keeping the others in order.
    void Erase(const std::vector<bool>& gone);
    // Inserts values before entry `at`.
    void Insert(std::size_t at, const std::vector<T>& values);
    // The whole list, to change at will: recorded as a whole (a rotation, a
    // scaling). When the edit took the undo copy first, the list before is
    // shared with that copy instead of copied.
    std::vector<T>& Whole();
    // The list becomes `values`; recorded by the stretch in which the two
    // differ (the one-level Undo gives back a copy that mostly agrees).
    void Assign(std::vector<T> values);
    // The list becomes `values`; the old list moves into the record whole.
    void Replace(std::vector<T> values);

    // Records what is still pending; the editor calls it once at the end.
    void Finish();

private:
    bool Records() const { return m_recording == Recording::On && !m_whole; }
    // Entries below this existed before the appends still pending.
    std::size_t Settled() const { return m_appendFrom < m_list.size() ? m_appendFrom : m_list.size(); }
    void StartAppending() {
        if (Records() && m_appendFrom == kNone) m_appendFrom = m_list.size();
    }
    // Turns the entries changed in place and the appends still pending into
    // patches, so that a change of the list's shape can follow.
    void Flush();
    void Log(ListPatch<T>&& patch) {
        m_log.push_back(std::move(patch));
        m_logged = true;
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<T>& m_list;
    std::vector<ListPatch<T>>& m_log;
    Recording m_recording;
    std::shared_ptr<const std::vector<T>> m_snapshot;
    // Entries changed in place, with their values before, in the order they
    // were first asked for; an entry asked for again later is in twice, and
    // the first value counts.
    std::vector<std::pair<std::size_t, T>> m_touched;
    std::size_t m_appendFrom = kNone;
    bool m_whole = false;
    bool m_logged = false;
    std::shared_ptr<const std::vector<T>> m_wholeBefore;
    bool m_wholeInSnapshot = false;
};

class DrawingEditor {
    // First, so that the list editors below can record into it.
    DrawingChange m_change;

public:
    DrawingEditor(const DrawingEditor&) = delete;
    DrawingEditor& operator=(const DrawingEditor&) = delete;

    ListEditor<Figuur> figures;
    ListEditor<POINT> points;
    ListEditor<std::string> texts;
    ListEditor<LogFont> fonts;

    // The document around the drawing: the current figure and the values
    // of the run are written here; its drawing reads as it stands.
    CPluvoDoc& Doc() { return m_doc; }
    const CPluvoDoc& Doc() const { return m_doc; }
    const Drawing& drawing() const;
    DrawingSettings& Settings();
    std::vector<std::uint32_t>& Selection();

    // The one-level Undo: the figure, font and point lists come back from
    // the undo copy, which then is gone (an empty copy empties them).
    void RestoreUndoCopy();

    // The document starts again from a stored drawing: its lists, settings
    // and current figure take the place of the drawing's, the selection and
    // the undo copy empty, and the values of the run start again when asked.
    void Replace(StoredDrawing stored, RunValues runValues);

    // What the editor changed, for the history, and in `summary` for those
    // who follow the drawing. The editor is done afterwards.
    DrawingChange Finish(ChangeSummary& summary);

private:
    friend class EditRoad;
    // `snapshotTaken`: the change took the undo copy just now, so the lists
    // it holds are the drawing's as the change found them.
    DrawingEditor(CPluvoDoc& doc, Recording recording, bool snapshotTaken);

    CPluvoDoc& m_doc;
    std::optional<DrawingSettings> m_settingsBefore;
    bool m_selection = false;
    bool m_replaced = false;
};

// --- ListEditor --------------------------------------------------------------

template <class T> void ListEditor<T>::Flush() {
    if (!Records()) return;
    if (!m_touched.empty()) {
        std::stable_sort(m_touched.begin(), m_touched.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        ListPatch<T> patch;
        std::size_t next = kNone;
        std::size_t previous = kNone;
        for (const auto& [i, before] : m_touched) {
            if (i == previous) continue; // asked for again: the first value counts
            previous = i;
            if (before == m_list[i]) continue; // changed and changed back
            if (i != next || patch.runs.empty()) patch.runs.push_back({i, {}, {}});
            patch.runs.back().removed.push_back(before);
            patch.runs.back().inserted.push_back(m_list[i]);
            next = i + 1;
        }
        m_touched.clear();
        if (!patch.runs.empty()) Log(std::move(patch));
    }
    if (m_appendFrom != kNone) {
        if (m_appendFrom < m_list.size()) {
            ListPatch<T> patch;
            patch.runs.push_back(
                {m_appendFrom, {}, {m_list.begin() + static_cast<std::ptrdiff_t>(m_appendFrom), m_list.end()}});
            Log(std::move(patch));
        }
        m_appendFrom = kNone;
    }
}

template <class T> void ListEditor<T>::Truncate(std::size_t n) {
    if (n >= m_list.size()) return;
    if (Records()) {
        if (m_appendFrom != kNone && n >= m_appendFrom) {
            // Only entries appended by this change go: nothing to record.
            if (n == m_appendFrom) m_appendFrom = kNone;
        } else {
            Flush();
            ListPatch<T> patch;
            patch.runs.push_back(
                {n, {m_list.begin() + static_cast<std::ptrdiff_t>(n), m_list.end()}, {}});
            Log(std::move(patch));
        }
    }
    m_list.resize(n);
}

template <class T> void ListEditor<T>::Erase(const std::vector<bool>& gone) {
    Flush();
    ListPatch<T> patch;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_list.size(); ++i) {
        if (i < gone.size() && gone[i]) {
            if (Records()) {
                if (patch.runs.empty() || patch.runs.back().at + patch.runs.back().removed.size() != i)
                    patch.runs.push_back({i, {}, {}});
                patch.runs.back().removed.push_back(m_list[i]);
            }
            continue;
        }
        if (kept != i) m_list[kept] = std::move(m_list[i]);
        ++kept;
    }
    m_list.resize(kept);
    if (!patch.runs.empty()) Log(std::move(patch));
}

template <class T> void ListEditor<T>::Insert(std::size_t at, const std::vector<T>& values) {
    if (values.empty()) return;
    Flush();
    if (Records()) {
        ListPatch<T> patch;
        patch.runs.push_back({at, {}, values});
        Log(std::move(patch));
    }
    m_list.insert(m_list.begin() + static_cast<std::ptrdiff_t>(at), values.begin(), values.end());
}

template <class T> std::vector<T>& ListEditor<T>::Whole() {
    if (!Records()) return m_list;
    Flush();
    // Untouched so far by this change, the list is still the undo copy's
    // when the change took one.
    if (m_snapshot && !m_logged && *m_snapshot == m_list) {
        m_wholeBefore = m_snapshot;
        m_wholeInSnapshot = true;
    } else {
        m_wholeBefore = std::make_shared<const std::vector<T>>(m_list);
    }
    m_whole = true;
    return m_list;
}

template <class T> void ListEditor<T>::Assign(std::vector<T> values) {
    if (!Records()) {
        m_list = std::move(values);
        return;
    }
    Flush();
    const std::size_t shorter = std::min(m_list.size(), values.size());
    std::size_t head = 0;
    while (head < shorter && m_list[head] == values[head]) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           m_list[m_list.size() - 1 - tail] == values[values.size() - 1 - tail])
        ++tail;
    if (head != m_list.size() || head != values.size()) {
        ListPatch<T> patch;
        patch.runs.push_back(
            {head,
             {m_list.begin() + static_cast<std::ptrdiff_t>(head),
              m_list.end() - static_cast<std::ptrdiff_t>(tail)},
             {values.begin() + static_cast<std::ptrdiff_t>(head),
              values.end() - static_cast<std::ptrdiff_t>(tail)}});
        Log(std::move(patch));
    }
    m_list = std::move(values);
}

template <class T> void ListEditor<T>::Replace(std::vector<T> values) {
    if (!Records()) {
        m_list = std::move(values);
        return;
    }
    Flush();
    ListPatch<T> patch;
    patch.before = std::make_shared<const std::vector<T>>(std::move(m_list));
    patch.after = std::make_shared<const std::vector<T>>(values);
    m_list = std::move(values);
    Log(std::move(patch));
}

template <class T> void ListEditor<T>::Finish() {
    if (m_whole) {
        m_whole = false;
        if (*m_wholeBefore != m_list) {
            ListPatch<T> patch;
            patch.before = std::move(m_wholeBefore);
            patch.after = std::make_shared<const std::vector<T>>(m_list);
            patch.beforeInUndoCopy = m_wholeInSnapshot;
            Log(std::move(patch));
        }
        m_wholeBefore.reset();
        return;
    }
    Flush();
}
