#include "SquareTree.h"

#include "SchilderFiguur.h"
#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "model/Int32.h"

#include <cmath>
#include <initializer_list>

namespace {

// Side lengths shrink with every level, so a real tree ends long before
// this; only coordinates that wrap around at the 32-bit edge could go on.
constexpr std::int32_t kMaxLevel = 200;

COLORREF GreenOfLevel(std::int32_t e, std::int32_t kleurStap) {
    std::int64_t g = (std::int64_t{e} * kleurStap + 56) % 256;
    if (g < 0) g += 256;
    return RGB(0, static_cast<int>(g), 0);
}

bool MayAdd(const BoomState& state, std::int32_t e) {
    return state.added < state.limit && e <= kMaxLevel;
}

// Stores one square or triangle with the given p1 and p2 and its corners as
// its own points, and draws it.
void AddShape(Surface& surface, CPluvoDoc& doc, POINT p1, POINT p2,
              std::initializer_list<POINT> corners, std::int32_t e, BoomState& state) {
    Figuur& f = doc.current;
    f.FiguurType = Polygoon;
    f.p1 = p1;
    f.p2 = p2;
    f.KleurVul = static_cast<std::int32_t>(GreenOfLevel(e, state.KleurStap));
    f.PolyPnt = static_cast<std::int32_t>(doc.points.size());
    f.nHoek = static_cast<std::int32_t>(corners.size());
    doc.points.insert(doc.points.end(), corners);
    DrawAndAppend(surface, doc, &state.lineEnds);
    ++state.added;
}

} // namespace

void BoomVierkant(Surface& surface, CPluvoDoc& doc, POINT a, POINT b, std::int32_t e,
                  BoomState& state) {
    const std::int32_t g = doc.SizeRaster < 1 ? 1 : doc.SizeRaster;
    if (Distance(a, b) <= g || !MayAdd(state, e)) return;
    const std::int32_t dx = i32::sub(b.x, a.x);
    const std::int32_t dy = i32::sub(b.y, a.y);
    const POINT c{i32::add(b.x, dy), i32::sub(b.y, dx)};
    const POINT d{i32::add(a.x, dy), i32::sub(a.y, dx)};
    AddShape(surface, doc, a, b, {a, b, c, d}, e, state);
    BoomDriehoek(surface, doc, d, c, e + 1, state);
}

void BoomDriehoek(Surface& surface, CPluvoDoc& doc, POINT p, POINT q, std::int32_t e,
                  BoomState& state) {
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
    AddShape(surface, doc, p, q, {p, t, q}, e, state);
    BoomVierkant(surface, doc, p, t, e + 1, state);
    BoomVierkant(surface, doc, t, q, e + 1, state);
}

std::int32_t BoomKleurStap(std::int32_t t, std::int32_t g) {
    if (g < 1) g = 1;
    const double step = -1.0 - std::trunc(-200.0 / (1.0 - 4.0 * std::log2(double(g) / t)));
    // Only a start segment longer than one cell grows a tree, and then the
    // step lies in -1..198; elsewhere it may be infinite or not a number.
    if (!(step >= -2147483648.0 && step <= 2147483647.0)) return 0;
    return static_cast<std::int32_t>(step);
}

std::size_t GroeiBoom(Surface& surface, CPluvoDoc& doc, POINT a, POINT b, std::int32_t kleurStap) {
    BoomState state;
    state.KleurStap = kleurStap;
    state.lineEnds.Build(doc.figures, doc.SnapDistance);
    // Every step draws on a fresh surface of its own, so nothing that
    // drawing the figures selects may stay behind on the caller's surface.
    const Rop2 previousRop = surface.SetROP2(Rop2::CopyPen);
    const Pen previousPen = surface.CurrentPen();
    const Brush previousBrush = surface.CurrentBrush();
    BoomVierkant(surface, doc, a, b, 0, state);
    surface.SelectBrush(previousBrush);
    surface.SelectPen(previousPen);
    surface.SetROP2(previousRop);
    return state.added;
}

std::size_t TwoPointTree(Surface& surface, CPluvoDoc& doc, POINT a, POINT b) {
    const std::int32_t kleurVul = doc.current.KleurVul;
    const std::int32_t metVul = doc.current.MetVul;
    doc.current.MetVul = 1;
    const std::int32_t kleurStap = BoomKleurStap(Distance(a, b), doc.SizeRaster);
    const std::size_t added = GroeiBoom(surface, doc, a, b, kleurStap);
    doc.current.KleurVul = kleurVul;
    doc.current.MetVul = metVul;
    return added;
}
