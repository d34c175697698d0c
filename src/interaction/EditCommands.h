// The command layer's table: for each command that changes the drawing or
// the view, its undo rule, whether it marks the drawing modified and whether
// it repaints the whole view. The window's command table runs these rows
// through the edit road; the document's operations only make their change.
#pragma once

#include "CommandId.h"
#include "EditRoad.h"

#include <span>

struct EditRule {
    CommandId id;
    UndoRule undo;
    Modified modified;
    Repaint repaint;
    // The command's own change; nullptr for commands whose change the caller
    // brings (a dialog's result, a colour, a file that was read).
    Change (*action)(DrawingEditor&);
};

// Every row, in menu order.
std::span<const EditRule> EditRules();
// The row of a command, or nullptr for commands outside the layer.
const EditRule* FindEditRule(CommandId id);

// Runs the command's own change under its row; nothing for a command
// without a row or without an own change.
EditOutcome RunEdit(EditRoad& road, CommandId id);
// Runs the given change under the row of the command.
EditOutcome RunEdit(EditRoad& road, CommandId id, const ChangeFunction& change);
