#include "CPluvoView.h"

#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"
#include "platform/QtSurface.h"
#include "render/Canvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

KeyFlags KeysOf(Qt::KeyboardModifiers modifiers) {
    KeyFlags keys;
    keys.shift = modifiers.testFlag(Qt::ShiftModifier) ? ShiftHeld::Yes : ShiftHeld::No;
    keys.ctrl = modifiers.testFlag(Qt::ControlModifier) ? CtrlHeld::Yes : CtrlHeld::No;
    return keys;
}

POINT PointOf(const QPointF& position) {
    return {static_cast<std::int32_t>(std::floor(position.x())),
            static_cast<std::int32_t>(std::floor(position.y()))};
}

} // namespace

CPluvoView::CPluvoView(CPluvoDoc& doc, EditRoad& road, GestureStatus& status, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_gesture(doc, road, status) {
    road.AddListener([this](const EditOutcome& outcome) {
        if (outcome.repaint) Invalidate();
        emit DrawingTouched();
    });
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(1, 1);
}

CPluvoView::~CPluvoView() = default;

void CPluvoView::Invalidate() {
    m_invalid = true;
    update();
}

void CPluvoView::InitialUpdate() {
    m_gesture.Reset();
    Invalidate();
}

void CPluvoView::CancelGesture() {
    if (!m_gesture.Bezig()) return;
    EnsureCanvas();
    Handle(m_gesture.Escape(*m_surface));
}

QImage CPluvoView::CaptureCanvas() const {
    return PaintCanvas(m_doc, std::max(width(), 1), std::max(height(), 1), SelectionMarks::Show,
                       m_gesture.PolygonPoints());
}

const QImage& CPluvoView::Canvas() {
    EnsureCanvas();
    return m_canvas;
}

void CPluvoView::EnsureCanvas() {
    const QSize size(std::max(width(), 1), std::max(height(), 1));
    if (!m_invalid && m_canvas.size() == size) return;
    m_surface.reset();
    if (m_canvas.size() != size) m_canvas = QImage(size, QImage::Format_RGB32);
    m_surface = std::make_unique<QtSurface>(m_canvas);
    CanvasView view;
    view.width = size.width();
    view.height = size.height();
    // The marks of a polygon being entered are the gesture's feedback and
    // are put back by it, drawn so that it can take them away again.
    OnDraw(*m_surface, m_doc, view);
    m_gesture.DrawFeedback(*m_surface);
    m_invalid = false;
}

void CPluvoView::paintEvent(QPaintEvent* event) {
    EnsureCanvas();
    QPainter painter(this);
    // Drawing units stay logical pixels; on a high-density screen every
    // pixel is enlarged without smoothing, so lines stay crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect();
    painter.drawImage(area, m_canvas, area);
}

void CPluvoView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_invalid = true;
}

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
    EnsureCanvas();
    Handle(m_gesture.LeftButtonDown(*m_surface, PointOf(event->position()),
                                    KeysOf(event->modifiers())));
}

void CPluvoView::mouseMoveEvent(QMouseEvent* event) {
    UpdateCursor();
    EnsureCanvas();
    const GestureOutcome outcome = m_gesture.MouseMove(*m_surface, PointOf(event->position()));
    if (outcome.repaint)
        Invalidate();
    else if (m_gesture.Bezig())
        update();
}

void CPluvoView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_gesture.Bezig()) {
        EnsureCanvas();
        Handle(m_gesture.Escape(*m_surface));
        return;
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
