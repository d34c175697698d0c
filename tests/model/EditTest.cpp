// Undo, scaling and the editing operations on figures.
#include "model/CPluvoDoc.h"

#include <gtest/gtest.h>

namespace {

Figuur MakeFigure(FiguurSoort kind, POINT a, POINT b) {
    Figuur f;
    f.FiguurType = kind;
    f.p1 = a;
    f.p2 = b;
    f.MetRand = 1;
    f.LijnDikte = 1;
    return f;
}

// A drawing with a line, a rectangle, a text and a polygon of three points.
CPluvoDoc SampleDrawing() {
    CPluvoDoc doc;
    doc.figures.push_back(MakeFigure(Lijn, {10, 20}, {30, 40}));
    doc.figures.push_back(MakeFigure(Rechthoek, {3, -3}, {64, 96}));
    doc.figures.push_back(MakeFigure(Tekst, {100, 50}, {100, 50}));
    Figuur poly = MakeFigure(Polygoon, {200, 200}, {220, 200});
    poly.PolyPnt = 0;
    poly.nHoek = 3;
    doc.figures.push_back(poly);
    doc.points = {{0, 0}, {20, 0}, {0, 30}};
    return doc;
}

} // namespace

TEST(Undo, AvailableOnlyWithFiguresInTheSnapshot) {
    CPluvoDoc doc;
    doc.TakeSnapshot();
    EXPECT_FALSE(doc.CanUndo()) << "a snapshot of an empty drawing cannot be undone";

    CPluvoDoc sample = SampleDrawing();
    sample.TakeSnapshot();
    EXPECT_TRUE(sample.CanUndo());
    sample.OnNewDocument();
    EXPECT_FALSE(sample.CanUndo());
}

TEST(Undo, RotateThenUndoRestoresFiguresFontsAndPoints) {
    CPluvoDoc doc = SampleDrawing();
    const CPluvoDoc before = doc;
    doc.TakeSnapshot();
    doc.Draai90();
    EXPECT_NE(doc.figures, before.figures);
    EXPECT_EQ(doc.fonts[0].lfOrientation, 2700);
    doc.Verschuif(-1, 0);
    doc.RestoreSnapshot();
    EXPECT_EQ(doc.figures, before.figures) << "both the move and the rotation are undone";
    EXPECT_EQ(doc.fonts, before.fonts);
    EXPECT_EQ(doc.points, before.points);
    EXPECT_FALSE(doc.CanUndo());
}

TEST(Undo, TextsAddedAfterTheSnapshotStay) {
    CPluvoDoc doc = SampleDrawing();
    doc.TakeSnapshot();
    doc.FindOrAddText("nieuw");
    doc.RestoreSnapshot();
    EXPECT_EQ(doc.texts.back(), "nieuw");
}

TEST(Schaal, HundredPercentChangesNothing) {
    CPluvoDoc doc = SampleDrawing();
    const CPluvoDoc before = doc;
    doc.Schaal(100, 100);
    EXPECT_EQ(doc.figures, before.figures);
    EXPECT_EQ(doc.points, before.points);
    EXPECT_EQ(doc.fonts, before.fonts);
    EXPECT_FALSE(doc.CanUndo()) << "the snapshot is the command's";
    EXPECT_FALSE(doc.IsModified());
}

TEST(Schaal, RoundsHalfAwayFromZero) {
    CPluvoDoc doc;
    doc.figures.push_back(MakeFigure(Lijn, {3, -3}, {1, -1}));
    doc.figures[0].LijnDikte = 5;
    doc.points = {{-5, 5}};
    doc.Schaal(50, 50);
    EXPECT_EQ(doc.figures[0].p1, (POINT{2, -2}));
    EXPECT_EQ(doc.figures[0].p2, (POINT{1, -1}));
    EXPECT_EQ(doc.figures[0].LijnDikte, 3);
    EXPECT_EQ(doc.points[0], (POINT{-3, 3}));
    EXPECT_EQ(doc.fonts[0].lfHeight, -8);
}

TEST(Schaal, AxesScaleApartAndFontsFollowTheLargerPercentage) {
    CPluvoDoc doc = SampleDrawing();
    doc.Schaal(200, 100);
    EXPECT_EQ(doc.figures[0].p1, (POINT{20, 20}));
    EXPECT_EQ(doc.figures[0].LijnDikte, 2);
    EXPECT_EQ(doc.fonts[0].lfHeight, -32);
    EXPECT_EQ(doc.points[1], (POINT{40, 0}));

    CPluvoDoc flat = SampleDrawing();
    flat.Schaal(0, 100);
    for (const Figuur& f : flat.figures) {
        EXPECT_EQ(f.p1.x, 0);
        EXPECT_EQ(f.LijnDikte, 0);
    }
    EXPECT_EQ(flat.fonts[0].lfHeight, -16);
}

TEST(Schaal, MirroringShiftsBackToTheGrid) {
    CPluvoDoc doc;
    doc.figures.push_back(MakeFigure(Lijn, {10, 20}, {30, 40}));
    doc.Schaal(-100, 100);
    // x runs -10..-30; smallest -30 - 32 = -62 is subtracted.
    EXPECT_EQ(doc.figures[0].p1, (POINT{52, 20}));
    EXPECT_EQ(doc.figures[0].p2, (POINT{32, 40}));
    EXPECT_EQ(doc.figures[0].LijnDikte, -1);
}

