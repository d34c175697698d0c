#include "Gesture.h"

#include "model/CPluvoDoc.h"
#include "model/Int32.h"
#include "render/SchilderFiguur.h"
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

Gesture::Gesture(CPluvoDoc& doc, GestureStatus& status) : m_doc(doc), m_status(status) {}

// --- Snapping ---------------------------------------------------------------

POINT Gesture::SnapToLineEnd(POINT p) {
    const POINT end = LineEnds().Find(p);
    return end.x >= 0 ? end : p;
}

void Gesture::SnapToGrid(POINT& p) const {
    const Figuur& current = m_doc.current;
    // A flood fill is seeded where it was clicked, and a text's corner falls
    // on the grid point at or before the click.
    if (current.RsterPnt != 1 || current.FiguurType == Opvullen) return;
    if (current.FiguurType == Tekst)
        Afkappen(p, m_doc.SizeRaster);
    else
        Afronden(p, m_doc.SizeRaster);
}

const LineEndIndex& Gesture::LineEnds() {
    const std::vector<Figuur>& figures = m_doc.figures;
    if (!m_lineEndsValid || m_indexedList != figures.data() ||
        m_indexedSnap != m_doc.SnapDistance || figures.size() < m_lineEnds.Covered()) {
        m_lineEnds.Build(figures, m_doc.SnapDistance);
        m_lineEndsValid = true;
        m_indexedList = figures.data();
        m_indexedSnap = m_doc.SnapDistance;
        ++m_lineEndBuilds;
    } else if (figures.size() > m_lineEnds.Covered()) {
        // Figures were appended in place; the indexed ones are as they were
        // (a command that changes figures calls DrawingChanged).
        m_lineEnds.Extend(figures);
    }
    return m_lineEnds;
}

void Gesture::TakeInOwnAppends() {
    // Only called right after LineEnds() and this machine's own appends: the
    // indexed figures are unchanged, even when the list moved to grow.
    m_lineEnds.Extend(m_doc.figures);
    m_indexedList = m_doc.figures.data();
}

bool Gesture::Place(Surface& surface) {
    const bool stored = DrawAndAppend(surface, m_doc, &LineEnds());
    TakeInOwnAppends();
    return stored;
}

// --- The band ---------------------------------------------------------------

void Gesture::DrawBand(Surface& surface, POINT p) {
    Figuur& current = m_doc.current;
    current.p2 = p;
    // The copy preview pulls onto the same line ends as the clicks do.
    m_band.ownerLineEnds = &LineEnds();
    Rubberband(surface, m_doc, m_band, BandPass::EraseOnly); // one pass: the band at p2
    m_bandFigure = current;
    // p2 holds the band's end, Shift constraint included.
    current.p2 = BandEnd(current, p, m_band.MetShift);
    m_band.LaatstPunt = p;
    m_bandShown = true;
}

void Gesture::EraseBand(Surface& surface) {
    if (!m_bandShown) return;
    {
        // Drawn again exactly as it was drawn, even when the tool or the
        // snap flag changed since.
        const KeepCurrent keep(m_doc);
        m_doc.current = m_bandFigure;
        m_band.ownerLineEnds = &LineEnds();
        Rubberband(surface, m_doc, m_band, BandPass::EraseOnly);
    }
    m_bandShown = false;
    m_band.LaatstPunt = {-1, -1};
}

// --- Events -----------------------------------------------------------------

GestureOutcome Gesture::LeftButtonDown(Surface& surface, POINT p, KeyFlags keys) {
    p = SnapToLineEnd(p);
    if (m_Bezig) return Voltooien(surface, p);
    Figuur& current = m_doc.current;
    if (current.FiguurType == Opvullen) {
        current.p1 = p;
        return Voltooien(surface, p);
    }
    if (current.FiguurType == Polygoon) {
        m_NPunten = 0;
        PolygoonPunt(surface, p);
    }
    current.p1 = p;
    SnapToGrid(current.p1);
    m_band.MetShift = keys.shift;
    m_MetCtrl = keys.ctrl;
    m_status.SetPaneText(0, Position(p));
    m_band.LaatstPunt = {-1, -1};
    m_bandShown = false;
    m_Bezig = true;
    // The band shows at once.
    return MouseMove(surface, p);
}

GestureOutcome Gesture::MouseMove(Surface& surface, POINT p) {
    p = SnapToLineEnd(p);
    if (!m_Bezig) {
        m_status.SetPaneText(1, Position(p));
        return {};
    }
    const POINT p1 = m_doc.current.p1;
    const double dx = static_cast<double>(p.x) - p1.x;
    const double dy = static_cast<double>(p.y) - p1.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (m_doc.SizeRaster > 1) length /= m_doc.SizeRaster; // in grid cells
    m_status.SetPaneText(1, Position(p) + " " + TwoDecimals(length));

    SnapToGrid(p);
    EraseBand(surface);
    DrawBand(surface, p);
    return {};
}

GestureOutcome Gesture::Escape(Surface& surface) {
    if (!m_Bezig) return {};
    m_Afbreken = true;
    return Voltooien(surface, {0, 0});
}

