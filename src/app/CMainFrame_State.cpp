// The window's state: the title, the status bar's panes and lock
// indicators, the position kept between runs, and closing.
#include "CMainFrame.h"

#include "model/CPluvoDoc.h"
#include "interaction/ViewMapping.h"
#include "platform/LockKeys.h"
#include "view/CPluvoView.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>

#include <algorithm>

namespace {

constexpr const char* kIdleText = QT_TRANSLATE_NOOP("CMainFrame", "Doe iets");

} // namespace

void CMainFrame::RebuildTitle() {
    const QString name = m_doc.PathName.empty()
                             ? QString()
                             : QFileInfo(QString::fromStdString(m_doc.PathName)).fileName();
    setWindowTitle(name + " - " + tr("Pluvo") + (m_doc.IsModified() ? "*" : ""));
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
    m_zoomPane = new QLabel(QString::fromStdString(ZoomText(m_view->ZoomStep())), bar);
    m_zoomPane->setObjectName("zoom");
    m_zoomPane->setAlignment(Qt::AlignCenter);
    m_zoomPane->setMinimumWidth(m_zoomPane->fontMetrics().horizontalAdvance("12,5 %") + 8);
    bar->addPermanentWidget(m_zoomPane);
    connect(m_view, &CPluvoView::ZoomChanged, m_zoomPane,
            [this](int step) { m_zoomPane->setText(QString::fromStdString(ZoomText(step))); });
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

void CMainFrame::OnZoom(CommandId id) {
    switch (id) {
    case CommandId::ZoomIn:
        m_view->SetZoomStep(m_view->ZoomStep() + 1);
        break;
    case CommandId::ZoomOut:
        m_view->SetZoomStep(m_view->ZoomStep() - 1);
        break;
    case CommandId::ZoomActual:
        m_view->SetZoomStep(kActualSize);
        break;
    default:
        m_view->ZoomToFit();
        break;
    }
}

void CMainFrame::SetPaneText(int pane, const std::string& text) {
    if (QLabel* label = Pane(pane)) {
        label->setText(QString::fromStdString(text));
        label->repaint();
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
