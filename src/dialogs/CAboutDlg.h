// The About box: the application icon, the version line and a short notice.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class CAboutDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* versionLabel() const { return m_version; }
    QLabel* noticeLabel() const { return m_notice; }
    QPushButton* okButton() const { return m_ok; }

private:
    QLabel* m_version;
    QLabel* m_notice;
    QPushButton* m_ok;
};

// The "Over Pluvo..." command: shows the box modally. It changes nothing.
void RunAbout(QWidget* parent);
