// The edit road: every change to the drawing, whether a menu command, a
// gesture placing figures, a dialog's result, a merge or a text file read,
// is an Edit that EditRoad::Apply carries out in one place. It applies the
// undo rule (take, keep or drop the one-level snapshot), makes the change,
// marks the drawing modified, raises its revision and tells the listener
// whether the view must be painted again.
#pragma once

#include "History.h"

#include <cstdint>
#include <functional>
#include <vector>

class CPluvoDoc;

// What an edit does with the one-level undo copy: Take copies the lists
// before the change, Drop empties the copy after it (placing a figure),
// Keep leaves it.
enum class UndoRule { Keep, Take, Drop };
enum class Modified { No, Yes };
// WhenSelected: only when the selection was not empty before the change.
enum class Repaint { No, Yes, WhenSelected };

// What a change reports: Made; Unmarked when it changed only what the
// drawing files do not keep (the selection, the font offered for new texts),
// so the drawing is repainted but not marked; or None when there was nothing
// to do, in which case the drawing is neither marked nor repainted.
enum class Change { Made, Unmarked, None };

using ChangeFunction = std::function<Change(CPluvoDoc&)>;

// How an edit stands in the history of changes: a step of its own, or
// joined to the next step (the corners of a polygon being entered become
// part of the step that closes it).
enum class HistoryStep { Own, JoinsNext };

struct Edit {
    UndoRule undo = UndoRule::Keep;
    Modified modified = Modified::Yes;
    Repaint repaint = Repaint::Yes;
    ChangeFunction change;
    // What the change may touch, so that the history copies no more.
    Reach reach = Reach::Any;
    HistoryStep step = HistoryStep::Own;
};

struct EditOutcome {
    bool made = false;    // the change was made
    bool repaint = false; // the whole view must be painted again
};

class EditRoad {
public:
    using Listener = std::function<void(const EditOutcome&)>;

    explicit EditRoad(CPluvoDoc& doc) : m_doc(doc) {}
    EditRoad(const EditRoad&) = delete;
    EditRoad& operator=(const EditRoad&) = delete;

    const CPluvoDoc& Doc() const { return m_doc; }

    // Carries out the edit: the undo rule, the change, the modified mark,
    // the revision and its step in the history, then the listeners.
    EditOutcome Apply(const Edit& edit);

    // The history of changes: a step back or forward restores the drawing
    // (and its undo copy) exactly as it was, marks it modified, drops the
    // selection entries that name no figure, points the current figure's
    // text and font index that lie past their lists at the first entry, and
    // repaints. False when there
    // is no step to take.
    bool StepBack();
    bool StepForward();
    bool CanStepBack() const { return m_history.CanStepBack(); }
    bool CanStepForward() const { return m_history.CanStepForward(); }
    // New and Open start an empty history.
    void ClearHistory() { m_history.Clear(); }
    const History& GetHistory() const { return m_history; }
    void SetHistoryLimit(std::size_t bytes) { m_history.SetLimit(bytes); }
    // For edits that join the next step and may turn out to change nothing
    // together (a polygon's corners that leave again).
    History::Mark HistoryMark() const { return m_history.Here(); }
    void WithdrawJoined(History::Mark mark) { m_history.Withdraw(mark); }

    // Told after every edit that made its change, in the order they were
    // added: the gesture machine checks the polygon being entered, the
    // view repaints.
    void AddListener(Listener listener) { m_listeners.push_back(std::move(listener)); }

private:
    bool AfterStep(bool stepped);

    CPluvoDoc& m_doc;
    std::vector<Listener> m_listeners;
    History m_history;
};
