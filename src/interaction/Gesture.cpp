#include "Gesture.h"

#include "Placing.h"
#include "model/CPluvoDoc.h"
#include "model/Int32.h"
#include "render/ViewGeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string Position(POINT p) { return std::to_string(p.x) + "-" + std::to_string(p.y); }

// Keeps the current figure and puts it back when the scope ends, also when
// drawing throws on the way.
class KeepCurrent {
public:
    explicit KeepCurrent(CPluvoDoc& doc) : m_doc(doc), m_saved(doc.current) {}
    KeepCurrent(const KeepCurrent&) = delete;
    KeepCurrent& operator=(const KeepCurrent&) = delete;
    ~KeepCurrent() { m_doc.current = m_saved; }

private:
    CPluvoDoc& m_doc;
    Figuur m_saved;
};

} // namespace

std::string TwoDecimals(double value) {
    // Room for the widest double written out in full.
    char text[400];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return error == std::errc{} ? std::string(text, end) : std::string("?");
}

Gesture::Gesture(CPluvoDoc& doc, EditRoad& road, GestureStatus& status)
    : m_doc(doc), m_road(road), m_status(status) {
    // An edit from elsewhere (an Undo, a merge) may take the points of the
    // polygon being entered away.
    road.AddListener([this](const EditOutcome& outcome) {
        if (m_applyingOwn) return;
        CheckPolygon();
        // The line ends follow what changed, when they described the
        // drawing just before it.
        if (m_indexedRevision + 1 == m_doc.Revision() && !outcome.change.replaced &&
            m_indexedSnap == m_doc.SnapDistance) {
            m_lineEnds.Follow(m_doc.drawing().figures, outcome.change.figures);
            m_indexedRevision = m_doc.Revision();
        }
    });
}

// --- Snapping ---------------------------------------------------------------

POINT Gesture::SnapToLineEnd(POINT p) {
    const POINT end = LineEnds().Find(p);
    return end.x >= 0 ? end : p;
}

void Gesture::SnapToGrid(POINT& p) const {
    const Figuur& current = m_doc.current;
    const std::int32_t grid = m_doc.drawing().SizeRaster;
    // A flood fill is seeded where it was clicked, and a text's corner falls
    // on the grid point at or before the click.
    if (current.RsterPnt != 1 || current.FiguurType == Opvullen) return;
    if (current.FiguurType == Tekst)
        Afkappen(p, grid);
    else
        Afronden(p, grid);
}

const LineEndIndex& Gesture::LineEnds() {
    const std::vector<Figuur>& figures = m_doc.drawing().figures;
    if (m_indexedRevision != m_doc.Revision() || m_indexedSnap != m_doc.SnapDistance ||
        m_lineEnds.Covered() != figures.size()) {
        m_lineEnds.Build(figures, m_doc.SnapDistance);
        m_indexedRevision = m_doc.Revision();
        m_indexedSnap = m_doc.SnapDistance;
        ++m_lineEndBuilds;
    }
    return m_lineEnds;
}

EditOutcome Gesture::ApplyOwn(Edit edit, HistoryStep step) {
    edit.step = step;
    LineEnds();
    m_applyingOwn = true;
    const EditOutcome outcome = m_road.Apply(edit);
    m_applyingOwn = false;
    // The figures indexed before are unchanged: the edit only appended.
    m_lineEnds.Extend(m_doc.drawing().figures);
    m_indexedRevision = m_doc.Revision();
    return outcome;
}

GestureOutcome Gesture::Place(Surface& surface) {
    // Placing a figure drops the undo copy; one that may not be stored (a
    // quarter arc of radius 2 or less, a text without a text) changes
    // nothing: Undo stays and the drawing is not marked. The selection
    // marks lie on a layer of their own, over the figure drawn here.
    ApplyOwn({UndoRule::Drop, Modified::Yes, Repaint::Drawn, [&](DrawingEditor& editor) {
                      return DrawAndAppend(surface, editor, m_lineEnds) ? Change::Made
                                                                         : Change::None;
                  }});
    return {};
}

