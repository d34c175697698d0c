// The user guide in a window of the program's own. The guide's pages and
// pictures are built into the program, so F1 needs neither a web browser nor
// the documentation folder, which an installation may leave out; the copy
// installed beside the documentation can still be opened in a browser.
#pragma once

#include "Translations.h"

#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // The guide's first page in `language`; an empty URL when the program
    // was built without it.
    static QUrl GuidePage(Language language);

    HelpWindow(const QUrl& page, QWidget* parent);

    QTextBrowser* Browser() const { return m_browser; }

private:
    // A page of the guide opens here; any other link in the web browser.
    void FollowLink(const QUrl& url);
    // The installed copy of the page shown, or an empty string.
    QString InstalledCopy() const;
    void OpenInBrowser();
    void PageChanged();

    QTextBrowser* m_browser;
    QPushButton* m_back;
    QPushButton* m_forward;
    QPushButton* m_browserButton;
};
