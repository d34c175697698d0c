// The figures in hand: the selection dragged to another place with the
// selection tool, and figures from the clipboard following the pointer until
// a click places them. Both show the copy tool's preview of their figures
// and change the drawing in one step when they land.
#include "Gesture.h"

#include "model/ClipboardFormat.h"
#include "model/Int32.h"
#include "model/Operations.h"
#include "render/FigureBox.h"
#include "render/ViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <string>

namespace {

// How far around a figure's painted box, and around a line's path, a press
// still takes it: the reach of the selection marks.
constexpr std::int64_t kGrab = 3;

// The whole grid cells nearest to d, the same either way.
std::int32_t WholeCells(std::int32_t d, std::int32_t grid) {
    const std::int64_t cells = (std::llabs(std::int64_t{d}) + grid / 2) / grid;
    const std::int64_t v = (d < 0 ? -cells : cells) * grid;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Whether p lies within `reach` of the segment a-b.
bool NearSegment(POINT p, POINT a, POINT b, double reach) {
    const double ax = a.x, ay = a.y, bx = b.x, by = b.y;
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - ax) * dx + (p.y - ay) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = ax + t * dx - p.x, ey = ay + t * dy - p.y;
    return ex * ex + ey * ey <= reach * reach;
}

} // namespace

bool Gesture::OnSelection(Surface& measure, POINT p) {
    const std::vector<Figuur>& figures = m_doc.drawing().figures;
    const LineEndIndex& lineEnds = LineEnds();
    for (std::uint32_t k : m_doc.Selection()) {
        if (k >= figures.size()) continue;
        const Figuur& f = figures[k];
        const PixelBox box = FigureBox(m_doc, f, lineEnds, measure);
        if (box.Empty() || p.x < box.left - kGrab || p.x > box.right + kGrab ||
            p.y < box.top - kGrab || p.y > box.bottom + kGrab)
            continue;
        if (f.FiguurType != Lijn ||
            NearSegment(p, f.p1, f.p2, static_cast<double>(kGrab) + std::abs(f.LijnDikte) / 2.0))
            return true;
    }
    return false;
}

const CPluvoDoc& Gesture::HandDoc() const { return m_pasted ? *m_pasted : m_doc; }

POINT Gesture::HandAnchor() const {
    // A move keeps the figures where they were under the pointer; pasted
    // figures hang from their first figure's p1, as copies do.
    return m_phase == GesturePhase::Paste ? m_pasted->drawing().figures.front().p1 : m_grabbedAt;
}

POINT Gesture::HandTarget(POINT p) const {
    const Figuur& current = m_doc.current;
    const std::int32_t grid = m_doc.drawing().SizeRaster;
    const bool snaps = current.RsterPnt == 1 && grid >= 1;
    if (m_phase == GesturePhase::Move) {
        std::int32_t dx = i32::sub(p.x, m_grabbedAt.x);
        std::int32_t dy = i32::sub(p.y, m_grabbedAt.y);
        if (snaps) {
            dx = WholeCells(dx, grid);
            dy = WholeCells(dy, grid);
        }
        return {i32::add(m_grabbedAt.x, dx), i32::add(m_grabbedAt.y, dy)};
    }
    if (snaps) Afronden(p, grid);
    return p;
}

void Gesture::DrawHand(Surface& surface, POINT at) {
    SelectionPreview(surface, HandDoc(), HandAnchor(), at, &m_handPreview);
    m_handAt = at;
    m_handShown = true;
}

void Gesture::EraseHand(Surface& surface) {
    if (!m_handShown) return;
    SelectionPreview(surface, HandDoc(), HandAnchor(), m_handAt, &m_handPreview);
    m_handShown = false;
}

void Gesture::EndHand(Surface& surface) {
    EraseHand(surface);
    m_phase = GesturePhase::Idle;
    m_pressOnSelection = false;
    m_pasted.reset();
    m_handPreview.Forget();
}

GestureOutcome Gesture::StartMove(Surface& surface, POINT p) {
    // The band of the press leaves; the selection follows the pointer.
    EraseBand(surface);
    m_phase = GesturePhase::Move;
    m_handPreview.Forget();
    return FollowHand(surface, p);
}

GestureOutcome Gesture::FollowHand(Surface& surface, POINT p) {
    const POINT at = HandTarget(m_phase == GesturePhase::Paste ? SnapToLineEnd(p) : p);
    std::string status = std::to_string(p.x) + "-" + std::to_string(p.y);
    if (m_phase == GesturePhase::Move) {
        // How far the selection moves, in grid cells.
        const double dx = static_cast<double>(at.x) - m_grabbedAt.x;
        const double dy = static_cast<double>(at.y) - m_grabbedAt.y;
        double length = std::sqrt(dx * dx + dy * dy);
        if (m_doc.drawing().SizeRaster > 1) length /= m_doc.drawing().SizeRaster;
        status += ' ';
        status += TwoDecimals(length);
    }
    m_status.SetPaneText(1, status);
    if (m_handShown && at == m_handAt) return {};
    EraseHand(surface);
    DrawHand(surface, at);
    return {};
}

GestureOutcome Gesture::StartPaste(Surface& surface, Drawing figures, std::optional<POINT> at) {
    if (figures.figures.empty()) return {};
    GestureOutcome outcome;
    if (Bezig()) outcome = Escape(surface);
    std::vector<std::uint32_t> all(figures.figures.size());
    std::iota(all.begin(), all.end(), 0u);
    m_pasted = std::make_unique<CPluvoDoc>(
        StoredDrawing{std::move(figures), CPluvoDoc::NewDrawing().current}, std::move(all));
    m_handPreview.Forget();
    m_phase = GesturePhase::Paste;
    if (at) FollowHand(surface, *at);
    return outcome;
}

GestureOutcome Gesture::DropHand(Surface& surface, POINT p) {
    const bool pasting = m_phase == GesturePhase::Paste;
    const POINT at = HandTarget(pasting ? SnapToLineEnd(p) : p);
    const POINT anchor = HandAnchor();
    const std::int32_t dx = i32::sub(at.x, anchor.x);
    const std::int32_t dy = i32::sub(at.y, anchor.y);
    EraseHand(surface);
    const std::unique_ptr<CPluvoDoc> pasted = std::move(m_pasted);
    EndHand(surface);
    // The road's listeners paint what the step changed.
    if (pasting) {
        // As copies: the undo copy first, then the figures, selected.
        m_road.Apply({UndoRule::Take, Modified::Yes, Repaint::Yes, [&](DrawingEditor& editor) {
                          PasteFigures(editor, pasted->drawing(), dx, dy);
                          return Change::Made;
                      }});
    } else if (dx != 0 || dy != 0) {
        // As the move commands; an edit from elsewhere may have emptied the
        // selection meanwhile, and moving nothing selected moves everything.
        m_road.Apply({UndoRule::Keep, Modified::Yes, Repaint::Yes, [dx, dy](DrawingEditor& editor) {
                          if (editor.Doc().Selection().empty()) return Change::None;
                          MoveFigures(editor, dx, dy);
                          return Change::Made;
                      }});
    }
    return {};
}
