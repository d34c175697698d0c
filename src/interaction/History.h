// The history of changes behind Ctrl+Z and Ctrl+Y: every edit on the edit
// road is recorded by what it changed (the runs of each list it replaced,
// with their values before and after, the settings, the undo copy), so that
// a step costs memory in proportion to its change and not to the drawing.
// The one-level Undo keeps its own rules; it is a change like any other here.
#pragma once

#include "model/CPluvoDoc.h"
#include "model/DrawingChange.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

// What one edit changed.
struct EditRecord {
    DrawingChange change;
    bool undoChanged = false;
    std::shared_ptr<const UndoCopy> undoBefore;
    std::shared_ptr<const UndoCopy> undoAfter;
    // A record of an edit that joins the next step and may leave the
    // history again with the others of its kind (a polygon's corners).
    bool withdrawable = false;

    bool Empty() const { return change.Empty() && !undoChanged; }
    // The bytes it keeps alive, for the history's bound.
    std::size_t Bytes() const;
};

class History {
public:
    // The bound of the memory the steps keep; the oldest steps go first.
    static constexpr std::size_t kDefaultLimit = std::size_t{256} << 20;

    // Records an edit. A joining record (a corner of the polygon being
    // entered, an undo copy taken by a command that then changed nothing)
    // waits and becomes part of the next step; a step drops the steps ahead
    // of it. A record that changed nothing is no step.
    enum class Join { No, Yes };
    void Record(EditRecord&& record, Join join);

    // Where the joining records stand now. Withdraw drops the withdrawable
    // records made since the mark, which must together have changed
    // nothing (a polygon's corners that left again), unless a step was
    // recorded since, which took them in. Other joining records made
    // meanwhile stay for the next step.
    struct Mark {
        std::size_t steps = 0;
        std::size_t pending = 0;
    };
    Mark Here() const { return {m_recorded, m_pending.size()}; }
    void Withdraw(Mark mark);

    bool CanStepBack() const { return m_position > 0; }
    bool CanStepForward() const { return m_position < m_steps.size(); }
    // Undoes or redoes one step on the drawing and its undo copy, and adds
    // what it changed to `summary`; false when there is none. Records still
    // waiting are taken back first.
    bool StepBack(Drawing& drawing, std::shared_ptr<const UndoCopy>& undo, ChangeSummary& summary);
    bool StepForward(Drawing& drawing, std::shared_ptr<const UndoCopy>& undo,
                     ChangeSummary& summary);
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
    void DropPending(Drawing& drawing, std::shared_ptr<const UndoCopy>& undo,
                     ChangeSummary& summary);
    void Trim();

    // A deque: the oldest steps leave from the front without moving the rest.
    std::deque<Step> m_steps;
    std::size_t m_position = 0; // steps before it can be stepped back over
    std::vector<EditRecord> m_pending;
    std::size_t m_recorded = 0; // steps recorded so far, for the marks
    std::size_t m_bytes = 0;
    std::size_t m_limit = kDefaultLimit;
};
