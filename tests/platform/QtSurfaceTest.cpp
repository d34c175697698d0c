#include "platform/QtSurface.h"
#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"
#include "render/Canvas.h"
#include "render/Rubberband.h"
#include "render/SchilderFiguur.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

QImage Blank(int w = 64, int h = 64) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// The bounding box of the pixels that differ from white, and their number.
struct Coverage {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};
Coverage Covered(const QImage& image) {
    Coverage c;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) {
                c.left = std::min(c.left, x);
                c.right = std::max(c.right, x);
                c.top = std::min(c.top, y);
                c.bottom = std::max(c.bottom, y);
                ++c.count;
            }
    return c;
}

Figuur Figure(std::int32_t type, POINT p1, POINT p2) {
    Figuur f;
    f.FiguurType = type;
    f.p1 = p1;
    f.p2 = p2;
    f.MetRand = 1;
    f.LijnDikte = 1;
    f.RsterPnt = 1;
    f.KleurRand = 0x0000FF;
    f.KleurVul = 0x00FF00;
    return f;
}

QImage DrawOne(const Figuur& f) {
    CPluvoDoc doc;
    QImage image = Blank();
    QtSurface surface(image);
    doc.current = f;
    SchilderFiguur(surface, doc, Append::No);
    return image;
}

} // namespace

TEST(QtSurface, RectangleEllipseAndLineCoverTheirGdiPixels) {
    Figuur rect = Figure(Rechthoek, {10, 10}, {20, 20});
    rect.MetVul = 1;
    for (int outline : {1, 0}) {
        rect.MetRand = outline;
        const Coverage c = Covered(DrawOne(rect));
        EXPECT_EQ(c.count, 121) << "outline " << outline;
        EXPECT_EQ(c.left, 10);
        EXPECT_EQ(c.bottom, 20);
    }
    rect.MetRand = 0;
    rect.LijnDikte = 3;
    EXPECT_EQ(Covered(DrawOne(rect)).count, 100) << "null pen with width 3";
    std::swap(rect.p1, rect.p2);
    rect.MetRand = 1;
    rect.LijnDikte = 1;
    const QImage reversed = DrawOne(rect);
    std::swap(rect.p1, rect.p2);
    EXPECT_EQ(reversed, DrawOne(rect)) << "a reversed rectangle draws the same pixels";
    const QImage filled = DrawOne(rect);
    EXPECT_EQ(filled.pixel(10, 15), QtSurface::ToRgb(0x0000FF)) << "outline in KleurRand";
    EXPECT_EQ(filled.pixel(15, 15), QtSurface::ToRgb(0x00FF00)) << "interior in KleurVul";

    Figuur ellipse = Figure(Ellips, {10, 10}, {20, 30});
    const Coverage e = Covered(DrawOne(ellipse));
    EXPECT_EQ(e.left, 10);
    EXPECT_EQ(e.right, 20);
    EXPECT_EQ(e.top, 10);
    EXPECT_EQ(e.bottom, 30);

    const Coverage line = Covered(DrawOne(Figure(Lijn, {10, 10}, {20, 10})));
    EXPECT_EQ(line.left, 10);
    EXPECT_EQ(line.right, 20);
    EXPECT_EQ(line.count, 11);
    Figuur wide = Figure(Lijn, {10, 10}, {20, 10});
    wide.LijnDikte = 4;
    const Coverage w = Covered(DrawOne(wide));
    EXPECT_EQ(w.bottom - w.top + 1, 4) << "a 4-pixel pen covers 4 rows";

    QImage image = Blank();
    QtSurface surface(image);
    surface.SelectPen({PenStyle::Dot, 1, 0});
    surface.MoveToEx(0, 0);
    surface.LineTo(12, 0);
    surface.SetBkMode(BkMode::Transparent);
    surface.MoveToEx(0, 1);
    surface.LineTo(12, 1);
    const QRgb black = QtSurface::ToRgb(0);
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(image.pixel(x, 0), (x / 3) % 2 == 0 ? black : kWhite) << x;
        EXPECT_EQ(image.pixel(x, 1), (x / 3) % 2 == 0 ? black : kWhite) << x;
    }
    EXPECT_EQ(image.pixel(12, 0), kWhite) << "the end pixel is left out";
}

TEST(QtSurface, FloodFillStopsAtTheOutlineColourOnly) {
    CPluvoDoc doc;
    QImage image = Blank(100, 100);
    QtSurface surface(image);
    doc.current = Figure(Ellips, {10, 10}, {60, 40}); // hollow red outline
    SchilderFiguur(surface, doc, Append::No);
    doc.current = Figure(Lijn, {30, 15}, {30, 35});
    doc.current.KleurRand = 0x000000; // a black line inside the ellipse
    SchilderFiguur(surface, doc, Append::No);
    Figuur fill = Figure(Opvullen, {20, 25}, {20, 25});
    doc.current = fill;
    SchilderFiguur(surface, doc, Append::No);
    const QRgb green = QtSurface::ToRgb(0x00FF00);
    EXPECT_EQ(image.pixel(20, 25), green);
    EXPECT_EQ(image.pixel(50, 25), green) << "the black line is no boundary";
    EXPECT_EQ(image.pixel(30, 25), green) << "other colours are filled over";
    EXPECT_EQ(image.pixel(5, 5), kWhite) << "outside the outline stays";
    EXPECT_EQ(image.pixel(10, 25), QtSurface::ToRgb(0x0000FF));
    doc.current = Figure(Opvullen, {10, 25}, {10, 25});
    const QImage before = image;
    SchilderFiguur(surface, doc, Append::No);
    EXPECT_EQ(image, before) << "a seed on the boundary colour fills nothing";
    doc.current = Figure(Opvullen, {-1, 25}, {-1, 25});
    SchilderFiguur(surface, doc, Append::No);
    EXPECT_EQ(image, before) << "a seed outside the surface fills nothing";
}

