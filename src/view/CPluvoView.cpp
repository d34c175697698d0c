#include "CPluvoView.h"

#include "CanvasAccessible.h"
#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"
#include "platform/QtSurface.h"
#include "render/Canvas.h"
#include "render/OriginSurface.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// A scroll bar's line, as other Qt views scroll by; the wheel scrolls
// QApplication::wheelScrollLines() of them per notch.
constexpr int kLinePixels = 20;
// The angle of one wheel notch in QWheelEvent's eighths of a degree.
constexpr int kNotch = 120;

KeyFlags KeysOf(Qt::KeyboardModifiers modifiers) {
    KeyFlags keys;
    keys.shift = modifiers.testFlag(Qt::ShiftModifier) ? ShiftHeld::Yes : ShiftHeld::No;
    keys.ctrl = modifiers.testFlag(Qt::ControlModifier) ? CtrlHeld::Yes : CtrlHeld::No;
    return keys;
}

double ScaleOf(int step) { return std::ldexp(1.0, step - kActualSize); }

} // namespace

CPluvoView::CPluvoView(CPluvoDoc& doc, EditRoad& road, GestureStatus& status, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_gesture(doc, road, status) {
    road.AddListener([this](const EditOutcome& outcome) {
        Follow(outcome);
        // The canvas follows the drawing's extent.
        Layout();
        emit DrawingTouched();
    });
    // A screen reader hears what changed once the edit or the step is done.
    InstallCanvasAccessibility();
    connect(this, &CPluvoView::DrawingTouched, this, &CPluvoView::Announce, Qt::QueuedConnection);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(1, 1);
    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {m_hbar, m_vbar}) {
        // The canvas keeps the keyboard.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setCursor(Qt::ArrowCursor);
        bar->setSingleStep(kLinePixels);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, [this] { Scrolled(); });
    }
}

CPluvoView::~CPluvoView() = default;

void CPluvoView::Invalidate() {
    m_indexStale = true;
    m_marksValid = false;
    InvalidateCanvas();
}

void CPluvoView::InvalidateCanvas() {
    m_invalid = true;
    m_boundsRevision = ~std::uint64_t{0};
    update();
}

void CPluvoView::InitialUpdate() {
    m_gesture.Reset();
    HideKeyCursor();
    Invalidate();
    // A drawing starts with its (0, 0) at the window's top-left, whatever
    // the drawing before it showed.
    ShowAt(m_map.step, 0, 0);
}

void CPluvoView::CancelGesture() {
    if (!m_gesture.Bezig()) return;
    EnsureCanvas();
    Handle(m_gesture.Escape(*m_surface));
}

void CPluvoView::StartPaste(Drawing figures) {
    EnsureCanvas();
    std::optional<POINT> at;
    if (m_pointerInside) at = ToDrawing(m_pointer);
    Handle(m_gesture.StartPaste(Target(), std::move(figures), at));
}

// --- The canvas and the scroll bars --------------------------------------------

ViewArea CPluvoView::Area() const {
    return {std::max(width(), 1), std::max(height(), 1),
            style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this)};
}

void CPluvoView::Layout() {
    if (m_boundsRevision != m_doc.Revision() || m_indexStale) {
        m_bounds = Index().Extent();
        m_boundsRevision = m_doc.Revision();
    }
    const ViewLayout layout = LayoutView(m_bounds, m_doc.drawing().SizeRaster, m_map, Area());
    if (layout != m_layout) update();
    m_layout = layout;
    if (m_layout.canvas != m_painted) {
        m_invalid = true;
        m_marksValid = false;
    }
    PlaceScrollBars();
}

void CPluvoView::PlaceScrollBars() {
    const int thickness = Area().barThickness;
    const CanvasLayout& content = m_layout.content;
    const int viewW = m_layout.viewportWidth, viewH = m_layout.viewportHeight;
    const std::int64_t originX = ZoomedOrigin(content.origin.x, m_map.step);
    const std::int64_t originY = ZoomedOrigin(content.origin.y, m_map.step);
    const QSignalBlocker blockH(m_hbar), blockV(m_vbar);
    m_hbar->setRange(0, static_cast<int>(std::max<std::int64_t>(
                            ZoomedLength(content.width, m_map.step) - viewW, 0)));
    m_vbar->setRange(0, static_cast<int>(std::max<std::int64_t>(
                            ZoomedLength(content.height, m_map.step) - viewH, 0)));
    m_hbar->setValue(static_cast<int>(m_map.offsetX - originX));
    m_vbar->setValue(static_cast<int>(m_map.offsetY - originY));
    m_hbar->setPageStep(viewW);
    m_vbar->setPageStep(viewH);
    m_hbar->setGeometry(0, viewH, viewW, thickness);
    m_vbar->setGeometry(viewW, 0, thickness, viewH);
    m_hbar->setVisible(m_layout.bars.horizontal);
    m_vbar->setVisible(m_layout.bars.vertical);
    // The content covers what the window shows, so the bars take the offset
    // as it is.
    OffsetFromScrollBars();
}

