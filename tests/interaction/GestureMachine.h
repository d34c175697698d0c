// The gesture machine as the view drives it, over a drawing of its own, a
// status bar that keeps the pane texts and a recording canvas.
#pragma once

#include "../render/RecordingSurface.h"

#include "../model/SampleDrawings.h"
#include "interaction/EditRoad.h"
#include "interaction/Gesture.h"
#include "model/CPluvoDoc.h"

#include <cstdint>
#include <initializer_list>
#include <string>

struct Panes : GestureStatus {
    std::string text[2];
    void SetPaneText(int pane, const std::string& t) override { text[pane] = t; }
};

struct Machine {
    CPluvoDoc doc;
    Panes panes;
    RecordingSurface surface;
    EditRoad road{doc};
    Gesture gesture{doc, road, panes};

    // A new drawing as it is: the line tool, snapping to the grid.
    Machine() = default;
    // The tool, and grid snapping on a grid of that size; 0 places freely.
    explicit Machine(std::int32_t tool, std::int32_t grid = 0) {
        doc.current.FiguurType = tool;
        doc.current.RsterPnt = grid > 0 ? 1 : 0;
        if (grid > 0) Writable(doc).SizeRaster = grid;
    }
    GestureOutcome Click(POINT p, KeyFlags keys = {}) {
        return gesture.LeftButtonDown(surface, p, keys);
    }
    GestureOutcome Move(POINT p) { return gesture.MouseMove(surface, p); }
    GestureOutcome Esc() { return gesture.Escape(surface); }
    // Click at a, move to b, click at b.
    GestureOutcome Drag(POINT a, POINT b, KeyFlags keys = {}) {
        Click(a, keys);
        Move(b);
        return Click(b);
    }
    // Clicks at each point, moving there first as a hand would.
    GestureOutcome Corners(std::initializer_list<POINT> points) {
        GestureOutcome last;
        for (POINT p : points) {
            Move(p);
            last = Click(p);
        }
        return last;
    }
    // Some earlier state that Undo could bring back.
    void GiveUndo() {
        Figuur f;
        f.FiguurType = Rechthoek;
        f.p1 = {500, 500};
        f.p2 = {520, 520};
        samples::GiveUndo(doc, {f});
    }
};