TEST(QtSurface, GridHasDoubledLinesAt159And160) {
    CPluvoDoc doc;
    const QImage image = PaintCanvas(doc, 400, 200, SelectionMarks::Show);
    const QRgb grid = QtSurface::ToRgb(doc.KleurRaster);
    const QRgb back = QtSurface::ToRgb(doc.KleurAchtergrond);
    EXPECT_EQ(image.pixel(159, 5), grid);
    EXPECT_EQ(image.pixel(160, 5), grid);
    EXPECT_EQ(image.pixel(158, 5), back);
    EXPECT_EQ(image.pixel(161, 5), back);
    EXPECT_EQ(image.pixel(128, 5), grid);
    EXPECT_EQ(image.pixel(127, 5), back) << "only every fifth line is doubled";
    EXPECT_EQ(image.pixel(5, 160), grid);
    EXPECT_EQ(image.pixel(5, 159), grid);
}

TEST(QtSurface, DrawingARubberBandTwiceRestoresTheImageExactly) {
    CPluvoDoc doc;
    doc.MetCoord = 1;
    Figuur wide = Figure(Lijn, {30, 30}, {120, 70});
    wide.LijnDikte = 5;
    Figuur filled = Figure(Veelhoek, {90, 90}, {120, 100});
    filled.MetVul = 1;
    filled.nHoek = 5;
    Figuur arc = Figure(Boogkwart, {60, 60}, {100, 20});
    Figuur dotted = Figure(Rechthoek, {10, 100}, {70, 140});
    dotted.Stippel = 1;
    doc.figures = {wide, filled, arc, dotted};
    doc.selection = {0, 1, 2, 3};
    QImage image = PaintCanvas(doc, 300, 200, SelectionMarks::Show);
    const QImage before = image;
    QtSurface surface(image);
    for (std::int32_t tool :
         {Lijn, Ellips, Cirkel, Boogkwart, Rechthoek, Veelhoek, Selecteer, Kopieer}) {
        doc.current.FiguurType = tool;
        doc.current.KleurRand = 0x3366CC;
        doc.current.nHoek = 6;
        doc.current.p1 = {40, 50};
        POINT last{-1, -1};
        BandGesture gesture{last, ShiftHeld::Yes};
        for (POINT p : {POINT{130, 97}, POINT{170, 20}, POINT{10, 150}}) {
            doc.current.p2 = p;
            Rubberband(surface, doc, gesture, BandPass::Move);
            last = doc.current.p2;
        }
        EXPECT_NE(image, before) << "tool " << tool << " shows a band";
        doc.current.p2 = last;
        Rubberband(surface, doc, gesture, BandPass::EraseOnly);
        EXPECT_EQ(image, before) << "tool " << tool;
    }
}

TEST(QtSurface, TextIsPlacedAtItsTopLeftAndTurnedByItsEscapement) {
    CPluvoDoc doc;
    doc.texts = {"Pluvo \x80"};
    Figuur text = Figure(Tekst, {20, 60}, {20, 60});
    text.TekstIndex = 0;
    text.FontIndex = 0;
    text.RsterPnt = 0;
    QImage image = Blank(120, 120);
    QtSurface surface(image);
    surface.SelectFont(doc.fonts[0]);
    const SIZE size = surface.GetTextExtentPoint32(doc.texts[0]);
    EXPECT_GT(size.cx, 30);
    EXPECT_GE(size.cy, 16) << "a -16 font is 16 pixels of character height";
    doc.current = text;
    SchilderFiguur(surface, doc, Append::No);
    Coverage c = Covered(image);
    EXPECT_GE(c.left, 20);
    EXPECT_GE(c.top, 60);
    EXPECT_LE(c.right, 20 + size.cx);
    EXPECT_LE(c.bottom, 60 + size.cy);

    LogFont turned = doc.fonts[0];
    turned.lfEscapement = turned.lfOrientation = 900;
    doc.fonts.push_back(turned);
    text.FontIndex = 1;
    QImage up = Blank(120, 120);
    QtSurface upSurface(up);
    doc.current = text;
    SchilderFiguur(upSurface, doc, Append::No);
    c = Covered(up);
    EXPECT_GE(c.left, 20);
    EXPECT_LE(c.right, 20 + size.cy);
    EXPECT_LE(c.bottom, 60) << "turned a quarter counter-clockwise, the text runs upwards";
    EXPECT_GE(c.top, 60 - size.cx);
    for (int y = 0; y < up.height(); ++y)
        for (int x = 0; x < up.width(); ++x) {
            const QRgb p = up.pixel(x, y);
            ASSERT_TRUE(p == kWhite || p == QtSurface::ToRgb(0x0000FF)) << "exact colours only";
        }
}
