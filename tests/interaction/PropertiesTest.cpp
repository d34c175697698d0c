// The properties dialog's values: what it shows on opening, which numbers OK
// refuses, and what OK writes back to the drawing.
#include "interaction/Properties.h"

#include "../model/SampleDrawings.h"

#include <gtest/gtest.h>

namespace {

KenmerkenNumberTexts Numbers(std::string grid, std::string width, std::string corners,
                             std::string orientation) {
    return {std::move(grid), std::move(width), std::move(corners), std::move(orientation)};
}

} // namespace

TEST(Properties, OpeningShowsTheNextFigureAndTheDrawingsSettings) {
    CPluvoDoc doc = samples::EveryKind();
    doc.current.TekstIndex = 1;
    doc.current.FontIndex = 2; // Courier New, orientation 900
    doc.PrintFactor = 10;
    KenmerkenValues v = ReadKenmerken(doc);
    EXPECT_EQ(v.tool, Veelhoek);
    EXPECT_EQ(v.nHoek, 7);
    EXPECT_EQ(v.KleurRand, 0x0000FFu);
    EXPECT_EQ(v.KleurAchtergrond, 0x123456u);
    EXPECT_EQ(v.KleurRaster, 0xABCDEFu);
    EXPECT_EQ(v.SizeRaster, 16);
    EXPECT_EQ(v.MetCoord, 1);
    EXPECT_EQ(v.MetRaster, 0);
    EXPECT_EQ(v.text, doc.texts[1]);
    EXPECT_EQ(v.font, doc.fonts[2]);
    EXPECT_EQ(v.orientation, 270) << "900 tenths counter-clockwise is 270 degrees clockwise";
    EXPECT_EQ(v.printFactorIndex, 3);

    SCOPED_TRACE("indices outside the lists");
    doc.current.TekstIndex = -1;
    doc.current.FontIndex = 99;
    doc.PrintFactor = 3;
    doc.current.FiguurType = 11;
    v = ReadKenmerken(doc);
    EXPECT_EQ(v.text, "");
    EXPECT_EQ(v.font, CPluvoDoc::DefaultFont(doc.FontFace));
    EXPECT_EQ(v.printFactorIndex, -1) << "no print button checked";
    EXPECT_EQ(v.tool, -1) << "no tool button checked";
    doc.current.TekstIndex = 3;
    doc.current.FontIndex = -1;
    v = ReadKenmerken(doc);
    EXPECT_EQ(v.text, "");
    EXPECT_EQ(v.font, CPluvoDoc::DefaultFont(doc.FontFace));
}

TEST(Properties, OrientationShowsAsWholeDegreesClockwise) {
    CPluvoDoc doc;
    const struct {
        std::int32_t stored;
        std::int32_t shown;
    } cases[] = {{0, 0},    {900, 270},  {2700, 90}, {1800, 180},     {1, 359},
                 {3599, 0}, {5000, 220}, {-900, 90}, {INT32_MIN, 84}, {INT32_MAX, 275}};
    for (const auto& c : cases) {
        doc.fonts[0].lfOrientation = c.stored;
        EXPECT_EQ(ReadKenmerken(doc).orientation, c.shown) << "stored " << c.stored;
    }
    EXPECT_EQ(EscapementOf(90), 2700);
    EXPECT_EQ(EscapementOf(0), 0);
    EXPECT_EQ(EscapementOf(359), 10);
    EXPECT_EQ(EscapementOf(270), 900);
}

