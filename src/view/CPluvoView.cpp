#include "CPluvoView.h"

#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"
#include "platform/QtSurface.h"
#include "render/Canvas.h"
#include "render/OriginSurface.h"
#include "render/Reduce.h"

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
    Invalidate();
    Layout();
}

void CPluvoView::CancelGesture() {
    if (!m_gesture.Bezig()) return;
    EnsureCanvas();
    Handle(m_gesture.Escape(*m_surface));
}

// --- The canvas and the scroll bars --------------------------------------------

void CPluvoView::Layout() {
    if (m_boundsRevision != m_doc.Revision()) {
        m_bounds = CanvasBounds(m_doc);
        m_boundsRevision = m_doc.Revision();
    }
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const CanvasLayout layout = LayoutCanvas(m_bounds, m_doc.drawing().SizeRaster, std::max(width(), 1),
                                             std::max(height(), 1), thickness);
    if (layout != m_layout) {
        // The window keeps showing the same drawing point when the canvas
        // grows left or up.
        const double scale = ScaleOf(m_map.step);
        const auto shift = [scale](std::int32_t before, std::int32_t after) {
            return static_cast<int>(std::lround((std::int64_t{before} - after) * scale));
        };
        const int dx = shift(m_layout.origin.x, layout.origin.x);
        const int dy = shift(m_layout.origin.y, layout.origin.y);
        m_layout = layout;
        m_invalid = true;
        m_reducedValid = false;
        PlaceScrollBars();
        const QSignalBlocker blockH(m_hbar), blockV(m_vbar);
        m_hbar->setValue(m_hbar->value() + dx);
        m_vbar->setValue(m_vbar->value() + dy);
        update();
    }
    PlaceScrollBars();
}

void CPluvoView::PlaceScrollBars() {
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const std::int64_t contentW = ZoomedLength(m_layout.width, m_map.step);
    const std::int64_t contentH = ZoomedLength(m_layout.height, m_map.step);
    const ScrollBarsShown bars = BarsFor(contentW, contentH, width(), height(), thickness);
    const int viewW = std::max(width() - (bars.vertical ? thickness : 0), 0);
    const int viewH = std::max(height() - (bars.horizontal ? thickness : 0), 0);
    const QSignalBlocker blockH(m_hbar), blockV(m_vbar);
    m_hbar->setRange(0, static_cast<int>(std::max<std::int64_t>(contentW - viewW, 0)));
    m_vbar->setRange(0, static_cast<int>(std::max<std::int64_t>(contentH - viewH, 0)));
    m_hbar->setPageStep(std::max(viewW, 1));
    m_vbar->setPageStep(std::max(viewH, 1));
    m_hbar->setGeometry(0, viewH, viewW, thickness);
    m_vbar->setGeometry(viewW, 0, thickness, viewH);
    m_hbar->setVisible(bars.horizontal);
    m_vbar->setVisible(bars.vertical);
    m_map.origin = m_layout.origin;
    m_map.scrollX = m_hbar->value();
    m_map.scrollY = m_vbar->value();
}

QRect CPluvoView::Viewport() const {
    return QRect(0, 0, m_vbar->isHidden() ? width() : m_vbar->x(),
                 m_hbar->isHidden() ? height() : m_hbar->y());
}

QImage CPluvoView::CaptureCanvas() {
    Layout();
    return PaintCanvas(m_doc, m_layout.width, m_layout.height, SelectionMarks::Show,
                       m_gesture.PolygonPoints(), m_layout.origin);
}

const QImage& CPluvoView::Canvas() {
    EnsureCanvas();
    return m_canvas;
}

POINT CPluvoView::CanvasOrigin() {
    Layout();
    return m_layout.origin;
}

void CPluvoView::EnsureCanvas() {
    Layout();
    const QSize size(m_layout.width, m_layout.height);
    if (!m_invalid && m_canvas.size() == size && m_paintedOrigin == m_layout.origin) return;
    m_shifted.reset();
    m_surface.reset();
    if (m_canvas.size() != size) m_canvas = QImage(size, QImage::Format_RGB32);
    m_surface = std::make_unique<QtSurface>(m_canvas);
    if (m_layout.origin != POINT{0, 0})
        m_shifted = std::make_unique<OriginSurface>(*m_surface, m_layout.origin);
    CanvasView view;
    view.width = size.width();
    view.height = size.height();
    view.origin = m_layout.origin;
    // The marks of a polygon being entered are the gesture's feedback and
    // are put back by it, drawn so that it can take them away again.
    OnDraw(Target(), m_doc, view);
    m_gesture.DrawFeedback(Target());
    m_paintedOrigin = m_layout.origin;
    m_invalid = false;
    m_reducedValid = false;
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
    // The canvas point under the anchor stays there.
    const double before = ScaleOf(m_map.step);
    const double cx = (anchor.x() + static_cast<double>(m_map.scrollX)) / before;
    const double cy = (anchor.y() + static_cast<double>(m_map.scrollY)) / before;
    m_map.step = step;
    m_reducedValid = false;
    PlaceScrollBars();
    const double after = ScaleOf(step);
    {
        const QSignalBlocker blockH(m_hbar), blockV(m_vbar);
        m_hbar->setValue(static_cast<int>(std::floor(cx * after)) - anchor.x());
        m_vbar->setValue(static_cast<int>(std::floor(cy * after)) - anchor.y());
    }
    Scrolled();
    emit ZoomChanged(step);
}

