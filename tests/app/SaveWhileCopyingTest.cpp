// Saving while the recovery copy is written on its own thread: the window
// draws and saves in quick turns while the writer copies the drawing, and
// every save holds the drawing as it was. ./dev test runs this under
// ThreadSanitizer, which finds the writer touching what the window changes.
#include "MainFrameFixture.h"

#include "app/Recovery.h"
#include "model/DrawingFile.h"

#include <QFile>

#include <chrono>

using namespace std::chrono_literals;

TEST_F(MainFrameTest, SavingWhileTheRecoveryCopyIsWrittenKeepsEachSaveWhole) {
    new Recovery(doc, frame.get(), 1ms);
    const QString path = Path("d.plv");
    files = {path};
    frame->Run(CommandId::SaveAs);
    frame->Run(CommandId::ToolLijn);
    for (int i = 0; i < 20; ++i) {
        for (const QPoint at : {QPoint(20 + i, 30), QPoint(120, 40 + 3 * i)}) {
            QTest::mouseMove(frame->View(), at);
            QTest::mouseClick(frame->View(), Qt::LeftButton, Qt::NoModifier, at);
        }
        QTest::qWait(2); // the timer starts a copy of the changed drawing
        QTest::keyClick(frame->View(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_FALSE(doc.IsModified()) << i;
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().toStdString(), SerializeDrawing(doc, path.toStdString())) << i;
    }
    EXPECT_EQ(doc.drawing().figures.size(), 20u);
}
