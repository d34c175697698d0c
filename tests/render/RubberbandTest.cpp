#include "../model/TestAccess.h"
#include "RandomDrawing.h"
#include "RecordingSurface.h"

#include "model/CPluvoDoc.h"
#include "model/SvgExport.h"
#include "render/Canvas.h"
#include "render/CopyPreview.h"
#include "render/LineEndIndex.h"
#include "render/RasterSurface.h"
#include "render/Rubberband.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

// The drawing calls of a recording, without the state changes.
std::vector<std::string> Shapes(const RecordingSurface& s) {
    std::vector<std::string> out;
    for (const std::string& c : s.calls)
        if (c.rfind("Select", 0) != 0 && c.rfind("Set", 0) != 0) out.push_back(c);
    return out;
}

CPluvoDoc BandDoc(std::int32_t tool) {
    CPluvoDoc doc;
    doc.current.FiguurType = tool;
    doc.current.KleurRand = 0x0000FF;
    doc.current.RsterPnt = 0;
    doc.current.nHoek = 4;
    doc.current.p1 = {100, 100};
    return doc;
}

// Draws the band of the current figure once, as the gesture does.
void Band(Surface& s, const CPluvoDoc& doc, ShiftHeld shift = ShiftHeld::No) {
    Rubberband(s, doc, doc.current, shift, LineEndIndex(doc.drawing().figures, doc.SnapDistance));
}

// The band drawn at p, for the given tool.
std::vector<std::string> BandAt(CPluvoDoc& doc, POINT p, ShiftHeld shift = ShiftHeld::No) {
    doc.current.p2 = p;
    RecordingSurface s;
    Band(s, doc, shift);
    return Shapes(s);
}

using Calls = std::vector<std::string>;

} // namespace

TEST(Rubberband, ShapeOfEveryTool) {
    const POINT p{150, 130};
    const std::map<std::int32_t, Calls> expected{
        {Lijn, {"MoveToEx(100,100)", "LineTo(150,130)"}},
        {Polygoon, {"MoveToEx(100,100)", "LineTo(150,130)"}},
        {Ellips, {"Ellipse(100,100,150,130)", "Rectangle(100,100,150,130)"}},
        {Cirkel, {"Ellipse(42,42,158,158)"}},
        {Boogkwart, {"Arc(50,70,150,130, 100,130, 150,100)", "Rectangle(100,130,150,100)"}},
        {Rechthoek, {"Rectangle(100,100,150,130)"}},
        {Veelhoek, {"Polygon(141,141 141,59 59,59 59,141)"}},
        {Opvullen, {}},
        {Selecteer, {"Rectangle(100,100,150,130)"}},
        {Kopieer, {}},
        {11, {}},
        {-1, {}},
    };
    for (const auto& [tool, calls] : expected) {
        CPluvoDoc doc = BandDoc(tool);
        EXPECT_EQ(BandAt(doc, p), calls) << "tool " << tool;
    }

    CPluvoDoc flat = BandDoc(Boogkwart);
    EXPECT_EQ(BandAt(flat, {150, 102}), Calls{}) << "a quarter arc of 2 pixels shows no band";
}

TEST(Rubberband, TextBandIsTheMeasuredBoxTurnedByTheFontAndCentredOnTheGrid) {
    // "Snelle tekst" measures 60 x 12 on the recording surface.
    const std::map<std::int32_t, std::string> byOrientation{
        {0, "Rectangle(100,100,160,112)"},   {900, "Rectangle(100,100,112,40)"},
        {1800, "Rectangle(100,100,40,88)"},  {2700, "Rectangle(100,100,88,160)"},
        {450, "Rectangle(100,100,160,112)"},
    };
    for (const auto& [o, rect] : byOrientation) {
        CPluvoDoc doc = BandDoc(Tekst);
        Writable(doc).fonts[0].lfOrientation = o;
        Writable(doc).fonts[0].lfEscapement = o;
        EXPECT_EQ(BandAt(doc, {100, 100}), Calls{rect}) << "orientation " << o;
    }

    CPluvoDoc grid = BandDoc(Tekst);
    grid.current.RsterPnt = 1;
    Writable(grid).SizeRaster = 32;
    grid.current.p2 = {96, 64};
    RecordingSurface s;
    const LogFont callerFont = s.CurrentFont();
    Band(s, grid, ShiftHeld::Yes);
    EXPECT_EQ(Shapes(s), Calls{"Rectangle(98,74,158,86)"})
        << "cells 64 x 32: (64 - 60) / 2 and (32 - 12) / 2 from the grid point";
    EXPECT_EQ(s.Calls("SelectFont"), (Calls{"SelectFont(Verdana,-16)", "SelectFont(,0)"}))
        << "the font is selected only to measure";
    EXPECT_EQ(s.CurrentFont(), callerFont);
    EXPECT_EQ(grid.current.p2, (POINT{96, 64})) << "Shift does not constrain a text";

    for (std::int32_t index : {-1, 1, std::numeric_limits<std::int32_t>::min()}) {
        CPluvoDoc none = BandDoc(Tekst);
        none.current.TekstIndex = index;
        EXPECT_EQ(BandAt(none, {100, 100}), Calls{}) << "text index " << index;
    }
    CPluvoDoc noFont = BandDoc(Tekst);
    noFont.current.FontIndex = 3;
    EXPECT_EQ(BandAt(noFont, {100, 100}), Calls{});
}

