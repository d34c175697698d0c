// Running commands: the dispatch through the command table, the check marks
// and enabled states, the keys that reach the commands from the toolbar's
// text field, dropped files and the bars' switches.
#include "CMainFrame.h"

#include "model/CPluvoDoc.h"
#include "view/CPluvoView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The keys that edit the toolbar's text field while it has the focus, even
// where a command has the same key: taking them away would, say, remove the
// last figure while a word is being corrected.
bool EditsText(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_X:
    case Qt::Key_V:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return modifiers == Qt::ControlModifier;
    default:
        return false;
    }
}

} // namespace

void CMainFrame::Run(CommandId id) {
    const CommandRow* row = FindCommand(id);
    if (!row || !row->handler) return;
    QAction* action = Action(id);
    if (action && !action->isEnabled()) return;
    (this->*row->handler)(id);
    RefreshCommandStates();
    // The canvas holds the keyboard after every command, so that shortcuts
    // and ESC reach it; after a dialog the window asks for the focus back,
    // which a desktop without a window manager would not give it.
    if (isVisible() && !QApplication::activeModalWidget()) {
        if (!isActiveWindow()) activateWindow();
        m_view->setFocus(Qt::OtherFocusReason);
    }
}

void CMainFrame::RefreshCommandStates() {
    for (const CommandRow& row : CommandRows()) {
        QAction* action = Action(row.id);
        if (!action) continue;
        switch (row.update) {
        case UpdateRule::Always:
            break;
        case UpdateRule::CanUndo:
            action->setEnabled(m_doc.CanUndo());
            break;
        case UpdateRule::CanStepBack:
            action->setEnabled(m_road.CanStepBack());
            break;
        case UpdateRule::CanStepForward:
            action->setEnabled(m_road.CanStepForward());
            break;
        case UpdateRule::Tool:
            action->setChecked(m_doc.current.FiguurType == row.value);
            break;
        case UpdateRule::ShowGrid:
            action->setChecked(m_doc.drawing().MetRaster != 0);
            break;
        case UpdateRule::ShowCoordinates:
            action->setChecked(m_doc.drawing().MetCoord != 0);
            break;
        case UpdateRule::GridPoints:
            action->setChecked(m_doc.current.RsterPnt != 0);
            break;
        case UpdateRule::ToolBarShown:
            action->setChecked(m_mainBar && !m_mainBar->isHidden());
            break;
        case UpdateRule::StatusBarShown:
            action->setChecked(!statusBar()->isHidden());
            break;
        case UpdateRule::ColourBarShown:
            action->setChecked(m_colourBar && !m_colourBar->isHidden());
            break;
        case UpdateRule::HasSelection:
            action->setEnabled(!m_doc.Selection().empty());
            break;
        case UpdateRule::CanPaste:
            if (!m_clipboardRead) {
                Drawing figures;
                m_canPaste = ClipboardFigures(figures);
                m_clipboardRead = true;
            }
            action->setEnabled(m_canPaste);
            break;
        case UpdateRule::Unserved:
            action->setEnabled(false);
            break;
        }
    }
    RefreshSwatch();
}

void CMainFrame::ZetFiguurType(int type) {
    m_doc.current.FiguurType = type;
    m_toolList->setCurrentIndex(type);
}

bool CMainFrame::IsCommandKey(const QKeyEvent& key) const {
    const QKeySequence keys(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
    for (const auto& [id, action] : m_actions)
        if (action->shortcuts().contains(keys)) return true;
    return false;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_textEdit && event->type() == QEvent::FocusOut && !m_passingTextEdit)
        OnTextEditLeft();
    if (watched == m_textEdit && event->type() == QEvent::ShortcutOverride) {
        // The field would take many command keys for itself (Ctrl+E moves
        // its cursor): the frame's commands win, except the keys that edit
        // text, which the field keeps.
        auto* key = static_cast<QKeyEvent*>(event);
        if (EditsText(*key)) {
            key->accept();
            return true;
        }
        if (IsCommandKey(*key)) {
            key->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && FocusKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            RefreshLockIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        event->acceptProposedAction();
        activateWindow();
        OpenFile(url.toLocalFile());
        RefreshCommandStates();
        return;
    }
}

void CMainFrame::OnToggleBar(CommandId id) {
    QWidget* bar = id == CommandId::ToolBar     ? static_cast<QWidget*>(m_mainBar)
                   : id == CommandId::StatusBar ? static_cast<QWidget*>(statusBar())
                                                : static_cast<QWidget*>(m_colourBar);
    bar->setVisible(bar->isHidden());
}
