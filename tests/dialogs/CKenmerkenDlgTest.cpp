// The properties dialog driven as a user drives it: typed numbers, chosen
// colours and fonts, OK and Cancel, and what reaches the drawing.
#include "dialogs/CKenmerkenDlg.h"
#include "../model/TestAccess.h"
#include "dialogs/CGrootteDlg.h"

#include "DialogTestSupport.h"
#include "dialogs/IntegerField.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"
#include "platform/FontConversion.h"

#include <QAccessible>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

using namespace dialogtest;
using Colour = CKenmerkenDlg::Colour;

namespace {

// A new drawing with three figures, the second and third selected.
CPluvoDoc ThreeFigures() {
    CPluvoDoc doc;
    for (std::int32_t i = 0; i < 3; ++i) {
        doc.current.p1 = {10 * i, 10};
        doc.current.p2 = {10 * i + 5, 40};
        doc.current.FiguurType = Rechthoek;
        doc.current.MetRand = i == 1 ? 0 : 1;
        doc.current.MetVul = 0;
        AppendFigure(doc);
    }
    doc.current.FiguurType = Lijn;
    WritableSelection(doc) = {1, 2};
    return doc;
}

// Runs the properties command; `act` works the open dialog and closes it.
bool RunDialog(CPluvoDoc& doc, std::function<void(CKenmerkenDlg&)> act,
               std::string* toolbarText = nullptr) {
    WhenModal<CKenmerkenDlg>(std::move(act));
    return ApplyKenmerkenResult(doc, AskKenmerken(doc, nullptr), toolbarText) == Change::Made;
}

void ChooseColour(CKenmerkenDlg& dialog, Colour which, QColor colour) {
    WhenModal<QColorDialog>([colour](QColorDialog& chooser) {
        chooser.setCurrentColor(colour);
        chooser.accept();
    });
    QTest::mouseClick(dialog.colourButton(which), Qt::LeftButton);
}

QRgb SwatchPixel(const CKenmerkenDlg& dialog, Colour which, QPoint at) {
    return dialog.swatch(which)->grab().toImage().pixel(at);
}

} // namespace

TEST(CKenmerkenDlg, OkWithoutChangesAppliesTheValuesButNoColour) {
    CPluvoDoc doc = ThreeFigures();
    doc.current.KleurRand = 0x00FF00; // the selected figures have other colours
    const std::vector<Figuur> figures = doc.drawing().figures;
    const KenmerkenValues before = ReadKenmerken(doc);
    std::string toolbar = "old";
    EXPECT_TRUE(RunDialog(
        doc, [](CKenmerkenDlg& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }, &toolbar));
    EXPECT_EQ(doc.drawing().figures, figures);
    EXPECT_EQ(ReadKenmerken(doc), before);
    EXPECT_EQ(toolbar, "Snelle tekst") << "the text edit gets the dialog's text";
    EXPECT_FALSE(doc.IsModified()) << "the command layer marks, not the dialog";

    SCOPED_TRACE("Escape cancels and leaves the toolbar text empty");
    EXPECT_FALSE(RunDialog(
        doc,
        [](CKenmerkenDlg& d) {
            Retype(d.gridSizeEdit(), "64");
            QTest::keyClick(d.gridSizeEdit(), Qt::Key_Escape);
        },
        &toolbar));
    EXPECT_EQ(doc.drawing().SizeRaster, 32);
    EXPECT_EQ(toolbar, "");
}

