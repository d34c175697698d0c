#include "CMainFrame.h"

#include "Icons.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"
#include "platform/LockKeys.h"
#include "view/CPluvoView.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

constexpr const char* kIdleText = "Doe iets";

QString Text(const char* text) { return CMainFrame::tr(text); }

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

CMainFrame::CMainFrame(CPluvoDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc) {
    setObjectName("CMainFrame");
    setAcceptDrops(true);
    setWindowIcon(AppIcon());
    m_view = new CPluvoView(doc, *this, this);
    setCentralWidget(m_view);
    connect(m_view, &CPluvoView::PropertiesRequested, this, [this] { Run(CommandId::Properties); });
    connect(m_view, &CPluvoView::DrawingTouched, this, [this] { RefreshCommandStates(); });

    BuildStatusBar();
    BuildActions();
    BuildMenus();
    BuildToolBars();

    QSettings settings;
    m_recent.Load(settings);
    RebuildRecentFiles();
    ReadPosition();

    m_doc.SetTitleHook(
        {[this] { return windowTitle().toStdString(); },
         [this](const std::string& title) { setWindowTitle(QString::fromStdString(title)); }});
    RebuildTitle();
    InitialUpdate();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    m_doc.SetTitleHook({});
}

// --- Building from the command table ----------------------------------------

void CMainFrame::BuildActions() {
    for (const CommandRow& row : CommandRows()) {
        auto* action = new QAction(this);
        const QString caption = Text(row.caption);
        action->setText(caption);
        // The prompt and the tooltip were one string, split at "\n".
        action->setStatusTip(Text(row.prompt));
        action->setToolTip(row.tooltip ? Text(row.tooltip) : QString(caption).remove('&'));
        if (row.keys) action->setShortcut(QKeySequence(QString::fromLatin1(row.keys)));
        if (row.icon) action->setIcon(CommandIcon(row.icon));
        if (row.handler == &CMainFrame::OnFillColour)
            action->setIcon(ColourIcon(kVulkleuren[static_cast<std::size_t>(row.value)]));
        const bool checkable = row.update != UpdateRule::Always &&
                               row.update != UpdateRule::CanUndo &&
                               row.update != UpdateRule::Unserved;
        action->setCheckable(checkable);
        if (row.update == UpdateRule::Unserved) action->setEnabled(false);
        const CommandId id = row.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        addAction(action); // shortcuts work while the menu bar is hidden too
        m_actions[id] = action;
    }
}

void CMainFrame::BuildMenus() {
    for (const MenuLayout& layout : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(Text(layout.title));
        connect(menu, &QMenu::aboutToShow, this, [this] { RefreshCommandStates(); });
        for (CommandId id : layout.items) {
            if (id == Separator) {
                menu->addSeparator();
            } else if (id == RecentFileSlot) {
                m_fileMenu = menu;
                m_recentAnchor = Action(id);
                menu->addAction(m_recentAnchor);
            } else {
                menu->addAction(Action(id));
            }
        }
    }
}

void CMainFrame::BuildToolBars() {
    m_mainBar = addToolBar(tr("Werkbalk"));
    m_mainBar->setObjectName("MainBar");
    m_mainBar->setMovable(false);
    m_mainBar->setFloatable(false);
    m_mainBar->setAllowedAreas(Qt::TopToolBarArea);
    m_mainBar->setIconSize(QSize(16, 16));
    for (CommandId id : MainToolBar()) {
        if (id == Separator) {
            m_mainBar->addSeparator();
        } else if (id == CommandId::TextEditPlaceholder) {
            m_textEdit = new QLineEdit(m_mainBar);
            m_textEdit->setObjectName("TextEdit");
            m_textEdit->setFixedWidth(180);
            m_textEdit->setStatusTip(tr("Plaatsmaker"));
            m_textEdit->installEventFilter(this);
            // Return leaves the edit, which takes its text as focus loss does.
            connect(m_textEdit, &QLineEdit::returnPressed, m_view,
                    [this] { m_view->setFocus(Qt::OtherFocusReason); });
            m_mainBar->addWidget(m_textEdit);
        } else if (id == CommandId::ToolListPlaceholder) {
            m_toolList = new QComboBox(m_mainBar);
            m_toolList->setObjectName("ToolList");
            m_toolList->setFixedWidth(100);
            m_toolList->setMaxVisibleItems(11);
            connect(m_toolList, &QComboBox::activated, this, [this](int index) {
                m_doc.current.FiguurType = index;
                m_view->setFocus(Qt::OtherFocusReason);
            });
            m_mainBar->addWidget(m_toolList);
        } else {
            m_mainBar->addAction(Action(id));
        }
    }

    m_colourBar = new QToolBar(tr("Kleurenbalk"), this);
    m_colourBar->setObjectName("ColourBar");
    m_colourBar->setIconSize(QSize(16, 16));
    m_colourBar->setMovable(true);
    m_colourBar->setFloatable(true);
    m_colourBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (CommandId id : ColourBar()) m_colourBar->addAction(Action(id));
    addToolBar(Qt::LeftToolBarArea, m_colourBar);
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    m_panes[0] = new QLabel(tr(kIdleText), bar);
    bar->addWidget(m_panes[0], 1);
    m_panes[1] = new QLabel(bar);
    // 70 pixels, or as much as a position with its distance needs in the
    // status bar's font, so that the text is never cut off.
    m_panes[1]->setFixedWidth(
        std::max(70, m_panes[1]->fontMetrics().horizontalAdvance("8888-8888 88.88") + 6));
    bar->addPermanentWidget(m_panes[1]);
    const char* indicators[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(indicators[i]);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 8);
        label->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(label);
        m_panes[2 + i] = label;
    }
    RefreshLockIndicators();
}