GestureOutcome Gesture::Voltooien(Surface& surface, POINT p) {
    CPluvoDoc& doc = m_doc;
    Figuur& current = doc.current;
    current.p2 = p;

    // A polygon decides itself when its gesture ends. ESC before its first
    // point (the tool was changed to polygoon during another gesture) is a
    // plain cancel and starts no polygon.
    if (current.FiguurType == Polygoon && !(m_Afbreken && m_NPunten == 0)) {
        // The band leaves before a new corner becomes its anchor.
        EraseBand(surface);
        const GestureOutcome outcome = PolygoonPunt(surface, p);
        m_Afbreken = false;
        return outcome;
    }

    m_Bezig = false;
    if (m_bandShown) {
        // The figure ends where the band was last drawn, not at the click.
        const POINT last = m_band.LaatstPunt;
        EraseBand(surface);
        current.p2 = BandEnd(current, last, m_band.MetShift);
    }
    GestureOutcome outcome;
    outcome.repaint = DropPolygon(surface);
    if (m_Afbreken) {
        m_Afbreken = false;
        return outcome;
    }
    if (current.FiguurType == Selecteer) return SelecteerOmsloten(current.p1, current.p2);

    SnapToGrid(current.p2);
    // A text is placed at the second click; the first only starts it.
    if (current.FiguurType == Tekst) current.p1 = current.p2;
    const bool mayBeAPoint = current.FiguurType == Opvullen || current.FiguurType == Tekst ||
                             current.FiguurType == Kopieer;
    if (current.p1 == current.p2 && !mayBeAPoint) return outcome;
    current.p2 = BandEnd(current, current.p2, m_band.MetShift);

    if (current.FiguurType != Kopieer) {
        // A figure that may not be stored (a quarter arc of radius 2 or
        // less, a text without a text) changes nothing: Undo stays and the
        // drawing is not marked.
        if (!Place(surface)) return outcome;
        doc.undoFigures.clear();
        // A paint draws the selection marks over the figures, and a flood
        // fill must not stop at them.
        if (!doc.selection.empty()) outcome.repaint = true;
    } else if (!doc.selection.empty()) {
        PlaceCopies(surface);
        outcome.repaint = true;
    }
    doc.MarkModified();
    return outcome;
}

// --- Copies and selection -----------------------------------------------------

void Gesture::PlaceCopies(Surface& surface) {
    CPluvoDoc& doc = m_doc;
    doc.TakeSnapshot();
    const std::size_t n = doc.figures.size();
    const std::uint32_t first = doc.selection.front();
    if (first >= n) return;
    const KeepCurrent keep(doc);
    // The first selected figure's p1 lands on the finishing point; the
    // others keep their offsets to it.
    const POINT anchor = doc.figures[first].p1;
    const std::int32_t dx = i32::sub(doc.current.p2.x, anchor.x);
    const std::int32_t dy = i32::sub(doc.current.p2.y, anchor.y);
    for (std::size_t k = 0; k < doc.selection.size(); ++k) {
        const std::uint32_t i = doc.selection[k];
        if (i >= n) continue; // no figure, or a copy made just now
        Figuur& copy = doc.current;
        copy = doc.figures[i];
        copy.p1 = {i32::add(copy.p1.x, dx), i32::add(copy.p1.y, dy)};
        copy.p2 = {i32::add(copy.p2.x, dx), i32::add(copy.p2.y, dy)};
        Place(surface);
    }
}

GestureOutcome Gesture::SelecteerOmsloten(POINT a, POINT b) {
    const RECT r{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const auto inside = [&r](POINT p) {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    };
    const std::vector<Figuur>& figures = m_doc.figures;
    const std::size_t n = figures.size();
    std::vector<std::uint32_t> enclosed;
    for (std::size_t i = 0; i < n; ++i)
        if (inside(figures[i].p1) && inside(figures[i].p2))
            enclosed.push_back(static_cast<std::uint32_t>(i));

    std::vector<std::uint32_t>& selection = m_doc.selection;
    if (m_band.MetShift == ShiftHeld::No && m_MetCtrl == CtrlHeld::No) {
        // Emptied, then every enclosed figure toggled on.
        selection = std::move(enclosed);
        return {true};
    }
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
    return {true};
}

// --- The view's calls -------------------------------------------------------

void Gesture::Reset() {
    m_Bezig = false;
    m_Afbreken = false;
    m_NPunten = 0;
    m_bandShown = false;
    m_band.LaatstPunt = {-1, -1};
    m_lineEndsValid = false;
}

void Gesture::DrawFeedback(Surface& surface) {
    if (!m_Bezig) return;
    if (PolygonIntact()) DrawPolygonMarks(surface);
    if (m_bandShown) DrawBand(surface, m_band.LaatstPunt);
}

void Gesture::DrawingChanged() {
    m_lineEndsValid = false;
    if (m_NPunten > 0 && !PolygonIntact()) EndPolygonUnseen();
}
