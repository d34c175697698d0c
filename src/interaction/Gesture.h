// The click-move-click machine by which the view turns mouse clicks into
// figures: line-end and grid snapping, the rubber band, the free polygon and
// its square tree, copying and selecting by enclosing, and the status texts
// on the way, and the figures in hand: the selection dragged to another
// place, and figures from the clipboard following the pointer until a click
// places them. The view only translates its events into these calls, hands
// over the surface of its canvas and repaints when an outcome asks for it.
#pragma once

#include "EditRoad.h"
#include "render/CopyPreview.h"
#include "render/LineEndIndex.h"
#include "render/Rubberband.h"
#include "render/Surface.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

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
    // Paint the whole canvas again (OnDraw, then DrawFeedback): the
    // selection changed, or a figure was drawn over the canvas while
    // selection marks are shown, which a paint draws last.
    bool repaint = false;
};

// Where a gesture stands: nothing in progress, the band of a two-point
// figure (or of the copy or selection tool) following the pointer, a free
// polygon whose corners are being entered, the selection being dragged to
// another place, or pasted figures following the pointer.
enum class GesturePhase { Idle, TwoPoint, Polygon, Move, Paste };

// Whether the left button is held at a mouse move and the pointer was
// dragged (moved farther than the platform's drag distance) since it went
// down.
enum class Dragged { No, Yes };

// A value with two decimals and a decimal point, as the status texts show
// distances and areas whatever the locale ("%.2f" in the C locale).
std::string TwoDecimals(double value);

// Whether a click at p closes the free polygon whose first corner is
// `first` (after the click's grid snap).
bool ClosesPolygon(POINT first, POINT p);

class Gesture {
public:
    // The machine reads the drawing and uses the current figure as its work
    // record; every change to the drawing goes through the road.
    Gesture(CPluvoDoc& doc, EditRoad& road, GestureStatus& status);
    Gesture(const Gesture&) = delete;
    Gesture& operator=(const Gesture&) = delete;

    // Every drawing goes to the given surface, the view's canvas, which
    // keeps its state (pen, background mode, text colour) from its last
    // paint. Transient marks are drawn with not-xor and the surface's pen,
    // brush and raster operation are given back.

    // The left button went down at p: the first click starts a gesture (a
    // flood fill is placed at once), the next one finishes it.
    GestureOutcome LeftButtonDown(Surface& surface, POINT p, KeyFlags keys);
    // The left button came up at p. When it went down to start the gesture
    // in progress and the pointer was dragged (moved farther than the
    // platform's drag distance while it was held), the release finishes the
    // gesture as a second click at p would; otherwise nothing happens, so
    // click, move, click works as before.
    GestureOutcome LeftButtonUp(Surface& surface, POINT p, bool dragged);
    // The pointer moved to p: the status text, and the band while a gesture
    // runs. With the selection tool, a drag from a press on a selected
    // figure turns the band into moving the whole selection: its preview
    // follows the pointer, by whole grid cells while the next figure snaps
    // to the grid, and the release places it as one step.
    GestureOutcome MouseMove(Surface& surface, POINT p, Dragged dragged = Dragged::No);
    // ESC: cancels the gesture in progress; nothing otherwise.
    GestureOutcome Escape(Surface& surface);

    // Ctrl+V: the gesture in progress is cancelled and `figures` (as
    // ReadFigures gives them) follow the pointer, their first figure's p1
    // on it, snapped as copies are; the next click places them as one step
    // and selects them, ESC drops them. `at`: where the pointer is, when
    // known; otherwise they show at its first move.
    GestureOutcome StartPaste(Surface& surface, Drawing figures, std::optional<POINT> at);

    // The view's initial update (a new or opened drawing): a gesture in
    // progress is dropped without drawing, since the view paints anew.
    void Reset();
    // Draws the band and the polygon marks of the gesture in progress again,
    // onto a canvas that was just painted without them, so that erasing them
    // later restores the canvas exactly. The view calls it after every full
    // paint.
    void DrawFeedback(Surface& surface);

    GesturePhase Phase() const { return m_phase; }
    bool Bezig() const { return m_phase != GesturePhase::Idle; }
    // True once after a gesture ended unseen (an edit from elsewhere took
    // its polygon's points away): its band and marks are still on the
    // canvas, and only a whole paint takes them away.
    bool TakeLostFeedback() { return std::exchange(m_lostFeedback, false); }
    // The corners of the free polygon entered so far.
    std::int32_t NPunten() const { return m_NPunten; }
    // Those corners, as their marks show them; empty without a polygon.
    std::span<const POINT> PolygonPoints() const;
    // Where the band on the canvas was drawn for, before the Shift
    // constraint; (-1, -1) when there is none.
    POINT LaatstPunt() const { return m_LaatstPunt; }
    ShiftHeld MetShift() const { return m_MetShift; }
    CtrlHeld MetCtrl() const { return m_MetCtrl; }
    // The green step of the last square tree.
    std::int32_t KleurStap() const { return m_KleurStap; }
    // How often the line ends of the whole drawing were indexed from
    // scratch.
    std::size_t LineEndBuilds() const { return m_lineEndBuilds; }

private:
    // Finishes the gesture at p (or at the band's last position).
    GestureOutcome Voltooien(Surface& surface, POINT p);
    // Selects the figures whose p1 and p2 both lie in the rectangle of a and
    // b (right and bottom edges outside), by the modifiers of the first
    // click: none replaces the selection, Shift toggles, Ctrl only adds.
    GestureOutcome SelecteerOmsloten(POINT a, POINT b);
    // The selection becomes `selection`, as an edit on the road.
    GestureOutcome Select(std::vector<std::uint32_t> selection);