void CPluvoView::OffsetFromScrollBars() {
    m_map.offsetX = m_hbar->value() + ZoomedOrigin(m_layout.content.origin.x, m_map.step);
    m_map.offsetY = m_vbar->value() + ZoomedOrigin(m_layout.content.origin.y, m_map.step);
}

void CPluvoView::ShowAt(int step, std::int64_t offsetX, std::int64_t offsetY) {
    const bool zoomed = step != m_map.step;
    m_map.step = step;
    m_map.offsetX = offsetX;
    m_map.offsetY = offsetY;
    Layout();
    Scrolled();
    if (zoomed) emit ZoomChanged(step);
}

QRect CPluvoView::Viewport() const {
    return QRect(0, 0, m_layout.viewportWidth, m_layout.viewportHeight);
}

QImage CPluvoView::CaptureCanvas() {
    Layout();
    // The canvas of the window at 100 % at the start, wherever it looks now.
    const CanvasLayout canvas =
        LayoutView(m_bounds, m_doc.drawing().SizeRaster, ViewMapping{}, Area()).canvas;
    return PaintCanvas(m_doc, canvas.width, canvas.height, SelectionMarks::Show,
                       m_gesture.PolygonPoints(), canvas.origin);
}

POINT CPluvoView::CanvasOrigin() {
    Layout();
    return m_layout.canvas.origin;
}

Surface& CPluvoView::Target() {
    // What the machine draws is taken up by the reduced canvases through
    // the surface's record of the pixels it touched.
    if (m_shifted) return *m_shifted;
    return *m_surface;
}

POINT CPluvoView::ToDrawing(const QPointF& position) const {
    return m_map.ToDrawing({static_cast<std::int32_t>(std::floor(position.x())),
                            static_cast<std::int32_t>(std::floor(position.y()))});
}

// --- Zoom and scrolling ------------------------------------------------------

void CPluvoView::SetZoomStep(int step) { ZoomAround(step, Viewport().center()); }

void CPluvoView::ZoomAround(int step, QPoint anchor) {
    step = std::clamp(step, 0, kZoomSteps - 1);
    if (step == m_map.step) return;
    Layout();
    // The drawing point under the anchor stays there, as far as the content
    // reaches left and up: zooming does not make it grow that way.
    const double before = ScaleOf(m_map.step), after = ScaleOf(step);
    const double cx = (anchor.x() + static_cast<double>(m_map.offsetX)) / before;
    const double cy = (anchor.y() + static_cast<double>(m_map.offsetY)) / before;
    const auto offset = [&](double c, int a, std::int32_t origin) {
        return std::max(static_cast<std::int64_t>(std::floor(c * after)) - a,
                        ZoomedOrigin(origin, step));
    };
    ShowAt(step, offset(cx, anchor.x(), m_layout.content.origin.x),
           offset(cy, anchor.y(), m_layout.content.origin.y));
}

void CPluvoView::ZoomToFit() {
    Layout();
    const int step =
        m_doc.drawing().figures.empty() ? kActualSize : FitStep(m_bounds, m_doc.drawing().SizeRaster, Area());
    const CanvasLayout drawing = DrawingCanvas(m_bounds, m_doc.drawing().SizeRaster);
    ShowAt(step, ZoomedOrigin(drawing.origin.x, step), ZoomedOrigin(drawing.origin.y, step));
}

void CPluvoView::Scrolled() {
    OffsetFromScrollBars();
    update();
    // Another drawing point lies under the pointer now: the status bar shows
    // it, and a gesture in progress keeps its band there. The keyboard's
    // cursor keeps its drawing point, and the band stays with it.
    if (!m_pointerInside || m_keyCursor.Shown()) return;
    MoveGesture(ToDrawing(m_pointer));
}

void CPluvoView::MoveGesture(POINT p) {
    EnsureCanvas();
    const GestureOutcome outcome = m_gesture.MouseMove(Target(), p);
    if (outcome.repaint) InvalidateCanvas();
}

