// The dialogs by keyboard and for a screen reader: the objects list without
// a mouse, and a name for every field.
#include "../model/TestAccess.h"
#include "dialogs/CGrootteDlg.h"
#include "dialogs/CKenmerkenDlg.h"
#include "dialogs/CObjectenDlg.h"

#include "DialogTestSupport.h"
#include "interaction/EditRoad.h"
#include "interaction/Properties.h"
#include "model/CPluvoDoc.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace dialogtest;

TEST(DialogKeyboard, TheObjectsListSelectsDeletesAndAnswersWithoutAMouse) {
    CPluvoDoc doc;
    doc.current.FiguurType = Rechthoek;
    for (std::int32_t i = 0; i < 5; ++i) {
        doc.current.p1 = {i, 0};
        doc.current.p2 = {i + 10, 10};
        AppendFigure(doc);
    }
    WritableSelection(doc) = {1};
    EditRoad road(doc);
    CObjectenDlg dialog(road);
    dialog.show();
    // The list's keys are shortcuts of the active window.
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* list = dialog.list();
    ASSERT_EQ(dialog.focusWidget(), list);
    const auto press = [list](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(list, key, modifiers);
    };
    using Rows = std::vector<std::size_t>;
    press(Qt::Key_Home);
    press(Qt::Key_Down, Qt::ShiftModifier);
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(dialog.HighlightedRows(), (Rows{0, 1, 2}));
    press(Qt::Key_Down, Qt::ControlModifier);
    press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(dialog.HighlightedRows(), (Rows{0, 1, 2, 3})) << "Ctrl+Space adds a row";
    // Ctrl+A highlights every row, then none, as a click on "#" does.
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(dialog.HighlightedRows(), (Rows{0, 1, 2, 3, 4}));
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(dialog.HighlightedRows().empty());
    // Delete asks, then deletes the highlighted rows.
    press(Qt::Key_Home);
    press(Qt::Key_Down, Qt::ShiftModifier);
    MessageSeen asked;
    AnswerMessage(asked, QMessageBox::Ok);
    press(Qt::Key_Delete);
    EXPECT_TRUE(asked.shown);
    ASSERT_EQ(doc.drawing().figures.size(), 3u);
    EXPECT_EQ(doc.drawing().figures[0].p1.x, 2);
    // Return answers with the highlighted rows; in the refilled list the
    // first key finds the first row.
    press(Qt::Key_Down);
    press(Qt::Key_End);
    press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenRows(), (Rows{2}));
}

TEST(DialogKeyboard, EveryFieldHasANameAndEveryColourIsNamed) {
    CPluvoDoc doc;
    CKenmerkenDlg properties(doc, ReadKenmerken(doc));
    CGrootteDlg resize({100, 100});
    for (QDialog* dialog : std::initializer_list<QDialog*>{&properties, &resize})
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
                << dialog->windowTitle().toStdString() << ": " << field->text().toStdString();
        }
    const auto colourOf = [&](CKenmerkenDlg::Colour which) {
        return QAccessible::queryAccessibleInterface(properties.colourButton(which))
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(colourOf(CKenmerkenDlg::Colour::Rand), "zwart");
    EXPECT_EQ(colourOf(CKenmerkenDlg::Colour::Achtergrond), "ongeveer wit");
}
