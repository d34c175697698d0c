// The recovery copies of windows: one per window, never over the user's file,
// never taken or removed by another living window, offered after a window
// died at every start and open with the drawing's name, and removed by
// saving, by "Nee" and by the save prompt.
#include "MainFrameFixture.h"

#include "app/Recovery.h"
#include "model/BinaryFile.h"
#include "model/DrawingFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <chrono>

using namespace std::chrono_literals;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

bool Exists(const std::string& path) { return QFile::exists(QFile::decodeName(path.c_str())); }

// The figures of a copy: its header ends at the first zero byte, the drawing
// follows.
std::vector<Figuur> CopiedFigures(const std::string& copy) {
    std::string bytes;
    BinaryDrawing read;
    if (ReadFileBytes(copy, bytes)) return {};
    const std::size_t start = bytes.find('\0');
    if (start == std::string::npos || !ParseBinary(std::string_view(bytes).substr(start + 1), read))
        return {};
    return read.drawing.figures;
}

// One editor window with its drawing and its recovery, as a start makes it.
struct Window {
    CPluvoDoc doc;
    CMainFrame frame{doc};
    // A short interval: the timer, not the test, writes the copies.
    Recovery* recovery = new Recovery(doc, &frame, 20ms);

    // Each window in a quarter of the screen of its own: the pointer reaches
    // the window under it.
    explicit Window(int place) {
        frame.setGeometry(QRect(QPoint(place % 2 * 400, place / 2 % 2 * 300), QSize(390, 260)));
        frame.show();
    }
    void DrawLine(QPoint from, QPoint to) {
        frame.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        frame.Run(CommandId::ToolLijn);
        for (const QPoint at : {from, to}) {
            QTest::mouseMove(frame.View(), at);
            QTest::mouseClick(frame.View(), Qt::LeftButton, Qt::NoModifier, at);
        }
    }
    // Until the copy holds what the window shows.
    bool Copied() {
        return !doc.drawing().figures.empty() &&
               QTest::qWaitFor([&] { return CopiedFigures(recovery->CopyFile()) == doc.drawing().figures; });
    }
};

} // namespace

class RecoveryTest : public MainFrameTest {
protected:
    void SetUp() override {
        previousState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", Path("state").toLocal8Bit());
        MainFrameTest::SetUp();
        frame->hide();
        // Every question about a copy is answered with the next key (Escape,
        // "Later", when none is left) and its text kept.
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("answered").toBool()) return;
            box->setProperty("answered", true);
            offers.push_back(box->text());
            const Qt::Key key = keys.empty() ? Qt::Key_Escape : keys.front();
            if (!keys.empty()) keys.pop_front();
            QTest::keyClick(box, key);
        });
        poll.start(10);
        Recovery::SetWindowOpener([this](const std::string& copy) {
            handedOn.push_back(copy);
            return true;
        });
    }
    void TearDown() override {
        poll.stop();
        Recovery::SetWindowOpener({});
        MainFrameTest::TearDown();
        qputenv("XDG_STATE_HOME", previousState);
    }

    // A start without a drawing named: the copies of windows that died are
    // offered.
    std::unique_ptr<Window> Start() {
        auto window = std::make_unique<Window>(places++);
        Recovery::Offer(&window->frame);
        return window;
    }
    void Open(Window& window, const QString& path) {
        files = {path};
        window.frame.Run(CommandId::Open);
    }
    // A window that ends without closing leaves its copy as a killed one
    // does: unlocked, for the next start or open to offer.
    static void Kill(std::unique_ptr<Window>& window) { window.reset(); }
    QStringList CopiesLeft() const {
        return QDir(Path("state/pluvo")).entryList({"*.recovery"}, QDir::Files);
    }

    QByteArray previousState;
    QTimer poll;
    std::deque<Qt::Key> keys;
    QStringList offers;
    std::vector<std::string> handedOn;
    int places = 0;
};

TEST_F(RecoveryTest, AnOpenOffersTheCopyOfAWindowThatDiedUnderItsOwnName) {
    const QString path = Path("d.txt");
    ASSERT_FALSE(ReplaceFile(Local("d.txt"), SerializeDrawing(CPluvoDoc(), "d.txt")));
    const QByteArray saved = Contents(path);
    auto a = Start();
    Open(*a, path);
    a->DrawLine({30, 40}, {120, 90});
    ASSERT_TRUE(a->Copied());
    EXPECT_EQ(Contents(path), saved) << "the copy never replaces the user's file";
    const std::vector<Figuur> drawn = a->doc.drawing().figures;
    const std::string copy = a->recovery->CopyFile();
    Kill(a);

    // Started without a drawing, "Later" keeps the copy; opening d.txt from
    // the menu offers it again with the drawing's name, and "Ja" restores it
    // under that name, marked modified.
    auto b = Start();
    ASSERT_EQ(offers.size(), 1);
    EXPECT_TRUE(offers[0].contains(path)) << offers[0].toStdString();
    EXPECT_TRUE(b->doc.drawing().figures.empty());
    ASSERT_TRUE(Exists(copy));
    keys = {Qt::Key_Return};
    Open(*b, path);
    EXPECT_EQ(offers.size(), 2);
    EXPECT_EQ(b->doc.drawing().figures, drawn);
    EXPECT_EQ(b->doc.PathName, Local("d.txt"));
    EXPECT_EQ(b->frame.windowTitle(), "d.txt - Pluvo*");

    b->frame.Run(CommandId::Save);
    EXPECT_EQ(Contents(path).toStdString(), SerializeDrawing(b->doc, "d.txt"));
    EXPECT_EQ(b->frame.windowTitle(), "d.txt - Pluvo");
    EXPECT_TRUE(CopiesLeft().isEmpty()) << "saving removes the copy";
}