    POINT SnapToLineEnd(POINT p);
    void SnapToGrid(POINT& p) const;

    // The line ends of the drawing as it is now, indexed again only when an
    // edit other than this machine's own appends changed the drawing.
    const LineEndIndex& LineEnds();
    // Applies an edit of this machine's own, which only appends figures or
    // changes the point list, and keeps the line-end index valid across it.
    EditOutcome ApplyOwn(Edit edit, HistoryStep step = HistoryStep::Own);
    GestureOutcome Place(Surface& surface);
    GestureOutcome PlaceCopies(Surface& surface);

    void DrawBand(Surface& surface, POINT p);
    void EraseBand(Surface& surface);
    // Takes the band off and leaves p2 where it was last drawn, Shift
    // constraint included.
    void EndBand(Surface& surface);

    // The figures in hand (Gesture_Hand.cpp).
    // Whether p lies on a selected figure: in the box it paints, grown by
    // the selection marks, and for a line near its path.
    bool OnSelection(Surface& measure, POINT p);
    GestureOutcome StartMove(Surface& surface, POINT p);
    // The pointer at p: the figures in hand follow it.
    GestureOutcome FollowHand(Surface& surface, POINT p);
    GestureOutcome DropHand(Surface& surface, POINT p);
    // Where the figures in hand land with the pointer at p: the point that
    // their anchor goes to.
    POINT HandTarget(POINT p) const;
    void DrawHand(Surface& surface, POINT at);
    void EraseHand(Surface& surface);
    void EndHand(Surface& surface);
    // The figures in hand: the drawing's selection, or the pasted figures.
    const CPluvoDoc& HandDoc() const;
    POINT HandAnchor() const;

    // The free polygon (Gesture_Polygon.cpp).
    // One click of the polygon being entered: a new corner, or the click on
    // the first point that closes it.
    GestureOutcome PolygoonPunt(Surface& surface, POINT p);
    void PushCorner(POINT p);
    void StartPolygon(Surface& surface, POINT p);
    void AddCorner(Surface& surface, POINT p);
    GestureOutcome ClosePolygon(Surface& surface);
    GestureOutcome CancelPolygon(Surface& surface);
    GestureOutcome GrowTree(Surface& surface, POINT a, POINT b);
    bool PolygonIntact() const;
    // A polygon whose points an edit from elsewhere took away or followed
    // with other points ends unseen; checked whenever the drawing's
    // revision moved.
    void CheckPolygon();
    void DrawPolygonMarks(Surface& surface) const;
    bool DropPolygon(Surface& surface);
    void EndPolygonUnseen();
    void RemovePolygonPoints();

    CPluvoDoc& m_doc;
    EditRoad& m_road;
    GestureStatus& m_status;

    GesturePhase m_phase = GesturePhase::Idle;
    std::int32_t m_NPunten = 0;
    CtrlHeld m_MetCtrl = CtrlHeld::No;
    ShiftHeld m_MetShift = ShiftHeld::No;
    std::int32_t m_KleurStap = 0;
    // Whether the band is on the canvas, where it was drawn for, and the
    // current figure it was drawn from: the tool or the snap flag may
    // change before it is erased, and a band drawn at a negative x is on
    // the canvas too.
    bool m_bandShown = false;
    POINT m_LaatstPunt{-1, -1};
    Figuur m_bandFigure;
    // Where the points of the polygon being entered start in the point list.
    std::size_t m_polyStart = 0;
    std::uint64_t m_polygonCheckedAt = 0;
    // The history before the polygon's first corner: its corners join the
    // step that closes it, or leave the history with it.
    History::Mark m_polygonMark;
    bool m_applyingOwn = false;
    bool m_lostFeedback = false;
    // Whether the button that started the gesture in progress is still down.
    bool m_startPressHeld = false;

    // The line ends for snapping clicks and moves and for placing, kept
    // while only this machine's edits change the drawing.
    static constexpr std::uint64_t kNoRevision = ~std::uint64_t{0};
    LineEndIndex m_lineEnds;
    // The copy tool's preview of a large selection, kept through a gesture.
    CopyPreview m_copyPreview;

    // The figures in hand. A press of the selection tool on a selected
    // figure, at m_grabbedAt, that a drag turns into moving the selection;
    // the pasted figures (selected in a document of their own, for the
    // preview); where the preview shows the anchor, and its mask.
    bool m_pressOnSelection = false;
    POINT m_grabbedAt;
    std::unique_ptr<CPluvoDoc> m_pasted;
    bool m_handShown = false;
    POINT m_handAt;
    CopyPreview m_handPreview;
    std::uint64_t m_indexedRevision = kNoRevision;
    std::int32_t m_indexedSnap = 0;
    std::size_t m_lineEndBuilds = 0;
};