void CPluvoView::ZoomToFit() {
    Layout();
    const int thickness = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int step = m_doc.drawing().figures.empty()
                         ? kActualSize
                         : FitStep(m_bounds, m_doc.drawing().SizeRaster, m_layout, width(), height(),
                                   thickness);
    ZoomAround(step, {0, 0});
    m_hbar->setValue(0);
    m_vbar->setValue(0);
}

void CPluvoView::Scrolled() {
    m_map.scrollX = m_hbar->value();
    m_map.scrollY = m_vbar->value();
    update();
    if (!m_pointerInside) return;
    // Another drawing point lies under the pointer now: the status bar shows
    // it, and a gesture in progress keeps its band there.
    EnsureCanvas();
    if (!m_gesture.Bezig()) {
        // Without a gesture nothing is drawn, so a reduced canvas stays valid.
        m_gesture.MouseMove(m_shifted ? static_cast<Surface&>(*m_shifted) : *m_surface,
                            ToDrawing(m_pointer));
        return;
    }
    const GestureOutcome outcome = m_gesture.MouseMove(Target(), ToDrawing(m_pointer));
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

namespace {

// Writes the opaque 32-bit image `from` halved each way into `to`, keeping
// to's pixels when it already has the size.
void Halve(const QImage& from, QImage& to) {
    const QSize size(HalvedLength(from.width()), HalvedLength(from.height()));
    if (to.size() != size || to.format() != QImage::Format_RGB32)
        to = QImage(size, QImage::Format_RGB32);
    constexpr qsizetype kPixelBytes = sizeof(Pixel);
    HalveImage(reinterpret_cast<const Pixel*>(from.constBits()), from.width(), from.height(),
               from.bytesPerLine() / kPixelBytes, reinterpret_cast<Pixel*>(to.bits()),
               to.bytesPerLine() / kPixelBytes);
}

} // namespace

void CPluvoView::paintEvent(QPaintEvent* event) {
    EnsureCanvas();
    QPainter painter(this);
    // Zoomed in, every canvas pixel becomes a square of screen pixels; on a
    // high-density screen too, so lines stay crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect() & Viewport();
    const int sx = static_cast<int>(m_map.scrollX), sy = static_cast<int>(m_map.scrollY);
    const QRect content(-sx, -sy, static_cast<int>(ZoomedLength(m_layout.width, m_map.step)),
                        static_cast<int>(ZoomedLength(m_layout.height, m_map.step)));
    const QRect shown = area & content;
    if (!shown.isEmpty()) {
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
                    Halve(*from, m_reduced[i]);
                    from = &m_reduced[i];
                }
                m_reducedValid = true;
            }
            painter.drawImage(shown, m_reduced[halvings - 1], shown.translated(sx, sy));
        }
    }
    const QColor outside = palette().color(QPalette::Dark);
    for (const QRect& rest : QRegion(area) - QRegion(content)) painter.fillRect(rest, outside);
    if (!m_hbar->isHidden() && !m_vbar->isHidden())
        painter.fillRect(QRect(m_vbar->x(), m_hbar->y(), m_vbar->width(), m_hbar->height()),
                         palette().color(QPalette::Window));
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
        return;
    }
    // The keys that no command claims scroll, as in any Qt view.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const struct {
            int key;
            QScrollBar* bar;
            QAbstractSlider::SliderAction action;
        } scrolls[] = {{Qt::Key_Up, m_vbar, QAbstractSlider::SliderSingleStepSub},
                       {Qt::Key_Down, m_vbar, QAbstractSlider::SliderSingleStepAdd},
                       {Qt::Key_Left, m_hbar, QAbstractSlider::SliderSingleStepSub},
                       {Qt::Key_Right, m_hbar, QAbstractSlider::SliderSingleStepAdd},
                       {Qt::Key_PageUp, m_vbar, QAbstractSlider::SliderPageStepSub},
                       {Qt::Key_PageDown, m_vbar, QAbstractSlider::SliderPageStepAdd}};
        for (const auto& scroll : scrolls) {
            if (event->key() != scroll.key) continue;
            scroll.bar->triggerAction(scroll.action);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void CPluvoView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
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
