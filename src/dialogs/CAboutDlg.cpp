#include "CAboutDlg.h"

#include "model/TextFormat.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QIcon ApplicationIcon() {
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) return icon;
    return QIcon(QStringLiteral(":/icons/pluvo.svg"));
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Pluvo"));
    setModal(true);

    auto* icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize) * 3 / 2;
    icon->setPixmap(ApplicationIcon().pixmap(side, side));
    icon->setFixedSize(side, side);

    // Plain text: an ampersand in the version line is shown as it is.
    m_version = new QLabel(
        QString::fromUtf8(VersionText.data(), static_cast<qsizetype>(VersionText.size())), this);
    m_version->setTextFormat(Qt::PlainText);
    m_notice = new QLabel(tr("Een kleine vectortekenaar met raster.\n"
                             "© 2026 Brenlock Ostervaal"),
                          this);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CAboutDlg::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(14);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(m_version, 0, 1);
    layout->addWidget(m_notice, 1, 1);
    layout->addWidget(m_ok, 0, 2, Qt::AlignTop);
    layout->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(m_version->text()) * 3 / 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_ok->setFocus();
}

void RunAbout(QWidget* parent) {
    CAboutDlg dialog(parent);
    dialog.exec();
}