// --- The band ---------------------------------------------------------------

void Gesture::DrawBand(Surface& surface, POINT p) {
    Figuur& current = m_doc.current;
    current.p2 = p;
    // The copy preview pulls onto the same line ends as the clicks do.
    if (current.FiguurType != Kopieer) m_copyPreview.Forget();
    Rubberband(surface, m_doc, current, m_MetShift, LineEnds(), &m_copyPreview);
    m_bandFigure = current;
    // p2 holds the band's end, Shift constraint included.
    current.p2 = BandEnd(current, p, m_MetShift);
    m_LaatstPunt = p;
    m_bandShown = true;
}

void Gesture::EraseBand(Surface& surface) {
    if (!m_bandShown) return;
    // Drawn again exactly as it was drawn, even when the tool or the snap
    // flag changed since.
    Rubberband(surface, m_doc, m_bandFigure, m_MetShift, LineEnds(), &m_copyPreview);
    m_bandShown = false;
    m_LaatstPunt = {-1, -1};
}

void Gesture::EndBand(Surface& surface) {
    if (!m_bandShown) return;
    // The figure ends where the band was last drawn, not at the click.
    const POINT last = m_LaatstPunt;
    EraseBand(surface);
    m_doc.current.p2 = BandEnd(m_doc.current, last, m_MetShift);
}

// --- Events -----------------------------------------------------------------

GestureOutcome Gesture::LeftButtonDown(Surface& surface, POINT p, KeyFlags keys) {
    CheckPolygon();
    m_startPressHeld = false;
    if (m_phase == GesturePhase::Move || m_phase == GesturePhase::Paste)
        return DropHand(surface, p);
    const POINT pressed = p;
    p = SnapToLineEnd(p);
    if (Bezig()) return Voltooien(surface, p);
    Figuur& current = m_doc.current;
    if (current.FiguurType == Opvullen) {
        current.p1 = p;
        return Voltooien(surface, p);
    }
    // The band starts as always; a drag may yet make it a move.
    m_pressOnSelection = current.FiguurType == Selecteer && OnSelection(surface, pressed);
    m_grabbedAt = pressed;
    m_phase = GesturePhase::TwoPoint;
    if (current.FiguurType == Polygoon) StartPolygon(surface, p);
    current.p1 = p;
    SnapToGrid(current.p1);
    m_MetShift = keys.shift;
    m_MetCtrl = keys.ctrl;
    m_status.SetPaneText(0, Position(p));
    m_LaatstPunt = {-1, -1};
    m_bandShown = false;
    m_startPressHeld = true;
    // The band shows at once.
    return MouseMove(surface, p);
}

GestureOutcome Gesture::LeftButtonUp(Surface& surface, POINT p, bool dragged) {
    if (m_phase == GesturePhase::Move) {
        m_startPressHeld = false;
        return DropHand(surface, p);
    }
    const bool finishes = m_startPressHeld && dragged && m_phase == GesturePhase::TwoPoint;
    m_startPressHeld = false;
    if (!finishes) return {};
    return LeftButtonDown(surface, p, {m_MetShift, m_MetCtrl});
}

GestureOutcome Gesture::MouseMove(Surface& surface, POINT p, Dragged dragged) {
    CheckPolygon();
    if (m_phase == GesturePhase::Move || m_phase == GesturePhase::Paste)
        return FollowHand(surface, p);
    if (dragged == Dragged::Yes && m_pressOnSelection && m_startPressHeld &&
        m_phase == GesturePhase::TwoPoint && m_doc.current.FiguurType == Selecteer)
        return StartMove(surface, p);
    p = SnapToLineEnd(p);
    if (!Bezig()) {
        m_status.SetPaneText(1, Position(p));
        return {};
    }
    const POINT p1 = m_doc.current.p1;
    const double dx = static_cast<double>(p.x) - p1.x;
    const double dy = static_cast<double>(p.y) - p1.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (m_doc.drawing().SizeRaster > 1) length /= m_doc.drawing().SizeRaster; // in grid cells
    m_status.SetPaneText(1, Position(p) + " " + TwoDecimals(length));

    SnapToGrid(p);
    EraseBand(surface);
    DrawBand(surface, p);
    return {};
}

