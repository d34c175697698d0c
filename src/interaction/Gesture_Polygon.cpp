// The free polygon: its corners, the marks shown while it is entered, the
// closing click, and the square tree that two points grow.
#include "Gesture.h"

#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "model/Int32.h"
#include "render/SchilderFiguur.h"
#include "render/SquareTree.h"
#include "render/ViewGeometry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The pen, brush and raster operation of the polygon marks for one drawing:
// a solid black pen of one pixel and no fill under not-xor, so that drawing
// the marks twice gives back exactly what the canvas held. The surface's
// own are put back afterwards.
class MarkPen {
public:
    explicit MarkPen(Surface& surface)
        : m_surface(surface), m_pen(surface.SelectPen({PenStyle::Solid, 1, 0})),
          m_brush(surface.SelectBrush(Brush::Hollow())), m_rop(surface.SetROP2(Rop2::NotXorPen)) {}
    MarkPen(const MarkPen&) = delete;
    MarkPen& operator=(const MarkPen&) = delete;
    ~MarkPen() {
        m_surface.SetROP2(m_rop);
        m_surface.SelectBrush(m_brush);
        m_surface.SelectPen(m_pen);
    }

private:
    Surface& m_surface;
    Pen m_pen;
    Brush m_brush;
    Rop2 m_rop;
};

// A click this close to the first point on both axes closes the polygon.
constexpr std::int64_t kClosingDistance = 5;

} // namespace

bool Gesture::PolygonIntact() const {
    // The polygon's points are the last ones of the list, as this machine
    // appended them.
    return m_NPunten > 0 &&
           m_polyStart + static_cast<std::size_t>(m_NPunten) == m_doc.points.size();
}

void Gesture::DrawMarker(Surface& surface, POINT p) const {
    const MarkPen pen(surface);
    surface.Ellipse(i32::sub(p.x, 5), i32::sub(p.y, 5), i32::add(p.x, 6), i32::add(p.y, 6));
}

void Gesture::DrawSegment(Surface& surface, POINT from, POINT to) const {
    const MarkPen pen(surface);
    surface.MoveToEx(from.x, from.y);
    surface.LineTo(to.x, to.y);
}

void Gesture::DrawPolygonMarks(Surface& surface) const {
    const std::vector<POINT>& points = m_doc.points;
    DrawMarker(surface, points[m_polyStart]);
    for (std::size_t k = m_polyStart + 1; k < points.size(); ++k)
        DrawSegment(surface, points[k - 1], points[k]);
}

void Gesture::RemovePolygonPoints() { m_doc.points.resize(m_polyStart); }

void Gesture::EndPolygonUnseen() {
    // Nothing can be erased exactly any more; the paint that follows shows
    // the canvas without the polygon.
    m_Bezig = false;
    m_Afbreken = false;
    m_NPunten = 0;
    m_bandShown = false;
    m_band.LaatstPunt = {-1, -1};
}

bool Gesture::DropPolygon(Surface& surface) {
    if (m_NPunten == 0) return false;
    // A polygon left for another tool ends with that tool's gesture: its
    // marks leave the canvas and its points, which no figure uses, the point
    // list, as with ESC.
    const bool intact = PolygonIntact();
    if (intact) {
        DrawPolygonMarks(surface);
        RemovePolygonPoints();
    }
    m_NPunten = 0;
    return !intact;
}

GestureOutcome Gesture::PolygoonPunt(Surface& surface, POINT p) {
    CPluvoDoc& doc = m_doc;
    Figuur& current = doc.current;
    if (current.RsterPnt == 1) Afronden(p, doc.SizeRaster);

    if (m_NPunten == 0) {
        current.p1 = p;
        m_polyStart = doc.points.size();
        current.PolyPnt = static_cast<std::int32_t>(m_polyStart);
        doc.points.push_back(p);
        m_NPunten = 1;
        DrawMarker(surface, p);
        return {};
    }
    if (!PolygonIntact()) {
        // A change to the point list that DrawingChanged was not told of.
        EndPolygonUnseen();
        return {true};
    }

    if (!m_Afbreken) {
        const POINT first = doc.points[m_polyStart];
        if (std::llabs(std::int64_t{first.x} - p.x) >= kClosingDistance ||
            std::llabs(std::int64_t{first.y} - p.y) >= kClosingDistance) {
            // A new corner; the band now starts from it.
            DrawSegment(surface, doc.points.back(), p);
            current.p1 = p;
            doc.points.push_back(p);
            ++m_NPunten;
            return {};
        }
        // The closing click adds no point.
        if (m_NPunten < 3) {
            DrawPolygonMarks(surface);
            m_Bezig = false;
            GestureOutcome outcome;
            // The points stay in the list; the tree adds its own.
            if (m_NPunten == 2)
                outcome = GrowTree(surface, doc.points[m_polyStart], doc.points[m_polyStart + 1]);
            m_NPunten = 0;
            return outcome;
        }
        current.PolyPnt = static_cast<std::int32_t>(m_polyStart);
        current.p1 = doc.points[m_polyStart];
        current.p2 = doc.points[m_polyStart + 1];
        current.nHoek = m_NPunten;
    }

    DrawPolygonMarks(surface);
    GestureOutcome outcome;
    if (!m_Afbreken) {
        // Placing a polygon keeps the undo copy.
        Place(surface);
        const PolygonAreaResult area = doc.PolygonArea(current);
        m_status.SetPaneText(0, "Opp = " + std::to_string(area.units) + " - " +
                                    TwoDecimals(area.cells));
        doc.MarkModified();
        outcome.repaint = !doc.selection.empty();
    } else {
        RemovePolygonPoints();
    }
    m_Bezig = false;
    m_NPunten = 0;
    return outcome;
}

GestureOutcome Gesture::GrowTree(Surface& surface, POINT a, POINT b) {
    m_doc.TakeSnapshot();
    m_KleurStap = BoomKleurStap(Distance(a, b), m_doc.SizeRaster);
    LineEnds();
    const std::size_t added = TwoPointTree(surface, m_doc, a, b);
    TakeInOwnAppends();
    // A tree is a change like any placed figure: without the mark, closing
    // the window would not offer to save it and the tree would be lost.
    if (added > 0) m_doc.MarkModified();
    return {added > 0 && !m_doc.selection.empty()};
}
