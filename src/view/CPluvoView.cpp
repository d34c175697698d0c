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
        if (outcome.repaint) Invalidate();
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

// --- The canvas and the scroll bars --------------------------------------------

ViewArea CPluvoView::Area() const {
    return {std::max(width(), 1), std::max(height(), 1),
            style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this)};
}

void CPluvoView::Layout() {
    if (m_boundsRevision != m_doc.Revision()) {
        m_bounds = CanvasBounds(m_doc);
        m_boundsRevision = m_doc.Revision();
    }
    const ViewLayout layout = LayoutView(m_bounds, m_doc.drawing().SizeRaster, m_map, Area());
    if (layout != m_layout) update();
    m_layout = layout;
    if (m_layout.canvas != m_painted) {
        m_invalid = true;
        m_reducedValid = false;
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
    m_reducedValid = m_reducedValid && !zoomed;
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

const QImage& CPluvoView::Canvas() {
    EnsureCanvas();
    return m_canvas;
}

POINT CPluvoView::CanvasOrigin() {
    Layout();
    return m_layout.canvas.origin;
}

void CPluvoView::EnsureCanvas() {
    Layout();
    const CanvasLayout& canvas = m_layout.canvas;
    if (!m_invalid && m_painted == canvas) return;
    const QSize size(canvas.width, canvas.height);
    m_shifted.reset();
    m_surface.reset();
    if (m_canvas.size() != size) m_canvas = QImage(size, QImage::Format_RGB32);
    m_surface = std::make_unique<QtSurface>(m_canvas);
    if (canvas.origin != POINT{0, 0})
        m_shifted = std::make_unique<OriginSurface>(*m_surface, canvas.origin);
    CanvasView view;
    view.width = canvas.width;
    view.height = canvas.height;
    view.origin = canvas.origin;
    // The marks of a polygon being entered are the gesture's feedback and
    // are put back by it, drawn so that it can take them away again.
    OnDraw(Target(), m_doc, view);
    m_gesture.DrawFeedback(Target());
    m_painted = canvas;
    m_invalid = false;
    m_reducedValid = false;
}

void CPluvoView::EnsurePlane() {
    const int halvings = kActualSize - m_map.step;
    const CanvasLayout& content = m_layout.content;
    const CanvasLayout& canvas = m_layout.canvas;
    if (halvings <= 0 || content == canvas) {
        m_plane.clear();
        m_planeKey.clear();
        return;
    }
    // Made for the part of the content within a window's size around what
    // the window shows, and again when the window looks beyond that part.
    const DrawingBounds shown = m_map.Shown(m_layout.viewportWidth, m_layout.viewportHeight);
    const std::vector<std::int64_t> key = {
        halvings, content.origin.x, content.origin.y, content.width, content.height,
        canvas.origin.x, canvas.origin.y, canvas.width, canvas.height, m_doc.drawing().SizeRaster,
        m_doc.drawing().MetRaster, m_doc.drawing().MetCoord, m_doc.drawing().KleurAchtergrond, m_doc.drawing().KleurRaster};
    const DrawingBounds& c = m_planeCovers;
    if (key == m_planeKey && c.left <= shown.left && c.top <= shown.top &&
        shown.right <= c.right && shown.bottom <= c.bottom)
        return;
    m_plane.clear();
    m_planeKey = key;
    const std::int64_t unit = std::int64_t{1} << halvings;
    const std::int64_t w = shown.right - shown.left, h = shown.bottom - shown.top;
    // Whole reduced pixels from the content's origin on.
    const auto align = [unit](std::int64_t v, std::int64_t origin) {
        return origin + (v - origin) / unit * unit;
    };
    m_planeCovers = {std::max<std::int64_t>(align(shown.left - w, content.origin.x), content.origin.x),
                     std::max<std::int64_t>(align(shown.top - h, content.origin.y), content.origin.y),
                     std::min<std::int64_t>(shown.right + w, content.origin.x + content.width),
                     std::min<std::int64_t>(shown.bottom + h, content.origin.y + content.height)};
    const QRect all(m_planeCovers.left, m_planeCovers.top, m_planeCovers.right - m_planeCovers.left,
                    m_planeCovers.bottom - m_planeCovers.top);
    const QRect painted(canvas.origin.x, canvas.origin.y, canvas.width, canvas.height);
    for (const QRect& part : QRegion(all) - QRegion(painted)) {
        const DrawingBounds region{align(part.left(), content.origin.x),
                                   align(part.top(), content.origin.y), part.right() + 1,
                                   part.bottom() + 1};
        m_plane.push_back({region, PaintReducedPlane(m_doc, content, region, halvings)});
    }
}

Surface& CPluvoView::Target() {
    // Whatever the machine draws changes the canvas that a reduced zoom
    // step shows.
    m_reducedValid = false;
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
    if (!m_gesture.Bezig()) {
        // Without a gesture nothing is drawn, so a reduced canvas stays valid.
        m_gesture.MouseMove(m_shifted ? static_cast<Surface&>(*m_shifted) : *m_surface, p);
        return;
    }
    const GestureOutcome outcome = m_gesture.MouseMove(Target(), p);
    if (outcome.repaint) Invalidate();
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

// --- Painting ----------------------------------------------------------------

void CPluvoView::paintEvent(QPaintEvent* event) {
    EnsureCanvas();
    QPainter painter(this);
    // Zoomed in, every canvas pixel becomes a square of screen pixels; on a
    // high-density screen too, so lines stay crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect() & Viewport();
    // Where a drawing rectangle starting at a multiple of kOriginUnit lies
    // in the window.
    const auto onWindow = [this](std::int64_t left, std::int64_t top, std::int64_t w,
                                 std::int64_t h) {
        return QRect(static_cast<int>(ZoomedOrigin(left, m_map.step) - m_map.offsetX),
                     static_cast<int>(ZoomedOrigin(top, m_map.step) - m_map.offsetY),
                     static_cast<int>(ZoomedLength(w, m_map.step)),
                     static_cast<int>(ZoomedLength(h, m_map.step)));
    };
    const CanvasLayout& canvas = m_layout.canvas;
    const QRect onScreen = onWindow(canvas.origin.x, canvas.origin.y, canvas.width, canvas.height);
    const QRect shown = area & onScreen;
    if (!shown.isEmpty()) {
        // The window pixel of the canvas's top-left is (-sx, -sy).
        const int sx = -onScreen.left(), sy = -onScreen.top();
        if (m_map.step == kActualSize) {
            painter.drawImage(shown, m_canvas, shown.translated(sx, sy));
        } else if (m_map.step > kActualSize) {
            const int f = 1 << (m_map.step - kActualSize);
            const QRect zoomed = shown.translated(sx, sy);
            const QRect source(QPoint(zoomed.left() / f, zoomed.top() / f),
                               QPoint(zoomed.right() / f, zoomed.bottom() / f));
            painter.save();
            painter.setClipRect(shown);
            painter.drawImage(QRect(source.left() * f - sx, source.top() * f - sy,
                                    source.width() * f, source.height() * f),
                              m_canvas, source);
            painter.restore();
        } else {
            // Halved once per step below 100 %, for display only.
            const int halvings = kActualSize - m_map.step;
            if (!m_reducedValid) {
                const QImage* from = &m_canvas;
                for (int i = 0; i < halvings; ++i) {
                    HalveInto(*from, m_reduced[i]);
                    from = &m_reduced[i];
                }
                m_reducedValid = true;
            }
            painter.drawImage(shown, m_reduced[halvings - 1], shown.translated(sx, sy));
        }
    }
    QRegion rest = QRegion(area) - QRegion(onScreen);
    EnsurePlane();
    for (const PlanePart& part : m_plane) {
        const QRect at = onWindow(part.region.left, part.region.top,
                                  part.region.right - part.region.left,
                                  part.region.bottom - part.region.top);
        if (!(rest.intersects(at))) continue;
        painter.save();
        painter.setClipRegion(rest & at);
        painter.drawImage(at.topLeft(), part.image);
        painter.restore();
        rest -= at;
    }
    const QColor outside = palette().color(QPalette::Dark);
    for (const QRect& r : rest) painter.fillRect(r, outside);
    if (!m_hbar->isHidden() && !m_vbar->isHidden())
        painter.fillRect(QRect(m_vbar->x(), m_hbar->y(), m_vbar->width(), m_hbar->height()),
                         palette().color(QPalette::Window));
    PaintKeyCursor(painter);
}

void CPluvoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

// --- Mouse and keys ----------------------------------------------------------

void CPluvoView::Handle(const GestureOutcome& outcome) {
    if (outcome.repaint)
        Invalidate();
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
    const GestureOutcome outcome = m_gesture.MouseMove(Target(), ToDrawing(event->position()));
    if (outcome.repaint)
        Invalidate();
    else if (m_gesture.Bezig())
        update();
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
