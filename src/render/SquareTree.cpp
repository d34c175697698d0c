#include "SquareTree.h"

#include "model/Geometry.h"
#include "model/Int32.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// Side lengths shrink with every level, so a real tree ends long before
// this; only coordinates that wrap around at the 32-bit edge could go on.
constexpr std::int32_t kMaxLevel = 200;

bool MayAdd(const BoomState& state, std::int32_t e) {
    return state.shapes.size() < state.limit && e <= kMaxLevel;
}

void AddShape(POINT p1, POINT p2, std::initializer_list<POINT> corners, std::int32_t e,
              BoomState& state) {
    BoomVorm shape;
    shape.p1 = p1;
    shape.p2 = p2;
    std::copy(corners.begin(), corners.end(), shape.corners.begin());
    shape.nCorners = static_cast<std::int32_t>(corners.size());
    shape.level = e;
    state.shapes.push_back(shape);
}

} // namespace

COLORREF BoomGroen(std::int32_t e, std::int32_t kleurStap) {
    std::int64_t g = (std::int64_t{e} * kleurStap + 56) % 256;
    if (g < 0) g += 256;
    return RGB(0, static_cast<int>(g), 0);
}

void BoomVierkant(POINT a, POINT b, std::int32_t e, BoomState& state) {
    if (Distance(a, b) <= state.g || !MayAdd(state, e)) return;
    const std::int32_t dx = i32::sub(b.x, a.x);
    const std::int32_t dy = i32::sub(b.y, a.y);
    const POINT c{i32::add(b.x, dy), i32::sub(b.y, dx)};
    const POINT d{i32::add(a.x, dy), i32::sub(a.y, dx)};
    AddShape(a, b, {a, b, c, d}, e, state);
    BoomDriehoek(d, c, e + 1, state);
}

void BoomDriehoek(POINT p, POINT q, std::int32_t e, BoomState& state) {
    if (!MayAdd(state, e)) return;
    POINT t;
    if (p.y == q.y) {
        const std::int32_t h = i32::sub(p.x, q.x) / 2;
        t = {i32::sub(p.x, h), i32::add(p.y, h)};
    } else if (p.x == q.x) {
        const std::int32_t h = i32::sub(p.y, q.y) / 2;
        t = {i32::sub(p.x, h), i32::add(q.y, h)};
    } else if ((p.x < q.x && p.y < q.y) || (p.x > q.x && p.y > q.y)) {
        t = {q.x, p.y};
    } else {
        t = {p.x, q.y};
    }
    // The triangle is stored from P to Q, the side it stands on; its apex is
    // its second point.
    AddShape(p, q, {p, t, q}, e, state);
    BoomVierkant(p, t, e + 1, state);
    BoomVierkant(t, q, e + 1, state);
}

std::int32_t BoomKleurStap(std::int32_t t, std::int32_t g) {
    if (g < 1) g = 1;
    const double step = -1.0 - std::trunc(-200.0 / (1.0 - 4.0 * std::log2(double(g) / t)));
    // Only a start segment longer than one cell grows a tree, and then the
    // step lies in -1..198; elsewhere it may be infinite or not a number.
    if (!(step >= -2147483648.0 && step <= 2147483647.0)) return 0;
    return static_cast<std::int32_t>(step);
}

std::vector<BoomVorm> BoomVormen(POINT a, POINT b, std::int32_t sizeRaster) {
    BoomState state;
    state.g = sizeRaster < 1 ? 1 : sizeRaster;
    BoomVierkant(a, b, 0, state);
    return std::move(state.shapes);
}
