// What a canvas paints again after a change: nothing, some parts, or the
// whole canvas, from the damage that the drawing's index works out and the
// edit's Repaint. The window and the tests' and fuzzers' canvases follow
// this one rule.
#pragma once

#include "EditRoad.h"
#include "Gesture.h"
#include "render/DrawingIndex.h"

#include <vector>

class CanvasRepair {
public:
    struct Plan {
        bool whole = false;
        std::vector<PixelBox> parts;
    };

    // What a gesture has on the canvas in not-xor: nothing; its band or
    // marks, which a part painted under them would not give back; or those
    // of a gesture that ended unseen, which only a whole paint takes away.
    enum class Feedback { None, Shown, Lost };
    static Feedback FeedbackOf(Gesture& gesture);

    // After an edit, a step or a replaced drawing.
    Plan After(const EditOutcome& outcome, const DrawingIndex::Damage& damage, bool hasFills,
               Feedback feedback);
    // The whole canvas was painted: nothing waits any more.
    void Painted();

private:
    // Damage of edits that leave their repaint for later (Repaint::No).
    std::vector<PixelBox> m_pending;
    bool m_pendingAll = false;
};
