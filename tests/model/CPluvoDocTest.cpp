// The drawing store: reset, list operations, snapping, coordinates, area and
// the modified mark.
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
    doc.AppendFigure();
}

} // namespace

TEST(CPluvoDoc, NewDocumentHoldsTheDefaultDrawing) {
    CPluvoDoc doc;
    doc.SizeRaster = 10;
    doc.texts.push_back("extra");
    Append(doc, MakeLine({1, 2}, {3, 4}));
    doc.TakeSnapshot();
    doc.selection = {0};
    doc.PathName = "/tmp/a.plv";
    doc.SetModifiedFlag(true);
    doc.TextPath = "kept.txt";

    ASSERT_TRUE(doc.OnNewDocument());

    EXPECT_EQ(doc.texts, std::vector<std::string>{"Snelle tekst"});
    ASSERT_EQ(doc.fonts.size(), 1u);
    const LogFont& font = doc.fonts[0];
    EXPECT_EQ(font.lfHeight, -16);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfOutPrecision, 3);
    EXPECT_EQ(font.lfClipPrecision, 2);
    EXPECT_EQ(font.lfQuality, 1);
    EXPECT_EQ(font.lfPitchAndFamily, 34);
    EXPECT_EQ(font.FaceName(), "Verdana");
    EXPECT_EQ(font, doc.CurrentFont);
    EXPECT_TRUE(doc.figures.empty());
    EXPECT_TRUE(doc.points.empty());
    EXPECT_TRUE(doc.selection.empty());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.current.TekstIndex, 0);
    EXPECT_EQ(doc.current.FontIndex, 0);
    EXPECT_EQ(doc.current.KleurVul, 0x64FF80);
    EXPECT_EQ(doc.current.nHoek, 3);
    EXPECT_EQ(doc.current.RsterPnt, 1);
    EXPECT_EQ(doc.SizeRaster, 32);
    EXPECT_EQ(doc.KleurAchtergrond, 0xF0F0F0u);
    EXPECT_EQ(doc.KleurRaster, 0xFFFF96u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.PathName.empty());
    EXPECT_EQ(doc.TextPath, "kept.txt") << "the remembered file names survive New";
}

TEST(CPluvoDoc, FindOrAddTextIsCaseSensitiveAndDoesNotDuplicate) {
    CPluvoDoc doc;
    EXPECT_EQ(doc.FindOrAddText("Snelle tekst"), 0);
    EXPECT_EQ(doc.texts.size(), 1u);
    EXPECT_EQ(doc.FindOrAddText("snelle tekst"), 1);
    EXPECT_EQ(doc.FindOrAddText("snelle tekst"), 1);
    EXPECT_EQ(doc.texts.size(), 2u);
}

TEST(CPluvoDoc, FindOrAddFontIgnoresBytesAfterTheFaceTerminator) {
    CPluvoDoc doc;
    LogFont same = doc.fonts[0];
    same.lfFaceName[20] = 'x';
    EXPECT_EQ(doc.FindOrAddFont(same), 0);
    EXPECT_EQ(doc.fonts.size(), 1u);

    LogFont otherCase = doc.fonts[0];
    otherCase.SetFaceName("verdana");
    EXPECT_EQ(doc.FindOrAddFont(otherCase), 1);

    LogFont italic = doc.fonts[0];
    italic.lfItalic = 1;
    EXPECT_EQ(doc.FindOrAddFont(italic), 2);
    LogFont draft = doc.fonts[0];
    draft.lfPitchAndFamily = 18;
    EXPECT_EQ(doc.FindOrAddFont(draft), 3);
    EXPECT_EQ(doc.FindOrAddFont(draft), 3);
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
    doc.points = {{-10, 7}, {5, 5}};
    doc.MakeCoordinatesPositive();
    EXPECT_EQ(doc.figures[0].p1, (POINT{32, 7}));
    EXPECT_EQ(doc.figures[0].p2, (POINT{82, 90}));
    EXPECT_EQ(doc.points[0], (POINT{32, 7}));
    EXPECT_EQ(doc.points[1], (POINT{47, 5}));

    CPluvoDoc positive;
    Append(positive, MakeLine({3, 4}, {5, 6}));
    positive.MakeCoordinatesPositive();
    EXPECT_EQ(positive.figures[0].p1, (POINT{3, 4}));
}

