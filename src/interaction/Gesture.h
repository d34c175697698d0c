// The click-move-click machine by which the view turns mouse clicks into
// figures: line-end and grid snapping, the rubber band, the free polygon and
// its square tree, copying and selecting by enclosing, and the status texts
// on the way. The view only translates its events into these calls, hands
// over the surface of its canvas and repaints when an outcome asks for it.
#pragma once

#include "render/LineEndIndex.h"
#include "render/Rubberband.h"
#include "render/Surface.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CPluvoDoc;

// Where the machine shows its texts: pane 0 is the message pane, pane 1 the
// 70-pixel pane beside it.
class GestureStatus {
public:
    virtual ~GestureStatus() = default;
    virtual void SetPaneText(int pane, const std::string& text) = 0;
};

// Whether Ctrl was held at the first click of the gesture.
enum class CtrlHeld { No, Yes };

// The modifier keys held at a mouse event.
struct KeyFlags {
    ShiftHeld shift = ShiftHeld::No;
    CtrlHeld ctrl = CtrlHeld::No;
};

// What an operation asks of the view.
struct GestureOutcome {
    // Paint the whole canvas again (OnDraw with NPunten 0, then
    // DrawFeedback): the selection changed, or a figure was drawn over the
    // canvas while selection marks are shown, which a paint draws last.
    bool repaint = false;
};

// A value with two decimals and a decimal point, as the status texts show
// distances and areas whatever the locale ("%.2f" in the C locale).
std::string TwoDecimals(double value);

class Gesture {
public:
    Gesture(CPluvoDoc& doc, GestureStatus& status);
    Gesture(const Gesture&) = delete;
    Gesture& operator=(const Gesture&) = delete;

    // Every drawing goes to the given surface, the view's canvas, which
    // keeps its state (pen, background mode, text colour) from its last
    // paint. Transient marks are drawn with not-xor and the surface's pen,
    // brush and raster operation are given back.

    // The left button went down at p: the first click starts a gesture (a
    // flood fill is placed at once), the next one finishes it.
    GestureOutcome LeftButtonDown(Surface& surface, POINT p, KeyFlags keys);
    // The pointer moved to p: the status text, and the band while a gesture
    // runs.
    GestureOutcome MouseMove(Surface& surface, POINT p);
    // ESC: cancels the gesture in progress; nothing otherwise.
    GestureOutcome Escape(Surface& surface);

    // Finishes the gesture at p (or at the band's last position), or cancels
    // it while Afbreken is set. For the polygon tool, one more click.
    GestureOutcome Voltooien(Surface& surface, POINT p);
    // One click of the free polygon: a new corner, or the click on the first
    // point that closes it (placed, a square tree for two points, nothing
    // for one).
    GestureOutcome PolygoonPunt(Surface& surface, POINT p);
    // Selects the figures whose p1 and p2 both lie in the rectangle of a and
    // b (right and bottom edges outside), by the modifiers of the first
    // click: none replaces the selection, Shift toggles, Ctrl only adds.
    GestureOutcome SelecteerOmsloten(POINT a, POINT b);

    // The view's initial update (a new or opened drawing): a gesture in
    // progress is dropped without drawing, since the view paints anew.
    void Reset();
    // Draws the band and the polygon marks of the gesture in progress again,
    // onto a canvas that was just painted without them, so that erasing them
    // later restores the canvas exactly. The view calls it after every full
    // paint.
    void DrawFeedback(Surface& surface);
    // A command or dialog changed the drawing: line ends are looked up
    // afresh (lines may have moved in place), and a polygon being entered
    // whose points are no longer the last ones of the point list (an Undo
    // took them away, a merge added points after them) is dropped. Call it
    // before the repaint that follows the change.
    void DrawingChanged();

    bool Bezig() const { return m_Bezig; }
    bool Afbreken() const { return m_Afbreken; }
    std::int32_t NPunten() const { return m_NPunten; }
    // Where the band on the canvas was drawn for, before the Shift
    // constraint; (-1, -1) when there is none.
    POINT LaatstPunt() const { return m_band.LaatstPunt; }
    ShiftHeld MetShift() const { return m_band.MetShift; }
    CtrlHeld MetCtrl() const { return m_MetCtrl; }
    // The green step of the last square tree.
    std::int32_t KleurStap() const { return m_KleurStap; }
    // How often the line ends of the whole drawing were indexed from
    // scratch.
    std::size_t LineEndBuilds() const { return m_lineEndBuilds; }

private:
    POINT SnapToLineEnd(POINT p);
    void SnapToGrid(POINT& p) const;

    const LineEndIndex& LineEnds();
    void TakeInOwnAppends();
    bool Place(Surface& surface);
    void PlaceCopies(Surface& surface);

    void DrawBand(Surface& surface, POINT p);
    void EraseBand(Surface& surface);

    bool PolygonIntact() const;
    void DrawPolygonMarks(Surface& surface) const;
    void DrawMarker(Surface& surface, POINT p) const;
    void DrawSegment(Surface& surface, POINT from, POINT to) const;
    bool DropPolygon(Surface& surface);
    void EndPolygonUnseen();
    void RemovePolygonPoints();
    GestureOutcome GrowTree(Surface& surface, POINT a, POINT b);

    CPluvoDoc& m_doc;
    GestureStatus& m_status;

    bool m_Bezig = false;
    bool m_Afbreken = false;
    std::int32_t m_NPunten = 0;
    CtrlHeld m_MetCtrl = CtrlHeld::No;
    std::int32_t m_KleurStap = 0;
    // LaatstPunt, MetShift and the copy preview's line ends.
    BandGesture m_band;
    // Whether the band is on the canvas, and the current figure it was drawn
    // from: the tool or the snap flag may change before it is erased, and a
    // band drawn at a negative x is on the canvas too.
    bool m_bandShown = false;
    Figuur m_bandFigure;
    // Where the points of the polygon being entered start in the point list.
    std::size_t m_polyStart = 0;

    // The line ends for snapping clicks and moves and for placing, kept
    // while only this machine appends to the figure list.
    LineEndIndex m_lineEnds;
    bool m_lineEndsValid = false;
    const Figuur* m_indexedList = nullptr;
    std::int32_t m_indexedSnap = 0;
    std::size_t m_lineEndBuilds = 0;
};
