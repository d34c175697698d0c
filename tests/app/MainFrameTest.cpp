// The main window: menus, toolbars and status bar built from the command
// table, check marks, the title, the window position and the tool controls.
#include "../model/TestAccess.h"
#include "MainFrameFixture.h"

#include "../dialogs/DialogTestSupport.h"
#include "dialogs/CKenmerkenDlg.h"

#include "app/CommandTable.h"
#include "interaction/ToolOptions.h"
#include "model/TextFormat.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

std::string Text(const QRect& r) {
    return QString("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QString("|") : action->text());
    return texts;
}

} // namespace

TEST_F(MainFrameTest, MenusFollowTheCommandTable) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    QStringList titles;
    for (QAction* menu : menus) titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&Bestand", "B&eeld", "&Opties", "&Vorm", "&Hulp"}));

    EXPECT_EQ(MenuTexts(menus[0]->menu()), (QStringList{"&Nieuw\tCtrl+N",
                                                        "&Open...\tCtrl+O",
                                                        "&Op&slaan\tCtrl+S",
                                                        "Opslaan &als...\tF12",
                                                        "|",
                                                        "Schrijf als &tekst...",
                                                        "Lees a&ls tekst...",
                                                        "|",
                                                        "S&chrijf SVG...",
                                                        "Schrijf P&DF...",
                                                        "|",
                                                        "&Voeg tekening toe...",
                                                        "|",
                                                        "&Print...\tCtrl+P",
                                                        "A&fdrukvoorbeeld...",
                                                        "P&rint Setup...",
                                                        "|",
                                                        "Recent File",
                                                        "|",
                                                        "E&xit"}));
    EXPECT_EQ(MenuTexts(menus[1]->menu()),
              (QStringList{"&Werkbalk", "&Statusbalk", "&Kleurenbalk", "|", "Toon &raster",
                           "Toon &coördinaten", "&Op roosterpunt", "Alles opnieuw &tekenen", "|",
                           "&Inzoomen\tCtrl++", "&Uitzoomen\tCtrl+-", "Ware &grootte",
                           "&Hele tekening", "|", "Taa&l / Language..."}));
    EXPECT_EQ(MenuTexts(menus[2]->menu()), (QStringList{"&Undo\tAlt+Bksp",
                                                        "Stap &terug\tCtrl+Z",
                                                        "&Stap vooruit\tCtrl+Y",
                                                        "|",
                                                        "&Kenmerken...\tCtrl+E",
                                                        "&Naar klembord\tCtrl+C",
                                                        "Gehele veld als png schrijven...",
                                                        "&Objectenlijst...\tCtrl+F",
                                                        "&Laatste object verwijderen\tCtrl+BkSp",
                                                        "|",
                                                        "Ver&groot...\tCtrl+Q",
                                                        "|",
                                                        "Objecten naar l&inks\tCtrl+Pijl Links",
                                                        "Objecten naar &rechts\tCtrl+Pijl Rechts",
                                                        "Objecten om&hoog\tCtrl+Pijl Op",
                                                        "Objecten &omlaag\tCtrl+Pijl Neer",
                                                        "|",
                                                        "&Draai 90 graden rechtsom\tCtrl+R",
                                                        "|",
                                                        "Selecteer &alle objecten\tCtrl+A",
                                                        "Selecteer geen &enkel object\tCtrl+0",
                                                        "|",
                                                        "&Verwijder\tAlt+Delete"}));
    EXPECT_EQ(MenuTexts(menus[3]->menu()),
              (QStringList{"&Lijn", "&Ellips", "&Cirkel", "&BoogKwart", "&Rechthoek", "&Veelhoek",
                           "&Opvullen", "&Tekst", "&Kopie", "&Selecteer", "&Polygoon", "|",
                           "&Dikker", "D&unner", "Vul &ja/nee"}));
    EXPECT_EQ(MenuTexts(menus[4]->menu()), (QStringList{"&Handleiding\tF1", "&Over Pluvo..."}));

    // Every row's action carries the row's keys, prompt and tooltip.
    for (const CommandRow& row : CommandRows()) {
        QAction* action = frame->Action(row.id);
        ASSERT_NE(action, nullptr) << static_cast<int>(row.id);
        EXPECT_EQ(action->shortcuts(),
                  row.keys ? QKeySequence::listFromString(QString::fromLatin1(row.keys))
                           : QList<QKeySequence>())
            << static_cast<int>(row.id);
        EXPECT_EQ(action->statusTip(), QString::fromUtf8(row.prompt)) << static_cast<int>(row.id);
        if (row.tooltip) {
            EXPECT_EQ(action->toolTip(), QString::fromUtf8(row.tooltip));
        }
    }
    EXPECT_EQ(frame->Action(CommandId::RemoveSelected)->shortcut(), QKeySequence("Alt+Delete"));
    EXPECT_EQ(frame->Action(CommandId::Undo)->shortcut(),
              QKeySequence(Qt::ALT | Qt::Key_Backspace));
}

