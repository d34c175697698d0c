// The objects list driven with the mouse and with the keys: highlighted
// rows, Delete with its confirmation, the "#" header, OK and Cancel, and the
// drawing afterwards.
#include "dialogs/CObjectenDlg.h"
#include "../model/TestAccess.h"

#include "DialogTestSupport.h"
#include "interaction/EditCommands.h"
#include "interaction/ObjectList.h"
#include "model/CPluvoDoc.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace dialogtest;

namespace {

// Five rectangles whose p1.x is their original number.
CPluvoDoc FiveFigures() {
    CPluvoDoc doc;
    doc.current.FiguurType = Rechthoek;
    for (std::int32_t i = 0; i < 5; ++i) {
        doc.current.p1 = {i, 0};
        doc.current.p2 = {i + 10, 10};
        AppendFigure(doc);
    }
    return doc;
}

// Clicks a row in the "#" column, as the dialog's text tells the user to.
void ClickRow(CObjectenDlg& dialog, int row, Qt::KeyboardModifiers keys = Qt::ControlModifier) {
    QTreeWidget* list = dialog.list();
    const QRect cell = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, cell.center());
}

void ClickHeader(CObjectenDlg& dialog, int column) {
    QHeaderView* header = dialog.list()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(column) + 5, header->height() / 2});
}

std::vector<std::size_t> Highlighted(const CObjectenDlg& dialog) {
    return dialog.HighlightedRows();
}

std::vector<std::string> Column(const CObjectenDlg& dialog, int column) {
    std::vector<std::string> cells;
    QTreeWidget* list = dialog.list();
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        cells.push_back(list->topLevelItem(row)->text(column).toStdString());
    return cells;
}

// The objects list command as the window runs it.
void ObjectListCommand(CPluvoDoc& doc) {
    EditRoad road(doc);
    const auto rows = RunObjecten(road, nullptr);
    RunEdit(road, CommandId::ObjectList, [&rows](DrawingEditor& d) {
        if (rows) SelectFigures(d, *rows);
        return Change::Made;
    });
}

} // namespace