TEST_F(RecoveryTest, ASecondWindowOnTheSameFileLeavesTheFirstOnesCopyAlone) {
    const QString path = Path("two.txt");
    ASSERT_FALSE(ReplaceFile(Local("two.txt"), SerializeDrawing(CPluvoDoc(), "two.txt")));
    auto a = Start();
    Open(*a, path);
    a->DrawLine({30, 40}, {120, 90});
    ASSERT_TRUE(a->Copied());

    // The living window's copy is not offered, and the second window's "Nee"
    // in the save prompt removes its own copy only.
    auto b = Start();
    Open(*b, path);
    EXPECT_TRUE(offers.isEmpty()) << offers.join('\n').toStdString();
    b->DrawLine({50, 40}, {120, 150});
    ASSERT_TRUE(b->Copied());
    saveAnswer = SaveAnswer::No;
    EXPECT_TRUE(b->frame.close());
    EXPECT_FALSE(Exists(b->recovery->CopyFile()));
    EXPECT_EQ(CopiedFigures(a->recovery->CopyFile()), a->doc.drawing().figures);

    // The first window keeps its copy up to date, and when it dies, the next
    // window on the file gets its work back.
    a->DrawLine({60, 200}, {200, 100});
    ASSERT_TRUE(a->Copied());
    const std::vector<Figuur> drawn = a->doc.drawing().figures;
    Kill(a);
    keys = {Qt::Key_Return};
    Open(*b, path);
    EXPECT_EQ(b->doc.drawing().figures, drawn);
    EXPECT_EQ(b->frame.windowTitle(), "two.txt - Pluvo*");
}

TEST_F(RecoveryTest, TwoUntitledWindowsKeepACopyEachAndBothComeBack) {
    auto a = Start();
    auto b = Start();
    a->DrawLine({30, 40}, {120, 90});
    b->DrawLine({50, 40}, {120, 150});
    b->DrawLine({60, 200}, {200, 100});
    ASSERT_TRUE(a->Copied());
    ASSERT_TRUE(b->Copied());
    const std::vector<Figuur> first = a->doc.drawing().figures;
    const std::vector<Figuur> second = b->doc.drawing().figures;
    Kill(a);
    Kill(b);

    // Both are offered: the first restored one comes into this window, the
    // second into a window of its own.
    keys = {Qt::Key_Return, Qt::Key_Return};
    auto c = Start();
    EXPECT_EQ(offers.size(), 2);
    ASSERT_EQ(handedOn.size(), 1u);
    auto d = std::make_unique<Window>(places++);
    ASSERT_TRUE(Recovery::Restore(&d->frame, handedOn[0]));
    EXPECT_TRUE((c->doc.drawing().figures == first && d->doc.drawing().figures == second) ||
                (c->doc.drawing().figures == second && d->doc.drawing().figures == first));
    EXPECT_EQ(d->frame.windowTitle(), " - Pluvo*");
    a = std::make_unique<Window>(places++);
    EXPECT_FALSE(Recovery::Restore(&a->frame, handedOn[0])) << "a living window's copy stays its own";
}

TEST_F(RecoveryTest, NeeAndTheSavePromptRemoveTheCopy) {
    auto a = Start();
    a->DrawLine({30, 40}, {120, 90});
    ASSERT_TRUE(a->Copied());
    Kill(a);
    // "Nee" when it is offered.
    keys = {Qt::Key_N};
    auto b = Start();
    EXPECT_EQ(offers.size(), 1);
    EXPECT_TRUE(b->doc.drawing().figures.empty());
    EXPECT_TRUE(CopiesLeft().isEmpty());

    // The save prompt's "Nee", and its "Ja"; the copy follows the drawing
    // after each.
    b->DrawLine({50, 40}, {120, 150});
    ASSERT_TRUE(b->Copied());
    saveAnswer = SaveAnswer::No;
    b->frame.Run(CommandId::New);
    EXPECT_TRUE(CopiesLeft().isEmpty());
    b->DrawLine({50, 40}, {120, 150});
    ASSERT_TRUE(b->Copied());
    saveAnswer = SaveAnswer::Yes;
    files = {Path("kept.plv")};
    b->frame.Run(CommandId::New);
    EXPECT_TRUE(CopiesLeft().isEmpty());
}