TEST(Properties, NumbersAreRefusedInReadingOrder) {
    KenmerkenValues v;
    EXPECT_EQ(TakeNumbers(Numbers("1", "15", "3", "359"), v), std::nullopt);
    EXPECT_EQ(v.SizeRaster, 1);
    EXPECT_EQ(v.LijnDikte, 15);
    EXPECT_EQ(v.nHoek, 3);
    EXPECT_EQ(v.orientation, 359);
    EXPECT_EQ(TakeNumbers(Numbers("200", "1", "32", "0"), v), std::nullopt);

    using F = KenmerkenField;
    EXPECT_EQ(TakeNumbers(Numbers("0", "1", "3", "0"), v), F::SizeRaster);
    EXPECT_EQ(TakeNumbers(Numbers("201", "1", "3", "0"), v), F::SizeRaster);
    EXPECT_EQ(TakeNumbers(Numbers("32", "16", "3", "0"), v), F::LijnDikte);
    EXPECT_EQ(TakeNumbers(Numbers("32", "1", "2", "0"), v), F::nHoek);
    EXPECT_EQ(TakeNumbers(Numbers("32", "1", "33", "0"), v), F::nHoek);
    EXPECT_EQ(TakeNumbers(Numbers("32", "1", "3", "360"), v), F::Orientation);
    EXPECT_EQ(TakeNumbers(Numbers("32", "1", "3", "-1"), v), F::Orientation);
    EXPECT_EQ(TakeNumbers(Numbers("abc", "0", "0", "999"), v), F::SizeRaster)
        << "the first wrong field in reading order is reported";
    v.nHoek = 77;
    EXPECT_EQ(TakeNumbers(Numbers("50", "99", "5", "999"), v), F::LijnDikte);
    EXPECT_EQ(v.SizeRaster, 50) << "the fields before the wrong one are read";
    EXPECT_EQ(v.nHoek, 77) << "the fields after it are not";
}

TEST(Properties, IntegerFieldsTakeASignedNumberBetweenBlanks) {
    EXPECT_EQ(ParseIntegerField("42"), 42);
    EXPECT_EQ(ParseIntegerField("  -7 "), -7);
    EXPECT_EQ(ParseIntegerField("+5"), 5);
    EXPECT_EQ(ParseIntegerField("007"), 7);
    EXPECT_EQ(ParseIntegerField("-2147483648"), INT32_MIN);
    for (const char* bad : {"", " ", "abc", "1.5", "12abc", "1 2", "--1", "+-1", "-", "0x10",
                            "2147483648", "99999999999999999999"})
        EXPECT_EQ(ParseIntegerField(bad), std::nullopt) << '"' << bad << '"';
}

TEST(Properties, OkWithoutChangesAppliesValuesButNoColours) {
    CPluvoDoc doc = samples::EveryKind();
    doc.selection = {0, 2};
    doc.figures[0].KleurRand = 0x00FF00; // differs from the next figure's outline
    doc.figures[2].MetVul = 0;
    doc.current.TekstIndex = -1;
    const std::vector<Figuur> figures = doc.figures;
    const std::vector<LogFont> fonts = doc.fonts;
    const std::vector<std::string> texts = doc.texts;

    KenmerkenValues v = ReadKenmerken(doc);
    EXPECT_FALSE(ApplyKenmerken(doc, v)) << "no text: the toolbar edit keeps its text";
    EXPECT_EQ(doc.figures, figures) << "unchanged colours do not recolour the selection";
    EXPECT_EQ(doc.fonts, fonts);
    EXPECT_EQ(doc.texts, texts);
    EXPECT_EQ(ReadKenmerken(doc), v);

    v.tool = Cirkel;
    v.MetRand = 0;
    v.MetRaster = 1;
    v.MetVul = 1;
    v.SizeRaster = 40;
    v.RsterPnt = 0;
    v.LijnDikte = 9;
    v.Stippel = 1;
    v.MetCoord = 0;
    v.nHoek = 12;
    v.KleurRaster = 0x010203;
    v.KleurAchtergrond = 0x040506;
    v.printFactorIndex = 1;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(ReadKenmerken(doc), v) << "every value reaches the drawing";
    EXPECT_EQ(doc.PrintFactor, 4);
    EXPECT_EQ(doc.figures, figures) << "only colours reach the selected figures";

    SCOPED_TRACE("no button checked keeps the tool and the print factor");
    v.tool = -1;
    v.printFactorIndex = -1;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.current.FiguurType, Cirkel);
    EXPECT_EQ(doc.PrintFactor, 4);
}

