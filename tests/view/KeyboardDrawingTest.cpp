// Drawing without a mouse: real key events on the canvas move the grid
// cursor and click at it, the view follows it, its cross shows on the screen
// and never on the canvas, and a screen reader reads and hears the canvas.
#include "../app/MainFrameFixture.h"

#include "../dialogs/DialogTestSupport.h"
#include "../model/SampleDrawings.h"
#include "dialogs/CKenmerkenDlg.h"
#include "platform/CanvasExport.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTest>

class KeyboardDrawingTest : public MainFrameTest {
protected:
    CPluvoView* View() { return frame->View(); }
    void Keys(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = {}) {
        for (Qt::Key key : keys) QTest::keyClick(View(), key, modifiers);
    }
    void Repeat(Qt::Key key, int times, Qt::KeyboardModifiers modifiers = {}) {
        for (int k = 0; k < times; ++k) QTest::keyClick(View(), key, modifiers);
    }
    // To the top-left corner of what the view shows: the drawing's (0, 0).
    void ToOrigin() {
        if (!View()->KeyCursor().Shown()) Keys({Qt::Key_Left});
        Repeat(Qt::Key_Left, 30);
        Repeat(Qt::Key_Up, 30);
        ASSERT_EQ(View()->KeyCursor().At(), (POINT{0, 0}));
    }
    // To the grid point (x, y) from (0, 0).
    void To(int x, int y) {
        ToOrigin();
        Repeat(Qt::Key_Right, x);
        Repeat(Qt::Key_Down, y);
    }
};

TEST_F(KeyboardDrawingTest, ArrowsAndReturnPlaceWhatClicksPlace) {
    ASSERT_FALSE(View()->KeyCursor().Shown());
    Keys({Qt::Key_Right});
    ASSERT_TRUE(View()->KeyCursor().Shown()) << "the first arrow shows the cursor";
    const POINT middle = View()->Mapping().ToDrawing({View()->width() / 2, View()->height() / 2});
    const POINT start = View()->KeyCursor().At();
    EXPECT_EQ(start.x % 32, 0);
    EXPECT_EQ(start.y % 32, 0);
    EXPECT_LE(std::abs(start.x - middle.x), 32) << "it starts in the middle of the view";
    EXPECT_LE(std::abs(start.y - middle.y), 32);

    // A rectangle from grid point (2, 2) to (5, 4), then with Shift a
    // square, as Shift at the first click makes one.
    frame->Run(CommandId::ToolRechthoek);
    To(2, 2);
    Keys({Qt::Key_Return});
    Keys({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down});
    const QImage band = View()->Canvas();
    Keys({Qt::Key_Return});
    EXPECT_NE(band, View()->Canvas()) << "the band followed the cursor";
    To(7, 1);
    QTest::keyClick(View(), Qt::Key_Space, Qt::ShiftModifier);
    Keys({Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space});
    // A free polygon of four corners, closed on its first, then stepped back.
    frame->Run(CommandId::ToolPolygoon);
    To(1, 6);
    Keys({Qt::Key_Return, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return, Qt::Key_Down,
          Qt::Key_Return, Qt::Key_Left, Qt::Key_Return, Qt::Key_Up, Qt::Key_Left, Qt::Key_Return});
    ASSERT_EQ(doc.drawing().figures.size(), 3u);
    EXPECT_EQ(doc.drawing().figures[2].FiguurType, Polygoon);
    EXPECT_EQ(doc.drawing().figures[2].nHoek, 4);
    QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier);
    // Alt steps a pixel; without grid points a click lands there.
    frame->Run(CommandId::GridPoints);
    frame->Run(CommandId::ToolLijn);
    To(1, 8);
    Keys({Qt::Key_Right, Qt::Key_Right}, Qt::AltModifier);
    Keys({Qt::Key_Enter});
    Keys({Qt::Key_Down}, Qt::AltModifier);
    Keys({Qt::Key_Right, Qt::Key_Enter});
    // The selection band, a copy of what it selected, a flood fill and a
    // text.
    frame->Run(CommandId::ToolSelecteer);
    To(1, 1);
    Keys({Qt::Key_Return});
    To(6, 5);
    Keys({Qt::Key_Return});
    EXPECT_EQ(doc.Selection(), std::vector<std::uint32_t>{0});
    frame->Run(CommandId::ToolKopieer);
    To(10, 6);
    Keys({Qt::Key_Return, Qt::Key_Return});
    frame->Run(CommandId::ToolOpvullen);
    To(3, 3);
    Keys({Qt::Key_Return});
    frame->Run(CommandId::ToolTekst);
    To(12, 1);
    Keys({Qt::Key_Return, Qt::Key_Return});

    // Esc cancels as it does for the mouse; Space held down clicks once.
    To(9, 9);
    Keys({Qt::Key_Space, Qt::Key_Right, Qt::Key_Escape});
    QTest::keyPress(View(), Qt::Key_Space);
    Keys({Qt::Key_Down});
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(View(), &held);
    QTest::keyRelease(View(), Qt::Key_Space);
    Keys({Qt::Key_Escape});

    const std::vector<Figuur>& figures = doc.drawing().figures;
    ASSERT_EQ(figures.size(), 6u);
    EXPECT_EQ(figures[0].FiguurType, Rechthoek);
    EXPECT_EQ(figures[0].p1, (POINT{64, 64}));
    EXPECT_EQ(figures[0].p2, (POINT{160, 128}));
    EXPECT_EQ(figures[1].p1, (POINT{224, 32}));
    EXPECT_EQ(figures[1].p2, (POINT{256, 64})) << "Shift made a square";
    EXPECT_EQ(figures[2].FiguurType, Lijn);
    EXPECT_EQ(figures[2].p1, (POINT{34, 256}));
    EXPECT_EQ(figures[2].p2, (POINT{64, 257}));
    EXPECT_EQ(figures[3].FiguurType, Rechthoek);
    EXPECT_EQ(figures[3].p1, (POINT{320, 192})) << "the copy";
    EXPECT_EQ(figures[3].p2, (POINT{416, 256}));
    EXPECT_EQ(figures[4].FiguurType, Opvullen);
    EXPECT_EQ(figures[4].p1, (POINT{96, 96}));
    EXPECT_EQ(figures[5].FiguurType, Tekst);
    EXPECT_EQ(figures[5].p1, (POINT{384, 32}));
    EXPECT_TRUE(doc.drawing().points.empty()) << "the polygon's step took its corners";

    // The cross shows on the screen over the canvas, never in it.
    const QImage canvas = View()->Canvas();
    EXPECT_EQ(canvas, PaintCanvas(doc, canvas.width(), canvas.height(), SelectionMarks::Show, {},
                                  View()->CanvasOrigin()));
    const QImage screen = View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const POINT at = View()->Mapping().ToWindow(View()->KeyCursor().At());
    const QRgb arm = screen.pixel(at.x + 4, at.y), edge = screen.pixel(at.x + 4, at.y + 1);
    EXPECT_EQ(arm, qRgb(255, 255, 255));
    EXPECT_EQ(edge, qRgb(0, 0, 0));
    EXPECT_NE(canvas.pixel(at.x + 4, at.y + 1), edge);
}

