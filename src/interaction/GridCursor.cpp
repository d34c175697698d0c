#include "GridCursor.h"

#include "render/ViewGeometry.h"

#include <algorithm>
#include <limits>

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t CellOf(std::int32_t grid) { return std::max<std::int32_t>(grid, 1); }

// The first grid line at or past v.
std::int64_t GridAtOrAfter(std::int64_t v, std::int64_t cell) { return -FloorDiv(-v, cell) * cell; }

// Along one axis: the next position from v, or v itself when that leaves
// the reach from `lowest`.
std::int32_t Next(std::int32_t v, int sign, CursorStep size, std::int64_t cell,
                  std::int32_t lowest) {
    std::int64_t to;
    if (size == CursorStep::Pixel)
        to = std::int64_t{v} + sign;
    else if (sign > 0)
        to = (FloorDiv(v, cell) + 1) * cell;
    else
        to = GridAtOrAfter(v, cell) - cell;
    const bool within = to >= lowest && to < std::int64_t{lowest} + kCursorReach &&
                        to <= std::numeric_limits<std::int32_t>::max();
    return within ? static_cast<std::int32_t>(to) : v;
}

// Along one axis: the window offset that shows the window pixels from
// `start` to `end` (exclusive) at least `margin` inside a window of `size`,
// never below `lowest`.
std::int64_t Follow(std::int64_t offset, std::int64_t start, std::int64_t end, std::int64_t size,
                    std::int64_t margin, std::int64_t lowest) {
    margin = std::min(margin, size / 4);
    if (start - offset < margin)
        offset = start - margin;
    else if (end - offset > size - margin)
        offset = end - (size - margin);
    return std::max(offset, lowest);
}

} // namespace

void GridCursor::Start(POINT from, std::int32_t grid, POINT lowest) {
    Afronden(from, grid);
    const std::int64_t cell = CellOf(grid);
    const auto within = [cell](std::int32_t v, std::int32_t low) {
        return v >= low ? v : static_cast<std::int32_t>(GridAtOrAfter(low, cell));
    };
    m_at = {within(from.x, lowest.x), within(from.y, lowest.y)};
    m_shown = true;
}

void GridCursor::Step(CursorDirection direction, CursorStep size, std::int32_t grid, POINT lowest) {
    const bool across = direction == CursorDirection::Left || direction == CursorDirection::Right;
    const int sign =
        direction == CursorDirection::Right || direction == CursorDirection::Down ? 1 : -1;
    std::int32_t& v = across ? m_at.x : m_at.y;
    v = Next(v, sign, size, CellOf(grid), across ? lowest.x : lowest.y);
}

ViewMapping FollowCursor(const ViewMapping& map, POINT cursor, std::int32_t grid,
                         std::int32_t width, std::int32_t height, POINT lowest) {
    // The cursor's pixel in window pixels counted from the drawing's (0, 0).
    const std::int64_t x = ZoomedOrigin(cursor.x, map.step);
    const std::int64_t y = ZoomedOrigin(cursor.y, map.step);
    const std::int64_t pixel = std::max<std::int64_t>(ZoomedLength(1, map.step), 1);
    const std::int64_t margin = ZoomedLength(CellOf(grid), map.step);
    ViewMapping followed = map;
    followed.offsetX =
        Follow(map.offsetX, x, x + pixel, width, margin, ZoomedOrigin(lowest.x, map.step));
    followed.offsetY =
        Follow(map.offsetY, y, y + pixel, height, margin, ZoomedOrigin(lowest.y, map.step));
    return followed;
}
