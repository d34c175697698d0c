// What one change did to the drawing: the patches of its four lists in the
// order they were made and its settings before and after (kept by the
// history of changes to undo and redo it), and the same without the values
// (told to whoever follows the drawing: the view, its caches, the recovery
// copy).
#pragma once

#include "Drawing.h"
#include "ListPatch.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a change did, run by run, without the values. The view repaints the
// figures that the runs name (before and after), its caches follow the runs.
struct ChangeSummary {
    std::vector<ListRun> figures;
    std::vector<ListRun> points;
    std::vector<ListRun> texts;
    std::vector<ListRun> fonts;
    // The stored settings (grid, colours, coordinates) changed.
    bool settings = false;
    // The selection may have changed.
    bool selection = false;
    // A whole new document: New, Open, a text file read, a recovered copy.
    // Views start again from it.
    bool replaced = false;

    // Nothing of the drawing changed (the selection may have).
    bool DrawingUnchanged() const {
        return figures.empty() && points.empty() && texts.empty() && fonts.empty() && !settings &&
               !replaced;
    }
    // Adds what `later` did after this.
    void Then(const ChangeSummary& later);
};

struct DrawingChange {
    std::vector<ListPatch<Figuur>> figures;
    std::vector<ListPatch<POINT>> points;
    std::vector<ListPatch<std::string>> texts;
    std::vector<ListPatch<LogFont>> fonts;
    std::optional<std::pair<DrawingSettings, DrawingSettings>> settings; // before, after

    bool Empty() const {
        return figures.empty() && points.empty() && texts.empty() && fonts.empty() && !settings;
    }
    // The bytes it keeps alive, for the history's bound; lists it shares
    // with the undo copy are counted there.
    std::size_t Bytes() const;
    void Undo(Drawing& drawing) const;
    void Redo(Drawing& drawing) const;
    // Adds the runs of a redo (Forward) or an undo (Backward) to `summary`.
    void Summarise(ChangeSummary& summary, ListDirection direction) const;
};