TEST(CObjectenDlg, OpensWithTheSelectedFiguresHighlightedAndOkSelectsRows) {
    CPluvoDoc doc = FiveFigures();
    WritableSelection(doc) = {4, 2};
    WhenModal<CObjectenDlg>([](CObjectenDlg& d) {
        EXPECT_EQ(Column(d, 0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(Highlighted(d), (std::vector<std::size_t>{2, 4})) << "rows 3 and 5";
        ClickRow(d, 0);
        ClickRow(d, 4); // Ctrl+click takes row 5 away again
        QTest::keyClick(d.list(), Qt::Key_Return);
    });
    ObjectListCommand(doc);
    EXPECT_EQ(doc.Selection(), (std::vector<std::uint32_t>{0, 2})) << "ascending row order";

    SCOPED_TRACE("a plain click highlights one row; Escape keeps the selection");
    WhenModal<CObjectenDlg>([](CObjectenDlg& d) {
        ClickRow(d, 3, Qt::NoModifier);
        EXPECT_EQ(Highlighted(d), (std::vector<std::size_t>{3}));
        ClickRow(d, 1, Qt::ShiftModifier);
        EXPECT_EQ(Highlighted(d), (std::vector<std::size_t>{1, 2, 3}));
        QTest::keyClick(d.list(), Qt::Key_Escape);
    });
    ObjectListCommand(doc);
    EXPECT_EQ(doc.Selection(), (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(doc.drawing().figures.size(), 5u);
}

TEST(CObjectenDlg, DeleteRemovesTheHighlightedFiguresAfterConfirmation) {
    CPluvoDoc doc = FiveFigures();
    WritableSelection(doc) = {1};
    int repaints = 0;
    EditRoad road(doc);
    road.AddListener([&repaints](const EditOutcome& outcome) { repaints += outcome.repaint != Repaint::No; });
    CObjectenDlg dialog(road);
    dialog.show();
    ClickRow(dialog, 0, Qt::NoModifier);
    ClickRow(dialog, 2);
    ASSERT_EQ(Highlighted(dialog), (std::vector<std::size_t>{0, 2}));

    MessageSeen seen;
    AnswerMessage(seen, QMessageBox::Cancel);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(seen.text, "Weet u het zeker?");
    EXPECT_EQ(seen.title, "Pluvo");
    EXPECT_EQ(doc.drawing().figures.size(), 5u) << "Cancel removes nothing";
    EXPECT_EQ(doc.Selection(), std::vector<std::uint32_t>{1});
    EXPECT_EQ(repaints, 0);

    AnswerMessage(seen, QMessageBox::Ok);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    ASSERT_EQ(doc.drawing().figures.size(), 3u);
    EXPECT_EQ(doc.drawing().figures[0].p1.x, 1);
    EXPECT_EQ(doc.drawing().figures[1].p1.x, 3);
    EXPECT_EQ(doc.drawing().figures[2].p1.x, 4);
    EXPECT_EQ(Column(dialog, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(Column(dialog, 2), (std::vector<std::string>{"1-0", "3-0", "4-0"}));
    EXPECT_TRUE(Highlighted(dialog).empty());
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_EQ(repaints, 1) << "the drawing repaints while the list stays open";
    EXPECT_FALSE(doc.CanUndo()) << "no undo copy";

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.drawing().figures.size(), 3u) << "Cancel keeps the deletion";
    EXPECT_TRUE(doc.Selection().empty());
}

TEST(CObjectenDlg, HashHeaderHighlightsAllThenNone) {
    CPluvoDoc doc = FiveFigures();
    WritableSelection(doc) = {1};
    const std::vector<std::size_t> all = {0, 1, 2, 3, 4};
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        EditRoad road(doc);
        CObjectenDlg dialog(road);
        dialog.show();
        ClickHeader(dialog, 0);
        EXPECT_EQ(Highlighted(dialog), all) << "every opening starts with all";
        ClickHeader(dialog, 0);
        EXPECT_TRUE(Highlighted(dialog).empty());
        ClickHeader(dialog, 3);
        EXPECT_TRUE(Highlighted(dialog).empty()) << "other headers do nothing";
        ClickHeader(dialog, 0);
        EXPECT_EQ(Highlighted(dialog), all);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.chosenRows(), all);
    }
}

TEST(CObjectenDlg, RowsShowTheTextsOfTheFigures) {
    CPluvoDoc doc;
    Writable(doc).texts.push_back("Caf\xE9");
    doc.current.FiguurType = Tekst;
    for (std::int32_t k : {0, 1}) {
        doc.current.TekstIndex = k;
        AppendFigure(doc);
    }
    EditRoad road(doc);
    CObjectenDlg dialog(road);
    EXPECT_EQ(Column(dialog, 1), (std::vector<std::string>{"Tekst", "Tekst"}));
    EXPECT_EQ(Column(dialog, 5), (std::vector<std::string>{"Snelle tek...", "Café"}));
}

TEST(CObjectenDlg, FiveDigitFigureNumbersAreNotCutOff) {
    CPluvoDoc doc;
    Writable(doc).figures.assign(12345, Figuur{});
    EditRoad road(doc);
    CObjectenDlg dialog(road);
    dialog.show();
    QTreeWidget* list = dialog.list();
    const QModelIndex last = list->model()->index(12344, 0);
    ASSERT_EQ(last.data().toString(), "12345");
    EXPECT_GE(list->header()->sectionSize(0), list->sizeHintForIndex(last).width())
        << "the number needs no \"...\"";
    EXPECT_GE(list->width(), list->header()->length()) << "every column still shows";
}

TEST(CObjectenDlg, EmptyDrawingShowsHeadersAndDeleteAsksForRows) {
    CPluvoDoc doc;
    EditRoad road(doc);
    CObjectenDlg dialog(road);
    dialog.show();
    QTreeWidget* list = dialog.list();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    const char* captions[] = {"#", "Type", "Punt 1", "Punt 2", "Kleur", "Vulling"};
    const int widths[] = {30, 80, 65, 65, 55, 100};
    ASSERT_EQ(list->columnCount(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(list->headerItem()->text(c), captions[c]);
        EXPECT_EQ(list->header()->sectionSize(c), widths[c]) << captions[c];
    }
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);

    MessageSeen seen;
    AnswerMessage(seen, QMessageBox::Ok);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(seen.title, "Info");
    EXPECT_EQ(seen.text, "Selecteer een of meer regels.\nKlik links in kolom #.");
    EXPECT_TRUE(dialog.isVisible());
}

TEST(CObjectenDlg, HiddenButtonsRunTheirOperationOnly) {
    CPluvoDoc doc = FiveFigures();
    WritableSelection(doc) = {0};
    EditRoad road(doc);
    CObjectenDlg dialog(road);
    dialog.show();
    const std::vector<QPushButton*>& hidden = dialog.hiddenButtons();
    ASSERT_EQ(hidden.size(), 5u);
    const char* captions[] = {"WegVulling", "ZetVulling", "Lijndikte++", "Lijndikte--",
                              "VerwisselXY"};
    for (std::size_t k = 0; k < hidden.size(); ++k) {
        EXPECT_EQ(hidden[k]->text(), captions[k]);
        EXPECT_FALSE(hidden[k]->isVisible());
    }

    hidden[1]->click(); // ZetVulling on the selected figure
    EXPECT_EQ(doc.drawing().figures[0].MetVul, 1);
    EXPECT_EQ(doc.drawing().figures[1].MetVul, 0);
    hidden[0]->click();
    EXPECT_EQ(doc.drawing().figures[0].MetVul, 0);
    hidden[2]->click();
    EXPECT_EQ(doc.drawing().figures[0].LijnDikte, 2);
    hidden[3]->click();
    EXPECT_EQ(doc.drawing().figures[0].LijnDikte, 1);
    const std::vector<std::string> shown = Column(dialog, 2);
    hidden[4]->click();
    EXPECT_NE(doc.drawing().figures[0].p1, (POINT{0, 0})) << "x and y exchanged";
    EXPECT_EQ(Column(dialog, 2), shown) << "the list is not refilled";
    EXPECT_FALSE(doc.CanUndo());
}

TEST(CObjectenDlg, FocusStartsOnTheListAndTabKeepsTheDialogsOrder) {
    CPluvoDoc doc = FiveFigures();
    EditRoad road(doc);
    CObjectenDlg d(road);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Objecten");
    EXPECT_EQ(d.focusWidget(), d.list());
    EXPECT_EQ(TabChain(&d, d.list()),
              (std::vector<QWidget*>{d.list(), d.okButton(), d.cancelButton(), d.deleteButton()}));
    EXPECT_TRUE(d.okButton()->isDefault());
    EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "a fixed size";
}

TEST(CObjectenDlg, SelectsDeletesAndAnswersWithoutAMouse) {
    CPluvoDoc doc = FiveFigures();
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
    EXPECT_EQ(Highlighted(dialog), (Rows{0, 1, 2}));
    press(Qt::Key_Down, Qt::ControlModifier);
    press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(Highlighted(dialog), (Rows{0, 1, 2, 3})) << "Ctrl+Space adds a row";
    // Ctrl+A highlights every row, then none, as a click on "#" does.
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Highlighted(dialog), (Rows{0, 1, 2, 3, 4}));
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(Highlighted(dialog).empty());
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
