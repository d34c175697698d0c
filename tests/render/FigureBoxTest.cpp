// The box a figure may paint, without pixels: texts turned with their box at
// every quarter turn, free and centred in their grid cells, the quarter of an
// arc, and figures at the ends of the coordinate range.
#include "RecordingSurface.h"

#include "../model/SampleDrawings.h"
#include "render/FigureBox.h"
#include "render/LineEndIndex.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FigureBox, TextsTurnWithTheirBoxAndAnArcCountsItsQuarter) {
    CPluvoDoc doc;
    Writable(doc).texts = {"abcd"}; // 20 x 12 on the recording surface
    for (int escapement : {900, 1800, 2700}) {
        LogFont font = doc.drawing().fonts[0];
        font.lfEscapement = font.lfOrientation = escapement;
        Writable(doc).fonts.push_back(font);
    }
    RecordingSurface measure;
    const LineEndIndex lineEnds;
    const struct {
        std::int32_t font;
        std::int32_t snapped;
        PixelBox box;
    } texts[] = {
        // At (120, 90): right and down, up, left and up, down and left.
        {0, 0, {120, 90, 139, 101}},
        {1, 0, {120, 70, 131, 89}},
        {2, 0, {100, 78, 119, 89}},
        {3, 0, {108, 90, 119, 109}},
        // Snapped: centred in the cells of 32 from (96, 64) that it covers.
        {0, 1, {102, 74, 121, 85}},
        {1, 1, {106, 70, 117, 89}},
        {2, 1, {102, 74, 121, 85}},
        {3, 1, {106, 70, 117, 89}},
    };
    for (const auto& t : texts) {
        Figuur text = samples::Make(Tekst, {120, 90}, {120, 90});
        text.TekstIndex = 0;
        text.FontIndex = t.font;
        text.RsterPnt = t.snapped;
        EXPECT_EQ(FigureBox(doc, text, lineEnds, measure), t.box)
            << "font " << t.font << " snapped " << t.snapped;
    }
    EXPECT_EQ(measure.CurrentFont(), LogFont{}) << "the measuring surface's font is given back";

    // The quarter below and right of (320, 64): its whole ellipse would
    // reach up to -33.
    Figuur arc = samples::Make(Boogkwart, {320, 64}, {448, 160});
    arc.LijnDikte = 1;
    EXPECT_EQ(FigureBox(doc, arc, lineEnds, measure), (PixelBox{320, 64, 448, 160}));
    Writable(doc).figures = {arc};
    EXPECT_EQ(DrawingExtent(doc, measure), (DrawingBounds{0, 0, 449, 161}));

    // At the ends of the coordinate range, with the widest pens: boxes
    // without overflow, and nothing for a text without characters.
    constexpr std::int32_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kHigh = std::numeric_limits<std::int32_t>::max();
    Writable(doc).texts.push_back("");
    Writable(doc).fonts[1].lfEscapement = kLow;
    for (FiguurSoort kind : {Lijn, Ellips, Cirkel, Boogkwart, Rechthoek, Veelhoek, Tekst}) {
        Figuur f = samples::Make(kind, {kLow, kHigh}, {kHigh, kLow});
        f.LijnDikte = kHigh;
        f.TekstIndex = 0;
        f.FontIndex = 1;
        const PixelBox box = FigureBox(doc, f, lineEnds, measure);
        EXPECT_TRUE(box.Empty() || (box.left <= box.right && box.top <= box.bottom)) << kind;
        f.TekstIndex = 1;
        if (kind == Tekst) {
            EXPECT_TRUE(FigureBox(doc, f, lineEnds, measure).Empty());
        }
    }
}