TEST(Schaal, PrintFactorsScaleExactlyBack) {
    for (int factor : {2, 4, 5, 10}) {
        CPluvoDoc doc = SampleDrawing();
        doc.figures[0].LijnDikte = 7;
        doc.fonts[0].lfHeight = -13;
        const CPluvoDoc before = doc;
        doc.Schaal(factor * 100, factor * 100);
        EXPECT_EQ(doc.figures[0].p1.x, 10 * factor);
        doc.Schaal(100 / factor, 100 / factor);
        EXPECT_EQ(doc.figures, before.figures) << factor;
        EXPECT_EQ(doc.points, before.points) << factor;
        EXPECT_EQ(doc.fonts, before.fonts) << factor;
    }
}

TEST(FigureOperations, SelectionDecidesWhichFiguresAreTouched) {
    CPluvoDoc all = SampleDrawing();
    all.Verschuif(1, 0);
    for (const Figuur& f : all.figures) EXPECT_GE(f.p1.x, 35);
    EXPECT_EQ(all.figures[0].p1, (POINT{42, 20})) << "one grid cell";
    EXPECT_EQ(all.points[0], (POINT{32, 0})) << "polygon points move along";

    CPluvoDoc some = SampleDrawing();
    some.selection = {2, 40};
    some.Verschuif(0, -1);
    some.LijndikteMeer();
    some.ZetVulling();
    EXPECT_EQ(some.figures[2].p1, (POINT{100, 18}));
    EXPECT_EQ(some.figures[2].LijnDikte, 2);
    EXPECT_EQ(some.figures[2].MetVul, 1);
    EXPECT_EQ(some.figures[0].p1, (POINT{10, 20}));
    EXPECT_EQ(some.figures[0].LijnDikte, 1);
    EXPECT_EQ(some.figures[0].MetVul, 0);
    EXPECT_EQ(some.points[0], (POINT{0, 0}));
}

TEST(FigureOperations, ThickerAndThinnerOutlines) {
    CPluvoDoc doc;
    doc.figures.push_back(MakeFigure(Rechthoek, {0, 0}, {9, 9}));
    doc.figures.push_back(MakeFigure(Rechthoek, {0, 0}, {9, 9}));
    doc.figures[1].MetRand = 0;
    doc.figures[1].LijnDikte = 9;

    doc.LijndikteMinder();
    EXPECT_EQ(doc.figures[0].MetRand, 0);
    EXPECT_EQ(doc.figures[0].LijnDikte, 1) << "thinner at width 1 switches the outline off";
    EXPECT_EQ(doc.figures[1].LijnDikte, 8);

    doc.LijndikteMeer();
    EXPECT_EQ(doc.figures[0].MetRand, 1);
    EXPECT_EQ(doc.figures[1].MetRand, 1);
    EXPECT_EQ(doc.figures[1].LijnDikte, 1) << "an outline switched on starts at width 1";

    for (int i = 0; i < 20; ++i) doc.LijndikteMeer();
    EXPECT_EQ(doc.figures[0].LijnDikte, 15);
}

TEST(FigureOperations, FillToggleAlternatesAndSurvivesNewAndOpen) {
    CPluvoDoc doc;
    doc.ToggleFill();
    EXPECT_EQ(doc.FillToggle, 0) << "an empty drawing keeps the toggle";

    doc = SampleDrawing();
    doc.ToggleFill();
    for (const Figuur& f : doc.figures) EXPECT_EQ(f.MetVul, 1);
    // The toggle belongs to the run: a new drawing read into the same
    // document is emptied by the next use.
    const CPluvoDoc sample = SampleDrawing();
    doc.OnNewDocument();
    doc.figures = sample.figures;
    for (Figuur& f : doc.figures) f.MetVul = 1;
    doc.ToggleFill();
    for (const Figuur& f : doc.figures) EXPECT_EQ(f.MetVul, 0);
}

TEST(FigureOperations, RotationTurnsClockwiseIntoPositiveCoordinates) {
    CPluvoDoc doc;
    doc.figures.push_back(MakeFigure(Lijn, {10, 20}, {50, 70}));
    doc.Draai90();
    // (x, y) -> (-y, x): x runs -20..-70 and is shifted so that -70 lands on 32.
    EXPECT_EQ(doc.figures[0].p1, (POINT{82, 10}));
    EXPECT_EQ(doc.figures[0].p2, (POINT{32, 50}));

    doc.Draai90();
    EXPECT_EQ(doc.fonts[0].lfOrientation, 1800);
    EXPECT_EQ(doc.fonts[0].lfEscapement, 1800);
    doc.Draai90();
    doc.Draai90();
    EXPECT_EQ(doc.fonts[0].lfOrientation, 0);
}

TEST(FigureOperations, SelectAllAndNone) {
    CPluvoDoc doc = SampleDrawing();
    doc.selection = {3};
    doc.SelectAll();
    EXPECT_EQ(doc.selection, (std::vector<std::uint32_t>{0, 1, 2, 3}));
    doc.SelectNone();
    EXPECT_TRUE(doc.selection.empty());
}