TEST(CPluvoDoc, MakeCoordinatesPositiveCountsPolygonPointsWhereTheyAreDrawn) {
    CPluvoDoc doc;
    doc.points = {{100, 100}, {40, 130}};
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
    doc.MakeCoordinatesPositive();
    EXPECT_EQ(doc.figures[0].p1, (POINT{92, 10}));
    EXPECT_EQ(doc.points[1], (POINT{82, 130}));
}

TEST(CPluvoDoc, PolygonAreaInUnitsAndCells) {
    CPluvoDoc doc;
    doc.points = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    Figuur poly;
    poly.FiguurType = Polygoon;
    poly.nHoek = 4;
    doc.SizeRaster = 10;
    PolygonAreaResult area = doc.PolygonArea(poly);
    EXPECT_EQ(area.units, 100);
    EXPECT_DOUBLE_EQ(area.cells, 1.0);

    poly.nHoek = 1;
    EXPECT_EQ(doc.PolygonArea(poly).units, 0);
    poly.nHoek = 9; // runs past the list
    EXPECT_EQ(doc.PolygonArea(poly).units, 0);

    doc.points = {{0, 0}, {3, 0}, {0, 3}}; // S = 9, area truncates to 4
    poly.nHoek = 3;
    EXPECT_EQ(doc.PolygonArea(poly).units, 4);
    EXPECT_DOUBLE_EQ(doc.PolygonArea(poly).cells, 9.0 / 200.0);
}

TEST(CPluvoDoc, RemoveLastFigure) {
    CPluvoDoc empty;
    EXPECT_FALSE(empty.RemoveLastFigure());

    CPluvoDoc doc;
    for (int i = 0; i < 3; ++i) Append(doc, MakeLine({i, i}, {i + 1, i + 1}));
    doc.points = {{1, 1}};
    doc.selection = {2, 0};
    EXPECT_TRUE(doc.RemoveLastFigure());
    EXPECT_EQ(doc.figures.size(), 2u);
    EXPECT_EQ(doc.selection, std::vector<std::uint32_t>{0});
    EXPECT_EQ(doc.points.size(), 1u) << "the points of a removed polygon stay";
}

TEST(CPluvoDoc, RemoveSelectedFiguresKeepsTheOthersInOrder) {
    CPluvoDoc doc;
    for (int i = 0; i < 5; ++i) Append(doc, MakeLine({i, 0}, {i, 1}));
    doc.selection = {3, 1, 77};
    doc.TakeSnapshot();
    doc.RemoveSelectedFigures();
    ASSERT_EQ(doc.figures.size(), 3u);
    EXPECT_EQ(doc.figures[0].p1.x, 0);
    EXPECT_EQ(doc.figures[1].p1.x, 2);
    EXPECT_EQ(doc.figures[2].p1.x, 4);
    EXPECT_TRUE(doc.selection.empty());

    doc.RestoreSnapshot();
    EXPECT_EQ(doc.figures.size(), 5u);
    EXPECT_EQ(doc.figures[3].p1.x, 3);
    EXPECT_TRUE(doc.selection.empty());

    doc.RemoveSelectedFigures();
    EXPECT_EQ(doc.figures.size(), 5u) << "nothing selected removes nothing";
}

TEST(CPluvoDoc, MarkModifiedAddsOneStarToTheTitle) {
    CPluvoDoc doc;
    std::string title = "Naamloos - Pluvo";
    doc.SetTitleHook({[&] { return title; }, [&](const std::string& t) { title = t; }});
    doc.MarkModified();
    doc.MarkModified();
    EXPECT_EQ(title, "Naamloos - Pluvo*");
    EXPECT_TRUE(doc.IsModified());

    // A copy is the drawing, not the window: marking it leaves the title,
    // and assigning a drawing to the document keeps the document's window.
    title = "a.plv - Pluvo";
    CPluvoDoc copy = doc;
    copy.MarkModified();
    EXPECT_EQ(title, "a.plv - Pluvo");
    doc = CPluvoDoc();
    doc.MarkModified();
    EXPECT_EQ(title, "a.plv - Pluvo*");
}