TEST(Properties, ChangedColoursReachTheSelectedFigures) {
    CPluvoDoc doc = samples::EveryKind();
    doc.selection = {1, 3, 1000};
    doc.figures[1].MetRand = 0;
    doc.figures[3].MetVul = 0;
    const std::vector<Figuur> before = doc.figures;

    KenmerkenValues v = ReadKenmerken(doc);
    v.KleurRand = 0x00FF00;
    ApplyKenmerken(doc, v);
    for (std::size_t i : {1u, 3u}) {
        EXPECT_EQ(doc.figures[i].KleurRand, 0x00FF00);
        EXPECT_EQ(doc.figures[i].MetRand, 1) << "outline switched on";
        EXPECT_EQ(doc.figures[i].KleurVul, before[i].KleurVul);
        EXPECT_EQ(doc.figures[i].MetVul, before[i].MetVul) << "fill untouched";
    }
    EXPECT_EQ(doc.figures[0], before[0]);
    EXPECT_EQ(doc.current.KleurRand, 0x00FF00);

    v = ReadKenmerken(doc);
    v.KleurVul = 0xFF00FF;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.figures[3].KleurVul, 0xFF00FF);
    EXPECT_EQ(doc.figures[3].MetVul, 1) << "fill switched on";
    EXPECT_EQ(doc.figures[3].KleurRand, 0x00FF00);
    EXPECT_EQ(doc.current.KleurVul, 0xFF00FF);

    SCOPED_TRACE("the dialog's fill switch is applied first and then the colour's");
    v = ReadKenmerken(doc);
    v.MetVul = 0;
    v.KleurVul = 0x000001;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.current.MetVul, 0) << "the next figure keeps the dialog's switch";
    EXPECT_EQ(doc.figures[1].MetVul, 1) << "a selected figure is filled";
}

TEST(Properties, TextAndDirectionBecomeTheNextTextFigures) {
    CPluvoDoc doc;
    doc.current.TekstIndex = 0;
    doc.current.FontIndex = 0;
    const LogFont original = doc.fonts[0];

    SCOPED_TRACE("an empty text leaves the text and the font alone");
    KenmerkenValues v = ReadKenmerken(doc);
    v.text.clear();
    v.font = CPluvoDoc::DefaultFont("Courier New");
    v.orientation = 90;
    EXPECT_FALSE(ApplyKenmerken(doc, v));
    EXPECT_EQ(doc.current.TekstIndex, 0);
    EXPECT_EQ(doc.current.FontIndex, 0);
    EXPECT_EQ(doc.fonts, std::vector<LogFont>{original});

    SCOPED_TRACE("an existing text is reused, its direction makes a new font");
    v.text = "Snelle tekst";
    v.font = original;
    v.orientation = 90;
    EXPECT_TRUE(ApplyKenmerken(doc, v));
    EXPECT_EQ(doc.texts.size(), 1u);
    EXPECT_EQ(doc.current.TekstIndex, 0);
    ASSERT_EQ(doc.fonts.size(), 2u);
    EXPECT_EQ(doc.current.FontIndex, 1);
    EXPECT_EQ(doc.fonts[1].lfEscapement, 2700);
    EXPECT_EQ(doc.fonts[1].lfOrientation, 2700);
    EXPECT_EQ(doc.fonts[1].FaceName(), "Verdana");
    EXPECT_EQ(ReadKenmerken(doc).orientation, 90) << "reopening shows the same direction";

    v.orientation = 0;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.current.FontIndex, 0) << "direction 0 is the original font again";

    v.text = "Caf\xE9";
    v.orientation = 359;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.texts.back(), "Caf\xE9");
    EXPECT_EQ(doc.current.TekstIndex, 1);
    EXPECT_EQ(doc.fonts.at(static_cast<std::size_t>(doc.current.FontIndex)).lfOrientation, 10);
}
