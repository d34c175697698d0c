// The keyboard's cursor on the canvas: a drawing point that the arrow keys
// move from grid point to grid point (with Alt pixel by pixel) and at which
// Space and Return click, and how the view follows it. The view draws it as
// a cross over the canvas; it is never part of the drawing.
#pragma once

#include "ViewMapping.h"
#include "model/Figuur.h"

#include <cstdint>

enum class CursorDirection { Left, Right, Up, Down };
// An arrow key moves the cursor to the next grid line; with Alt one pixel.
enum class CursorStep { Cell, Pixel };

// How far right of and below the top-left of what the view can show the
// cursor may go: the view follows it there, and at the largest zoom step its
// window pixels stay well within the range of a scroll bar.
inline constexpr std::int64_t kCursorReach = std::int64_t{1} << 26;

class GridCursor {
public:
    // The cursor shows from the first cursor key on, and hides when the
    // pointer moves over the canvas or a new drawing starts; the next
    // cursor key starts it again.
    bool Shown() const { return m_shown; }
    POINT At() const { return m_at; }

    // Shows the cursor on the grid point that a click at `from` snaps to
    // (the pointer's point, or the middle of the view), moved right and down
    // onto the first grid point at or past `lowest` when it lies above or
    // left of it. `lowest` is the top-left drawing point the view can show.
    void Start(POINT from, std::int32_t grid, POINT lowest);
    void Hide() { m_shown = false; }

    // One step. A cell step goes to the next grid line in that direction,
    // so that a cursor moved off the grid by pixel steps comes back onto
    // it; the cursor stays where it is when the step would leave its reach.
    void Step(CursorDirection direction, CursorStep size, std::int32_t grid, POINT lowest);

private:
    bool m_shown = false;
    POINT m_at{0, 0};
};

// Where the view looks so that the cursor is in sight: `map` itself while
// the cursor's pixel lies a margin (a grid cell, at most a quarter of the
// window) inside the window of width x height, otherwise scrolled just far
// enough, never above or left of the drawing point `lowest`.
ViewMapping FollowCursor(const ViewMapping& map, POINT cursor, std::int32_t grid,
                         std::int32_t width, std::int32_t height, POINT lowest);
