// The editor's one command table: every menu item, shortcut, toolbar button,
// status prompt and tooltip, the handler that serves it and how its check
// mark and enabled state follow the drawing. The menus, the toolbars and the
// shortcuts are all built from these rows.
#pragma once

#include "interaction/CommandId.h"

#include <span>

class CMainFrame;

// How a command's menu item and button follow the drawing and the window.
enum class UpdateRule {
    Always,          // enabled, never checked
    CanUndo,         // enabled while the drawing has an undo copy
    CanStepBack,     // enabled while the history has a step to take back
    CanStepForward,  // enabled while the history has a step to bring back
    Tool,            // checked while the row's tool is chosen
    ShowGrid,        // checked by MetRaster
    ShowCoordinates, // checked by MetCoord
    GridPoints,      // checked by RsterPnt of the next figure
    ToolBarShown,    // checked while the bar is shown
    StatusBarShown,
    ColourBarShown,
    HasSelection, // enabled while figures are selected
    CanPaste,     // enabled while the clipboard holds figures Pluvo can paste
    Unserved,     // no handler serves it: always disabled
};

using CommandHandler = void (CMainFrame::*)(CommandId);

struct CommandRow {
    CommandId id;
    // The menu caption with "&" before the access key and, after a tab, the
    // shortcut as the menu shows it.
    const char* caption;
    // The keys in QKeySequence's portable form, or nullptr; "; " between
    // the keys of a command that has more than one.
    const char* keys;
    const char* prompt;  // shown in the status bar while highlighted
    const char* tooltip; // shown on its button
    const char* icon;    // freedesktop icon name, or our own under :/icons
    CommandHandler handler;
    UpdateRule update;
    int value; // the tool's FiguurType, the colour's index; otherwise 0
};

// Every command, the colour bar's fifteen fill and fifteen outline colours
// included.
std::span<const CommandRow> CommandRows();
const CommandRow* FindCommand(CommandId id);

// The layout of a menu or toolbar: command ids, with Separator between
// groups and, in "&Bestand", RecentFileSlot where the recent-file list goes.
inline constexpr CommandId Separator = static_cast<CommandId>(0);
inline constexpr CommandId RecentFileSlot = CommandId::RecentFile;

// A command that a menu shows under a caption of its own: the name desktop
// users look for there, or another access key where the command's own is
// taken in that menu.
struct MenuCaption {
    CommandId id;
    const char* caption;
};

struct MenuLayout {
    const char* title;
    std::span<const CommandId> items;
    std::span<const MenuCaption> captions = {};
};

std::span<const MenuLayout> MainMenus();
std::span<const CommandId> MainToolBar();
std::span<const CommandId> ColourBar();