TEST(Rubberband, DottedPenOfTheOutlineColourUnderNotXorAndNothingLeftBehind) {
    CPluvoDoc doc = BandDoc(Rechthoek);
    doc.current.p2 = {150, 130};
    RecordingSurface s;
    const Pen pen{PenStyle::Solid, 4, 0x00FF00};
    s.SelectPen(pen);
    s.SelectBrush(Brush::Hollow());
    s.SetTextColor(0x123456);
    s.calls.clear();
    Band(s, doc);
    ASSERT_GE(s.calls.size(), 5u);
    EXPECT_EQ(s.calls[0], "SelectPen(dot,1,0000FF)");
    EXPECT_EQ(s.calls[1], "SelectBrush(FFFFFF)") << "a white brush leaves interiors unchanged";
    EXPECT_EQ(s.calls[2], "SetROP2(notxor)");
    EXPECT_EQ(Shapes(s), (Calls{"Rectangle(100,100,150,130)"})) << "one pass, at p2";
    EXPECT_EQ(s.CurrentPen(), pen);
    EXPECT_EQ(s.CurrentBrush(), Brush::Hollow());
    EXPECT_EQ(s.GetROP2(), Rop2::CopyPen);
    EXPECT_EQ(s.TextColor(), 0x123456u);
}

TEST(Rubberband, ShiftConstrainsTheBandEndOnlyForItsToolsAndLeavesTheDocumentAlone) {
    struct Case {
        std::int32_t tool;
        POINT raw;
        POINT constrained;
    };
    const Case cases[] = {
        {Lijn, {110, 103}, {110, 100}},     {Polygoon, {103, 110}, {100, 110}},
        {Lijn, {110, 108}, {110, 110}},     {Ellips, {110, 104}, {110, 110}},
        {Boogkwart, {110, 96}, {110, 90}},  {Rechthoek, {104, 110}, {104, 104}},
        {Cirkel, {110, 103}, {110, 103}},   {Selecteer, {110, 103}, {110, 103}},
        {Veelhoek, {110, 103}, {110, 103}}, {Kopieer, {110, 103}, {110, 103}},
        {Opvullen, {110, 103}, {110, 103}},
    };
    for (const Case& c : cases) {
        CPluvoDoc doc = BandDoc(c.tool);
        EXPECT_EQ(BandEnd(doc.current, c.raw, ShiftHeld::Yes), c.constrained) << "tool " << c.tool;
        EXPECT_EQ(BandEnd(doc.current, c.raw, ShiftHeld::No), c.raw) << "tool " << c.tool;

        // The band is drawn at the constrained end and writes nothing back.
        doc.current.p2 = c.raw;
        const Figuur before = doc.current;
        RecordingSurface shifted;
        Band(shifted, doc, ShiftHeld::Yes);
        EXPECT_EQ(doc.current, before) << "tool " << c.tool;
        CPluvoDoc square = BandDoc(c.tool);
        square.current.p2 = c.constrained;
        RecordingSurface unshifted;
        Band(unshifted, square);
        EXPECT_EQ(Shapes(shifted), Shapes(unshifted)) << "tool " << c.tool;
    }
}

TEST(Rubberband, RegularPolygonBandWithAnAbsurdCornerCountDrawsNothing) {
    for (std::int32_t n : {kMaxSvgCorners + 1, std::numeric_limits<std::int32_t>::max(), 0, -3}) {
        CPluvoDoc doc = BandDoc(Veelhoek);
        doc.current.nHoek = n;
        EXPECT_EQ(BandAt(doc, {150, 130}), Calls{}) << n << " corners";
    }
    CPluvoDoc most = BandDoc(Veelhoek);
    most.current.nHoek = kMaxSvgCorners;
    EXPECT_EQ(BandAt(most, {150, 130}).size(), 1u) << "as many corners as a placed figure shows";
}

