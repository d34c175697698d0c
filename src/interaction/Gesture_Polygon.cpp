// The free polygon: its corners, the marks shown while it is entered, the
// closing click, and the square tree that two points grow.
#include "Gesture.h"

#include "Placing.h"
#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "model/Int32.h"
#include "model/UserText.h"
#include "render/Canvas.h"
#include "render/SquareTree.h"
#include "render/ViewGeometry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

bool ClosesPolygon(POINT first, POINT p) {
    // A click this close to the first point on both axes closes the polygon.
    constexpr std::int64_t kClosingDistance = 5;
    return std::llabs(std::int64_t{first.x} - p.x) < kClosingDistance &&
           std::llabs(std::int64_t{first.y} - p.y) < kClosingDistance;
}

bool Gesture::PolygonIntact() const {
    // The polygon's points are the last ones of the list, as this machine
    // appended them.
    return m_NPunten > 0 &&
           m_polyStart + static_cast<std::size_t>(m_NPunten) == m_doc.drawing().points.size();
}

void Gesture::CheckPolygon() {
    if (m_polygonCheckedAt == m_doc.Revision()) return;
    m_polygonCheckedAt = m_doc.Revision();
    if (m_phase == GesturePhase::Polygon && !PolygonIntact()) EndPolygonUnseen();
}

std::span<const POINT> Gesture::PolygonPoints() const {
    if (!PolygonIntact()) return {};
    return std::span<const POINT>(m_doc.drawing().points).subspan(m_polyStart);
}

void Gesture::DrawPolygonMarks(Surface& surface) const {
    SchilderPolygoonMarks(surface, PolygonPoints());
}

void Gesture::RemovePolygonPoints() {
    // Its points, which no figure uses, leave the point list.
    const std::size_t start = m_polyStart;
    ApplyOwn({UndoRule::Keep, Modified::No, Repaint::No,
              [start](DrawingEditor& editor) {
                  editor.points.Truncate(start);
                  return Change::Made;
              }},
             HistoryStep::JoinsNext);
    // Corners that came and went are no step of the history.
    m_road.WithdrawJoined(m_polygonMark);
    m_polygonCheckedAt = m_doc.Revision();
}

void Gesture::EndPolygonUnseen() {
    // Nothing can be erased exactly any more; the paint that follows shows
    // the canvas without the polygon.
    m_lostFeedback = m_lostFeedback || m_NPunten > 0 || m_bandShown;
    m_phase = GesturePhase::Idle;
    m_NPunten = 0;
    m_bandShown = false;
    m_LaatstPunt = {-1, -1};
}

bool Gesture::DropPolygon(Surface& surface) {
    if (m_NPunten == 0) return false;
    // A polygon left for another tool ends with that tool's gesture: its
    // marks leave the canvas and its points the point list, as with ESC.
    const bool intact = PolygonIntact();
    if (intact) {
        DrawPolygonMarks(surface);
        RemovePolygonPoints();
    }
    m_NPunten = 0;
    return !intact;
}

void Gesture::PushCorner(POINT p) {
    // A corner joins the step that closes the polygon.
    ApplyOwn({UndoRule::Keep, Modified::No, Repaint::No,
              [p](DrawingEditor& editor) {
                  editor.points.push_back(p);
                  return Change::Made;
              }},
             HistoryStep::JoinsNext);
    m_polygonCheckedAt = m_doc.Revision();
}

void Gesture::StartPolygon(Surface& surface, POINT p) {
    Figuur& current = m_doc.current;
    if (current.RsterPnt == 1) Afronden(p, m_doc.drawing().SizeRaster);
    current.p1 = p;
    m_polyStart = m_doc.drawing().points.size();
    current.PolyPnt = static_cast<std::int32_t>(m_polyStart);
    m_polygonMark = m_road.HistoryMark();
    PushCorner(p);
    m_NPunten = 1;
    m_phase = GesturePhase::Polygon;
    DrawPolygonMarks(surface);
}

void Gesture::AddCorner(Surface& surface, POINT p) {
    // A new corner; the band now starts from it.
    SchilderPolygoonSegment(surface, m_doc.drawing().points.back(), p);
    m_doc.current.p1 = p;
    PushCorner(p);
    ++m_NPunten;
}

GestureOutcome Gesture::PolygoonPunt(Surface& surface, POINT p) {
    if (m_doc.current.RsterPnt == 1) Afronden(p, m_doc.drawing().SizeRaster);
    const POINT first = m_doc.drawing().points[m_polyStart];
    if (!ClosesPolygon(first, p)) {
        AddCorner(surface, p);
        return {};
    }
    // The closing click adds no point.
    return ClosePolygon(surface);
}

GestureOutcome Gesture::ClosePolygon(Surface& surface) {
    CPluvoDoc& doc = m_doc;
    const std::vector<POINT>& points = doc.drawing().points;
    Figuur& current = doc.current;
    DrawPolygonMarks(surface);
    m_phase = GesturePhase::Idle;
    const std::int32_t n = m_NPunten;
    m_NPunten = 0;
    if (n < 3) {
        // One point places nothing; two grow a tree. The points stay in the
        // list; the tree adds its own.
        if (n == 2) return GrowTree(surface, points[m_polyStart], points[m_polyStart + 1]);
        return {};
    }
    current.PolyPnt = static_cast<std::int32_t>(m_polyStart);
    current.p1 = points[m_polyStart];
    current.p2 = points[m_polyStart + 1];
    current.nHoek = n;
    // Placing a polygon keeps the undo copy.
    ApplyOwn({UndoRule::Keep, Modified::Yes, Repaint::Drawn, [&](DrawingEditor& editor) {
                      DrawAndAppend(surface, editor, m_lineEnds);
                      return Change::Made;
                  }});
    const PolygonAreaResult area = doc.PolygonArea(current);
    m_status.SetPaneText(0, FillIn(UserText("Gesture", "Opp = %1 - %2"),
                                   {std::to_string(area.units), TwoDecimals(area.cells)}));
    return {};
}

GestureOutcome Gesture::CancelPolygon(Surface& surface) {
    // The band leaves first, then the marks and the points.
    EraseBand(surface);
    if (!PolygonIntact()) {
        EndPolygonUnseen();
        return {true};
    }
    DrawPolygonMarks(surface);
    RemovePolygonPoints();
    m_phase = GesturePhase::Idle;
    m_NPunten = 0;
    return {};
}

GestureOutcome Gesture::GrowTree(Surface& surface, POINT a, POINT b) {
    m_KleurStap = BoomKleurStap(Distance(a, b), m_doc.drawing().SizeRaster);
    // A tree is a change like any placed figure: without the mark, closing
    // the window would not offer to save it and the tree would be lost.
    ApplyOwn({UndoRule::Take, Modified::Yes, Repaint::Drawn, [&](DrawingEditor& editor) {
                      return TwoPointTree(surface, editor, a, b) > 0 ? Change::Made : Change::None;
                  }});
    return {};
}
