// Figures in hand in the window, with real mouse and key events: the
// selection dragged, figures copied, cut and pasted between two windows
// through the clipboard, and outline colours from the colour bar.
#include "MainFrameFixture.h"

#include "../model/SampleDrawings.h"
#include "interaction/ToolOptions.h"
#include "model/ClipboardFormat.h"
#include "model/TextFormat.h"
#include "model/Win1252.h"
#include "platform/CanvasExport.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMimeData>
#include <QToolBar>

namespace {

const QString kFigures = QString::fromLatin1(kFiguresMimeType.data(), kFiguresMimeType.size());

QImage FreshPaint(CMainFrame& frame, const CPluvoDoc& doc) {
    const QImage& canvas = frame.View()->Canvas();
    return PaintCanvas(doc, canvas.width(), canvas.height(), SelectionMarks::Show, {},
                       frame.View()->CanvasOrigin());
}

} // namespace

TEST_F(MainFrameTest, FiguresGoThroughTheClipboardFromOneWindowIntoAnother) {
    doc = samples::EveryKind();
    WritableSelection(doc) = {9, 8}; // the polygon and the text
    frame->InitialUpdate();
    QClipboard* clipboard = QApplication::clipboard();

    // Ctrl+C: the canvas, and beside it the figures as Pluvo's own type and
    // as SVG; without a selection the canvas only.
    QTest::keyClick(frame->View(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = clipboard->mimeData();
    EXPECT_TRUE(copied->hasImage());
    ASSERT_TRUE(copied->hasFormat(kFigures));
    ASSERT_TRUE(copied->hasFormat("image/svg+xml"));
    const QByteArray svg = copied->data("image/svg+xml");
    EXPECT_TRUE(svg.contains("<polygon") && svg.contains("<text")) << svg.toStdString();
    EXPECT_FALSE(svg.contains("<ellipse")) << "the selection only";
    const QByteArray figures = copied->data(kFigures);
    frame->Run(CommandId::SelectNone);
    QTest::keyClick(frame->View(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(clipboard->mimeData()->hasImage());
    EXPECT_FALSE(clipboard->mimeData()->hasFormat(kFigures));
    EXPECT_FALSE(clipboard->mimeData()->hasFormat("image/svg+xml"));

    // Nothing Pluvo can paste greys Ctrl+V; a text drawing copied as plain
    // text can be pasted.
    clipboard->setText("gewoon een tekst");
    QApplication::processEvents();
    EXPECT_FALSE(frame->Action(CommandId::Paste)->isEnabled());
    std::string text;
    WriteText(doc, text);
    clipboard->setText(QString::fromStdString(Win1252ToUtf8(text)));
    QApplication::processEvents();
    EXPECT_TRUE(frame->Action(CommandId::Paste)->isEnabled());

    // Another window pastes the figures: they follow the pointer until a
    // click puts the first one's p1 there, snapped to the grid.
    auto* data = new QMimeData;
    data->setData(kFigures, figures);
    clipboard->setMimeData(data);
    CPluvoDoc other;
    CMainFrame second(other);
    second.resize(760, 500);
    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    QTest::keyClick(second.View(), Qt::Key_V, Qt::ControlModifier);
    QTest::mouseMove(second.View(), {150, 150});
    QTest::mouseMove(second.View(), {101, 110});
    EXPECT_TRUE(other.drawing().figures.empty()) << "in hand, not yet in the drawing";
    QTest::mouseClick(second.View(), Qt::LeftButton, {}, {101, 110});
    ASSERT_EQ(other.drawing().figures.size(), 2u);
    const Figuur& text8 = doc.drawing().figures[8];
    const Figuur& pastedText = other.drawing().figures[0];
    EXPECT_EQ(pastedText.p1, (POINT{96, 96})) << "the first figure's p1 on the grid by the click";
    ASSERT_TRUE(other.TextOf(pastedText) && other.FontOf(pastedText));
    EXPECT_EQ(*other.TextOf(pastedText), *doc.TextOf(text8));
    EXPECT_EQ(*other.FontOf(pastedText), *doc.FontOf(text8));
    std::vector<POINT> was, now;
    ASSERT_TRUE(doc.PolygonVertices(doc.drawing().figures[9], was));
    ASSERT_TRUE(other.PolygonVertices(other.drawing().figures[1], now));
    for (POINT& p : was) p = {p.x + 96 - text8.p1.x, p.y + 96 - text8.p1.y};
    EXPECT_EQ(now, was);
    EXPECT_EQ(other.Selection(), (std::vector<std::uint32_t>{0, 1}));
    EXPECT_TRUE(other.IsModified());
    EXPECT_EQ(second.View()->Canvas(), FreshPaint(second, other));
    QTest::keyClick(second.View(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(other.drawing().figures.empty()) << "one step";
    // Esc drops figures in hand.
    QTest::keyClick(second.View(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(second.View(), Qt::Key_Escape);
    QTest::mouseClick(second.View(), Qt::LeftButton, {}, {101, 110});
    EXPECT_TRUE(other.drawing().figures.empty());
    second.close();

    // Ctrl+X in the first window: on the clipboard and gone, as one step.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    const std::vector<Figuur> before = doc.drawing().figures;
    WritableSelection(doc) = {2};
    frame->RefreshCommandStates();
    QTest::keyClick(frame->View(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(doc.drawing().figures.size(), before.size() - 1);
    Drawing cut;
    ASSERT_TRUE(ReadFigures(clipboard->mimeData()->data(kFigures).toStdString(), cut));
    ASSERT_EQ(cut.figures.size(), 1u);
    EXPECT_EQ(cut.figures[0].FiguurType, Ellips);
    EXPECT_FALSE(frame->Action(CommandId::Cut)->isEnabled()) << "nothing selected any more";
    QTest::keyClick(frame->View(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc.drawing().figures, before);
}

TEST_F(MainFrameTest, DraggingTheSelectionMovesItByWholeGridCells) {
    Writable(doc).figures = {samples::Make(Rechthoek, {32, 32}, {96, 96})};
    WritableSelection(doc) = {0};
    frame->InitialUpdate();
    frame->Run(CommandId::ToolSelecteer);
    CPluvoView* view = frame->View();
    const QImage start = view->Canvas();

    // Esc while dragging leaves the rectangle and the canvas as they were.
    QTest::mousePress(view, Qt::LeftButton, {}, {32, 60});
    QTest::mouseMove(view, {60, 90});
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::mouseRelease(view, Qt::LeftButton, {}, {60, 90});
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{32, 32}));
    EXPECT_EQ(view->Canvas(), start);
    EXPECT_FALSE(doc.IsModified());

    QTest::mousePress(view, Qt::LeftButton, {}, {32, 60});
    QTest::mouseMove(view, {50, 70});
    QTest::mouseMove(view, {78, 95});
    QTest::mouseRelease(view, Qt::LeftButton, {}, {78, 95});
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{64, 64})) << "46 and 35 pixels: one cell each";
    EXPECT_EQ(doc.drawing().figures[0].p2, (POINT{128, 128}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view->Canvas(), FreshPaint(*frame, doc));
    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{32, 32}));
}

TEST_F(MainFrameTest, ARightClickOnAColourSetsTheOutlineAndTheSwatchShowsBothColours) {
    Writable(doc).figures = {samples::Make(Rechthoek, {32, 32}, {96, 96}),
                             samples::Make(Lijn, {10, 200}, {90, 200})};
    WritableSelection(doc) = {0};
    frame->InitialUpdate();
    QToolBar* bar = frame->ColourBarWidget();
    QWidget* third = bar->widgetForAction(bar->actions()[3]);
    // The context-menu event that a right press brings on X11 (QTest's
    // clicks go to the widget without it).
    QContextMenuEvent menu(QContextMenuEvent::Mouse, {4, 4}, third->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(third, &menu);
    const auto outline = static_cast<std::int32_t>(kVulkleuren[3]);
    EXPECT_EQ(doc.drawing().figures[0].KleurRand, outline);
    EXPECT_EQ(doc.drawing().figures[1].KleurRand, samples::Make(Lijn, {}, {}).KleurRand)
        << "not selected";
    EXPECT_EQ(doc.current.KleurRand, outline) << "and the next figure";
    QTest::mouseClick(bar->widgetForAction(bar->actions()[5]), Qt::LeftButton);
    EXPECT_EQ(doc.drawing().figures[0].KleurVul, static_cast<std::int32_t>(kVulkleuren[5]));
    EXPECT_EQ(doc.drawing().figures[0].KleurRand, outline);

    const QImage swatch = frame->ColourSwatch()->pixmap().toImage();
    const auto colour = [](COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); };
    EXPECT_EQ(swatch.pixelColor(swatch.width() / 8 + 1, swatch.height() / 2),
              colour(kVulkleuren[3]));
    EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), colour(kVulkleuren[5]));
}