TEST(Rubberband, CopyPreviewDrawsTheSelectionAtThePointerAndGivesTheCurrentFigureBack) {
    CPluvoDoc doc = BandDoc(Kopieer);
    Figuur box;
    box.FiguurType = Rechthoek;
    box.MetRand = 1;
    box.LijnDikte = 1;
    box.RsterPnt = 1;
    box.KleurRand = 0x00FF00;
    box.p1 = {10, 10};
    box.p2 = {20, 20};
    Figuur line;
    line.FiguurType = Lijn;
    line.LijnDikte = 2;
    line.RsterPnt = 1;
    line.p1 = {30, 40};
    line.p2 = {50, 40};
    Figuur text;
    text.FiguurType = Tekst;
    Figuur fill;
    fill.FiguurType = Opvullen;
    fill.p1 = {15, 15};
    Writable(doc).figures = {box, line, text, fill};
    WritableSelection(doc) = {1, 7, 2, 0, 3};
    doc.current.p2 = {130, 140};
    doc.current.Reserve = 9;
    const Figuur kept = doc.current;
    const std::vector<Figuur> figures = doc.drawing().figures;

    RecordingSurface s;
    Band(s, doc, ShiftHeld::Yes);
    EXPECT_EQ(Shapes(s),
              (Calls{"MoveToEx(130,140)", "LineTo(150,140)", "Rectangle(110,110,121,121)"}))
        << "the first selected figure's p1 at the pointer, the others at their offsets; "
           "entries past the list, texts and fills are left out";
    EXPECT_EQ(s.Calls("SelectPen")[1], "SelectPen(solid,2,000000)") << "each copy has its own pen";
    EXPECT_TRUE(s.Calls("TextOut").empty());
    EXPECT_TRUE(s.Calls("FloodFill").empty());
    EXPECT_EQ(doc.current, kept) << "the borrowed current figure is given back, Shift or not";
    EXPECT_EQ(doc.drawing().figures, figures) << "nothing is stored";
    EXPECT_EQ(s.GetROP2(), Rop2::CopyPen);
    EXPECT_EQ(s.CurrentBrush(), Brush::Solid(0xFFFFFF)) << "a copy's hollow brush does not stay";

    for (const std::vector<std::uint32_t>& selection :
         {std::vector<std::uint32_t>{}, std::vector<std::uint32_t>{4, 0},
          std::vector<std::uint32_t>{std::numeric_limits<std::uint32_t>::max()}}) {
        WritableSelection(doc) = selection;
        RecordingSurface none;
        Band(none, doc);
        EXPECT_EQ(Shapes(none), Calls{}) << "no preview when the first entry is no figure";
    }
}

TEST(Rubberband, CopyPreviewPullsCopiesOntoTheLineEndsOfTheDrawingAsItIsNow) {
    CPluvoDoc doc = BandDoc(Kopieer);
    Figuur line;
    line.FiguurType = Lijn;
    line.LijnDikte = 1;
    line.p1 = {0, 0};
    line.p2 = {200, 0};
    Figuur box;
    box.FiguurType = Rechthoek;
    box.MetRand = 1;
    box.LijnDikte = 3;
    box.RsterPnt = 0;
    box.p1 = {10, 10};
    box.p2 = {20, 20};
    Writable(doc).figures = {line, box};
    WritableSelection(doc) = {1};

    doc.current.p2 = {197, 3};
    RecordingSurface s;
    Band(s, doc);
    EXPECT_EQ(Shapes(s), Calls{"Rectangle(200,0,208,14)"}) << "p1 pulled onto the line's end";
}

// The copy preview through its mask gives, at every pointer position, the
// pixels of drawing each copy: copies that snap to line ends at some
// positions and not at others, wide, dotted and filled outlines, polygons,
// figures far outside the canvas, both background modes, a selection that
// changes between moves; and drawing it again takes it away.
TEST(Rubberband, CopyPreviewThroughItsMaskEqualsDrawingEachCopy) {
    constexpr std::int32_t w = 160, h = 120;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        CPluvoDoc doc = samples::RandomDrawing(seed, 500, w, h, 40);
        doc.SnapDistance = 3 + static_cast<std::int32_t>(seed);
        for (std::uint32_t k = seed % 3; k < doc.drawing().figures.size() + 3; k += 1 + seed % 3)
            WritableSelection(doc).push_back(k);
        const LineEndIndex ends(doc.drawing().figures, doc.SnapDistance);
        std::vector<Pixel> masked(std::size_t{w} * h, 0), drawn(masked.size(), 0);
        RasterSurface a(masked.data(), w, h, w), b(drawn.data(), w, h, w);
        OnDraw(a, doc, {w, h});
        OnDraw(b, doc, {w, h});
        const BkMode mode = seed % 2 == 0 ? BkMode::Opaque : BkMode::Transparent;
        a.SetBkMode(mode);
        b.SetBkMode(mode);
        const std::vector<Pixel> canvas = drawn;
        CopyPreview preview;
        samples::Random r(seed);
        Figuur band;
        band.FiguurType = Kopieer;
        for (int move = 0; move < 12; ++move) {
            if (move == 8) WritableSelection(doc).pop_back(); // a new mask
            band.p2 = move == 0 ? POINT{0, 0}
                      : move == 1 ? POINT{w, h}
                      : move == 2 ? POINT{w + 5, 3} // off the canvas: drawn one by one
                                  : POINT{r.Range(0, w), r.Range(0, h)};
            Rubberband(a, doc, band, ShiftHeld::No, ends, &preview);
            Rubberband(b, doc, band, ShiftHeld::No, ends);
            ASSERT_EQ(masked, drawn) << "seed " << seed << " move " << move;
            Rubberband(a, doc, band, ShiftHeld::No, ends, &preview);
            ASSERT_EQ(masked, canvas) << "seed " << seed << " move " << move;
            drawn = canvas;
        }
    }
}
