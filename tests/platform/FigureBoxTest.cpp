// The box a figure may paint against the pixels it paints: every kind, pen
// widths, dotted pens, the four quarters of an arc and texts at every
// quarter turn, each painted alone and compared with FigureBox.
#include "../model/SampleDrawings.h"
#include "model/CPluvoDoc.h"
#include "platform/QtSurface.h"
#include "render/FigureBox.h"
#include "render/LineEndIndex.h"
#include "render/OriginSurface.h"
#include "render/SchilderFiguur.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// A colour that no figure paints, so that the white gaps of a dotted pen
// count as painted.
constexpr QRgb kUntouched = 0xFF123456u;

// The pixels the figure paints, as a box in drawing coordinates, on a canvas
// from (-400, -400) to (800, 800).
PixelBox Painted(const CPluvoDoc& doc, const Figuur& f) {
    QImage image(1200, 1200, QImage::Format_RGB32);
    image.fill(kUntouched);
    {
        QtSurface surface(image);
        OriginSurface shifted(surface, {-400, -400});
        SchilderFiguur(shifted, doc, f, LineEndIndex(doc.drawing().figures, doc.SnapDistance));
    }
    PixelBox box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != kUntouched) box.Include({x - 400, y - 400, x - 400, y - 400});
    }
    return box;
}

std::string Text(const PixelBox& b) {
    std::ostringstream out;
    out << b.left << "," << b.top << " - " << b.right << "," << b.bottom;
    return out.str();
}

// A filled pentagon, or another kind, with an outline of the given width.
Figuur Make(FiguurSoort type, POINT p1, POINT p2, std::int32_t width = 1, bool edge = true) {
    Figuur f = samples::Make(type, p1, p2);
    f.MetRand = edge ? 1 : 0;
    f.MetVul = 1;
    f.LijnDikte = width;
    f.nHoek = 5;
    return f;
}

} // namespace

TEST(FigureBox, IsTheBoxOfThePixelsEachFigurePaints) {
    CPluvoDoc doc;
    Writable(doc).texts = {"Pluvo 22", "Wg"};
    for (int escapement : {0, 900, 1800, 2700}) {
        LogFont font = CPluvoDoc::DefaultFont("DejaVu Sans");
        font.lfEscapement = font.lfOrientation = escapement;
        Writable(doc).fonts.push_back(font);
    }
    Writable(doc).points = {{10, 10}, {90, 40}, {30, 120}, {-20, 60}};

    // Exact: the box is that of the painted pixels. Otherwise it holds them:
    // a fill's pointed top row, a pen that fills a small arc's middle.
    std::vector<Figuur> exact, holding;
    for (std::int32_t width : {1, 2, 3, 4, 7}) {
        for (POINT to : {POINT{140, 60}, POINT{60, 140}, POINT{-30, 20}, POINT{52, 15}})
            exact.push_back(Make(Lijn, {50, 20}, to, width));
        for (FiguurSoort type : {Ellips, Rechthoek, Cirkel, Veelhoek}) {
            exact.push_back(Make(type, {100, 80}, {160, 120}, width));
            exact.push_back(Make(type, {100, 80}, {61, 50}, width));
        }
        // The quarter on each side of its centre, (320, 64) as in a drawing
        // whose whole ellipse would reach above 0, and small ones.
        for (POINT to : {POINT{448, 160}, POINT{192, 160}, POINT{448, 10}, POINT{192, 10}})
            exact.push_back(Make(Boogkwart, {320, 64}, to, width));
        for (POINT to : {POINT{25, 24}, POINT{15, 24}, POINT{24, 15}, POINT{14, 16}})
            exact.push_back(Make(Boogkwart, {20, 20}, to, width));
        for (POINT to : {POINT{23, 30}, POINT{17, 30}, POINT{23, 9}, POINT{16, 9}})
            (width < 4 ? exact : holding).push_back(Make(Boogkwart, {20, 20}, to, width + 4));
        Figuur polygon = Make(Polygoon, {0, 0}, {0, 0}, width);
        polygon.nHoek = 4;
        exact.push_back(polygon);
    }
    Figuur dotted = Make(Lijn, {10, 10}, {200, 37});
    dotted.Stippel = 1;
    exact.push_back(dotted);
    dotted.FiguurType = Boogkwart;
    exact.push_back(dotted);
    // Without an outline: the fill alone.
    for (FiguurSoort type : {Ellips, Rechthoek, Cirkel})
        exact.push_back(Make(type, {100, 80}, {160, 121}, 1, false));
    holding.push_back(Make(Veelhoek, {100, 80}, {160, 121}, 1, false));

    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch);
    const LineEndIndex lineEnds(doc.drawing().figures, doc.SnapDistance);
    const auto describe = [](const Figuur& f) {
        std::ostringstream out;
        out << "kind " << f.FiguurType << " from " << f.p1.x << "," << f.p1.y << " to " << f.p2.x
            << "," << f.p2.y << " pen " << f.LijnDikte << " outline " << f.MetRand << " font "
            << f.FontIndex << " text " << f.TekstIndex << " snapped " << f.RsterPnt;
        return out.str();
    };
    for (const Figuur& f : exact)
        EXPECT_EQ(Text(FigureBox(doc, f, lineEnds, measure)), Text(Painted(doc, f))) << describe(f);
    for (const Figuur& f : holding) {
        PixelBox box = FigureBox(doc, f, lineEnds, measure);
        const PixelBox painted = Painted(doc, f);
        box.Include(painted);
        EXPECT_EQ(Text(box), Text(FigureBox(doc, f, lineEnds, measure))) << describe(f);
    }

    // A text counts its box, turned with it: its width along the text and
    // its height across, holding every pixel of its glyphs, free and
    // snapped to the grid.
    for (std::int32_t font = 1; font <= 4; ++font)
        for (std::int32_t snap : {0, 1})
            for (std::int32_t text : {0, 1}) {
                Figuur t = Make(Tekst, {120, 90}, {120, 90});
                t.TekstIndex = text;
                t.FontIndex = font;
                t.RsterPnt = snap;
                measure.SelectFont(doc.drawing().fonts[static_cast<std::size_t>(font)]);
                const SIZE size = measure.GetTextExtentPoint32(doc.drawing().texts[static_cast<std::size_t>(text)]);
                const bool across = font % 2 == 0;
                PixelBox box = FigureBox(doc, t, lineEnds, measure);
                EXPECT_EQ(box.right - box.left + 1, across ? size.cy : size.cx) << describe(t);
                EXPECT_EQ(box.bottom - box.top + 1, across ? size.cx : size.cy) << describe(t);
                const PixelBox before = box;
                box.Include(Painted(doc, t));
                EXPECT_EQ(Text(box), Text(before)) << describe(t);
            }
}
