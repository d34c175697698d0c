// The resize dialog: the percentages it offers, the ones it refuses, and the
// two steps that let the command take its undo copy only on OK.
#include "../model/TestAccess.h"
#include "dialogs/CGrootteDlg.h"

#include "DialogTestSupport.h"
#include "interaction/EditCommands.h"
#include "model/CPluvoDoc.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace dialogtest;

namespace {

// The resize command as the window runs it.
void ResizeCommand(CPluvoDoc& doc) {
    EditRoad road(doc);
    if (const std::optional<ResizePercentages> chosen = AskGrootte(doc, nullptr))
        RunEdit(road, CommandId::Resize, [&chosen](DrawingEditor& d) {
            ApplyGrootte(d, *chosen);
            return Change::Made;
        });
}

} // namespace

TEST(CGrootteDlg, OffersTheLastAcceptedPercentages) {
    CPluvoDoc doc;
    doc.current.p1 = {100, 40};
    doc.current.p2 = {200, 80};
    AppendFigure(doc);

    WhenModal<CGrootteDlg>([](CGrootteDlg& d) {
        EXPECT_EQ(d.horizontalEdit()->text(), "100");
        EXPECT_EQ(d.verticalEdit()->text(), "100");
        Retype(d.horizontalEdit(), "-100");
        QTest::keyClick(d.horizontalEdit(), Qt::Key_Return);
    });
    ResizeCommand(doc);
    EXPECT_EQ(doc.ResizeX, -100);
    EXPECT_EQ(doc.ResizeY, 100);
    EXPECT_EQ(doc.drawing().figures[0].p1.x, 132) << "mirrored and moved back one grid cell from 0";
    EXPECT_EQ(doc.drawing().figures[0].p2.x, 32);
    EXPECT_EQ(doc.drawing().figures[0].p1.y, 40);
    EXPECT_TRUE(doc.CanUndo());
    EXPECT_TRUE(doc.IsModified());

    SCOPED_TRACE("Cancel takes no undo copy and changes nothing");
    TestAccess::SetUndo(doc, nullptr);
    doc.SetModifiedFlag(false);
    const std::vector<Figuur> figures = doc.drawing().figures;
    WhenModal<CGrootteDlg>([](CGrootteDlg& d) {
        EXPECT_EQ(d.horizontalEdit()->text(), "-100");
        EXPECT_EQ(d.verticalEdit()->text(), "100");
        Retype(d.verticalEdit(), "50");
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
    });
    ResizeCommand(doc);
    EXPECT_EQ(doc.drawing().figures, figures);
    EXPECT_EQ(doc.ResizeY, 100);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

TEST(CGrootteDlg, PercentagesOutsideTheRangeAreRefused) {
    const struct {
        QLineEdit* (CGrootteDlg::*field)() const;
        const char* typed;
    } cases[] = {{&CGrootteDlg::horizontalEdit, "201"},
                 {&CGrootteDlg::horizontalEdit, "-201"},
                 {&CGrootteDlg::verticalEdit, "abc"},
                 {&CGrootteDlg::verticalEdit, "-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CGrootteDlg dialog({100, 100});
        dialog.show();
        QLineEdit* field = (dialog.*c.field)();
        Retype(field, c.typed);
        MessageSeen seen;
        AnswerMessage(seen, QMessageBox::Ok);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_EQ(seen.title, "Pluvo");
        EXPECT_TRUE(seen.text.contains("-200 tot en met 200")) << seen.text.toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), field);
    }

    CGrootteDlg dialog({100, 100});
    dialog.show();
    Retype(dialog.horizontalEdit(), "-200");
    Retype(dialog.verticalEdit(), " 200");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.percentages(), (ResizePercentages{-200, 200}));
}

TEST(CGrootteDlg, FocusStartsOnTheHorizontalFieldAndTabKeepsTheDialogsOrder) {
    CGrootteDlg d({100, 100});
    d.show();
    EXPECT_EQ(d.windowTitle(), "Grootte veranderen");
    EXPECT_EQ(d.focusWidget(), d.horizontalEdit());
    EXPECT_EQ(TabChain(&d, d.horizontalEdit()),
              (std::vector<QWidget*>{d.horizontalEdit(), d.verticalEdit(), d.okButton(),
                                     d.cancelButton()}));
    EXPECT_TRUE(d.okButton()->isDefault());
    EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "a fixed size";
}
