// The edit road: every change to the drawing, whether a menu command, a
// gesture placing figures, a dialog's result, a merge, a file read or a new
// selection, is an Edit that EditRoad::Apply carries out in one place. It
// hands the change an editor that records what it changes, applies the undo
// rule (take, keep or drop the one-level snapshot), marks the drawing
// modified, raises its revision, keeps the change in the history and tells
// the listeners what changed. Replacing the whole document (New, Open, a
// recovered copy) and stepping through the history are the road's too.
#pragma once

#include "History.h"
#include "model/DrawingEditor.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CPluvoDoc;

// What an edit does with the one-level undo copy: Take copies the lists
// before the change, Drop empties the copy after it (placing a figure),
// Keep leaves it.
enum class UndoRule { Keep, Take, Drop };
enum class Modified { No, Yes };
// Whether the view paints what the edit changed: Yes; No when the edit drew
// its change on the canvas itself or changed nothing shown; WhenSelected
// only when the selection was not empty before the change (selection marks
// lie over what the edit drew); All paints the whole canvas again, whatever
// changed (the redraw command).
enum class Repaint { No, Yes, WhenSelected, All };

// What a change reports: Made; Unmarked when it changed only what the
// drawing files do not keep (the selection, the font offered for new texts),
// so the drawing is repainted but not marked; or None when there was nothing
// to do, in which case the drawing is neither marked nor repainted.
enum class Change { Made, Unmarked, None };

using ChangeFunction = std::function<Change(DrawingEditor&)>;

// How an edit stands in the history of changes: a step of its own, or
// joined to the next step (the corners of a polygon being entered become
// part of the step that closes it).
enum class HistoryStep { Own, JoinsNext };

struct Edit {
    UndoRule undo = UndoRule::Keep;
    Modified modified = Modified::Yes;
    Repaint repaint = Repaint::Yes;
    ChangeFunction change;
    HistoryStep step = HistoryStep::Own;
};

struct EditOutcome {
    bool made = false; // the change was made
    // The view paints what `change` names (when it drew nothing itself).
    bool repaint = false;
    // The view paints its whole canvas again.
    bool repaintAll = false;
    ChangeSummary change;
};

// A whole new document in the window's place, with the history started
// again: New, Open, a recovered copy.
struct Replacement {
    // The drawing and current figure; nothing keeps the drawing as it is
    // (an empty binary file opens that way).
    std::optional<StoredDrawing> stored;
    RunValues runValues = RunValues::Keep;
    // The file's name afterwards; empty for an unnamed drawing.
    std::string path;
    Modified modified = Modified::No;
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

    // The document replaced: the history starts again, the listeners hear
    // of a new document.
    void Replace(Replacement replacement);

    // The history of changes: a step back or forward restores the drawing
    // (and its undo copy) exactly as it was, marks it modified, drops the
    // selection entries that name no figure, points the current figure's
    // text and font index that lie past their lists at the first entry, and
    // repaints what changed. False when there is no step to take.
    bool StepBack();
    bool StepForward();
    bool CanStepBack() const { return m_history.CanStepBack(); }
    bool CanStepForward() const { return m_history.CanStepForward(); }
    const History& GetHistory() const { return m_history; }
    void SetHistoryLimit(std::size_t bytes) { m_history.SetLimit(bytes); }
    // For edits that join the next step and may turn out to change nothing
    // together (a polygon's corners that leave again).
    History::Mark HistoryMark() const { return m_history.Here(); }
    void WithdrawJoined(History::Mark mark) { m_history.Withdraw(mark); }

    // Told after every edit that made its change, every step and every
    // replaced document, in the order they were added: the gesture machine
    // checks the polygon being entered, the view repaints, the window's
    // title follows the modified mark.
    void AddListener(Listener listener) { m_listeners.push_back(std::move(listener)); }

private:
    bool AfterStep(bool stepped, ChangeSummary&& summary);
    void Tell(const EditOutcome& outcome);

    CPluvoDoc& m_doc;
    std::vector<Listener> m_listeners;
    History m_history;
};
