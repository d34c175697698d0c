// The canvas of the main window. It keeps the painted canvas in a backing
// image: a paint event only shows a part of that image, enlarged or reduced
// by the zoom step, the drawing is painted into it again only when the view
// was invalidated or the canvas changed, and the feedback of a gesture
// (rubber band, polygon marks) and each placed figure are drawn straight
// into it. The canvas covers the drawing and what the window shows at every
// step; scroll bars show when it does not fit. Only the user's scrolling and
// zooming move the drawing on the screen: when the canvas grows or shrinks,
// the scroll bars follow. Mouse events are mapped to drawing coordinates and
// handed to the gesture machine. With the canvas focused the arrow keys move
// a grid cursor, drawn over the canvas and never into it, and Space or
// Return click at it (CPluvoView_Keys.cpp).
#pragma once

#include "interaction/CanvasRepair.h"
#include "interaction/CanvasSpeech.h"
#include "interaction/Gesture.h"
#include "interaction/GridCursor.h"
#include "interaction/ViewMapping.h"
#include "render/DrawingIndex.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class CPluvoDoc;
class OriginSurface;
class QKeyEvent;
class QPainter;
class QScrollBar;
class QtSurface;

class CPluvoView : public QWidget {
    Q_OBJECT
public:
    // The view repaints after every edit on the road that asks for it.
    CPluvoView(CPluvoDoc& doc, EditRoad& road, GestureStatus& status, QWidget* parent = nullptr);
    ~CPluvoView() override;

    // The drawing changed around the edit road (or cannot be followed):
    // index it and paint the whole canvas again before it is shown.
    void Invalidate();
    // After New or Open: a gesture in progress is dropped and the canvas is
    // painted again.
    void InitialUpdate();
    // Cancels the gesture in progress as ESC does.
    void CancelGesture();
    // Ctrl+V: the figures follow the pointer until a click places them.
    void StartPaste(Drawing figures);

    // The whole canvas at 100 % painted as the screen shows it (the marks of
    // a polygon being entered included, no rubber band), for the clipboard
    // and the PNG export.
    QImage CaptureCanvas();
    // The canvas as the window shows it at 100 %, painted up to date: the
    // backing image with the selection marks over it.
    QImage Canvas();
    // Which backing image the canvas is, and how often it was written: the
    // same key means nothing was painted on it. (A copy of the canvas while
    // its text painter is open is a new image with a key of its own.)
    qint64 CanvasKey() const { return m_canvas.cacheKey(); }
    // The drawing point at the canvas's top-left pixel.
    POINT CanvasOrigin();

    // The zoom: a step of kZoomSteps (kActualSize is 100 %), kept around the
    // window point `anchor` (the window's centre when none is given) as far
    // as the canvas reaches left and up.
    int ZoomStep() const { return m_map.step; }
    void SetZoomStep(int step);
    void ZoomAround(int step, QPoint anchor);
    // The largest step that shows the whole drawing, scrolled to its start.
    void ZoomToFit();
    // Where the window shows the drawing now.
    const ViewMapping& Mapping() const { return m_map; }
    QScrollBar* HorizontalBar() const { return m_hbar; }
    QScrollBar* VerticalBar() const { return m_vbar; }