TEST(CKenmerkenDlg, ControlsShowAndTakeEveryValue) {
    CPluvoDoc doc = ThreeFigures();
    doc.current.FiguurType = Veelhoek;
    doc.current.Stippel = 1;
    Writable(doc).MetCoord = 1;
    doc.PrintFactor = 10;
    Writable(doc).fonts[0].lfOrientation = Writable(doc).fonts[0].lfEscapement = 900;
    EXPECT_TRUE(RunDialog(doc, [](CKenmerkenDlg& d) {
        EXPECT_TRUE(d.toolButton(Veelhoek)->isChecked());
        EXPECT_TRUE(d.printFactorButton(3)->isChecked());
        EXPECT_TRUE(d.stippelBox()->isChecked());
        EXPECT_TRUE(d.metCoordBox()->isChecked());
        EXPECT_TRUE(d.metRasterBox()->isChecked());
        EXPECT_EQ(d.gridSizeEdit()->text(), "32");
        EXPECT_EQ(d.orientationEdit()->text(), "270");
        EXPECT_EQ(d.textEdit()->text(), "Snelle tekst");

        QTest::mouseClick(d.toolButton(Boogkwart), Qt::LeftButton);
        QTest::mouseClick(d.printFactorButton(0), Qt::LeftButton);
        QTest::mouseClick(d.stippelBox(), Qt::LeftButton);
        QTest::mouseClick(d.metCoordBox(), Qt::LeftButton);
        QTest::mouseClick(d.metRasterBox(), Qt::LeftButton);
        QTest::mouseClick(d.metVulBox(), Qt::LeftButton);
        QTest::mouseClick(d.rsterPntBox(), Qt::LeftButton);
        Retype(d.gridSizeEdit(), "200");
        Retype(d.lineWidthEdit(), " 15 ");
        Retype(d.cornersEdit(), "32");
        Retype(d.textEdit(), QString::fromUtf8("Café €"));
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(doc.current.FiguurType, Boogkwart);
    EXPECT_EQ(doc.PrintFactor, 2);
    EXPECT_EQ(doc.current.Stippel, 0);
    EXPECT_EQ(doc.drawing().MetCoord, 0);
    EXPECT_EQ(doc.drawing().MetRaster, 0);
    EXPECT_EQ(doc.current.MetVul, 1);
    EXPECT_EQ(doc.current.RsterPnt, 0);
    EXPECT_EQ(doc.drawing().SizeRaster, 200);
    EXPECT_EQ(doc.current.LijnDikte, 15);
    EXPECT_EQ(doc.current.nHoek, 32);
    EXPECT_EQ(doc.drawing().texts.back(), "Caf\xE9 \x80") << "stored as Windows-1252 bytes";
    EXPECT_EQ(doc.current.TekstIndex, 1);
    EXPECT_EQ(doc.drawing().fonts.at(static_cast<std::size_t>(doc.current.FontIndex)).lfOrientation,
              900)
        << "the shown direction is stored back unchanged";
}

TEST(CKenmerkenDlg, ColourButtonsRecolourOnlyTheSelectedFigures) {
    CPluvoDoc doc = ThreeFigures();
    const std::vector<Figuur> before = doc.drawing().figures;
    EXPECT_TRUE(RunDialog(doc, [](CKenmerkenDlg& d) {
        ChooseColour(d, Colour::Rand, Qt::red);
        EXPECT_EQ(SwatchPixel(d, Colour::Rand, {0, 0}), qRgb(0, 0, 0)) << "black frame";
        EXPECT_EQ(SwatchPixel(d, Colour::Rand, {5, 5}), qRgb(255, 0, 0));
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(doc.drawing().figures[0], before[0]);
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(doc.drawing().figures[i].KleurRand, 0x0000FF);
        EXPECT_EQ(doc.drawing().figures[i].MetRand, 1) << "outline switched on";
        EXPECT_EQ(doc.drawing().figures[i].MetVul, 0) << "fill untouched";
        EXPECT_EQ(doc.drawing().figures[i].KleurVul, before[i].KleurVul);
    }
    EXPECT_EQ(doc.current.KleurRand, 0x0000FF);

    EXPECT_TRUE(RunDialog(doc, [](CKenmerkenDlg& d) {
        ChooseColour(d, Colour::Vul, QColor(1, 2, 3));
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(doc.drawing().figures[i].KleurVul, 0x030201);
        EXPECT_EQ(doc.drawing().figures[i].MetVul, 1) << "fill switched on";
    }
    EXPECT_EQ(doc.drawing().figures[0], before[0]);

    SCOPED_TRACE("grid and background colours; a cancelled chooser changes nothing");
    EXPECT_TRUE(RunDialog(doc, [](CKenmerkenDlg& d) {
        ChooseColour(d, Colour::Raster, QColor(10, 20, 30));
        ChooseColour(d, Colour::Achtergrond, QColor(40, 50, 60));
        WhenModal<QColorDialog>([](QColorDialog& chooser) {
            chooser.setCurrentColor(Qt::yellow);
            chooser.reject();
        });
        QTest::mouseClick(d.colourButton(Colour::Vul), Qt::LeftButton);
        EXPECT_EQ(SwatchPixel(d, Colour::Vul, {5, 5}), qRgb(1, 2, 3));
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(doc.drawing().KleurRaster, 0x1E140Au);
    EXPECT_EQ(doc.drawing().KleurAchtergrond, 0x3C3228u);
    EXPECT_EQ(doc.current.KleurVul, 0x030201);
}

TEST(CKenmerkenDlg, TextDirectionAndReuseOfTexts) {
    const struct {
        const char* typed;
        std::int32_t stored;
    } directions[] = {{"90", 2700}, {"0", 0}, {"359", 10}, {"270", 900}};
    for (const auto& c : directions) {
        CPluvoDoc doc;
        EXPECT_TRUE(RunDialog(doc, [&c](CKenmerkenDlg& d) {
            Retype(d.orientationEdit(), c.typed);
            QTest::keyClick(d.orientationEdit(), Qt::Key_Return);
        }));
        const LogFont& font =
            doc.drawing().fonts.at(static_cast<std::size_t>(doc.current.FontIndex));
        EXPECT_EQ(font.lfEscapement, c.stored) << c.typed;
        EXPECT_EQ(font.lfOrientation, c.stored) << c.typed;
        EXPECT_EQ(doc.drawing().texts.size(), 1u) << "\"Snelle tekst\" is reused";
        EXPECT_EQ(doc.current.TekstIndex, 0);
    }

    SCOPED_TRACE("a new text is appended");
    CPluvoDoc doc;
    Writable(doc).texts.push_back("twee");
    EXPECT_TRUE(RunDialog(doc, [](CKenmerkenDlg& d) {
        Retype(d.textEdit(), "twee");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(doc.current.TekstIndex, 1);
    EXPECT_TRUE(RunDialog(doc, [](CKenmerkenDlg& d) {
        Retype(d.textEdit(), "drie");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(doc.drawing().texts, (std::vector<std::string>{"Snelle tekst", "twee", "drie"}));
    EXPECT_EQ(doc.current.TekstIndex, 2);
}

TEST(CKenmerkenDlg, FontButtonChangesTheCurrentFontEvenWhenCancelled) {
    // A family with a bold italic face, so that the chooser can pick it.
    QString family;
    for (const QString& f : QFontDatabase::families())
        for (const QString& style : QFontDatabase::styles(f))
            if (family.isEmpty() && QFontDatabase::weight(f, style) == 700 &&
                QFontDatabase::italic(f, style))
                family = f;
    ASSERT_FALSE(family.isEmpty()) << "the test needs a font with a bold italic face";
    CPluvoDoc doc;
    doc.current.TekstIndex = -1; // an empty text field
    doc.FontColor = 0x123456;
    const Figuur current = doc.current;
    const std::vector<LogFont> fonts = doc.drawing().fonts;

    const auto chooseFont = [&family](CKenmerkenDlg& d) {
        WhenModal<QFontDialog>([&family](QFontDialog& chooser) {
            QFont font(family);
            font.setPixelSize(20);
            font.setBold(true);
            font.setItalic(true);
            chooser.setCurrentFont(font);
            chooser.accept();
        });
        QTest::mouseClick(d.fontButton(), Qt::LeftButton);
    };
    EXPECT_FALSE(RunDialog(doc, [&chooseFont](CKenmerkenDlg& d) {
        chooseFont(d);
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
    }));
    const std::string face = Utf8ToWin1252(family.toStdString());
    EXPECT_EQ(doc.FontFace, face.substr(0, kFaceSize - 1));
    EXPECT_EQ(doc.CurrentFont.FaceName(), doc.FontFace);
    EXPECT_LT(doc.CurrentFont.lfHeight, 0) << "a character height in pixels";
    EXPECT_EQ(doc.CurrentFont.lfWeight, 700);
    EXPECT_EQ(doc.CurrentFont.lfItalic, 1);
    EXPECT_EQ(doc.FontColor, 0x123456u) << "the font chooser has no colour";
    EXPECT_EQ(doc.current, current);
    EXPECT_EQ(doc.drawing().fonts, fonts);

    SCOPED_TRACE("with an empty text OK leaves the text and the font lists alone");
    EXPECT_TRUE(RunDialog(doc, [&chooseFont](CKenmerkenDlg& d) {
        chooseFont(d);
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(doc.current.TekstIndex, -1);
    EXPECT_EQ(doc.current.FontIndex, current.FontIndex);
    EXPECT_EQ(doc.drawing().fonts, fonts);

    SCOPED_TRACE("with a text the chosen font becomes the next text's font");
    const LogFont chosen = doc.CurrentFont;
    EXPECT_TRUE(RunDialog(doc, [](CKenmerkenDlg& d) {
        // Cancelling the font chooser still puts the current font in the record.
        WhenModal<QFontDialog>([](QFontDialog& chooser) { chooser.reject(); });
        QTest::mouseClick(d.fontButton(), Qt::LeftButton);
        Retype(d.textEdit(), "Hallo");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }));
    const LogFont& stored = doc.drawing().fonts.at(static_cast<std::size_t>(doc.current.FontIndex));
    EXPECT_EQ(stored.FaceName(), chosen.FaceName());
    EXPECT_EQ(stored.lfHeight, chosen.lfHeight);
    EXPECT_EQ(stored.lfWeight, 700);
}

TEST(CKenmerkenDlg, FontRecordsSurviveTheFontChooser) {
    LogFont record = CPluvoDoc::DefaultFont("Caf\xE9 Sans");
    record.lfHeight = -23;
    record.lfWeight = 700;
    record.lfUnderline = 1;
    record.lfEscapement = record.lfOrientation = 900;
    const QFont font = QFontFromLogFont(record);
    EXPECT_EQ(font.family(), QString::fromUtf8("Café Sans"));
    EXPECT_EQ(LogFontFromQFont(font, record), record);

    QFont points(QStringLiteral("Verdana"));
    points.setPointSizeF(12);
    const LogFont fromPoints = LogFontFromQFont(points, record);
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    EXPECT_EQ(fromPoints.lfHeight, -std::lround(12 * dpi / 72))
        << "points at the screen's resolution";
    EXPECT_EQ(fromPoints.lfEscapement, 900) << "the direction is kept";
    EXPECT_EQ(fromPoints.lfWeight, 400);
    EXPECT_EQ(fromPoints.lfUnderline, 0);
}

TEST(CKenmerkenDlg, WrongNumbersKeepTheDialogOpenWithTheFocusOnTheField) {
    CPluvoDoc doc;
    const struct {
        QLineEdit* (CKenmerkenDlg::*field)() const;
        const char* typed;
        const char* range;
    } cases[] = {
        {&CKenmerkenDlg::gridSizeEdit, "0", "1 tot en met 200"},
        {&CKenmerkenDlg::gridSizeEdit, "201", "1 tot en met 200"},
        {&CKenmerkenDlg::gridSizeEdit, "abc", "1 tot en met 200"},
        {&CKenmerkenDlg::lineWidthEdit, "16", "1 tot en met 15"},
        {&CKenmerkenDlg::cornersEdit, "2", "3 tot en met 32"},
        {&CKenmerkenDlg::cornersEdit, "33", "3 tot en met 32"},
        {&CKenmerkenDlg::orientationEdit, "360", "0 tot en met 359"},
        {&CKenmerkenDlg::orientationEdit, "", "0 tot en met 359"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CKenmerkenDlg dialog(doc, ReadKenmerken(doc));
        dialog.show();
        QLineEdit* field = (dialog.*c.field)();
        Retype(field, c.typed);
        MessageSeen seen;
        AnswerMessage(seen, QMessageBox::Ok);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(seen.title, "Pluvo");
        EXPECT_TRUE(seen.text.contains(c.range)) << seen.text.toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.focusWidget(), field);
        EXPECT_EQ(field->selectedText(), field->text());
    }

    SCOPED_TRACE("the first wrong field in reading order is reported");
    CKenmerkenDlg dialog(doc, ReadKenmerken(doc));
    dialog.show();
    Retype(dialog.orientationEdit(), "400");
    Retype(dialog.lineWidthEdit(), "0");
    MessageSeen seen;
    AnswerMessage(seen, QMessageBox::Ok);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.focusWidget(), dialog.lineWidthEdit());
    EXPECT_EQ(doc.current.LijnDikte, 1) << "nothing reaches the drawing";
}

TEST(CKenmerkenDlg, SpinButtonsAndArrowKeysStepWithinTheRange) {
    CPluvoDoc doc;
    doc.current.LijnDikte = 14;
    CKenmerkenDlg dialog(doc, ReadKenmerken(doc));
    dialog.show();
    QLineEdit* width = dialog.lineWidthEdit();
    QTest::keyClick(width, Qt::Key_Up);
    EXPECT_EQ(width->text(), "15");
    QTest::keyClick(width, Qt::Key_Up);
    EXPECT_EQ(width->text(), "15") << "stops at the top of the range";
    QTest::keyClick(width, Qt::Key_Down);
    EXPECT_EQ(width->text(), "14");
    Retype(width, "99");
    QTest::keyClick(width, Qt::Key_Down);
    EXPECT_EQ(width->text(), "14") << "a number past the range steps from its edge";

    QLineEdit* corners = dialog.cornersEdit();
    SpinButtons* cornerSpin = nullptr;
    for (SpinButtons* spin : dialog.findChildren<SpinButtons*>())
        if (spin->buddy() == corners) cornerSpin = spin;
    ASSERT_NE(cornerSpin, nullptr);
    Retype(corners, "x");
    QTest::mouseClick(cornerSpin->upButton(), Qt::LeftButton);
    EXPECT_EQ(corners->text(), "3") << "no number: up starts at the bottom";
    QTest::mouseClick(cornerSpin->downButton(), Qt::LeftButton);
    EXPECT_EQ(corners->text(), "3");
    QTest::mouseClick(cornerSpin->upButton(), Qt::LeftButton);
    EXPECT_EQ(corners->text(), "4");
    EXPECT_EQ(cornerSpin->upButton()->focusPolicy(), Qt::NoFocus);
}

TEST(CKenmerkenDlg, TabKeepsTheDialogsOrderAndEntersRadioGroupsOnTheirCheckedButton) {
    CPluvoDoc doc;
    KenmerkenValues values = ReadKenmerken(doc);
    values.printFactorIndex = 2;
    values.tool = Tekst;
    CKenmerkenDlg d(doc, values);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    ASSERT_EQ(d.focusWidget(), d.metRasterBox());
    EXPECT_TRUE(d.okButton()->isDefault());
    EXPECT_EQ(d.windowTitle(), "Kenmerken venster, afdrukken, figuur");
    EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "a fixed size";

    // Real Tab presses once round the dialog, back to the first control.
    std::vector<QWidget*> expected = {d.metCoordBox(), d.rsterPntBox(),  d.metRandBox(),
                                      d.metVulBox(),   d.gridSizeEdit(), d.lineWidthEdit()};
    for (Colour c : {Colour::Achtergrond, Colour::Raster, Colour::Rand, Colour::Vul})
        expected.push_back(d.colourButton(c));
    expected.insert(expected.end(),
                    {d.printFactorButton(2), d.toolButton(Tekst), d.stippelBox(), d.cornersEdit(),
                     d.textEdit(), d.fontButton(), d.orientationEdit(), d.okButton(),
                     d.cancelButton(), d.metRasterBox()});
    const auto press = [](int key) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        return QApplication::focusWidget();
    };
    std::vector<QWidget*> visited;
    for (std::size_t k = 0; k < expected.size(); ++k) visited.push_back(press(Qt::Key_Tab));
    EXPECT_EQ(visited, expected);

    // Backwards too, and the arrow keys move the check, which Tab follows.
    d.stippelBox()->setFocus();
    EXPECT_EQ(press(Qt::Key_Backtab), d.toolButton(Tekst));
    EXPECT_EQ(press(Qt::Key_Backtab), d.printFactorButton(2));
    EXPECT_EQ(press(Qt::Key_Down), d.printFactorButton(3));
    EXPECT_TRUE(d.printFactorButton(3)->isChecked());
    EXPECT_EQ(press(Qt::Key_Backtab), d.colourButton(Colour::Vul));
    EXPECT_EQ(press(Qt::Key_Tab), d.printFactorButton(3));
}

// A screen reader names every field by its label and every colour by its
// name, in this dialog and in the resize dialog.
TEST(CKenmerkenDlg, EveryFieldHasANameAndEveryColourIsNamed) {
    CPluvoDoc doc;
    CKenmerkenDlg properties(doc, ReadKenmerken(doc));
    CGrootteDlg resize({100, 100});
    for (QDialog* dialog : std::initializer_list<QDialog*>{&properties, &resize})
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
                << dialog->windowTitle().toStdString() << ": " << field->text().toStdString();
        }
    const auto colourOf = [&](Colour which) {
        return QAccessible::queryAccessibleInterface(properties.colourButton(which))
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(colourOf(Colour::Rand), "zwart");
    EXPECT_EQ(colourOf(Colour::Achtergrond), "ongeveer wit");
}
