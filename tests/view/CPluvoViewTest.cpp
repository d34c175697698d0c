// The canvas in the window: real mouse and key events placing figures, and
// the backing image against a fresh paint and against pluvo convert.
#include "../app/MainFrameFixture.h"

#include "../model/SampleDrawings.h"
#include "model/TextFormat.h"
#include "platform/CanvasExport.h"

#include <QLabel>
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
    // A fresh paint of the drawing at the view's size, selection marks shown.
    QImage FreshPaint() {
        return PaintCanvas(doc, View()->width(), View()->height(), SelectionMarks::Show);
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
        ASSERT_EQ(doc.figures.size(), static_cast<std::size_t>(row + 1)) << tool.kind;
        const Figuur& f = doc.figures.back();
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
    doc.selection = {1};
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
    EXPECT_EQ(doc.figures, samples::EveryKind().figures);
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
    doc.figures.push_back(samples::Make(Lijn, {10, 10}, {50, 10}));
    frame->InitialUpdate();
    QTest::keyClick(View(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(doc.figures[0].p1, (POINT{42, 10})) << "Ctrl+Right moves by a grid cell";
    QTest::keyClick(View(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(doc.selection, std::vector<std::uint32_t>{0});
    EXPECT_EQ(View()->Canvas(), FreshPaint()) << "the selection marks show";
    QTest::keyClick(View(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_TRUE(doc.figures.empty());
    EXPECT_TRUE(View()->hasFocus()) << "the canvas keeps the keyboard";
}

TEST_F(CPluvoViewTest, TheCanvasShowsThePixelsOfPluvoConvert) {
    doc = samples::EveryKind();
    doc.MetCoord = 1;
    doc.MetRaster = 1;
    doc.PathName = Local("some.txt");
    ASSERT_FALSE(SaveDrawing(doc, doc.PathName));
    frame->InitialUpdate();
    const QSize size = View()->size();
    const QString png = Path("out.png");
    QProcess convert;
    convert.start(qEnvironmentVariable("PLUVO_EXE"),
                  {"convert", Path("some.txt"), png, "--size",
                   QString("%1x%2").arg(size.width()).arg(size.height())});
    ASSERT_TRUE(convert.waitForFinished(60000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(View()->Canvas(), expected);

    // Ctrl+S writes the text format back under its name.
    doc.figures.push_back(samples::Make(Lijn, {5, 5}, {60, 60}));
    QTest::keyClick(View(), Qt::Key_S, Qt::ControlModifier);
    CPluvoDoc back;
    ASSERT_EQ(OpenDrawing(back, Local("some.txt")).status, OpenStatus::Opened);
    EXPECT_EQ(back.figures, doc.figures);
}
