// The window by keyboard: F6 and Shift+F6 take the focus from the canvas to
// the toolbar's text field, the tool list and the colour bar and round
// again; on the colour bar the arrow keys go from colour to colour, Space
// sets the fill colour and Shift+Space the outline colour. And the names a
// screen reader gives the bars' buttons and fields.
#include "CMainFrame.h"

#include "interaction/CanvasSpeech.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "view/CPluvoView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace {

// The fill colour's index of a colour-bar button's command, or -1.
int ColourIndex(CommandId id) {
    const int index = static_cast<int>(id) - static_cast<int>(CommandId::FillColour1);
    return index >= 0 && index < static_cast<int>(kVulkleuren.size()) ? index : -1;
}

} // namespace

std::vector<QWidget*> CMainFrame::ColourButtons() const {
    std::vector<QWidget*> buttons;
    for (CommandId id : ColourBar())
        if (QWidget* button = m_colourBar->widgetForAction(Action(id))) buttons.push_back(button);
    return buttons;
}

void CMainFrame::NameForScreenReaders() {
    m_textEdit->setAccessibleName(tr("Tekst van de volgende tekstfiguur"));
    m_toolList->setAccessibleName(tr("Vorm"));
    // A button's own text would carry the menu's shortcut; its tooltip is
    // its name.
    for (CommandId id : MainToolBar()) {
        QAction* action = Action(id);
        QWidget* button = action ? m_mainBar->widgetForAction(action) : nullptr;
        if (!button) continue;
        button->setAccessibleName(action->toolTip().isEmpty() ? tr("Niet in gebruik")
                                                              : action->toolTip());
    }
    const std::vector<QWidget*> buttons = ColourButtons();
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        buttons[k]->setAccessibleName(QString::fromStdString(ColourName(kVulkleuren[k])));
        buttons[k]->setAccessibleDescription(
            tr("Spatie: vulkleur, Shift+Spatie: randkleur; pijltjes: volgende kleur"));
    }
}

bool CMainFrame::FocusKey(QObject* watched, const QKeyEvent& key) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget->window() != this && widget->window() != m_colourBar)) return false;
    const Qt::KeyboardModifiers keys = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_F6 && (keys == Qt::NoModifier || keys == Qt::ShiftModifier)) {
        CycleFocus(keys == Qt::ShiftModifier ? -1 : 1);
        return true;
    }
    if (widget->parentWidget() != m_colourBar) return false;
    const std::vector<QWidget*> buttons = ColourButtons();
    const auto at = std::find(buttons.begin(), buttons.end(), widget);
    if (at == buttons.end()) return false;
    const auto index = static_cast<int>(at - buttons.begin());
    const int count = static_cast<int>(buttons.size());
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const int step = key.key() == Qt::Key_Left || key.key() == Qt::Key_Up ? -1 : 1;
        buttons[static_cast<std::size_t>((index + step + count) % count)]->setFocus(
            Qt::TabFocusReason);
        return true;
    }
    case Qt::Key_Space:
        // Space without Shift is the button's own click: the fill colour.
        if (keys != Qt::ShiftModifier) return false;
        if (!key.isAutoRepeat()) OnOutlineColourKey(ColourBar()[static_cast<std::size_t>(index)]);
        return true;
    default:
        return false;
    }
}

void CMainFrame::CycleFocus(int direction) {
    // The parts in order, each with the widget that takes the focus; hidden
    // bars, and a field that a narrow window keeps in its bar's overflow
    // menu, are passed over.
    struct Stop {
        QWidget* part;
        QWidget* focus;
    };
    std::vector<Stop> stops = {{m_view, m_view}};
    if (!m_mainBar->isHidden()) {
        stops.push_back({m_textEdit, m_textEdit});
        stops.push_back({m_toolList, m_toolList});
    }
    if (!m_colourBar->isHidden()) {
        // The button of the fill colour of the next figure, else the first.
        const std::vector<QWidget*> buttons = ColourButtons();
        const auto chosen = std::find(kVulkleuren.begin(), kVulkleuren.end(),
                                      static_cast<COLORREF>(m_doc.current.KleurVul) & 0xFFFFFF);
        const std::size_t k = chosen == kVulkleuren.end()
                                  ? 0
                                  : static_cast<std::size_t>(chosen - kVulkleuren.begin());
        if (k < buttons.size()) stops.push_back({m_colourBar, buttons[k]});
    }
    stops.erase(std::remove_if(stops.begin() + 1, stops.end(),
                               [](const Stop& stop) { return !stop.focus->isVisible(); }),
                stops.end());
    QWidget* focused = QApplication::focusWidget();
    const auto holds = [focused](const Stop& stop) {
        return focused && (focused == stop.part || stop.part->isAncestorOf(focused));
    };
    const auto now = std::find_if(stops.begin(), stops.end(), holds);
    const int count = static_cast<int>(stops.size());
    const int from =
        now == stops.end() ? (direction > 0 ? -1 : 0) : static_cast<int>(now - stops.begin());
    QWidget* next = stops[static_cast<std::size_t>((from + direction + count) % count)].focus;
    // A floating colour bar is a window of its own.
    if (!next->window()->isActiveWindow()) next->window()->activateWindow();
    // F6 through the text field without typing in it leaves the tool as it
    // is; a text typed there is taken as when the field loses the focus
    // otherwise, once.
    const bool leavesText = focused == m_textEdit;
    m_passingTextEdit = leavesText && !m_textEdit->isModified();
    next->setFocus(Qt::TabFocusReason);
    m_passingTextEdit = false;
    if (leavesText) m_textEdit->setModified(false);
}

void CMainFrame::OnOutlineColourKey(CommandId id) {
    // As a right click on the button: the colour's outline command.
    const int index = ColourIndex(id);
    if (index >= 0) Run(static_cast<CommandId>(static_cast<int>(CommandId::OutlineColour1) + index));
}
