// The window by keyboard: F6 round its parts, the colour bar's keys, and the
// names a screen reader reads for the bars' buttons and fields.
#include "MainFrameFixture.h"

#include "../model/SampleDrawings.h"

#include "interaction/ToolOptions.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolBar>

namespace {

QWidget* Focused() { return QApplication::focusWidget(); }

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focused(), key, modifiers);
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

TEST_F(MainFrameTest, F6GoesRoundTheWindowAndTheColourBarTakesSpaceAndShiftSpace) {
    // Wide enough for every field of the toolbar.
    frame->resize(1200, 500);
    QToolBar* colours = frame->ColourBarWidget();
    const auto button = [&](std::size_t k) {
        return colours->widgetForAction(
            frame->Action(static_cast<CommandId>(static_cast<int>(CommandId::FillColour1) + k)));
    };
    frame->Run(CommandId::ToolRechthoek);
    ASSERT_EQ(Focused(), frame->View());
    Press(Qt::Key_F6);
    EXPECT_EQ(Focused(), frame->TextEdit());
    Press(Qt::Key_F6);
    EXPECT_EQ(Focused(), frame->ToolList());
    EXPECT_EQ(doc.current.FiguurType, Rechthoek) << "passing the text field keeps the tool";
    Press(Qt::Key_F6);
    EXPECT_EQ(Focused(), button(0)) << "a fill colour not on the bar: its first button";
    Press(Qt::Key_F6);
    EXPECT_EQ(Focused(), frame->View());
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), button(0)) << "Shift+F6 goes back";

    // The arrows go from colour to colour, round at the ends; Space sets the
    // fill colour and gives the canvas the keyboard back.
    Press(Qt::Key_Right);
    EXPECT_EQ(Focused(), button(1));
    Press(Qt::Key_Left);
    Press(Qt::Key_Up);
    EXPECT_EQ(Focused(), button(14));
    Press(Qt::Key_Space);
    EXPECT_EQ(doc.current.KleurVul, static_cast<std::int32_t>(kVulkleuren[14]));
    EXPECT_EQ(Focused(), frame->View());
    // F6 comes back to the fill colour's button; Shift+Space sets the
    // outline colour, of the selected figures too, as one step.
    Writable(doc).figures.push_back(samples::Make(Rechthoek, {10, 10}, {50, 50}));
    WritableSelection(doc) = {0};
    Press(Qt::Key_F6, Qt::ShiftModifier);
    ASSERT_EQ(Focused(), button(14));
    Press(Qt::Key_Left);
    Press(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(doc.current.KleurRand, static_cast<std::int32_t>(kVulkleuren[13]));
    EXPECT_EQ(doc.drawing().figures[0].KleurRand, static_cast<std::int32_t>(kVulkleuren[13]));
    EXPECT_EQ(doc.current.KleurVul, static_cast<std::int32_t>(kVulkleuren[14])) << "fill kept";
    EXPECT_EQ(Focused(), frame->View());
    frame->Run(CommandId::StepBack);
    EXPECT_EQ(doc.drawing().figures[0].KleurRand, 0x0000FF);

    // A text typed in the field is taken when F6 leaves it, as when a click
    // does.
    Press(Qt::Key_F6);
    ASSERT_EQ(Focused(), frame->TextEdit());
    QTest::keyClicks(Focused(), "Hal");
    Press(Qt::Key_F6);
    EXPECT_EQ(doc.current.FiguurType, Tekst);
    EXPECT_EQ(*doc.TextOf(doc.current), "Hal") << "F6 selected the field's text";

    // A hidden bar is passed over.
    frame->Run(CommandId::ToolBar);
    Press(Qt::Key_F6);
    EXPECT_EQ(Focused(), button(14));
    frame->Run(CommandId::ColourBar);
    Press(Qt::Key_F6);
    EXPECT_EQ(Focused(), frame->View());
}

TEST_F(MainFrameTest, EveryButtonAndFieldOfTheBarsHasANameForScreenReaders) {
    for (QToolBar* bar : {frame->MainBar(), frame->ColourBarWidget()})
        for (QAction* action : bar->actions()) {
            if (action->isSeparator()) continue;
            QWidget* widget = bar->widgetForAction(action);
            ASSERT_NE(widget, nullptr);
            EXPECT_FALSE(AccessibleName(widget).isEmpty())
                << bar->objectName().toStdString() << " " << widget->metaObject()->className()
                << " " << action->toolTip().toStdString();
        }
    const auto colour = [&](int k) {
        return AccessibleName(frame->ColourBarWidget()->widgetForAction(
            frame->Action(static_cast<CommandId>(static_cast<int>(CommandId::FillColour1) + k))));
    };
    EXPECT_EQ(colour(0), "dof rood");
    EXPECT_EQ(colour(10), "wit");
    EXPECT_EQ(AccessibleName(frame->MainBar()->widgetForAction(frame->Action(CommandId::New))),
              "Nieuw");
}
