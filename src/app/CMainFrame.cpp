// Building the main window from the command table: the actions, the menus,
// the main toolbar with its text field and tool list, and the colour bar.
#include "CMainFrame.h"

#include "Icons.h"
#include "interaction/CanvasSpeech.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"
#include "view/CPluvoView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QToolBar>

#include <algorithm>

namespace {

QString Text(const char* text) { return CMainFrame::tr(text); }

// Whether the row's action shows a check mark.
bool Checkable(UpdateRule rule) {
    switch (rule) {
    case UpdateRule::Tool:
    case UpdateRule::ShowGrid:
    case UpdateRule::ShowCoordinates:
    case UpdateRule::GridPoints:
    case UpdateRule::ToolBarShown:
    case UpdateRule::StatusBarShown:
    case UpdateRule::ColourBarShown:
        return true;
    default:
        return false;
    }
}

QColor ColourOf(std::int32_t colour) {
    const auto c = static_cast<COLORREF>(colour);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

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
    // Whether Ctrl+V can paste is read from the clipboard once it changed.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        m_clipboardRead = false;
        RefreshCommandStates();
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
        action->setCheckable(Checkable(row.update));
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
            } else if (const auto own =
                           std::find_if(layout.captions.begin(), layout.captions.end(),
                                        [id](const MenuCaption& c) { return c.id == id; });
                       own != layout.captions.end()) {
                // An action of the menu's own, which shows the shortcut in
                // its caption but leaves the keys to the command's action.
                QAction* command = Action(id);
                auto* item = new QAction(Text(own->caption), menu);
                item->setStatusTip(command->statusTip());
                item->setIcon(command->icon());
                const auto follow = [item, command] { item->setEnabled(command->isEnabled()); };
                follow();
                connect(command, &QAction::changed, item, follow);
                connect(item, &QAction::triggered, this, [this, id] { Run(id); });
                menu->addAction(item);
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
        } else if (id == CommandId::ColourSwatchPlaceholder) {
            m_swatch = new QLabel(m_mainBar);
            m_swatch->setObjectName("ColourSwatch");
            m_swatch->setToolTip(tr("Randkleur en vulkleur van de volgende figuur"));
            m_mainBar->addWidget(m_swatch);
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
    // A right click on a colour, or the context-menu key on it, sets the
    // outline colour.
    for (CommandId id : ColourBar()) {
        QWidget* button = m_colourBar->widgetForAction(Action(id));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        const auto outline = static_cast<CommandId>(static_cast<int>(CommandId::OutlineColour1) +
                                                    FindCommand(id)->value);
        connect(button, &QWidget::customContextMenuRequested, this,
                [this, outline] { Run(outline); });
    }
}

void CMainFrame::RefreshSwatch() {
    const std::pair colours{m_doc.current.KleurRand, m_doc.current.KleurVul};
    if (!m_swatch || colours == m_swatchColours) return;
    m_swatchColours = colours;
    // The fill inside a wide frame of the outline colour.
    const qreal ratio = m_swatch->devicePixelRatioF();
    QPixmap pixmap(QSize(16, 16) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(1, 1, 14, 14), ColourOf(colours.first));
    painter.fillRect(QRect(5, 5, 6, 6), ColourOf(colours.second));
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(QRect(0, 0, 15, 15));
    painter.drawRect(QRect(4, 4, 7, 7));
    m_swatch->setPixmap(pixmap);
    // A screen reader names both colours, as the canvas's spoken text does.
    m_swatch->setAccessibleName(tr("Randkleur %1, vulkleur %2")
                                    .arg(QString::fromStdString(ColourName(static_cast<COLORREF>(colours.first))),
                                         QString::fromStdString(ColourName(static_cast<COLORREF>(colours.second)))));
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