GestureOutcome Gesture::Escape(Surface& surface) {
    CheckPolygon();
    if (!Bezig()) return {};
    if (m_phase == GesturePhase::Move || m_phase == GesturePhase::Paste) {
        EndHand(surface);
        return {};
    }
    Figuur& current = m_doc.current;
    current.p2 = {0, 0};
    // A polygon with its corners on the canvas takes them away. ESC before
    // its first corner (the tool was changed to polygoon during another
    // gesture) is a plain cancel and starts no polygon.
    if (current.FiguurType == Polygoon && m_phase == GesturePhase::Polygon)
        return CancelPolygon(surface);
    m_phase = GesturePhase::Idle;
    EndBand(surface);
    return {DropPolygon(surface)};
}

GestureOutcome Gesture::Voltooien(Surface& surface, POINT p) {
    Figuur& current = m_doc.current;
    current.p2 = p;

    // A polygon decides itself when its gesture ends.
    if (current.FiguurType == Polygoon) {
        // The band leaves before a new corner becomes its anchor.
        EraseBand(surface);
        if (m_phase != GesturePhase::Polygon) {
            // The tool became polygoon during another gesture: this click
            // is the polygon's first corner.
            StartPolygon(surface, p);
            return {};
        }
        if (!PolygonIntact()) {
            // A change to the point list that no revision told of.
            EndPolygonUnseen();
            return {true};
        }
        return PolygoonPunt(surface, p);
    }

    m_phase = GesturePhase::Idle;
    EndBand(surface);
    GestureOutcome outcome;
    outcome.repaint = DropPolygon(surface);
    if (current.FiguurType == Selecteer) return SelecteerOmsloten(current.p1, current.p2);

    SnapToGrid(current.p2);
    // A text is placed at the second click; the first only starts it.
    if (current.FiguurType == Tekst) current.p1 = current.p2;
    const bool mayBeAPoint = current.FiguurType == Opvullen || current.FiguurType == Tekst ||
                             current.FiguurType == Kopieer;
    if (current.p1 == current.p2 && !mayBeAPoint) return outcome;
    current.p2 = BandEnd(current, current.p2, m_MetShift);

    GestureOutcome placed;
    if (current.FiguurType != Kopieer)
        placed = Place(surface);
    else if (!m_doc.Selection().empty())
        placed = PlaceCopies(surface);
    else // the copy tool without a selection copies nothing, yet marks
        ApplyOwn(
            {UndoRule::Keep, Modified::Yes, Repaint::No, [](DrawingEditor&) { return Change::Made; }});
    outcome.repaint = outcome.repaint || placed.repaint;
    return outcome;
}

// --- Copies and selection -----------------------------------------------------

