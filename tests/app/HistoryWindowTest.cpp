// Stepping back and forward through the window's changes with Ctrl+Z and
// Ctrl+Y: every kind of edit once, the buttons' greying, and a drawing
// saved after stepping back.
#include "MainFrameFixture.h"

#include "../dialogs/DialogTestSupport.h"
#include "../model/SampleDrawings.h"
#include "dialogs/CGrootteDlg.h"
#include "dialogs/CKenmerkenDlg.h"
#include "dialogs/CObjectenDlg.h"
#include "model/BinaryFile.h"
#include "model/DrawingFile.h"
#include "model/TextFormat.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

namespace {

struct State {
    Drawing drawing;
    std::vector<Figuur> undoFigures;
    friend bool operator==(const State&, const State&) = default;
};

State StateOf(const CPluvoDoc& doc) { return {doc.drawing(), samples::UndoFigures(doc)}; }

} // namespace

class HistoryWindowTest : public MainFrameTest {
protected:
    QWidget* View() { return frame->View(); }
    void Click(QPoint at) {
        QTest::mouseMove(View(), at);
        QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void Line(QPoint from, QPoint to) {
        frame->ZetFiguurType(Lijn);
        Click(from);
        Click(to);
    }
    // Shortcuts reach the active window; after a dialog it takes the
    // keyboard back.
    void Keys(QKeySequence keys) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keySequence(View(), keys);
    }
};

TEST_F(HistoryWindowTest, ThreeLinesGoAndTwoComeBack) {
    QAction* back = frame->Action(CommandId::StepBack);
    QAction* forward = frame->Action(CommandId::StepForward);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
    for (int i = 0; i < 3; ++i) Line({64, 64 + 64 * i}, {256, 64 + 64 * i});
    ASSERT_EQ(doc.drawing().figures.size(), 3u);
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(doc.CanUndo()) << "placing drops the one-level copy, as always";

    for (int i = 0; i < 3; ++i) Keys(QKeySequence("Ctrl+Z"));
    EXPECT_TRUE(doc.drawing().figures.empty());
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(forward->isEnabled());
    files = {Path("empty.plv")};
    frame->Run(CommandId::SaveAs);
    QFile saved(Path("empty.plv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    CPluvoDoc read;
    ASSERT_TRUE(LoadBinary(read, saved.readAll().toStdString()));
    EXPECT_TRUE(read.drawing().figures.empty());

    Keys(QKeySequence("Ctrl+Y"));
    Keys(QKeySequence("Ctrl+Shift+Z"));
    EXPECT_EQ(doc.drawing().figures.size(), 2u);
    EXPECT_TRUE(doc.IsModified()) << "a step marks the drawing";

    // New starts an empty history.
    frame->Run(CommandId::New);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
}

TEST_F(HistoryWindowTest, EveryKindOfEditIsOneStepBackAndForward) {
    CPluvoDoc other = samples::EveryKind();
    QFile plv(Path("other.plv"));
    ASSERT_TRUE(plv.open(QIODevice::WriteOnly));
    plv.write(QByteArray::fromStdString(StoreBinary(other)));
    plv.close();
    std::string text;
    WriteText(other, text);
    QFile txt(Path("other.txt"));
    ASSERT_TRUE(txt.open(QIODevice::WriteOnly));
    txt.write(QByteArray::fromStdString(text));
    txt.close();

    struct Case {
        const char* name;
        std::function<void()> edit;
    };
    const Case cases[] = {
        {"a placed line",
         [&] {
             Line({32, 32}, {160, 96});
         }},
        {"a polygon",
         [&] {
             frame->ZetFiguurType(Polygoon);
             for (QPoint p : {QPoint{96, 96}, QPoint{224, 96}, QPoint{224, 192}, QPoint{96, 96}})
                 Click(p);
         }},
        {"a square tree",
         [&] {
             frame->ZetFiguurType(Polygoon);
             for (QPoint p : {QPoint{96, 320}, QPoint{192, 320}, QPoint{96, 320}}) Click(p);
         }},
        {"copies",
         [&] {
             Keys(QKeySequence("Ctrl+A"));
             frame->ZetFiguurType(Kopieer);
             Click({32, 32});
             Click({320, 32});
         }},
        {"a rotation", [&] { Keys(QKeySequence("Ctrl+R")); }},
        {"the one-level Undo", [&] { Keys(QKeySequence("Alt+Backspace")); }},
        {"a move", [&] { Keys(QKeySequence("Ctrl+Right")); }},
        {"the objects list's Delete",
         [&] {
             dialogtest::WhenModal<CObjectenDlg>([](CObjectenDlg& d) {
                 d.list()->selectAll();
                 dialogtest::MessageSeen seen;
                 dialogtest::AnswerMessage(seen, QMessageBox::Ok);
                 QTest::mouseClick(d.deleteButton(), Qt::LeftButton);
                 QTest::mouseClick(d.okButton(), Qt::LeftButton);
             });
             frame->Run(CommandId::ObjectList);
         }},
        {"a merge",
         [&] {
             files = {Path("other.plv")};
             frame->Run(CommandId::Merge);
         }},
        {"the properties' grid",
         [&] {
             dialogtest::WhenModal<CKenmerkenDlg>([](CKenmerkenDlg& d) {
                 dialogtest::Retype(d.gridSizeEdit(), "20");
                 QTest::mouseClick(d.okButton(), Qt::LeftButton);
             });
             frame->Run(CommandId::Properties);
         }},
        {"a resize",
         [&] {
             dialogtest::WhenModal<CGrootteDlg>([](CGrootteDlg& d) {
                 dialogtest::Retype(d.horizontalEdit(), "50");
                 QTest::mouseClick(d.okButton(), Qt::LeftButton);
             });
             frame->Run(CommandId::Resize);
         }},
        {"a text file read",
         [&] {
             files = {Path("other.txt")};
             frame->Run(CommandId::ReadText);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const State before = StateOf(doc);
        c.edit();
        const State after = StateOf(doc);
        ASSERT_NE(after, before) << "the edit changed the drawing";
        Keys(QKeySequence("Ctrl+Z"));
        EXPECT_EQ(StateOf(doc), before);
        Keys(QKeySequence("Ctrl+Y"));
        EXPECT_EQ(StateOf(doc), after);
    }
}