void CPluvoView::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        m_zoomWheel += angle.y() != 0 ? angle.y() : angle.x();
        const QPoint anchor = event->position().toPoint();
        for (; m_zoomWheel >= kNotch; m_zoomWheel -= kNotch) ZoomAround(m_map.step + 1, anchor);
        for (; m_zoomWheel <= -kNotch; m_zoomWheel += kNotch) ZoomAround(m_map.step - 1, anchor);
        event->accept();
        return;
    }
    int dx, dy;
    if (!event->pixelDelta().isNull()) {
        dx = event->pixelDelta().x();
        dy = event->pixelDelta().y();
    } else {
        const int notch = QApplication::wheelScrollLines() * kLinePixels;
        dx = angle.x() * notch / kNotch;
        dy = angle.y() * notch / kNotch;
    }
    // Shift turns the wheel sideways.
    if (event->modifiers().testFlag(Qt::ShiftModifier) && dx == 0) std::swap(dx, dy);
    m_hbar->setValue(m_hbar->value() - dx);
    m_vbar->setValue(m_vbar->value() - dy);
    event->accept();
}

void CPluvoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

// --- Mouse and keys ----------------------------------------------------------

void CPluvoView::Handle(const GestureOutcome& outcome) {
    if (outcome.repaint)
        InvalidateCanvas();
    else
        update();
    emit DrawingTouched();
}

void CPluvoView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    HideKeyCursor();
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressAt = event->position().toPoint();
    m_leftHeld = true;
    m_dragged = false;
    EnsureCanvas();
    Handle(m_gesture.LeftButtonDown(Target(), ToDrawing(event->position()),
                                    KeysOf(event->modifiers())));
}

void CPluvoView::mouseMoveEvent(QMouseEvent* event) {
    // The pointer takes over from the keyboard once it really moves (not
    // for the move Qt repeats when a menu closes over it).
    if (event->position() != m_pointer) HideKeyCursor();
    m_pointer = event->position();
    m_pointerInside = true;
    if (m_leftHeld && (event->position().toPoint() - m_pressAt).manhattanLength() >=
                          QApplication::startDragDistance())
        m_dragged = true;
    UpdateCursor();
    EnsureCanvas();
    const GestureOutcome outcome =
        m_gesture.MouseMove(Target(), ToDrawing(event->position()),
                            m_leftHeld && m_dragged ? Dragged::Yes : Dragged::No);
    if (outcome.repaint)
        InvalidateCanvas();
    else if (m_gesture.Bezig())
        UpdateWhatTheGestureDrew();
}

void CPluvoView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_leftHeld) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_leftHeld = false;
    EnsureCanvas();
    const POINT p = ToDrawing(event->position());
    if (m_dragged)
        Handle(m_gesture.LeftButtonUp(Target(), p, true));
    else
        m_gesture.LeftButtonUp(Target(), p, false);
}

void CPluvoView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_gesture.Bezig()) {
        EnsureCanvas();
        Handle(m_gesture.Escape(Target()));
        Announce();
        return;
    }
    if (CursorKey(*event)) return;
    // Page Up and Page Down scroll a window's height, Home and End to the
    // canvas's top-left and bottom-right, as in any Qt view.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        using A = QAbstractSlider;
        const struct {
            int key;
            A::SliderAction vertical;
            A::SliderAction horizontal;
        } scrolls[] = {{Qt::Key_PageUp, A::SliderPageStepSub, A::SliderNoAction},
                       {Qt::Key_PageDown, A::SliderPageStepAdd, A::SliderNoAction},
                       {Qt::Key_Home, A::SliderToMinimum, A::SliderToMinimum},
                       {Qt::Key_End, A::SliderToMaximum, A::SliderToMaximum}};
        for (const auto& scroll : scrolls) {
            if (event->key() != scroll.key) continue;
            m_vbar->triggerAction(scroll.vertical);
            m_hbar->triggerAction(scroll.horizontal);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void CPluvoView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    // On X11 the platform sends this for the menu key before the key itself.
    if (event->reason() == QContextMenuEvent::Keyboard && event->spontaneous())
        m_menuKeyServed = true;
    emit PropertiesRequested();
}

void CPluvoView::enterEvent(QEnterEvent* event) {
    UpdateCursor();
    QWidget::enterEvent(event);
}

// Flood fill shows the up-arrow over the canvas, every other tool the arrow.
void CPluvoView::UpdateCursor() {
    const Qt::CursorShape shape =
        m_doc.current.FiguurType == Opvullen ? Qt::UpArrowCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape) setCursor(shape);
}
