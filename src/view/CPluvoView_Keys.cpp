// Drawing without a mouse: the arrow keys move the grid cursor (Alt: a
// pixel), Space and Return click at it with Shift and Ctrl as for a click,
// the menu key and Shift+F10 do what the right button does. The view keeps
// the cursor in sight, draws its cross over the canvas and tells a screen
// reader what the canvas says.
#include "CPluvoView.h"

#include "model/CPluvoDoc.h"
#include "platform/QtSurface.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>

#include <optional>
#include <utility>

namespace {

// The cross's arms reach this many window pixels from the cursor's pixel,
// beyond a gap that leaves the grid point itself in sight.
constexpr int kArm = 7;
constexpr int kGap = 2;

std::optional<CursorDirection> DirectionOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return CursorDirection::Left;
    case Qt::Key_Right:
        return CursorDirection::Right;
    case Qt::Key_Up:
        return CursorDirection::Up;
    case Qt::Key_Down:
        return CursorDirection::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

bool CPluvoView::CursorKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers keys = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    if (key == Qt::Key_Menu && std::exchange(m_menuKeyServed, false)) return true;
    if ((key == Qt::Key_Menu && keys == Qt::NoModifier) ||
        (key == Qt::Key_F10 && keys == Qt::ShiftModifier)) {
        const QPoint at = m_keyCursor.Shown() ? KeyCursorRect().center() : Viewport().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at), keys);
        contextMenuEvent(&menu);
        return true;
    }
    // Ctrl with an arrow moves figures (a command); Shift is held for the
    // click that follows and moves the cursor as without it.
    if (const std::optional<CursorDirection> direction = DirectionOf(key);
        direction && !keys.testFlag(Qt::ControlModifier) && !keys.testFlag(Qt::MetaModifier)) {
        if (!m_keyCursor.Shown())
            StartKeyCursor();
        else
            StepKeyCursor(*direction,
                          keys.testFlag(Qt::AltModifier) ? CursorStep::Pixel : CursorStep::Cell);
        FollowKeyCursor();
        return true;
    }
    const bool clicks = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!clicks || (keys & ~(Qt::ShiftModifier | Qt::ControlModifier)) != Qt::NoModifier)
        return false;
    // A key held down clicks once.
    if (event.isAutoRepeat()) return true;
    if (!m_keyCursor.Shown()) {
        // The first key shows where the cursor starts; the next one clicks.
        StartKeyCursor();
        FollowKeyCursor();
        return true;
    }
    KeyFlags flags;
    flags.shift = keys.testFlag(Qt::ShiftModifier) ? ShiftHeld::Yes : ShiftHeld::No;
    flags.ctrl = keys.testFlag(Qt::ControlModifier) ? CtrlHeld::Yes : CtrlHeld::No;
    ClickAtKeyCursor(flags);
    return true;
}

void CPluvoView::StartKeyCursor() {
    Layout();
    const bool overCanvas =
        m_pointerInside && underMouse() && Viewport().contains(m_pointer.toPoint());
    const POINT from = overCanvas ? ToDrawing(m_pointer) : ToDrawing(QPointF(Viewport().center()));
    m_keyCursor.Start(from, m_doc.drawing().SizeRaster, m_layout.content.origin);
}

void CPluvoView::StepKeyCursor(CursorDirection direction, CursorStep size) {
    update(KeyCursorRect());
    Layout();
    m_keyCursor.Step(direction, size, m_doc.drawing().SizeRaster, m_layout.content.origin);
}

void CPluvoView::FollowKeyCursor() {
    Layout();
    const ViewMapping followed =
        FollowCursor(m_map, m_keyCursor.At(), m_doc.drawing().SizeRaster, m_layout.viewportWidth,
                     m_layout.viewportHeight, m_layout.content.origin);
    if (followed.offsetX != m_map.offsetX || followed.offsetY != m_map.offsetY)
        ShowAt(m_map.step, followed.offsetX, followed.offsetY);
    // The band follows the cursor as it follows the pointer.
    MoveGesture(m_keyCursor.At());
    if (m_gesture.Bezig())
        update();
    else
        update(KeyCursorRect());
    Announce();
}

void CPluvoView::ClickAtKeyCursor(KeyFlags keys) {
    EnsureCanvas();
    const POINT at = m_keyCursor.At();
    Handle(m_gesture.LeftButtonDown(Target(), at, keys));
    // The key's click has no drag: its release finishes nothing.
    m_gesture.LeftButtonUp(Target(), at, false);
    Announce();
}

void CPluvoView::HideKeyCursor() {
    if (!m_keyCursor.Shown()) return;
    update(KeyCursorRect());
    m_keyCursor.Hide();
}

QRect CPluvoView::KeyCursorRect() const {
    const POINT at = m_map.ToWindow(m_keyCursor.At());
    const int pixel = static_cast<int>(std::max<std::int64_t>(ZoomedLength(1, m_map.step), 1));
    const QPoint centre(at.x + pixel / 2, at.y + pixel / 2);
    // The arms with their black edge.
    return QRect(centre - QPoint(kArm + 1, kArm + 1), QSize(2 * kArm + 3, 2 * kArm + 3));
}

void CPluvoView::PaintKeyCursor(QPainter& painter) const {
    if (!m_keyCursor.Shown() || !hasFocus()) return;
    const QPoint c = KeyCursorRect().center();
    const QLine arms[] = {{c.x() - kArm, c.y(), c.x() - kGap, c.y()},
                          {c.x() + kGap, c.y(), c.x() + kArm, c.y()},
                          {c.x(), c.y() - kArm, c.x(), c.y() - kGap},
                          {c.x(), c.y() + kGap, c.x(), c.y() + kArm}};
    painter.save();
    painter.setClipRect(Viewport());
    painter.setRenderHint(QPainter::Antialiasing, false);
    // White on a black edge shows on every background.
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap));
    painter.drawLines(arms, 4);
    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::SquareCap));
    painter.drawLines(arms, 4);
    painter.restore();
}

void CPluvoView::focusInEvent(QFocusEvent* event) {
    update(KeyCursorRect());
    QWidget::focusInEvent(event);
}

void CPluvoView::focusOutEvent(QFocusEvent* event) {
    update(KeyCursorRect());
    QWidget::focusOutEvent(event);
}

QString CPluvoView::SpokenText() {
    std::optional<POINT> at;
    if (m_keyCursor.Shown())
        at = m_keyCursor.At();
    else if (m_pointerInside && underMouse())
        at = ToDrawing(m_pointer);
    // Texts are measured apart from the canvas, whose surface may be in the
    // middle of a gesture's drawing.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch);
    return QString::fromStdString(m_speech.Describe(m_doc, m_gesture, at, measure));
}

void CPluvoView::Announce() {
    if (!QAccessible::isActive()) return;
    const QString now = SpokenText();
    if (now == m_spoken) return;
    QAccessibleTextUpdateEvent event(this, 0, m_spoken, now);
    m_spoken = now;
    QAccessible::updateAccessibility(&event);
}