    Gesture& GestureMachine() { return m_gesture; }
    // The keyboard's cursor.
    const GridCursor& KeyCursor() const { return m_keyCursor; }
    // What the canvas says to a screen reader now: the cursor's (or the
    // pointer's) place, the gesture, the figures there and the tool.
    QString SpokenText();

signals:
    // The right mouse button asks for the properties dialog.
    void PropertiesRequested();
    // An edit or a gesture step changed the drawing or its undo state.
    void DrawingTouched();
    // The zoom step changed.
    void ZoomChanged(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The one place that lays out the canvas: sizes the content and the
    // canvas for the drawing, the window and where it looks now, and places
    // the scroll bars; the canvas is painted again only when it changed.
    void Layout();
    // The one place that maps the view's offset to the scroll bars' values
    // and back: the bars range over the content, their values keep the
    // offset, and the offset follows the bars when they scroll.
    void PlaceScrollBars();
    void OffsetFromScrollBars();
    // Shows the drawing at `step` with the window's top-left pixel at the
    // zoomed drawing position (offsetX, offsetY), laid out anew.
    void ShowAt(int step, std::int64_t offsetX, std::int64_t offsetY);
    ViewArea Area() const;
    // The part of the widget that shows the canvas (without the bars).
    QRect Viewport() const;
    // Paints the drawing into the backing image when it was invalidated or
    // the canvas changed, and puts a running gesture's feedback back.
    void EnsureCanvas();
    // The reduced background, grid and labels of the content beyond the
    // canvas, for the steps below 100 % at which the canvas cannot cover
    // all that the window shows.
    void EnsurePlane();
    // The surface in drawing coordinates over the backing image, for a step
    // of the gesture machine, which may draw on it.
    Surface& Target();
    POINT ToDrawing(const QPointF& position) const;
    void Scrolled();
    void Handle(const GestureOutcome& outcome);
    void UpdateCursor();
    // The gesture follows a new drawing point (of the pointer or the
    // keyboard's cursor): the status text, and the band while one runs.
    void MoveGesture(POINT p);

    // The keyboard (CPluvoView_Keys.cpp): the keys of the grid cursor, the
    // clicks at it and the context menu key; false for other keys.
    bool CursorKey(const QKeyEvent& event);
    void StartKeyCursor();
    void StepKeyCursor(CursorDirection direction, CursorStep size);
    // The view keeps the cursor in sight and the band follows it.
    void FollowKeyCursor();
    void ClickAtKeyCursor(KeyFlags keys);
    void HideKeyCursor();
    // The window pixels that the cursor's cross covers.
    QRect KeyCursorRect() const;
    // Draws the cross over what the paint event painted.
    void PaintKeyCursor(QPainter& painter) const;
    // Tells a screen reader what the canvas says when that changed.
    void Announce();

    // After every edit, step and replaced drawing (CPluvoView_Paint.cpp):
    // the index follows the change and the canvas is painted again where
    // it was damaged, or whole where a part cannot be painted alone.
    void Follow(const EditOutcome& outcome);
    void RepaintParts(const std::vector<PixelBox>& parts);
    // The whole canvas is painted again before it is shown.
    void InvalidateCanvas();
    // The index, built for the drawing as it is when it was invalidated.
    DrawingIndex& Index();
    Surface& Measure();
    // The layer of the selection marks follows the selection: marks that
    // went are taken away, marks that came are drawn.
    void UpdateMarks();
    void DrawMarksAnew();
    // The canvas halved for the step shown, made again where it changed.
    const QImage& Reduced(std::array<QImage, kActualSize>& halves, const QImage& from,
                          int halvings, QRect& changed, int& levels);
    void Changed(QRect canvasPart);
    // Where a drawing rectangle starting at a multiple of kOriginUnit lies
    // in the window at the zoom step shown (whose window pixel every step
    // knows exactly), and the canvas, which starts at one.
    QRect OnWindow(std::int64_t left, std::int64_t top, std::int64_t width,
                   std::int64_t height) const;
    QRect CanvasOnWindow() const;
    // After a gesture drew its feedback on the canvas: the window shows the
    // canvas again where the gesture drew, not the whole view.
    void UpdateWhatTheGestureDrew();

    // The drawing as the view reads it; only the gesture machine writes its
    // current figure, and only the road the drawing.
    const CPluvoDoc& m_doc;
    Gesture m_gesture;
    QImage m_canvas;
    // The canvas halved once, twice, ... for the zoom steps below 100 %,
    // each from the one before; made when shown, up to the step shown, and
    // made again only where the canvas changed since (in canvas pixels).
    std::array<QImage, kActualSize> m_reduced;
    int m_reducedLevels = 0;
    QRect m_reducedChanged;

    // The drawing's boxes, extent and line ends, following every change.
    DrawingIndex m_index;
    bool m_indexStale = true;
    QImage m_measureImage;
    std::unique_ptr<QtSurface> m_measure;
    // What each change paints again.
    CanvasRepair m_repair;

    // The selection marks, on a layer of their own over the canvas
    // (transparent elsewhere), so that selecting never paints figures; the
    // points they are drawn around, sorted; and the layer halved as the
    // canvas is.
    QImage m_marks;
    std::vector<POINT> m_markPoints;
    bool m_marksValid = false;
    std::array<QImage, kActualSize> m_reducedMarks;
    int m_reducedMarksLevels = 0;
    QRect m_reducedMarksChanged;
    // The surface over the backing image, kept from one paint to the next so
    // that what a placed figure finds on it (the background mode after texts,
    // for one) is what it would find in a fresh paint; in drawing coordinates
    // through m_shifted when the canvas starts below (0, 0).
    std::unique_ptr<QtSurface> m_surface;
    std::unique_ptr<OriginSurface> m_shifted;
    bool m_invalid = true;

    ViewLayout m_layout;
    // The canvas that the backing image holds now.
    CanvasLayout m_painted{{0, 0}, 0, 0};
    DrawingBounds m_bounds;
    std::uint64_t m_boundsRevision = ~std::uint64_t{0};
    ViewMapping m_map;
    QScrollBar* m_hbar = nullptr;
    QScrollBar* m_vbar = nullptr;
    int m_zoomWheel = 0;

    // The reduced plane beyond the canvas: images of parts of the content,
    // each at its drawing region, and what they were made for.
    struct PlanePart {
        DrawingBounds region;
        QImage image;
    };
    std::vector<PlanePart> m_plane;
    std::vector<std::int64_t> m_planeKey;
    DrawingBounds m_planeCovers;

    // The pointer's last position over the canvas, for a gesture that
    // follows a scroll; where the left button went down and whether it was
    // dragged from there.
    QPointF m_pointer{-1, -1};
    bool m_pointerInside = false;
    QPoint m_pressAt;
    bool m_leftHeld = false;
    bool m_dragged = false;

    GridCursor m_keyCursor;
    // The platform opened the context menu for the menu key already.
    bool m_menuKeyServed = false;
    CanvasSpeech m_speech;
    // What a screen reader was last told.
    QString m_spoken;
};