TEST_F(MainFrameTest, ToolbarsAndStatusBarAreBuiltInOrder) {
    QStringList buttons;
    for (QAction* action : frame->MainBar()->actions()) {
        if (action->isSeparator())
            buttons << "|";
        else if (QWidget* widget = frame->MainBar()->widgetForAction(action);
                 widget && !qobject_cast<QToolButton*>(widget))
            buttons << widget->objectName();
        else
            buttons << action->toolTip();
    }
    EXPECT_EQ(buttons,
              (QStringList{"Nieuw",    "Open",        "Opslaan",     "|",        "Klembord",
                           "|",        "Print",       "|",           "Undo",     "Stap terug", "Stap vooruit", "|",
                           "Vergroot", "Kenmerken",   "Objecten",    "|",        "Verversen",
                           "Raster",   "Coördinaten", "Roosterpunt", "|",        "Dikker",
                           "Dunner",   "Vul",         "|",           "TextEdit", "|",
                           "ToolList", "|",           "Over",        ""}));
    EXPECT_FALSE(frame->MainBar()->actions().last()->isEnabled())
        << "the last button has no handler";
    EXPECT_EQ(frame->TextEdit()->width(), 180);
    EXPECT_EQ(frame->ToolList()->width(), 100);
    EXPECT_FALSE(frame->MainBar()->isMovable());

    QToolBar* colours = frame->ColourBarWidget();
    EXPECT_EQ(frame->toolBarArea(colours), Qt::LeftToolBarArea);
    EXPECT_TRUE(colours->isMovable());
    EXPECT_TRUE(colours->isFloatable());
    EXPECT_EQ(colours->allowedAreas(), Qt::AllToolBarAreas);
    ASSERT_EQ(colours->actions().size(), 15);
    for (QAction* action : colours->actions()) {
        EXPECT_EQ(action->statusTip(), "Zet vulkleur, ook voor geselecteerde objecten");
        EXPECT_EQ(action->toolTip(), "Vulkleur");
    }
    // The button shows its colour.
    const QImage swatch = colours->actions()[3]->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(swatch.pixelColor(8, 8), QColor(255, 100, 100));

    EXPECT_EQ(frame->Pane(0)->text(), "Doe iets");
    EXPECT_GE(frame->Pane(1)->width(), 70);
    EXPECT_GE(frame->Pane(1)->width(),
              frame->Pane(1)->fontMetrics().horizontalAdvance("1234-567 12.34"))
        << "a position with its distance is not cut off";
    EXPECT_EQ(frame->Pane(2)->objectName(), "CAP");
    EXPECT_EQ(frame->Pane(3)->objectName(), "NUM");
    EXPECT_EQ(frame->Pane(4)->objectName(), "SCRL");
}

TEST_F(MainFrameTest, PromptsShowInTheMessagePaneWhileHighlighted) {
    QAction* rotate = frame->Action(CommandId::Rotate);
    rotate->showStatusText(frame.get());
    EXPECT_EQ(frame->Pane(0)->text(), "Draai alle figuren 90 graden rechtsom");
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(frame.get(), &none);
    EXPECT_EQ(frame->Pane(0)->text(), "Doe iets");
}

