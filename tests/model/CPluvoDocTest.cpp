// The drawing store: reset, list operations, snapping, coordinates, area and
// the modified mark.
#include "TestAccess.h"
#include "model/CPluvoDoc.h"

#include <gtest/gtest.h>

namespace {

Figuur MakeLine(POINT a, POINT b) {
    Figuur f;
    f.FiguurType = Lijn;
    f.p1 = a;
    f.p2 = b;
    return f;
}

void Append(CPluvoDoc& doc, const Figuur& f) {
    doc.current = f;
    AppendFigure(doc);
}

} // namespace

TEST(CPluvoDoc, NewDocumentHoldsTheDefaultDrawing) {
    CPluvoDoc doc;
    Writable(doc).SizeRaster = 10;
    Writable(doc).texts.push_back("extra");
    Append(doc, MakeLine({1, 2}, {3, 4}));
    TakeSnapshot(doc);
    WritableSelection(doc) = {0};
    doc.PathName = "/tmp/a.plv";
    doc.SetModifiedFlag(true);
    doc.TextPath = "kept.txt";

    ASSERT_TRUE(OnNewDocument(doc));

    EXPECT_EQ(doc.drawing().texts, std::vector<std::string>{"Snelle tekst"});
    ASSERT_EQ(doc.drawing().fonts.size(), 1u);
    const LogFont& font = doc.drawing().fonts[0];
    EXPECT_EQ(font.lfHeight, -16);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfOutPrecision, 3);
    EXPECT_EQ(font.lfClipPrecision, 2);
    EXPECT_EQ(font.lfQuality, 1);
    EXPECT_EQ(font.lfPitchAndFamily, 34);
    EXPECT_EQ(font.FaceName(), "Verdana");
    EXPECT_EQ(font, doc.CurrentFont);
    EXPECT_TRUE(doc.drawing().figures.empty());
    EXPECT_TRUE(doc.drawing().points.empty());
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.current.TekstIndex, 0);
    EXPECT_EQ(doc.current.FontIndex, 0);
    EXPECT_EQ(doc.current.KleurVul, 0x64FF80);
    EXPECT_EQ(doc.current.nHoek, 3);
    EXPECT_EQ(doc.current.RsterPnt, 1);
    EXPECT_EQ(doc.drawing().SizeRaster, 32);
    EXPECT_EQ(doc.drawing().KleurAchtergrond, 0xF0F0F0u);
    EXPECT_EQ(doc.drawing().KleurRaster, 0xFFFF96u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.PathName.empty());
    EXPECT_EQ(doc.TextPath, "kept.txt") << "the remembered file names survive New";
}

TEST(CPluvoDoc, FindOrAddTextIsCaseSensitiveAndDoesNotDuplicate) {
    CPluvoDoc doc;
    EXPECT_EQ(FindOrAddText(doc, "Snelle tekst"), 0);
    EXPECT_EQ(doc.drawing().texts.size(), 1u);
    EXPECT_EQ(FindOrAddText(doc, "snelle tekst"), 1);
    EXPECT_EQ(FindOrAddText(doc, "snelle tekst"), 1);
    EXPECT_EQ(doc.drawing().texts.size(), 2u);
}

TEST(CPluvoDoc, FindOrAddFontIgnoresBytesAfterTheFaceTerminator) {
    CPluvoDoc doc;
    LogFont same = doc.drawing().fonts[0];
    same.lfFaceName[20] = 'x';
    EXPECT_EQ(FindOrAddFont(doc, same), 0);
    EXPECT_EQ(doc.drawing().fonts.size(), 1u);

    LogFont otherCase = doc.drawing().fonts[0];
    otherCase.SetFaceName("verdana");
    EXPECT_EQ(FindOrAddFont(doc, otherCase), 1);

    LogFont italic = doc.drawing().fonts[0];
    italic.lfItalic = 1;
    EXPECT_EQ(FindOrAddFont(doc, italic), 2);
    LogFont draft = doc.drawing().fonts[0];
    draft.lfPitchAndFamily = 18;
    EXPECT_EQ(FindOrAddFont(doc, draft), 3);
    EXPECT_EQ(FindOrAddFont(doc, draft), 3);
}

TEST(CPluvoDoc, FindLineEndpointSnapsStrictlyWithinTheDistance) {
    CPluvoDoc doc;
    Figuur rect = MakeLine({100, 100}, {200, 200});
    rect.FiguurType = Rechthoek;
    Append(doc, rect);
    EXPECT_EQ(doc.FindLineEndpoint({100, 100}), (POINT{-1, -1})) << "only lines snap";

    Append(doc, MakeLine({50, 50}, {10, 10}));
    Append(doc, MakeLine({12, 12}, {52, 52}));
    EXPECT_EQ(doc.FindLineEndpoint({54, 46}), (POINT{50, 50})) << "4 units on both axes";
    EXPECT_EQ(doc.FindLineEndpoint({55, 46}), (POINT{-1, -1})) << "5 units on x";
    EXPECT_EQ(doc.FindLineEndpoint({54, 45}), (POINT{-1, -1})) << "5 units on y";
    EXPECT_EQ(doc.FindLineEndpoint({11, 11}), (POINT{10, 10})) << "the earlier line wins";
    EXPECT_EQ(doc.FindLineEndpoint({51, 51}), (POINT{50, 50})) << "p1 of the earlier line";

    CPluvoDoc one;
    Append(one, MakeLine({20, 20}, {22, 22}));
    EXPECT_EQ(one.FindLineEndpoint({21, 21}), (POINT{20, 20})) << "p1 before p2";
}

