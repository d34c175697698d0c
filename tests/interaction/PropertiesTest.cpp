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
    EXPECT_EQ(v.text, doc.drawing().texts[1]);
    EXPECT_EQ(v.font, doc.drawing().fonts[2]);
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
        Writable(doc).fonts[0].lfOrientation = c.stored;
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

TEST(Properties, OnlyChangedColoursReachTheSelection) {
    CPluvoDoc doc = samples::EveryKind();
    WritableSelection(doc) = {0, 2, 1000};
    Writable(doc).figures[0].KleurRand = 0x00FF00; // differs from the next figure's outline
    Writable(doc).figures[2].MetVul = 0;
    doc.current.TekstIndex = -1;
    const std::vector<Figuur> figures = doc.drawing().figures;
    const std::vector<LogFont> fonts = doc.drawing().fonts;

    KenmerkenValues v = ReadKenmerken(doc);
    EXPECT_FALSE(ApplyKenmerken(doc, v)) << "no text: the toolbar edit keeps its text";
    EXPECT_EQ(doc.drawing().figures, figures) << "unchanged colours do not recolour the selection";
    EXPECT_EQ(doc.drawing().fonts, fonts);
    EXPECT_EQ(ReadKenmerken(doc), v);

    // The dialog's fill switch is set before the colour switches the selected
    // figures' fill on, so it reaches the next figure only.
    v.MetVul = 0;
    v.KleurVul = 0x000001;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.current.MetVul, 0);
    EXPECT_EQ(doc.drawing().figures[2].MetVul, 1);
    EXPECT_EQ(doc.drawing().figures[2].KleurVul, 0x000001);
    EXPECT_EQ(doc.drawing().figures[1], figures[1]);

    SCOPED_TRACE("no button checked keeps the tool and the print factor");
    v.tool = -1;
    v.printFactorIndex = -1;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.current.FiguurType, Veelhoek);
    EXPECT_EQ(doc.PrintFactor, 5);
}

TEST(Properties, DirectionsShareFontEntries) {
    CPluvoDoc doc;
    KenmerkenValues v = ReadKenmerken(doc);
    v.orientation = 90;
    EXPECT_TRUE(ApplyKenmerken(doc, v));
    ASSERT_EQ(doc.drawing().fonts.size(), 2u);
    EXPECT_EQ(doc.current.FontIndex, 1);
    EXPECT_EQ(doc.drawing().fonts[1].lfEscapement, 2700);
    EXPECT_EQ(doc.drawing().fonts[1].FaceName(), "Verdana");
    EXPECT_EQ(ReadKenmerken(doc).orientation, 90) << "reopening shows the same direction";

    v.orientation = 0;
    ApplyKenmerken(doc, v);
    EXPECT_EQ(doc.current.FontIndex, 0) << "direction 0 is the original font again";
    EXPECT_EQ(doc.drawing().fonts.size(), 2u);
}
