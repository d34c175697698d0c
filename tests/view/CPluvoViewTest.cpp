// The canvas in the window: real mouse and key events placing figures, and
// the backing image against a fresh paint and against pluvo convert.
#include "../app/MainFrameFixture.h"

#include "../model/SampleDrawings.h"
#include "model/TextFormat.h"
#include "platform/CanvasExport.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <QProcess>
#include <QTest>

namespace {

void Click(QWidget* view, QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::mouseMove(view, at);
    QTest::mouseClick(view, Qt::LeftButton, keys, at);
}

} // namespace

class CPluvoViewTest : public MainFrameTest {
protected:
    CPluvoView* View() { return frame->View(); }
    // A fresh paint of the drawing over the view's canvas, selection marks
    // shown.
    QImage FreshPaint() {
        const QImage& canvas = View()->Canvas();
        return PaintCanvas(doc, canvas.width(), canvas.height(), SelectionMarks::Show, {},
                           View()->CanvasOrigin());
    }
};

TEST_F(CPluvoViewTest, ClickMoveClickPlacesEachKindAtTheClickedPixels) {
    doc.current.RsterPnt = 0;
    const struct {
        CommandId tool;
        std::int32_t kind;
    } tools[] = {{CommandId::ToolLijn, Lijn},           {CommandId::ToolEllips, Ellips},
                 {CommandId::ToolCirkel, Cirkel},       {CommandId::ToolBoogkwart, Boogkwart},
                 {CommandId::ToolRechthoek, Rechthoek}, {CommandId::ToolVeelhoek, Veelhoek},
                 {CommandId::ToolTekst, Tekst}};
    int row = 0;
    for (const auto& tool : tools) {
        frame->Run(tool.tool);
        const QPoint from(40 + 20 * row, 30 + 40 * row);
        const QPoint to = from + QPoint(60, 25);
        Click(View(), from);
        QTest::mouseMove(View(), to);
        Click(View(), to);
        ASSERT_EQ(doc.drawing().figures.size(), static_cast<std::size_t>(row + 1)) << tool.kind;
        const Figuur& f = doc.drawing().figures.back();
        EXPECT_EQ(f.FiguurType, tool.kind);
        if (tool.kind != Tekst) {
            EXPECT_EQ(f.p1, (POINT{from.x(), from.y()})) << tool.kind;
        }
        EXPECT_EQ(f.p2, (POINT{to.x(), to.y()})) << tool.kind;
        EXPECT_EQ(View()->Canvas(), FreshPaint()) << "after placing, kind " << tool.kind;
        ++row;
    }
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(frame->windowTitle().endsWith('*'));
    EXPECT_FALSE(frame->Action(CommandId::Undo)->isEnabled());
}

TEST_F(CPluvoViewTest, ACancelledGestureLeavesTheCanvasAsItWas) {
    doc = samples::EveryKind();
    WritableSelection(doc) = {1};
    frame->InitialUpdate();
    for (CommandId tool :
         {CommandId::ToolRechthoek, CommandId::ToolKopieer, CommandId::ToolPolygoon,
          CommandId::ToolTekst, CommandId::ToolSelecteer}) {
        frame->Run(tool);
        const QImage before = View()->Canvas();
        Click(View(), {50, 60});
        QTest::mouseMove(View(), {130, 140});
        if (tool == CommandId::ToolPolygoon) {
            Click(View(), {130, 140});
            QTest::mouseMove(View(), {90, 200});
        }
        EXPECT_NE(View()->Canvas(), before) << "the band shows";
        QTest::keyClick(View(), Qt::Key_Escape);
        EXPECT_EQ(View()->Canvas(), before) << static_cast<int>(tool);
    }
    EXPECT_EQ(doc.drawing().figures, samples::EveryKind().drawing().figures);
}

TEST_F(CPluvoViewTest, StatusPanesShowTheClickAndTheDistance) {
    doc.current.RsterPnt = 0;
    Click(View(), {10, 20});
    EXPECT_EQ(frame->Pane(0)->text(), "10-20");
    QTest::mouseMove(View(), {50, 20});
    EXPECT_EQ(frame->Pane(1)->text(), "50-20 1.25") << "40 pixels on a grid of 32";
    QTest::keyClick(View(), Qt::Key_Escape);
    QTest::mouseMove(View(), {7, 9});
    EXPECT_EQ(frame->Pane(1)->text(), "7-9");
}

