// Undo, scaling and the editing operations on figures.
#include "TestAccess.h"
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
    Writable(doc).figures.push_back(MakeFigure(Lijn, {10, 20}, {30, 40}));
    Writable(doc).figures.push_back(MakeFigure(Rechthoek, {3, -3}, {64, 96}));
    Writable(doc).figures.push_back(MakeFigure(Tekst, {100, 50}, {100, 50}));
    Figuur poly = MakeFigure(Polygoon, {200, 200}, {220, 200});
    poly.PolyPnt = 0;
    poly.nHoek = 3;
    Writable(doc).figures.push_back(poly);
    Writable(doc).points = {{0, 0}, {20, 0}, {0, 30}};
    return doc;
}

} // namespace

TEST(Undo, AvailableOnlyWithFiguresInTheSnapshot) {
    CPluvoDoc doc;
    TakeSnapshot(doc);
    EXPECT_FALSE(doc.CanUndo()) << "a snapshot of an empty drawing cannot be undone";

    CPluvoDoc sample = SampleDrawing();
    TakeSnapshot(sample);
    EXPECT_TRUE(sample.CanUndo());
    OnNewDocument(sample);
    EXPECT_FALSE(sample.CanUndo());
}

TEST(Undo, RotateThenUndoRestoresFiguresFontsAndPoints) {
    CPluvoDoc doc = SampleDrawing();
    const CPluvoDoc before = doc;
    TakeSnapshot(doc);
    Draai90(doc);
    EXPECT_NE(doc.drawing().figures, before.drawing().figures);
    EXPECT_EQ(doc.drawing().fonts[0].lfOrientation, 2700);
    Verschuif(doc, -1, 0);
    RestoreSnapshot(doc);
    EXPECT_EQ(doc.drawing().figures, before.drawing().figures) << "both the move and the rotation are undone";
    EXPECT_EQ(doc.drawing().fonts, before.drawing().fonts);
    EXPECT_EQ(doc.drawing().points, before.drawing().points);
    EXPECT_FALSE(doc.CanUndo());
}

TEST(Undo, TextsAddedAfterTheSnapshotStay) {
    CPluvoDoc doc = SampleDrawing();
    TakeSnapshot(doc);
    FindOrAddText(doc, "nieuw");
    RestoreSnapshot(doc);
    EXPECT_EQ(doc.drawing().texts.back(), "nieuw");
}

TEST(Schaal, HundredPercentChangesNothing) {
    CPluvoDoc doc = SampleDrawing();
    const CPluvoDoc before = doc;
    Schaal(doc, 100, 100);
    EXPECT_EQ(doc.drawing().figures, before.drawing().figures);
    EXPECT_EQ(doc.drawing().points, before.drawing().points);
    EXPECT_EQ(doc.drawing().fonts, before.drawing().fonts);
    EXPECT_FALSE(doc.CanUndo()) << "the snapshot is the command's";
    EXPECT_FALSE(doc.IsModified());
}

TEST(Schaal, RoundsHalfAwayFromZero) {
    CPluvoDoc doc;
    Writable(doc).figures.push_back(MakeFigure(Lijn, {3, -3}, {1, -1}));
    Writable(doc).figures[0].LijnDikte = 5;
    Writable(doc).points = {{-5, 5}};
    Schaal(doc, 50, 50);
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{2, -2}));
    EXPECT_EQ(doc.drawing().figures[0].p2, (POINT{1, -1}));
    EXPECT_EQ(doc.drawing().figures[0].LijnDikte, 3);
    EXPECT_EQ(doc.drawing().points[0], (POINT{-3, 3}));
    EXPECT_EQ(doc.drawing().fonts[0].lfHeight, -8);
}

TEST(Schaal, AxesScaleApartAndFontsFollowTheLargerPercentage) {
    CPluvoDoc doc = SampleDrawing();
    Schaal(doc, 200, 100);
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{20, 20}));
    EXPECT_EQ(doc.drawing().figures[0].LijnDikte, 2);
    EXPECT_EQ(doc.drawing().fonts[0].lfHeight, -32);
    EXPECT_EQ(doc.drawing().points[1], (POINT{40, 0}));

    CPluvoDoc flat = SampleDrawing();
    Schaal(flat, 0, 100);
    for (const Figuur& f : flat.drawing().figures) {
        EXPECT_EQ(f.p1.x, 0);
        EXPECT_EQ(f.LijnDikte, 0);
    }
    EXPECT_EQ(flat.drawing().fonts[0].lfHeight, -16);
}

TEST(Schaal, MirroringShiftsBackToTheGrid) {
    CPluvoDoc doc;
    Writable(doc).figures.push_back(MakeFigure(Lijn, {10, 20}, {30, 40}));
    Schaal(doc, -100, 100);
    // x runs -10..-30; smallest -30 - 32 = -62 is subtracted.
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{52, 20}));
    EXPECT_EQ(doc.drawing().figures[0].p2, (POINT{32, 40}));
    EXPECT_EQ(doc.drawing().figures[0].LijnDikte, -1);
}

