// The objects list: the texts of a figure's row, and the removal and the
// selection that its Delete and OK leave behind.
#include "interaction/ObjectList.h"

#include "../model/SampleDrawings.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ObjectList, RowsShowKindPointsAndColours) {
    const CPluvoDoc doc = samples::EveryKind();
    // Number, kind, points, outline; with red outlines blue comes first.
    EXPECT_EQ(ObjectRowOf(doc, 0), (ObjectRow{"1", "Lijn", "64-32", "192-128", "0000ff", " "}));
    EXPECT_EQ(ObjectRowOf(doc, 1)[2], "-1000-5");
    EXPECT_EQ(ObjectRowOf(doc, 1)[3], "10000--20") << "a negative y follows the dash";
    EXPECT_EQ(ObjectRowOf(doc, 2),
              (ObjectRow{"3", "Ellips", "10-20", "111-81", "0000ff", "64ff80"}));

    const char* kinds[] = {"Lijn",      "Lijn",         "Ellips",    "Cirkel", "BoogKwart",
                           "Rechthoek", "Veelhoek (6)", "Opvulling", "Tekst",  "Polygoon (4)"};
    for (std::size_t i = 0; i < doc.drawing().figures.size(); ++i)
        EXPECT_EQ(ObjectRowOf(doc, i)[1], kinds[i]) << "figure " << i;

    CPluvoDoc copy = doc;
    Writable(copy).figures[0].FiguurType = Kopieer;
    EXPECT_EQ(ObjectRowOf(copy, 0)[1], "Kopie");
}

TEST(ObjectList, ColourCellsFollowTheOutlineAndFillSwitches) {
    CPluvoDoc doc = samples::EveryKind();
    Figuur& line = Writable(doc).figures[0];
    line.MetVul = 1;
    EXPECT_EQ(ObjectRowOf(doc, 0)[5], " ") << "a line has no fill, whatever MetVul says";
    line.MetRand = 0;
    EXPECT_EQ(ObjectRowOf(doc, 0)[4], " ");

    Figuur& fill = Writable(doc).figures[7];
    ASSERT_EQ(fill.FiguurType, Opvullen);
    fill.MetVul = 0;
    EXPECT_EQ(ObjectRowOf(doc, 7)[5], "64ff80") << "a flood fill always shows its colour";

    Figuur& rect = Writable(doc).figures[5];
    EXPECT_EQ(ObjectRowOf(doc, 5)[5], " ");
    rect.MetVul = 1;
    rect.KleurVul = 0x0A0B0C;
    EXPECT_EQ(ObjectRowOf(doc, 5)[5], "0a0b0c");
    rect.KleurRand = -1;
    EXPECT_EQ(ObjectRowOf(doc, 5)[4], "ffffffff") << "a damaged colour shows all its digits";
}

TEST(ObjectList, TextFiguresShowTheStartOfTheirText) {
    CPluvoDoc doc;
    Writable(doc).texts = {"Snelle tekst", "Tien tekens", "Negen tek", "Caf\xE9 au lait \x80"};
    doc.current.FiguurType = Tekst;
    doc.current.MetVul = 1;
    doc.current.KleurVul = 0x123456;
    for (std::int32_t k : {0, 1, 2, 3, -1, 4}) {
        doc.current.TekstIndex = k;
        AppendFigure(doc);
    }
    EXPECT_EQ(ObjectRowOf(doc, 0)[5], "Snelle tek...");
    EXPECT_EQ(ObjectRowOf(doc, 1)[5], "Tien teken...") << "eleven characters are cut too";
    EXPECT_EQ(ObjectRowOf(doc, 2)[5], "Negen tek");
    EXPECT_EQ(ObjectRowOf(doc, 3)[5], "Caf\xE9 au la...") << "one byte per character";
    EXPECT_EQ(ObjectRowOf(doc, 4)[5], "123456") << "no text: the fill colour";
    EXPECT_EQ(ObjectRowOf(doc, 5)[5], "123456") << "an index past the list has no text";
    Writable(doc).texts[0] = "Tien teken";
    EXPECT_EQ(ObjectRowOf(doc, 0)[5], "Tien teken") << "ten characters are shown whole";
}

TEST(ObjectList, DeleteRemovesTheNumberedFiguresAndEmptiesTheSelection) {
    CPluvoDoc doc;
    for (std::int32_t i = 0; i < 5; ++i) {
        doc.current.p1 = {i, i};
        AppendFigure(doc);
    }
    const std::vector<Figuur> before = doc.drawing().figures;
    WritableSelection(doc) = {4, 2};

    const std::vector<std::size_t> rows = {0, 2};
    RemoveFigures(doc, rows);
    EXPECT_EQ(doc.drawing().figures, (std::vector<Figuur>{before[1], before[3], before[4]}));
    EXPECT_TRUE(doc.Selection().empty());

    const std::vector<std::size_t> pastTheEnd = {2, 3, 99};
    RemoveFigures(doc, pastTheEnd);
    EXPECT_EQ(doc.drawing().figures, (std::vector<Figuur>{before[1], before[3]}));
    RemoveFigures(doc, {});
    EXPECT_EQ(doc.drawing().figures.size(), 2u) << "nothing numbered, nothing removed";

    SCOPED_TRACE("a removed polygoon leaves its points");
    CPluvoDoc poly = samples::EveryKind();
    const std::size_t points = poly.drawing().points.size();
    const std::vector<std::size_t> last = {poly.drawing().figures.size() - 1};
    RemoveFigures(poly, last);
    EXPECT_EQ(poly.drawing().points.size(), points);
}

TEST(ObjectList, OkSelectsTheHighlightedRowsInRowOrder) {
    CPluvoDoc doc = samples::EveryKind();
    WritableSelection(doc) = {7, 1, 3};
    const std::vector<std::size_t> rows = {0, 3, 8};
    SelectFigures(doc, rows);
    EXPECT_EQ(doc.Selection(), (std::vector<std::uint32_t>{0, 3, 8}));
    SelectFigures(doc, {});
    EXPECT_TRUE(doc.Selection().empty());
}
