// The recovery copy in the window: written while changes are unsaved, never
// over the user's file, offered back at the next start under the drawing's
// own name, and removed by saving, by "Nee" and by the save prompt.
#include "../model/TestAccess.h"
#include "MainFrameFixture.h"

#include "app/Recovery.h"
#include "model/BinaryFile.h"
#include "model/DrawingFile.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <functional>

using namespace std::chrono_literals;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

bool Exists(const std::string& path) { return QFile::exists(QFile::decodeName(path.c_str())); }

// Presses `key` in the question box that the next step opens.
void AnswerNextQuestion(Qt::Key key) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, key] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            QTest::keyClick(box, key);
            poll->deleteLater();
        }
    });
    poll->start(10);
}

} // namespace

class RecoveryTest : public MainFrameTest {
protected:
    void SetUp() override {
        previousState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", Path("state").toLocal8Bit());
        MainFrameTest::SetUp();
        // A short interval: the timer, not the test, writes the copies.
        new Recovery(doc, frame.get(), 20ms);
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        qputenv("XDG_STATE_HOME", previousState);
    }
    QByteArray previousState;
    void DrawLine(QPoint from, QPoint to) {
        frame->Run(CommandId::ToolLijn);
        for (const QPoint at : {from, to}) {
            QTest::mouseMove(frame->View(), at);
            QTest::mouseClick(frame->View(), Qt::LeftButton, Qt::NoModifier, at);
        }
    }
    // The copy the timer writes, read back.
    std::vector<Figuur> CopiedFigures(const std::string& copy) {
        std::string bytes;
        BinaryDrawing read;
        if (ReadFileBytes(copy, bytes) || !ParseBinary(bytes, read)) return {};
        return read.drawing.figures;
    }
    // The editor started again on `path` (empty: untitled), answering the
    // question with `key`.
    struct Restart {
        CPluvoDoc doc;
        CMainFrame frame{doc};
    };
    std::unique_ptr<Restart> StartAgain(const QString& path, Qt::Key key) {
        auto next = std::make_unique<Restart>();
        new Recovery(next->doc, &next->frame);
        if (!path.isEmpty()) next->frame.ShowOpenResult(
                path, OpenDrawing(next->doc, QFile::encodeName(path).toStdString()));
        AnswerNextQuestion(key);
        Recovery::Offer(&next->frame);
        return next;
    }
};

TEST_F(RecoveryTest, AKilledSessionComesBackUnderItsOwnNameAndSavesThere) {
    const QString path = Path("d.txt");
    files = {path};
    frame->Run(CommandId::SaveAs);
    const QByteArray saved = Contents(path);
    DrawLine({30, 40}, {120, 90});
    const std::string copy = Recovery::CopyPath(Local("d.txt"));
    EXPECT_EQ(copy, Local("state") + "/pluvo/" +
                        QString(Path("d.txt")).replace("%", "%25").replace("/", "%2F").toStdString() +
                        ".plv");
    ASSERT_TRUE(QTest::qWaitFor([&] { return CopiedFigures(copy) == doc.drawing().figures; }));
    EXPECT_EQ(Contents(path), saved) << "the copy never replaces the user's file";

    // The copy as a kill -9 leaves it: the next start offers it back.
    const auto next = StartAgain(path, Qt::Key_Return);
    EXPECT_EQ(next->doc.drawing().figures, doc.drawing().figures);
    EXPECT_EQ(next->doc.PathName, Local("d.txt"));
    EXPECT_EQ(next->frame.windowTitle(), "d.txt - Pluvo*");
    next->frame.show();
    next->frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&next->frame));
    QTest::keyClick(next->frame.View(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Contents(path).toStdString(), SerializeDrawing(doc, Local("d.txt")));
    EXPECT_EQ(next->frame.windowTitle(), "d.txt - Pluvo");
    EXPECT_FALSE(Exists(copy)) << "saving removes the copy";
}

TEST_F(RecoveryTest, NeeTheSavePromptAndACleanCloseRemoveTheCopy) {
    const std::string untitled = Recovery::CopyPath("");
    const auto written = [&] { return !CopiedFigures(untitled).empty(); };

    // "Nee" at the next start removes the untitled drawing's copy.
    DrawLine({30, 40}, {120, 90});
    ASSERT_TRUE(QTest::qWaitFor(written));
    const auto next = StartAgain(QString(), Qt::Key_N);
    EXPECT_TRUE(next->doc.drawing().figures.empty());
    EXPECT_FALSE(Exists(untitled));

    // The copy follows the drawing: a later change writes it again.
    DrawLine({50, 40}, {120, 150});
    ASSERT_TRUE(QTest::qWaitFor(written));

    // The save prompt's "Nee" gives the changes up, and the copy with them.
    saveAnswer = SaveAnswer::No;
    frame->Run(CommandId::New);
    EXPECT_FALSE(Exists(untitled));
    QTest::qWait(100);
    EXPECT_FALSE(Exists(untitled)) << "an unchanged drawing has no copy";

    // A copy left by an earlier run goes when the window closes unchanged.
    ASSERT_FALSE(ReplaceFile(untitled, StoreBinary(doc)));
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(Exists(untitled));
}