TEST_F(MainFrameTest, CheckMarksFollowTheDrawingAndTheBars) {
    frame->RefreshCommandStates();
    EXPECT_TRUE(frame->Action(CommandId::ShowGrid)->isChecked());
    EXPECT_FALSE(frame->Action(CommandId::ShowCoordinates)->isChecked());
    EXPECT_TRUE(frame->Action(CommandId::GridPoints)->isChecked());
    EXPECT_TRUE(frame->Action(CommandId::ToolLijn)->isChecked());
    EXPECT_TRUE(frame->Action(CommandId::ColourBar)->isChecked());
    EXPECT_FALSE(frame->Action(CommandId::Undo)->isEnabled());

    frame->Run(CommandId::ShowCoordinates);
    frame->Run(CommandId::GridPoints);
    frame->Run(CommandId::ToolPolygoon);
    EXPECT_EQ(doc.drawing().MetCoord, 1);
    EXPECT_EQ(doc.current.RsterPnt, 0);
    EXPECT_TRUE(frame->Action(CommandId::ShowCoordinates)->isChecked());
    EXPECT_FALSE(frame->Action(CommandId::GridPoints)->isChecked());
    EXPECT_TRUE(frame->Action(CommandId::ToolPolygoon)->isChecked());
    EXPECT_FALSE(frame->Action(CommandId::ToolLijn)->isChecked());
    EXPECT_EQ(frame->ToolList()->currentIndex(), Polygoon) << "the tool list moves along";
    EXPECT_FALSE(doc.IsModified()) << "toggles and tools do not mark the drawing";

    frame->Run(CommandId::ColourBar);
    EXPECT_TRUE(frame->ColourBarWidget()->isHidden());
    EXPECT_FALSE(frame->Action(CommandId::ColourBar)->isChecked());
    frame->Run(CommandId::ColourBar);
    EXPECT_FALSE(frame->ColourBarWidget()->isHidden()) << "twice is back where it started";
    frame->Run(CommandId::StatusBar);
    EXPECT_TRUE(frame->statusBar()->isHidden());
    frame->Run(CommandId::ToolBar);
    EXPECT_FALSE(frame->Action(CommandId::ToolBar)->isChecked());

    Writable(doc).figures.push_back(Figuur{});
    frame->Run(CommandId::Rotate);
    EXPECT_TRUE(frame->Action(CommandId::Undo)->isEnabled()) << "refreshed after every command";
    frame->Run(CommandId::Undo);
    EXPECT_FALSE(frame->Action(CommandId::Undo)->isEnabled());
}

TEST_F(MainFrameTest, TitleShowsTheFileNameAndTheModifiedMark) {
    EXPECT_EQ(frame->windowTitle(), " - Pluvo") << "a new drawing has no name";
    frame->Run(CommandId::Thicker);
    frame->Run(CommandId::Thicker);
    EXPECT_EQ(frame->windowTitle(), " - Pluvo*") << "one mark however often";
    doc.PathName = Local("plan.plv");
    doc.SetModifiedFlag(false);
    frame->RebuildTitle();
    EXPECT_EQ(frame->windowTitle(), "plan.plv - Pluvo");
}

TEST_F(MainFrameTest, ToolListAndTextEditFollowTheirRules) {
    QStringList items;
    for (int i = 0; i < frame->ToolList()->count(); ++i) items << frame->ToolList()->itemText(i);
    EXPECT_EQ(items, (QStringList{"Lijn", "Ellips", "Cirkel", "BoogKwart", "Rechthoek", "Veelhoek",
                                  "Opvullen", "Tekst", "Kopie", "Selectie", "Polygoon"}));
    EXPECT_EQ(frame->TextEdit()->text(), "Snelle tekst");

    // Choosing in the list sets the tool.
    frame->ToolList()->setFocus();
    frame->ToolList()->activated(Cirkel);
    EXPECT_EQ(doc.current.FiguurType, Cirkel);

    // Leaving the edit takes its text as the next text and picks the tool.
    frame->TextEdit()->setFocus();
    frame->TextEdit()->selectAll();
    QTest::keyClicks(frame->TextEdit(), "Caf");
    QKeyEvent eacute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("é"));
    QApplication::sendEvent(frame->TextEdit(), &eacute);
    frame->View()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(doc.drawing().texts.size(), 2u);
    EXPECT_EQ(doc.drawing().texts[1], "Caf\xE9") << "stored as Windows-1252";
    EXPECT_EQ(doc.current.TekstIndex, 1);
    EXPECT_EQ(doc.current.FiguurType, Tekst);
    EXPECT_EQ(frame->ToolList()->currentIndex(), Tekst);
    EXPECT_FALSE(doc.IsModified());

    // An empty text list shows "(zet tekst)", which becomes a text when left.
    Writable(doc).texts.clear();
    frame->InitialUpdate();
    EXPECT_EQ(frame->TextEdit()->text(), "(zet tekst)");
    frame->TextEdit()->setFocus();
    frame->View()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(doc.drawing().texts, std::vector<std::string>{"(zet tekst)"});

    // A fill colour with nothing selected only changes the next figure.
    frame->Run(static_cast<CommandId>(static_cast<int>(CommandId::FillColour1) + 14));
    EXPECT_EQ(doc.current.KleurVul, static_cast<std::int32_t>(kVulkleuren[14]));
}