TEST(CPluvoDoc, MakeCoordinatesPositiveShiftsOnlyNegativeAxes) {
    CPluvoDoc doc;
    Append(doc, MakeLine({-10, 7}, {40, 90}));
    Writable(doc).points = {{-10, 7}, {5, 5}};
    MakeCoordinatesPositive(doc);
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{32, 7}));
    EXPECT_EQ(doc.drawing().figures[0].p2, (POINT{82, 90}));
    EXPECT_EQ(doc.drawing().points[0], (POINT{32, 7}));
    EXPECT_EQ(doc.drawing().points[1], (POINT{47, 5}));

    CPluvoDoc positive;
    Append(positive, MakeLine({3, 4}, {5, 6}));
    MakeCoordinatesPositive(positive);
    EXPECT_EQ(positive.drawing().figures[0].p1, (POINT{3, 4}));
}

TEST(CPluvoDoc, MakeCoordinatesPositiveCountsPolygonPointsWhereTheyAreDrawn) {
    CPluvoDoc doc;
    Writable(doc).points = {{100, 100}, {40, 130}};
    Figuur poly;
    poly.FiguurType = Polygoon;
    poly.PolyPnt = 0;
    poly.nHoek = 2;
    poly.p1 = {50, 10};
    poly.p2 = {50, 10};
    Append(doc, poly); // second point is drawn at (-10, 40)
    Figuur broken = poly;
    broken.PolyPnt = 5; // beyond the point list: never followed
    Append(doc, broken);
    MakeCoordinatesPositive(doc);
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{92, 10}));
    EXPECT_EQ(doc.drawing().points[1], (POINT{82, 130}));
}

TEST(CPluvoDoc, PolygonAreaInUnitsAndCells) {
    CPluvoDoc doc;
    Writable(doc).points = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    Figuur poly;
    poly.FiguurType = Polygoon;
    poly.nHoek = 4;
    Writable(doc).SizeRaster = 10;
    PolygonAreaResult area = doc.PolygonArea(poly);
    EXPECT_EQ(area.units, 100);
    EXPECT_DOUBLE_EQ(area.cells, 1.0);

    poly.nHoek = 1;
    EXPECT_EQ(doc.PolygonArea(poly).units, 0);
    poly.nHoek = 9; // runs past the list
    EXPECT_EQ(doc.PolygonArea(poly).units, 0);

    Writable(doc).points = {{0, 0}, {3, 0}, {0, 3}}; // S = 9, area truncates to 4
    poly.nHoek = 3;
    EXPECT_EQ(doc.PolygonArea(poly).units, 4);
    EXPECT_DOUBLE_EQ(doc.PolygonArea(poly).cells, 9.0 / 200.0);
}

TEST(CPluvoDoc, RemoveLastFigure) {
    CPluvoDoc empty;
    EXPECT_FALSE(RemoveLastFigure(empty));

    CPluvoDoc doc;
    for (int i = 0; i < 3; ++i) Append(doc, MakeLine({i, i}, {i + 1, i + 1}));
    Writable(doc).points = {{1, 1}};
    WritableSelection(doc) = {2, 0};
    EXPECT_TRUE(RemoveLastFigure(doc));
    EXPECT_EQ(doc.drawing().figures.size(), 2u);
    EXPECT_EQ(doc.Selection(), std::vector<std::uint32_t>{0});
    EXPECT_EQ(doc.drawing().points.size(), 1u) << "the points of a removed polygon stay";
}

TEST(CPluvoDoc, RemoveSelectedFiguresKeepsTheOthersInOrder) {
    CPluvoDoc doc;
    for (int i = 0; i < 5; ++i) Append(doc, MakeLine({i, 0}, {i, 1}));
    WritableSelection(doc) = {3, 1, 77};
    TakeSnapshot(doc);
    RemoveSelectedFigures(doc);
    ASSERT_EQ(doc.drawing().figures.size(), 3u);
    EXPECT_EQ(doc.drawing().figures[0].p1.x, 0);
    EXPECT_EQ(doc.drawing().figures[1].p1.x, 2);
    EXPECT_EQ(doc.drawing().figures[2].p1.x, 4);
    EXPECT_TRUE(doc.Selection().empty());

    RestoreSnapshot(doc);
    EXPECT_EQ(doc.drawing().figures.size(), 5u);
    EXPECT_EQ(doc.drawing().figures[3].p1.x, 3);
    EXPECT_TRUE(doc.Selection().empty());

    RemoveSelectedFigures(doc);
    EXPECT_EQ(doc.drawing().figures.size(), 5u) << "nothing selected removes nothing";
}
