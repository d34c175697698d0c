// The About box: its version line and the keys that close it.
#include "dialogs/CAboutDlg.h"

#include "DialogTestSupport.h"
#include "model/TextFormat.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace dialogtest;

TEST(CAboutDlg, ShowsTheVersionLineAndClosesOnEnterAndEscape) {
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Pluvo") << "the caption is English; the menu item stays Dutch";
    EXPECT_EQ(dialog.versionLabel()->text().toStdString(), VersionText)
        << "the line the text files carry";
    EXPECT_EQ(dialog.versionLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.noticeLabel()->text().count('\n'), 1) << "a two-line notice";
    EXPECT_TRUE(dialog.okButton()->isDefault());

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        bool seen = false;
        WhenModal<CAboutDlg>([key, &seen](CAboutDlg& d) {
            seen = true;
            QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, key);
        });
        RunAbout(nullptr);
        EXPECT_TRUE(seen) << key;
    }
}