GestureOutcome Gesture::PlaceCopies(Surface& surface) {
    // Copies take the undo copy first; the drawing is marked even when the
    // selection names no figure.
    ApplyOwn({UndoRule::Take, Modified::Yes, Repaint::Yes, [&](DrawingEditor& editor) {
                      CPluvoDoc& doc = editor.Doc();
                      const std::vector<std::uint32_t>& selection = doc.Selection();
                      const std::size_t n = editor.figures.size();
                      const std::uint32_t first = selection.front();
                      if (first >= n) return Change::Made;
                      const KeepCurrent keep(doc);
                      // The first selected figure's p1 lands on the finishing
                      // point; the others keep their offsets to it.
                      const POINT anchor = editor.figures[first].p1;
                      const std::int32_t dx = i32::sub(doc.current.p2.x, anchor.x);
                      const std::int32_t dy = i32::sub(doc.current.p2.y, anchor.y);
                      for (std::size_t k = 0; k < selection.size(); ++k) {
                          const std::uint32_t i = selection[k];
                          if (i >= n) continue; // no figure, or a copy made just now
                          Figuur& copy = doc.current;
                          copy = editor.figures[i];
                          copy.p1 = {i32::add(copy.p1.x, dx), i32::add(copy.p1.y, dy)};
                          copy.p2 = {i32::add(copy.p2.x, dx), i32::add(copy.p2.y, dy)};
                          // Later copies are pulled onto the line ends of
                          // earlier ones.
                          DrawAndAppend(surface, editor, m_lineEnds);
                          m_lineEnds.Extend(editor.figures.Get());
                      }
                      return Change::Made;
                  }});
    return {};
}

GestureOutcome Gesture::SelecteerOmsloten(POINT a, POINT b) {
    const RECT r{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const auto inside = [&r](POINT p) {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    };
    const std::vector<Figuur>& figures = m_doc.drawing().figures;
    const std::size_t n = figures.size();
    std::vector<std::uint32_t> enclosed;
    for (std::size_t i = 0; i < n; ++i)
        if (inside(figures[i].p1) && inside(figures[i].p2))
            enclosed.push_back(static_cast<std::uint32_t>(i));

    std::vector<std::uint32_t> selection;
    if (m_MetShift == ShiftHeld::No && m_MetCtrl == CtrlHeld::No) {
        // Emptied, then every enclosed figure toggled on.
        selection = std::move(enclosed);
        return Select(std::move(selection));
    }
    selection = m_doc.Selection();
    // Toggling figure by figure looks each one up in the selection; one
    // pass over both lists gives the same result for any size. A toggle
    // removes a figure's first entry and keeps the order of the rest; figures
    // not yet selected are appended in list order.
    constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);
    std::vector<std::size_t> firstEntry(n, kAbsent);
    for (std::size_t k = selection.size(); k-- > 0;)
        if (selection[k] < n) firstEntry[selection[k]] = k;
    std::vector<bool> removed(selection.size(), false);
    std::vector<std::uint32_t> added;
    for (const std::uint32_t i : enclosed) {
        if (firstEntry[i] == kAbsent)
            added.push_back(i);
        else if (m_MetCtrl == CtrlHeld::No) // Ctrl never deselects
            removed[firstEntry[i]] = true;
    }
    std::size_t kept = 0;
    for (std::size_t k = 0; k < selection.size(); ++k)
        if (!removed[k]) selection[kept++] = selection[k];
    selection.resize(kept);
    selection.insert(selection.end(), added.begin(), added.end());
    return Select(std::move(selection));
}

GestureOutcome Gesture::Select(std::vector<std::uint32_t> selection) {
    ApplyOwn(
        {UndoRule::Keep, Modified::No, Repaint::Yes, [&selection](DrawingEditor& editor) {
             editor.Selection() = std::move(selection);
             return Change::Unmarked;
         }});
    return {};
}

// --- The view's calls -------------------------------------------------------

void Gesture::Reset() {
    m_phase = GesturePhase::Idle;
    m_handShown = false;
    m_pasted.reset();
    m_handPreview.Forget();
    m_pressOnSelection = false;
    m_NPunten = 0;
    m_bandShown = false;
    m_LaatstPunt = {-1, -1};
    m_indexedRevision = kNoRevision;
}

void Gesture::DrawFeedback(Surface& surface) {
    CheckPolygon();
    if (!Bezig()) return;
    if (PolygonIntact()) DrawPolygonMarks(surface);
    if (m_bandShown) DrawBand(surface, m_LaatstPunt);
    if (m_handShown) DrawHand(surface, m_handAt);
}
