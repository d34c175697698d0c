#include "HelpWindow.h"

#include "Prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Where the program carries the guide (src/CMakeLists.txt builds it in).
constexpr const char* kGuideRoot = ":/guide/";

// The installed guide: share/doc/pluvo/guide beside bin/, in the build
// folder as in the installed tree.
QString InstalledGuideFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/doc/pluvo/guide");
}

} // namespace

QUrl HelpWindow::GuidePage(Language language) {
    const QString name = "pluvo-" + LanguageCode(language) + ".html";
    if (!QFile::exists(kGuideRoot + name)) return {};
    return QUrl("qrc" + QString(kGuideRoot) + name);
}

HelpWindow::HelpWindow(const QUrl& page, QWidget* parent)
    : QDialog(parent),
      m_browser(new QTextBrowser(this)),
      m_back(new QPushButton(tr("&Terug"), this)),
      m_forward(new QPushButton(tr("&Vooruit"), this)),
      m_browserButton(new QPushButton(tr("In &browser openen"), this)) {
    // A window beside the editor, not a question: it has its own place in
    // the task bar and the editor stays usable.
    setWindowFlag(Qt::Window);
    setModal(false);
    // The guide's pictures are screenshots 640 pixels wide.
    resize(760, 720);

    // Every link goes through FollowLink, so that a link the window cannot
    // show never fails unseen.
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::PageChanged);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browserButton, &QPushButton::clicked, this, &HelpWindow::OpenInBrowser);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    for (QPushButton* button : {m_back, m_forward, m_browserButton}) button->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Sluiten"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(m_back);
    row->addWidget(m_forward);
    row->addWidget(m_browserButton);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addLayout(row);

    m_browser->setSource(page);
    m_browser->setFocus();
}

void HelpWindow::FollowLink(const QUrl& url) {
    const QUrl target = m_browser->source().resolved(url);
    // A page of the guide, or a place on one.
    if (target.scheme() == "qrc" && QFile::exists(":" + target.path())) {
        m_browser->setSource(target);
        return;
    }
    if (!QDesktopServices::openUrl(target))
        prompts::Message(this, tr("Kan %1 niet openen.").arg(target.toDisplayString()));
}

QString HelpWindow::InstalledCopy() const {
    const QString path =
        InstalledGuideFolder() + "/" + QFileInfo(m_browser->source().path()).fileName();
    return QFileInfo::exists(path) ? path : QString();
}

void HelpWindow::OpenInBrowser() {
    const QString path = InstalledCopy();
    if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        prompts::Message(this, tr("Geen webbrowser kan de handleiding openen; ze blijft in dit "
                                  "venster te lezen."));
}

void HelpWindow::PageChanged() {
    setWindowTitle(m_browser->documentTitle());
    m_browserButton->setVisible(!InstalledCopy().isEmpty());
}
