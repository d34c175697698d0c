// The command layer: for each command that changes the drawing or the view,
// whether it takes the undo snapshot before its change, marks the drawing
// modified and repaints the whole view afterwards. The document's operations
// only make their change; the window's command table runs them through here.
#pragma once

#include "CommandId.h"

#include <functional>
#include <span>

class CPluvoDoc;

enum class Snapshot { No, Yes };
enum class Modified { No, Yes };
// WhenSelected: only when the selection is not empty (the colour buttons).
enum class Repaint { No, Yes, WhenSelected };

// What a command's change reports: Made, or None when there was nothing to
// do, in which case the drawing is neither marked nor repainted.
enum class Change { Made, None };

using ChangeFunction = std::function<Change(CPluvoDoc&)>;

struct EditRule {
    CommandId id;
    Snapshot snapshot;
    Modified modified;
    Repaint repaint;
    // The command's own change; nullptr for commands whose change the caller
    // brings (a dialog's result, a colour, a file that was read).
    Change (*action)(CPluvoDoc&);
};

// Every row, in menu order.
std::span<const EditRule> EditRules();
// The row of a command, or nullptr for commands outside the layer.
const EditRule* FindEditRule(CommandId id);

struct EditOutcome {
    bool made = false;    // the change was made
    bool repaint = false; // the whole view must be repainted
};

// Runs the command's own change under its row.
EditOutcome RunEdit(CPluvoDoc& doc, CommandId id);
// Runs the given change under the row of the command.
EditOutcome RunEdit(CPluvoDoc& doc, CommandId id, const ChangeFunction& change);
