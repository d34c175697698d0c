// The history of changes behind Ctrl+Z and Ctrl+Y: every edit on the edit
// road is recorded by what it changed (the stretch of each list that it
// replaced, the settings, the undo copy), so that a step costs memory in
// proportion to its change and not to the drawing. The one-level Undo keeps
// its own rules; it is a change like any other here.
#pragma once

#include "model/CPluvoDoc.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// What an edit may touch, so that recording it copies no more than needed:
// Nothing (the selection or the current figure only), Append (lists only
// grow at their ends; settings and existing entries stay), Any.
enum class Reach { Nothing, Append, Any };

// One stretch of a list replaced by another: `removed` stood at `at` before,
// `inserted` stands there after. When the whole list was replaced and its
// old contents are kept elsewhere already (in the undo copy the edit took),
// `removedAll` shares them instead of a copy in `removed`.
template <class T> struct ListSplice {
    std::size_t at = 0;
    std::vector<T> removed;
    std::shared_ptr<const std::vector<T>> removedAll;
    std::vector<T> inserted;

    const std::vector<T>& Removed() const { return removedAll ? *removedAll : removed; }
    bool Empty() const { return Removed().empty() && inserted.empty(); }
    void Undo(std::vector<T>& list) const { Replace(list, inserted.size(), Removed()); }
    void Redo(std::vector<T>& list) const { Replace(list, Removed().size(), inserted); }

private:
    void Replace(std::vector<T>& list, std::size_t count, const std::vector<T>& with) const {
        if (at == 0 && count == list.size()) {
            list = with; // the whole list: one copy, no shifting
            return;
        }
        const auto first = list.begin() + static_cast<std::ptrdiff_t>(at);
        const auto keep = list.erase(first, first + static_cast<std::ptrdiff_t>(count));
        list.insert(keep, with.begin(), with.end());
    }
};

// What one edit changed.
struct EditRecord {
    ListSplice<Figuur> figures;
    ListSplice<POINT> points;
    ListSplice<std::string> texts;
    ListSplice<LogFont> fonts;
    std::optional<std::pair<DrawingSettings, DrawingSettings>> settings; // before, after
    bool undoChanged = false;
    std::shared_ptr<const UndoCopy> undoBefore;
    std::shared_ptr<const UndoCopy> undoAfter;

    bool Empty() const;
    // The bytes it keeps alive, for the history's bound.
    std::size_t Bytes() const;
    void Undo(CPluvoDoc& doc) const;
    void Redo(CPluvoDoc& doc) const;
};

// The drawing as an edit found it, kept only as far as its reach needs.
struct EditStart {
    Reach reach = Reach::Any;
    std::size_t figures = 0, points = 0, texts = 0, fonts = 0;
    std::shared_ptr<const UndoCopy> undo;
    // For Reach::Any: the texts and settings before the change, and the
    // figure, font and point lists too unless the edit's own undo copy
    // (listsBefore) holds them.
    std::optional<Drawing> before;
    std::shared_ptr<const UndoCopy> listsBefore;
};

class History {
public:
    // The bound of the memory the steps keep; the oldest steps go first.
    static constexpr std::size_t kDefaultLimit = std::size_t{256} << 20;

    // Before an edit: what recording it will need. With SnapshotFollows the
    // edit takes its undo copy before its change, so the figure, font and
    // point lists as they were will be in that copy (call TookSnapshot once
    // it is taken) and need no copy of their own.
    enum class SnapshotFollows { No, Yes };
    static EditStart Begin(const CPluvoDoc& doc, Reach reach, SnapshotFollows snapshot);
    static void TookSnapshot(EditStart& start, const CPluvoDoc& doc);
    // After an edit: what it changed. An edit of Reach::Nothing records
    // nothing.
    static EditRecord Finish(const CPluvoDoc& doc, EditStart&& start);

    // Records an edit. A joining record (a corner of the polygon being
    // entered) waits and becomes part of the next step; a step drops the
    // steps ahead of it.
    enum class Join { No, Yes };
    void Record(EditRecord&& record, Join join);

    // Where the joining records stand now. Withdraw drops the joining
    // records made since the mark, which must together have changed
    // nothing (a polygon's corners that left again), unless a step was
    // recorded since, which took them in.
    struct Mark {
        std::size_t steps = 0;
        std::size_t pending = 0;
    };
    Mark Here() const { return {m_recorded, m_pending.size()}; }
    void Withdraw(Mark mark);

    bool CanStepBack() const { return m_position > 0; }
    bool CanStepForward() const { return m_position < m_steps.size(); }
    // Undo or redo one step on the drawing; false when there is none. Records
    // still waiting are taken back first.
    bool StepBack(CPluvoDoc& doc);
    bool StepForward(CPluvoDoc& doc);
    void Clear();

    void SetLimit(std::size_t bytes);
    std::size_t Bytes() const { return m_bytes; }
    std::size_t Steps() const { return m_steps.size(); }
    std::size_t Position() const { return m_position; }

private:
    struct Step {
        std::vector<EditRecord> records;
        std::size_t bytes = 0;
    };
    void DropPending(CPluvoDoc& doc);
    void Trim();

    std::vector<Step> m_steps;
    std::size_t m_position = 0; // steps before it can be stepped back over
    std::vector<EditRecord> m_pending;
    std::size_t m_recorded = 0; // steps recorded so far, for the marks
    std::size_t m_bytes = 0;
    std::size_t m_limit = kDefaultLimit;
};