TEST_F(CPluvoViewTest, RightButtonAndKeysReachTheCommands) {
    Writable(doc).figures.push_back(samples::Make(Lijn, {10, 10}, {50, 10}));
    frame->InitialUpdate();
    QTest::keyClick(View(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{42, 10})) << "Ctrl+Right moves by a grid cell";
    QTest::keyClick(View(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(doc.Selection(), std::vector<std::uint32_t>{0});
    EXPECT_EQ(View()->Canvas(), FreshPaint()) << "the selection marks show";
    QTest::keyClick(View(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_TRUE(doc.drawing().figures.empty());
    EXPECT_TRUE(View()->hasFocus()) << "the canvas keeps the keyboard";
}

TEST_F(CPluvoViewTest, TheCanvasShowsThePixelsOfPluvoConvert) {
    doc = samples::EveryKind();
    // Its circles and texts reach above and left of (0, 0); the labels of a
    // canvas that starts there run along its own edges, so they stay off.
    Writable(doc).MetCoord = 0;
    Writable(doc).MetRaster = 1;
    doc.PathName = Local("some.txt");
    ASSERT_FALSE(SaveDrawing(doc, doc.PathName));
    frame->InitialUpdate();
    // From (0, 0) on, the canvas is what the converter paints.
    const POINT origin = View()->CanvasOrigin();
    const QRect positive(-origin.x, -origin.y, View()->Canvas().width() + origin.x,
                         View()->Canvas().height() + origin.y);
    const QSize size = positive.size();
    const QString png = Path("out.png");
    QProcess convert;
    convert.start(qEnvironmentVariable("PLUVO_EXE"),
                  {"convert", Path("some.txt"), png, "--size",
                   QString("%1x%2").arg(size.width()).arg(size.height())});
    ASSERT_TRUE(convert.waitForFinished(60000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(View()->Canvas().copy(positive), expected);

    // Ctrl+S writes the text format back under its name.
    Writable(doc).figures.push_back(samples::Make(Lijn, {5, 5}, {60, 60}));
    QTest::keyClick(View(), Qt::Key_S, Qt::ControlModifier);
    CPluvoDoc back;
    ASSERT_EQ(OpenDrawing(back, Local("some.txt")).status, OpenStatus::Opened);
    EXPECT_EQ(back.drawing().figures, doc.drawing().figures);
}

namespace {

void Wheel(QWidget* view, QPoint at, QPoint angle, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QWheelEvent event(at, view->mapToGlobal(at), QPoint(), angle, Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

QPoint At(CPluvoView* view, POINT drawing) {
    const POINT w = view->Mapping().ToWindow(drawing);
    return {w.x, w.y};
}

} // namespace

TEST_F(CPluvoViewTest, ZoomedAndScrolledTheMouseWorksInDrawingUnits) {
    doc.current.RsterPnt = 0;
    Writable(doc).figures.push_back(samples::Make(Rechthoek, {2400, 1800}, {2600, 1900}));
    frame->InitialUpdate();
    const QImage atStart = View()->Canvas();
    EXPECT_GE(atStart.width(), 2600);
    ASSERT_FALSE(View()->VerticalBar()->isHidden());

    // A notch scrolls three lines of 20 pixels, Shift turns it sideways; the
    // status bar shows the drawing point that comes under the pointer.
    QTest::mouseMove(View(), {100, 100});
    Wheel(View(), {100, 100}, {0, -120});
    EXPECT_EQ(View()->VerticalBar()->value(), 60);
    EXPECT_EQ(frame->Pane(1)->text(), "100-160");
    Wheel(View(), {100, 100}, {0, -120}, Qt::ShiftModifier);
    EXPECT_EQ(View()->HorizontalBar()->value(), 60);
    // Ctrl zooms around the pointer: the drawing point under it stays.
    const POINT under = View()->Mapping().ToDrawing({200, 150});
    Wheel(View(), {200, 150}, {0, 120}, Qt::ControlModifier);
    EXPECT_EQ(View()->ZoomStep(), kActualSize + 1);
    EXPECT_EQ(View()->Mapping().ToDrawing({200, 150}), under);
    EXPECT_EQ(frame->ZoomPane()->text(), "200 %");
    frame->Run(CommandId::ZoomIn);
    View()->HorizontalBar()->setValue(333);
    View()->VerticalBar()->setValue(250);
    EXPECT_EQ(View()->Canvas().cacheKey(), atStart.cacheKey()) << "zooming paints nothing";

    // Every canvas pixel shows as a square of 4 x 4.
    const QImage shown = View()->grab(QRect(0, 0, 400, 300)).toImage().convertToFormat(
        QImage::Format_RGB32);
    const POINT topLeft = View()->Mapping().ToDrawing({0, 0});
    for (int y = 0; y < 300; y += 7)
        for (int x = 0; x < 400; x += 5)
            ASSERT_EQ(shown.pixel(x, y),
                      atStart.pixel(topLeft.x + (x + 333 % 4) / 4, topLeft.y + (y + 250 % 4) / 4))
                << x << "," << y;

    // Click, move, click and press, drag, release store what 100 % stores.
    frame->Run(CommandId::ToolRechthoek);
    Click(View(), At(View(), {150, 120}));
    QTest::mouseMove(View(), At(View(), {190, 140}));
    Click(View(), At(View(), {190, 140}));
    QTest::mousePress(View(), Qt::LeftButton, {}, At(View(), {160, 125}));
    QTest::mouseMove(View(), At(View(), {175, 135}));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, At(View(), {175, 135}));
    ASSERT_EQ(doc.drawing().figures.size(), 3u);
    EXPECT_EQ(doc.drawing().figures[1].p1, (POINT{150, 120}));
    EXPECT_EQ(doc.drawing().figures[1].p2, (POINT{190, 140}));
    EXPECT_EQ(doc.drawing().figures[2].p1, (POINT{160, 125}));
    EXPECT_EQ(doc.drawing().figures[2].p2, (POINT{175, 135}));

    // Ctrl+0 still selects nothing; the copy is the whole canvas at 100 %
    // from (0, 0), wherever the window looks.
    const QImage copy = View()->CaptureCanvas();
    EXPECT_EQ(copy, PaintCanvas(doc, copy.width(), copy.height(), SelectionMarks::Show));
    EXPECT_GE(copy.width(), 2600);
    frame->Run(CommandId::ZoomFit);
    const int fit = View()->ZoomStep();
    EXPECT_LT(fit, kActualSize);
    EXPECT_TRUE(View()->HorizontalBar()->isHidden());
    QTest::keyClick(View(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(View()->ZoomStep(), fit);
    EXPECT_EQ(View()->CaptureCanvas(), copy);

    // Below 100 % the window shows the canvas halved once per step.
    ASSERT_TRUE(View()->VerticalBar()->isHidden());
    QImage reduced = View()->Canvas();
    for (int step = kActualSize; step > fit; --step) {
        QImage half;
        HalveInto(reduced, half);
        reduced = half;
    }
    const QImage whole = View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(whole.copy(QRect(QPoint(0, 0), reduced.size())), reduced);
}

TEST_F(CPluvoViewTest, FiguresBelowZeroAreReachableAndEachDrawingStartsAtItsOrigin) {
    doc.current.RsterPnt = 0;
    Writable(doc).figures.push_back(samples::Make(Lijn, {-300, -200}, {40, 40}));
    frame->InitialUpdate();
    // The drawing's (0, 0) at the window's top-left; the canvas reaches a
    // grid cell beyond the line's start, to a multiple of 8, and the scroll
    // bars show what lies there.
    EXPECT_EQ(View()->Mapping().ToDrawing({0, 0}), (POINT{0, 0}));
    EXPECT_EQ(View()->CanvasOrigin(), (POINT{-336, -232}));
    EXPECT_EQ(View()->HorizontalBar()->value(), 336);
    EXPECT_EQ(View()->VerticalBar()->value(), 232);
    EXPECT_EQ(View()->Canvas(), FreshPaint());

    // Scrolled to the top-left, a click lands below zero.
    QTest::mouseMove(View(), {100, 100});
    for (int notch = 0; notch < 6; ++notch) {
        Wheel(View(), {100, 100}, {0, 120});
        Wheel(View(), {100, 100}, {0, 120}, Qt::ShiftModifier);
    }
    EXPECT_EQ(View()->Mapping().ToDrawing({0, 0}), (POINT{-336, -232}));
    frame->Run(CommandId::ToolLijn);
    Click(View(), At(View(), {-250, -150}));
    QTest::mouseMove(View(), At(View(), {-200, -150}));
    Click(View(), At(View(), {-200, -150}));
    ASSERT_EQ(doc.drawing().figures.size(), 2u);
    EXPECT_EQ(doc.drawing().figures[1].p1, (POINT{-250, -150}));

    // A new drawing starts at its own (0, 0), not where this one was.
    frame->Run(CommandId::New);
    EXPECT_EQ(View()->Mapping().ToDrawing({0, 0}), (POINT{0, 0}));
    EXPECT_TRUE(View()->HorizontalBar()->isHidden());
    EXPECT_TRUE(View()->VerticalBar()->isHidden());
}

namespace {

QImage Shown(CPluvoView* view) {
    return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The window's part that shows the drawing rectangle from `from` to `to`.
QRect OnWindow(CPluvoView* view, POINT from, POINT to) {
    return QRect(At(view, from), At(view, to) - QPoint(1, 1));
}

} // namespace

TEST_F(CPluvoViewTest, GrowingUpAndLeftKeepsEveryDrawingPointOnItsPixel) {
    doc.current.RsterPnt = 0;
    doc.current.nHoek = 5;
    Writable(doc).MetRaster = 1;
    Writable(doc).figures.push_back(samples::Make(Rechthoek, {300, 200}, {400, 260}));
    frame->InitialUpdate();
    ASSERT_EQ(View()->CanvasOrigin(), (POINT{0, 0}));
    // Where no figure lies, before or after.
    const POINT quietFrom{440, 300}, quietTo{560, 400};
    QImage before = Shown(View());

    // A pentagon around (40, 40) whose corners reach above and left of 0.
    frame->Run(CommandId::ToolVeelhoek);
    Click(View(), {40, 40});
    QTest::mouseMove(View(), {40, 100});
    Click(View(), {40, 100});
    ASSERT_EQ(doc.drawing().figures.size(), 2u);
    EXPECT_LT(View()->CanvasOrigin().x, 0);
    EXPECT_LT(View()->CanvasOrigin().y, 0);
    EXPECT_EQ(View()->Mapping().ToWindow({300, 200}), (POINT{300, 200}));
    QRect quiet = OnWindow(View(), quietFrom, quietTo);
    EXPECT_EQ(Shown(View()).copy(quiet), before.copy(quiet));
    EXPECT_EQ(Shown(View()).copy(QRect(300, 200, 101, 61)), before.copy(QRect(300, 200, 101, 61)))
        << "the rectangle stays where it was";
    EXPECT_FALSE(View()->VerticalBar()->isHidden()) << "the bar shows what lies above";

    // Zoomed out to 50 %, all figures turned a quarter with Ctrl+R: the
    // pentagon's corners now reach farther left, and still nothing moves.
    frame->Run(CommandId::ZoomOut);
    const POINT under = View()->Mapping().ToDrawing({260, 180});
    quiet = OnWindow(View(), quietFrom, quietTo);
    before = Shown(View());
    const POINT originBefore = View()->CanvasOrigin();
    QTest::keyClick(View(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_NE(View()->CanvasOrigin(), originBefore);
    EXPECT_EQ(View()->Mapping().ToDrawing({260, 180}), under);
    EXPECT_EQ(Shown(View()).copy(quiet), before.copy(quiet));
    frame->Run(CommandId::ToolLijn);
    Click(View(), {260, 180});
    QTest::mouseMove(View(), {300, 180});
    Click(View(), {300, 180});
    ASSERT_EQ(doc.drawing().figures.size(), 3u);
    EXPECT_EQ(doc.drawing().figures[2].p1, under) << "the next click lands where it pointed before";
}

TEST_F(CPluvoViewTest, ZoomedOutTheGridAndItsLabelsFillTheWholeWindow) {
    Writable(doc).MetCoord = 1;
    Writable(doc).figures.push_back(samples::Make(Rechthoek, {40, 30}, {200, 120}));
    frame->InitialUpdate();
    // What the window shows at a step below 100 % from (0, 0): the canvas
    // painted over `size` drawing pixels, halved once per step.
    const auto reduced = [this](QSize size, int step) {
        QImage image = PaintCanvas(doc, size.width(), size.height(), SelectionMarks::Show);
        for (int i = step; i < kActualSize; ++i) {
            QImage half;
            HalveInto(image, half);
            image = half;
        }
        return image;
    };
    for (int step : {kActualSize - 1, kActualSize - 2}) {
        frame->Run(CommandId::ZoomOut);
        ASSERT_EQ(View()->ZoomStep(), step);
        EXPECT_TRUE(View()->HorizontalBar()->isHidden());
        EXPECT_TRUE(View()->VerticalBar()->isHidden());
        const QSize window = View()->size();
        const int unit = 1 << (kActualSize - step);
        EXPECT_EQ(Shown(View()), reduced(window * unit, step)) << ZoomText(step);
    }
    // At 12.5 % a large window shows more than the canvas holds; beyond it
    // the grid, the labels and the background go on as if it held it all.
    frame->resize(1800, 1300);
    frame->Run(CommandId::ZoomOut);
    ASSERT_EQ(View()->ZoomStep(), 0);
    const QSize window = View()->size();
    ASSERT_GT(std::int64_t{window.width()} * window.height() * 64, kMaxViewPixels);
    ASSERT_LT(View()->Canvas().width(), window.width() * 8) << "the canvas is cut at its cap";
    const QImage shown = Shown(View());
    EXPECT_EQ(shown.copy(0, 0, window.width(), 32), reduced(QSize(window.width() * 8, 256), 0));
    const QRgb grey = View()->palette().color(QPalette::Dark).rgb();
    int greyPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) greyPixels += shown.pixel(x, y) == grey;
    EXPECT_EQ(greyPixels, 0);
    // A rectangle placed out there, beyond the canvas, shows once placed:
    // the canvas takes the drawing in first.
    const QPoint from(window.width() - 60, 40), to = from + QPoint(40, 30);
    frame->Run(CommandId::ToolRechthoek);
    Click(View(), from);
    QTest::mouseMove(View(), to);
    Click(View(), to);
    ASSERT_EQ(doc.drawing().figures.size(), 2u);
    EXPECT_NE(Shown(View()).copy(QRect(from, to)), shown.copy(QRect(from, to)));
    const CanvasLayout canvas{View()->CanvasOrigin(), View()->Canvas().width(),
                              View()->Canvas().height()};
    EXPECT_GT(canvas.origin.x + canvas.width, doc.drawing().figures[1].p2.x);
    EXPECT_GT(canvas.origin.y + canvas.height, doc.drawing().figures[1].p2.y);
}

// While a gesture's band follows the pointer, the window updates only where
// the band was and is: at every zoom step the screen then holds what a paint
// of the whole view gives.
TEST_F(CPluvoViewTest, WhileABandFollowsThePointerTheScreenShowsWhatAWholePaintShows) {
    for (int k = 0; k < 40; ++k)
        Writable(doc).figures.push_back(
            samples::Make(k % 2 ? Ellips : Rechthoek, {13 * k, 7 * k}, {13 * k + 90, 7 * k + 60}));
    frame->InitialUpdate();
    frame->Run(CommandId::ToolLijn);
    const auto screen = [&] {
        QApplication::processEvents();
        const QPoint at = View()->mapTo(frame.get(), QPoint(0, 0));
        return frame->screen()
            ->grabWindow(frame->winId(), at.x(), at.y(), View()->width(), View()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    for (int step : {kActualSize - 2, kActualSize - 1, kActualSize, kActualSize + 1}) {
        View()->SetZoomStep(step);
        Click(View(), {61, 47});
        for (const QPoint to : {QPoint(200, 150), QPoint(90, 260), QPoint(301, 33), QPoint(62, 48)}) {
            QTest::mouseMove(View(), to);
            ASSERT_EQ(screen(), View()->grab().toImage().convertToFormat(QImage::Format_RGB32))
                << "step " << step << " to " << to.x() << "," << to.y();
        }
        View()->CancelGesture();
    }
}
