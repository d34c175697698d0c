// Building the main window from the command table: the actions, the menus,
// the main toolbar with its text field and tool list, and the colour bar.
#include "CMainFrame.h"

#include "Icons.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"
#include "view/CPluvoView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSettings>
#include <QToolBar>

namespace {

QString Text(const char* text) { return CMainFrame::tr(text); }

} // namespace

CMainFrame::CMainFrame(CPluvoDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc) {
    setObjectName("CMainFrame");
    setAcceptDrops(true);
    setWindowIcon(AppIcon());
    m_view = new CPluvoView(doc, m_road, *this, this);
    setCentralWidget(m_view);
    connect(m_view, &CPluvoView::PropertiesRequested, this, [this] { Run(CommandId::Properties); });
    connect(m_view, &CPluvoView::DrawingTouched, this, [this] { RefreshCommandStates(); });

    BuildStatusBar();
    BuildActions();
    BuildMenus();
    BuildToolBars();
    NameForScreenReaders();

    QSettings settings;
    m_recent.Load(settings);
    RebuildRecentFiles();
    ReadPosition();

    // The title follows the modified mark; a new document starts the
    // toolbar's controls and the canvas again.
    m_road.AddListener([this](const EditOutcome& outcome) {
        if (outcome.change.replaced) InitialUpdate();
        RebuildTitle();
    });
    RebuildTitle();
    InitialUpdate();
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() { qApp->removeEventFilter(this); }

void CMainFrame::BuildActions() {
    for (const CommandRow& row : CommandRows()) {
        auto* action = new QAction(this);
        const QString caption = Text(row.caption);
        action->setText(caption);
        // The prompt and the tooltip were one string, split at "\n".
        action->setStatusTip(Text(row.prompt));
        action->setToolTip(row.tooltip ? Text(row.tooltip) : QString(caption).remove('&'));
        if (row.keys)
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.keys)));
        if (row.icon) action->setIcon(CommandIcon(row.icon));
        if (row.handler == &CMainFrame::OnFillColour)
            action->setIcon(ColourIcon(kVulkleuren[static_cast<std::size_t>(row.value)]));
        const bool checkable =
            row.update != UpdateRule::Always && row.update != UpdateRule::CanUndo &&
            row.update != UpdateRule::CanStepBack && row.update != UpdateRule::CanStepForward &&
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

QAction* CMainFrame::Action(CommandId id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QLabel* CMainFrame::Pane(int index) const {
    return index >= 0 && index < 5 ? m_panes[index] : nullptr;
}

void CMainFrame::InitialUpdate() {
    m_toolList->clear();
    for (std::size_t i = 0; i < kToolNames.size(); ++i)
        m_toolList->addItem(QString::fromStdString(ToolName(i)));
    m_toolList->setCurrentIndex(0);
    m_toolList->setCurrentIndex(m_doc.current.FiguurType);
    m_textEdit->setText(QString::fromStdString(Win1252ToUtf8(InitialToolbarText(m_doc))));
    m_view->InitialUpdate();
    RefreshCommandStates();
}