TEST_F(KeyboardDrawingTest, TheCursorStartsUnderThePointerAndTheViewFollowsIt) {
    // The pointer over the canvas: the cursor starts on its grid point, and
    // the pointer's next move takes over from it.
    QTest::mouseMove(View(), {200, 100});
    QTest::mouseMove(View(), {101, 82});
    Keys({Qt::Key_Down});
    EXPECT_EQ(View()->KeyCursor().At(), View()->Mapping().ToDrawing({96, 96}));
    Keys({Qt::Key_Down});
    EXPECT_EQ(View()->KeyCursor().At(), View()->Mapping().ToDrawing({96, 128}));
    QTest::mouseMove(View(), {300, 200});
    EXPECT_FALSE(View()->KeyCursor().Shown());

    // Right, past the window's edge: the view scrolls along, so that the
    // cursor stays a grid cell inside, and comes back with it.
    Keys({Qt::Key_Right});
    Repeat(Qt::Key_Right, 40);
    const POINT far = View()->KeyCursor().At();
    const POINT shown = View()->Mapping().ToWindow(far);
    EXPECT_GT(View()->Mapping().offsetX, 0);
    EXPECT_GE(shown.x, 32);
    EXPECT_LE(shown.x, View()->width() - 32);
    Repeat(Qt::Key_Left, 60);
    EXPECT_EQ(View()->Mapping().offsetX, 0);
    EXPECT_EQ(View()->KeyCursor().At().x, 0);

    // Page Down and Page Up, Home and End scroll a drawing larger than the
    // window; the cursor stays where it is.
    Writable(doc).figures.push_back(samples::Make(Rechthoek, {2000, 2000}, {2100, 2100}));
    frame->InitialUpdate();
    EXPECT_FALSE(View()->KeyCursor().Shown()) << "a new drawing hides it";
    Keys({Qt::Key_Down});
    const POINT kept = View()->KeyCursor().At();
    Keys({Qt::Key_PageDown});
    EXPECT_EQ(View()->VerticalBar()->value(), View()->VerticalBar()->pageStep());
    Keys({Qt::Key_End});
    EXPECT_EQ(View()->VerticalBar()->value(), View()->VerticalBar()->maximum());
    EXPECT_EQ(View()->HorizontalBar()->value(), View()->HorizontalBar()->maximum());
    Keys({Qt::Key_Home});
    EXPECT_EQ(View()->VerticalBar()->value(), 0);
    EXPECT_EQ(View()->HorizontalBar()->value(), 0);
    EXPECT_EQ(View()->KeyCursor().At(), kept);

    // The menu key and Shift+F10 open what the right button opens.
    int opened = 0;
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        dialogtest::WhenModal<CKenmerkenDlg>([&opened](CKenmerkenDlg& dialog) {
            ++opened;
            dialog.reject();
        });
        QTest::keyClick(View(), key, modifiers);
    }
    EXPECT_EQ(opened, 2);
}

// The canvas as a screen reader meets it: its name, its description, and
// the spoken value (CanvasSpeech) also as its text; that it is heard needs a
// real accessibility bus (tests/e2e/draw-by-keys).
TEST_F(KeyboardDrawingTest, AScreenReaderReadsTheCanvas) {
    QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(View());
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->text(QAccessible::Name), "Tekening");
    EXPECT_FALSE(canvas->text(QAccessible::Description).isEmpty());
    QAccessibleTextInterface* text = canvas->textInterface();
    ASSERT_NE(text, nullptr);
    frame->Run(CommandId::ToolRechthoek);
    To(2, 2);
    Keys({Qt::Key_Return, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return});
    const QString value = canvas->text(QAccessible::Value);
    EXPECT_TRUE(value.startsWith("Rasterpunt 3,3, pixel 96,96. Onder de cursor: Rechthoek 1"))
        << value.toStdString();
    EXPECT_EQ(text->text(0, text->characterCount()), value);
    EXPECT_EQ(text->text(3, 13), value.mid(3, 10));
}
