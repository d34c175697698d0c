// Saves that fail in the window: a folder removed meanwhile, a full disk, a
// read-only target, a failing disk. Each says why in Dutch, keeps the drawing
// modified (the title keeps its "*") and leaves the old file as it was.
#include "../model/TestAccess.h"
#include "MainFrameFixture.h"

#include "model/FileIo.h"

#include <QFile>
#include <QLineEdit>

#include <cerrno>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class SaveFailureTest : public MainFrameTest {
protected:
    void TearDown() override {
        SimulateReplaceFailure(ReplaceStep::Check, 0);
        MainFrameTest::TearDown();
    }
    // A line drawn with the mouse, as a person would change the drawing.
    void DrawLine() {
        frame->Run(CommandId::ToolLijn);
        QWidget* view = frame->View();
        for (const QPoint at : {QPoint(30, 40), QPoint(120, 90)}) {
            QTest::mouseMove(view, at);
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
        }
    }
    void PressSave() { QTest::keyClick(frame->View(), Qt::Key_S, Qt::ControlModifier); }
};

TEST_F(SaveFailureTest, AFolderRemovedMeanwhileIsReportedAndTheDrawingStaysModified) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const QString path = Path("sub/d.plv");
    files = {path};
    DrawLine();
    frame->Run(CommandId::SaveAs);
    ASSERT_EQ(frame->windowTitle(), "d.plv - Pluvo");

    ASSERT_TRUE(QDir(Path("sub")).removeRecursively());
    DrawLine();
    PressSave();
    EXPECT_EQ(messages, QStringList{"Pluvo: Kan " + path + " niet opslaan: map bestaat niet."});
    EXPECT_EQ(frame->windowTitle(), "d.plv - Pluvo*");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.PathName, path.toStdString()) << "the drawing keeps its name";
}

TEST_F(SaveFailureTest, EveryFailingStepKeepsTheOldFileAndTheModifiedMark) {
    const struct {
        const char* what;
        ReplaceStep step;
        int code;
        QString reason;
    } cases[] = {
        {"read-only file system", ReplaceStep::Check, EROFS, "alleen-lezen bestandssysteem"},
        {"read-only file", ReplaceStep::Check, EACCES, "geen toegang"},
        {"full disk at the new file", ReplaceStep::Create, ENOSPC, "schijf vol"},
        {"full disk while writing", ReplaceStep::Write, ENOSPC, "schijf vol"},
        {"quota while flushing", ReplaceStep::SyncFile, EDQUOT, "schijfquotum overschreden"},
        {"failing disk at the rename", ReplaceStep::Rename, EIO, "invoer-/uitvoerfout"},
    };
    const QString path = Path("d.plv");
    files = {path};
    DrawLine();
    frame->Run(CommandId::SaveAs);
    const QByteArray saved = Contents(path);
    ASSERT_FALSE(saved.isEmpty());

    for (const auto& c : cases) {
        messages.clear();
        DrawLine();
        SimulateReplaceFailure(c.step, c.code);
        PressSave();
        SimulateReplaceFailure(c.step, 0);
        EXPECT_EQ(messages, QStringList{"Pluvo: Kan " + path + " niet opslaan: " + c.reason + "."})
            << c.what;
        EXPECT_EQ(frame->windowTitle(), "d.plv - Pluvo*") << c.what;
        EXPECT_EQ(Contents(path), saved) << c.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"d.plv"})
            << c.what << ": no temporary file stays behind";
    }
    // The folder is flushed after the rename: when that fails the new file is
    // in place but may not be on the disk, so the drawing stays modified.
    SimulateReplaceFailure(ReplaceStep::SyncFolder, EIO);
    PressSave();
    SimulateReplaceFailure(ReplaceStep::SyncFolder, 0);
    EXPECT_NE(Contents(path), saved);
    EXPECT_EQ(frame->windowTitle(), "d.plv - Pluvo*");

    PressSave();
    EXPECT_EQ(frame->windowTitle(), "d.plv - Pluvo");
    EXPECT_EQ(doc.drawing().figures.size(), 1 + std::size(cases));
}

TEST_F(SaveFailureTest, ADrawingTheFormatCannotHoldIsRefusedBeforeAnythingIsWritten) {
    // A text that ends in a blank, typed in the toolbar and placed: a text
    // file's reader would drop the blank.
    frame->TextEdit()->setFocus();
    frame->TextEdit()->selectAll();
    QTest::keyClicks(frame->TextEdit(), "ab ");
    frame->View()->setFocus();
    for (int click = 0; click < 2; ++click)
        QTest::mouseClick(frame->View(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    ASSERT_EQ(doc.drawing().figures.size(), 1u);
    ASSERT_TRUE(doc.IsModified());

    const QString why = "een tekstbestand kan deze tekening niet precies bewaren (tekst 2 "
                        "(\"ab \") eindigt op witruimte).";
    files = {Path("t.txt"), Path("export.txt"), Path("t.plv")};
    frame->Run(CommandId::SaveAs);
    frame->Run(CommandId::WriteText);
    EXPECT_EQ(messages,
              (QStringList{"Pluvo: Kan " + Path("t.txt") + " niet opslaan: " + why,
                           "Pluvo: Kan " + Path("export.txt") + " niet schrijven: " + why}));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty())
        << "nothing was written";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.PathName.empty());

    frame->Run(CommandId::SaveAs);
    EXPECT_EQ(frame->windowTitle(), "t.plv - Pluvo") << "the binary file holds it";
}