TEST_F(MainFrameTest, CommandKeysInTheTextFieldReachTheFrameExceptThoseThatEditText) {
    QLineEdit* field = frame->TextEdit();
    // Ctrl+E opens the properties dialog; the field's cursor stays.
    bool opened = false;
    dialogtest::WhenModal<CKenmerkenDlg>([&opened](CKenmerkenDlg& d) {
        opened = true;
        d.reject();
    });
    field->setFocus();
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(opened);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    // Ctrl+Backspace corrects a word in the field and leaves the drawing.
    Writable(doc).figures.push_back(Figuur{});
    field->setFocus();
    field->setText("Snelle tekst");
    QTest::keyClick(field, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "Snelle ");
    EXPECT_EQ(doc.drawing().figures.size(), 1u);

    // Every key of the command table, with the commands held back.
    const QList<QKeySequence> textKeys = {
        QKeySequence("Ctrl+A"),     QKeySequence("Ctrl+C"),         QKeySequence("Ctrl+Left"),
        QKeySequence("Ctrl+Right"), QKeySequence("Ctrl+Up"),        QKeySequence("Ctrl+Down"),
        QKeySequence("Backspace"),  QKeySequence("Ctrl+Backspace"), QKeySequence("Delete")};
    int commandKeys = 0;
    for (const CommandRow& row : CommandRows()) {
        if (!row.keys) continue;
        QAction* action = frame->Action(row.id);
        ASSERT_NE(action, nullptr) << row.keys;
        QObject::disconnect(action, &QAction::triggered, frame.get(), nullptr);
        action->setEnabled(true);
        for (const QKeySequence& keys :
             QKeySequence::listFromString(QString::fromLatin1(row.keys))) {
            QSignalSpy triggered(action, &QAction::triggered);
            field->setFocus();
            field->setText("tekst");
            field->setCursorPosition(2);
            QTest::keySequence(field, keys);
            const bool keptByField = textKeys.contains(keys);
            EXPECT_EQ(triggered.count(), keptByField ? 0 : 1) << row.keys;
            if (!keptByField) {
                EXPECT_EQ(field->text(), "tekst") << row.keys;
                EXPECT_EQ(field->cursorPosition(), 2) << row.keys;
            }
            ++commandKeys;
        }
    }
    EXPECT_GT(commandKeys, 10);
}

TEST_F(MainFrameTest, ThePrintPreviewRemembersOneOrTwoPages) {
    // Opens the preview, reads whether it shows two pages, clicks the button
    // of `choose` (if any) and closes it.
    const auto preview = [this](const char* choose) {
        bool two = false;
        dialogtest::WhenModal<QPrintPreviewDialog>([&two, choose](QPrintPreviewDialog& d) {
            two = d.findChild<QAction*>("facingModeAction")->isChecked();
            if (choose) {
                auto* bar = d.findChild<QToolBar*>();
                QTest::mouseClick(bar->widgetForAction(d.findChild<QAction*>(choose)),
                                  Qt::LeftButton);
            }
            d.reject();
        });
        frame->Run(CommandId::PrintPreview);
        return two;
    };
    EXPECT_FALSE(preview("facingModeAction")) << "one page at first";
    EXPECT_EQ(QSettings().value("Settings/PreviewPages").toInt(), 2);
    EXPECT_TRUE(preview("singleModeAction"));
    EXPECT_EQ(QSettings().value("Settings/PreviewPages").toInt(), 1);
    EXPECT_FALSE(preview(nullptr));
}

TEST_F(MainFrameTest, ThePositionIsKeptAndOnlyValidValuesAreUsed) {
    frame->move(100, 50);
    frame->resize(500, 400);
    frame->close();
    QSettings settings;
    EXPECT_EQ(settings.value("Position/x").toInt(), frame->pos().x());
    EXPECT_EQ(settings.value("Position/cx").toInt(), 500);
    EXPECT_EQ(settings.value("Position/cy").toInt(), 400);

    CPluvoDoc other;
    CMainFrame restored(other);
    EXPECT_EQ(restored.size(), QSize(500, 400));
    EXPECT_EQ(restored.pos(), frame->pos());

    settings.setValue("Position/x", -8);
    CMainFrame fallback(other);
    EXPECT_NE(fallback.size(), QSize(500, 400)) << "one negative value: the default placement";
}

TEST_F(MainFrameTest, TheWindowFitsTheScreenAtFirstAndWhereItWasKept) {
    // A device pixel ratio of 2 halves the screen's logical size; the
    // offscreen screen is smaller than the first placement too.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    CPluvoDoc other;
    QSettings settings;
    settings.remove("Position");
    CMainFrame first(other);
    first.show();
    EXPECT_TRUE(available.contains(first.frameGeometry())) << Text(first.frameGeometry());

    settings.setValue("Position/x", available.right() - 100);
    settings.setValue("Position/y", 20);
    settings.setValue("Position/cx", available.width() * 2);
    settings.setValue("Position/cy", available.height() * 2);
    CMainFrame kept(other);
    kept.show();
    EXPECT_TRUE(available.contains(kept.frameGeometry())) << Text(kept.frameGeometry());
}