QAction* CMainFrame::Action(CommandId id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QLabel* CMainFrame::Pane(int index) const {
    return index >= 0 && index < 5 ? m_panes[index] : nullptr;
}

// --- Running commands ---------------------------------------------------------

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
        case UpdateRule::Tool:
            action->setChecked(m_doc.current.FiguurType == row.value);
            break;
        case UpdateRule::ShowGrid:
            action->setChecked(m_doc.MetRaster != 0);
            break;
        case UpdateRule::ShowCoordinates:
            action->setChecked(m_doc.MetCoord != 0);
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
        case UpdateRule::Unserved:
            action->setEnabled(false);
            break;
        }
    }
}

void CMainFrame::RefreshLockIndicators() {
    const LockStates locks = ReadLockStates();
    const bool on[] = {locks.caps, locks.num, locks.scroll};
    const char* texts[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = m_panes[2 + i];
        if (!label) continue;
        // The text shows while the lock is on, as keyboards' own lights do.
        const QString text = on[i] ? QString::fromLatin1(texts[i]) : QString();
        if (label->text() != text) label->setText(text);
    }
}

void CMainFrame::SetPaneText(int pane, const std::string& text) {
    if (QLabel* label = Pane(pane)) {
        label->setText(QString::fromStdString(text));
        label->repaint();
    }
}

void CMainFrame::ZetFiguurType(int type) {
    m_doc.current.FiguurType = type;
    m_toolList->setCurrentIndex(type);
}

void CMainFrame::RebuildTitle() {
    const QString name = m_doc.PathName.empty()
                             ? QString()
                             : QFileInfo(QString::fromStdString(m_doc.PathName)).fileName();
    setWindowTitle(name + " - " + tr("Pluvo"));
}

void CMainFrame::InitialUpdate() {
    m_toolList->clear();
    for (std::string_view name : kToolNames)
        m_toolList->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    m_toolList->setCurrentIndex(0);
    m_toolList->setCurrentIndex(m_doc.current.FiguurType);
    m_textEdit->setText(QString::fromStdString(Win1252ToUtf8(InitialToolbarText(m_doc))));
    m_view->InitialUpdate();
    RefreshCommandStates();
}

// --- Events -----------------------------------------------------------------

bool CMainFrame::IsCommandKey(const QKeyEvent& key) const {
    const QKeySequence keys(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
    for (const auto& [id, action] : m_actions)
        if (!action->shortcut().isEmpty() && action->shortcut() == keys) return true;
    return false;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_textEdit && event->type() == QEvent::FocusOut) OnTextEditLeft();
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
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            RefreshLockIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // A prompt shows while a command is highlighted; without one the
        // message pane says it is idle.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_panes[0]->setText(tip.isEmpty() ? tr(kIdleText) : tip);
        return true;
    }
    if (event->type() == QEvent::WindowActivate) RefreshLockIndicators();
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The position is kept whether or not the close goes on.
    WritePosition();
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    QSettings settings;
    m_recent.Save(settings);
    event->accept();
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

// --- Window position ----------------------------------------------------------

void CMainFrame::ReadPosition() {
    QSettings settings;
    settings.beginGroup("Position");
    const int x = settings.value("x", -1).toInt();
    const int y = settings.value("y", -1).toInt();
    const int cx = settings.value("cx", -1).toInt();
    const int cy = settings.value("cy", -1).toInt();
    settings.endGroup();
    // Negative values come from a window closed off the screen's edge, or
    // minimised or maximised: the default placement is better then.
    const bool remembered = x >= 0 && y >= 0 && cx >= 0 && cy >= 0;
    QScreen* screen = remembered ? QGuiApplication::screenAt(QPoint(x, y)) : nullptr;
    if (!screen) screen = this->screen();
    // The window fits the screen, whose logical size shrinks with a device
    // pixel ratio above 1 (and was perhaps another screen when the position
    // was kept). The frame the window manager adds is not known before the
    // window shows: room is left for it.
    const QSize frame(16, 48);
    const QRect available = screen->availableGeometry();
    const QSize room = (available.size() - frame).expandedTo(QSize(200, 150));
    if (!remembered) {
        resize(QSize(900, 650).boundedTo(room));
        return;
    }
    const QSize size = QSize(std::max(cx, 200), std::max(cy, 150)).boundedTo(room);
    resize(size);
    const QSize outer = size + frame;
    move(std::max(available.left(), std::min(x, available.right() + 1 - outer.width())),
         std::max(available.top(), std::min(y, available.bottom() + 1 - outer.height())));
}

void CMainFrame::WritePosition() {
    QSettings settings;
    settings.beginGroup("Position");
    settings.setValue("x", pos().x());
    settings.setValue("y", pos().y());
    settings.setValue("cx", width());
    settings.setValue("cy", height());
    settings.endGroup();
}

// --- Bars ---------------------------------------------------------------------

void CMainFrame::OnToggleBar(CommandId id) {
    QWidget* bar = id == CommandId::ToolBar     ? static_cast<QWidget*>(m_mainBar)
                   : id == CommandId::StatusBar ? static_cast<QWidget*>(statusBar())
                                                : static_cast<QWidget*>(m_colourBar);
    bar->setVisible(bar->isHidden());
}