TEST(Schaal, PrintFactorsScaleExactlyBack) {
    for (int factor : {2, 4, 5, 10}) {
        CPluvoDoc doc = SampleDrawing();
        Writable(doc).figures[0].LijnDikte = 7;
        Writable(doc).fonts[0].lfHeight = -13;
        const CPluvoDoc before = doc;
        Schaal(doc, factor * 100, factor * 100);
        EXPECT_EQ(doc.drawing().figures[0].p1.x, 10 * factor);
        Schaal(doc, 100 / factor, 100 / factor);
        EXPECT_EQ(doc.drawing().figures, before.drawing().figures) << factor;
        EXPECT_EQ(doc.drawing().points, before.drawing().points) << factor;
        EXPECT_EQ(doc.drawing().fonts, before.drawing().fonts) << factor;
    }
}

TEST(FigureOperations, SelectionDecidesWhichFiguresAreTouched) {
    CPluvoDoc all = SampleDrawing();
    Verschuif(all, 1, 0);
    for (const Figuur& f : all.drawing().figures) EXPECT_GE(f.p1.x, 35);
    EXPECT_EQ(all.drawing().figures[0].p1, (POINT{42, 20})) << "one grid cell";
    EXPECT_EQ(all.drawing().points[0], (POINT{32, 0})) << "polygon points move along";

    CPluvoDoc some = SampleDrawing();
    WritableSelection(some) = {2, 40};
    Verschuif(some, 0, -1);
    LijndikteMeer(some);
    ZetVulling(some);
    EXPECT_EQ(some.drawing().figures[2].p1, (POINT{100, 18}));
    EXPECT_EQ(some.drawing().figures[2].LijnDikte, 2);
    EXPECT_EQ(some.drawing().figures[2].MetVul, 1);
    EXPECT_EQ(some.drawing().figures[0].p1, (POINT{10, 20}));
    EXPECT_EQ(some.drawing().figures[0].LijnDikte, 1);
    EXPECT_EQ(some.drawing().figures[0].MetVul, 0);
    EXPECT_EQ(some.drawing().points[0], (POINT{0, 0}));
}

TEST(FigureOperations, ThickerAndThinnerOutlines) {
    CPluvoDoc doc;
    Writable(doc).figures.push_back(MakeFigure(Rechthoek, {0, 0}, {9, 9}));
    Writable(doc).figures.push_back(MakeFigure(Rechthoek, {0, 0}, {9, 9}));
    Writable(doc).figures[1].MetRand = 0;
    Writable(doc).figures[1].LijnDikte = 9;

    LijndikteMinder(doc);
    EXPECT_EQ(doc.drawing().figures[0].MetRand, 0);
    EXPECT_EQ(doc.drawing().figures[0].LijnDikte, 1) << "thinner at width 1 switches the outline off";
    EXPECT_EQ(doc.drawing().figures[1].LijnDikte, 8);

    LijndikteMeer(doc);
    EXPECT_EQ(doc.drawing().figures[0].MetRand, 1);
    EXPECT_EQ(doc.drawing().figures[1].MetRand, 1);
    EXPECT_EQ(doc.drawing().figures[1].LijnDikte, 1) << "an outline switched on starts at width 1";

    for (int i = 0; i < 20; ++i) LijndikteMeer(doc);
    EXPECT_EQ(doc.drawing().figures[0].LijnDikte, 15);
}

TEST(FigureOperations, FillToggleAlternatesAndSurvivesNewAndOpen) {
    CPluvoDoc doc;
    ToggleFill(doc);
    EXPECT_EQ(doc.FillToggle, 0) << "an empty drawing keeps the toggle";

    doc = SampleDrawing();
    ToggleFill(doc);
    for (const Figuur& f : doc.drawing().figures) EXPECT_EQ(f.MetVul, 1);
    // The toggle belongs to the run: a new drawing read into the same
    // document is emptied by the next use.
    const CPluvoDoc sample = SampleDrawing();
    OnNewDocument(doc);
    Writable(doc).figures = sample.drawing().figures;
    for (Figuur& f : Writable(doc).figures) f.MetVul = 1;
    ToggleFill(doc);
    for (const Figuur& f : doc.drawing().figures) EXPECT_EQ(f.MetVul, 0);
}

TEST(FigureOperations, RotationTurnsClockwiseIntoPositiveCoordinates) {
    CPluvoDoc doc;
    Writable(doc).figures.push_back(MakeFigure(Lijn, {10, 20}, {50, 70}));
    Draai90(doc);
    // (x, y) -> (-y, x): x runs -20..-70 and is shifted so that -70 lands on 32.
    EXPECT_EQ(doc.drawing().figures[0].p1, (POINT{82, 10}));
    EXPECT_EQ(doc.drawing().figures[0].p2, (POINT{32, 50}));

    Draai90(doc);
    EXPECT_EQ(doc.drawing().fonts[0].lfOrientation, 1800);
    EXPECT_EQ(doc.drawing().fonts[0].lfEscapement, 1800);
    Draai90(doc);
    Draai90(doc);
    EXPECT_EQ(doc.drawing().fonts[0].lfOrientation, 0);
}

TEST(FigureOperations, SelectAllAndNone) {
    CPluvoDoc doc = SampleDrawing();
    WritableSelection(doc) = {3};
    SelectAll(doc);
    EXPECT_EQ(doc.Selection(), (std::vector<std::uint32_t>{0, 1, 2, 3}));
    SelectNone(doc);
    EXPECT_TRUE(doc.Selection().empty());
}
