#include "platform/QtSurface.h"
#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"
#include "render/Canvas.h"
#include "render/Rubberband.h"
#include "render/SchilderFiguur.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>

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

namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kGrey = 0xFF808080u;

// A canvas with a different colour in nearly every pixel, so that not-xor
// shows every pixel that is drawn twice or not at all.
QImage Pattern(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    return image;
}

int CountOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

TEST(QtSurface, LineToLeavesOutTheEndPixelInEveryDirectionAndSlope) {
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dot})
        for (int dx = -8; dx <= 8; ++dx)
            for (int dy = -8; dy <= 8; ++dy) {
                QImage image = Blank(32, 32);
                QtSurface surface(image);
                surface.SelectPen({style, 1, 0});
                surface.MoveToEx(16, 16);
                surface.LineTo(16 + dx, 16 + dy);
                const int length = std::max(std::abs(dx), std::abs(dy));
                int on = length;
                if (style == PenStyle::Dot)
                    for (int k = on = 0; k < length; ++k) on += (k / 3) % 2 == 0;
                EXPECT_EQ(CountOf(image, kBlack), on) << dx << "," << dy;
                if (length == 0) continue;
                EXPECT_EQ(image.pixel(16, 16), kBlack) << "start pixel " << dx << "," << dy;
                EXPECT_EQ(image.pixel(16 + dx, 16 + dy), kWhite) << "end pixel " << dx << "," << dy;
            }
}

TEST(QtSurface, DottedGapsTakeTheBackgroundOnlyInOpaqueModeAndWidePensDrawSolid) {
    for (BkMode mode : {BkMode::Opaque, BkMode::Transparent}) {
        QImage image = Blank(64, 64);
        image.fill(kGrey);
        QtSurface surface(image);
        surface.SetBkMode(mode);
        surface.SelectPen({PenStyle::Dot, 1, 0});
        surface.SelectBrush(Brush::Hollow());
        surface.MoveToEx(2, 2);
        surface.LineTo(40, 2);
        surface.Rectangle(2, 10, 30, 30);
        surface.Ellipse(34, 10, 60, 40);
        surface.Arc(2, 34, 30, 62, 30, 48, 16, 34);
        const QRgb gap = mode == BkMode::Opaque ? kWhite : kGrey;
        for (int x = 2; x < 40; ++x)
            EXPECT_EQ(image.pixel(x, 2), ((x - 2) / 3) % 2 == 0 ? kBlack : gap) << x;
        for (int x = 2; x < 30; ++x) {
            EXPECT_EQ(image.pixel(x, 10) != kGrey, mode == BkMode::Opaque || (x - 2) / 3 % 2 == 0)
                << "top side at " << x;
            EXPECT_EQ(image.pixel(x, 20), x == 2 || x == 29 ? image.pixel(x, 20) : kGrey)
                << "hollow interior";
        }
        EXPECT_GT(CountOf(image, kBlack), 40);
        EXPECT_EQ(CountOf(image, kWhite) > 30, mode == BkMode::Opaque);
    }
    QImage wide = Blank(64, 64);
    QtSurface surface(wide);
    surface.SelectPen({PenStyle::Dot, 2, 0});
    surface.MoveToEx(2, 10);
    surface.LineTo(60, 10);
    for (int x = 2; x <= 60; ++x) EXPECT_EQ(wide.pixel(x, 10), kBlack) << "wide dotted is solid";
}

TEST(QtSurface, ShapesCoverLeftTopInclusiveRightBottomExclusive) {
    for (bool ellipse : {false, true})
        for (PenStyle pen : {PenStyle::Solid, PenStyle::Null}) {
            QImage image = Blank(64, 64);
            QtSurface surface(image);
            surface.SelectPen({pen, 1, 0});
            surface.SelectBrush(Brush::Solid(0x00FF00));
            if (ellipse)
                surface.Ellipse(10, 12, 41, 33);
            else
                surface.Rectangle(41, 33, 10, 12);
            const Coverage c = Covered(image);
            const int less = pen == PenStyle::Null ? 1 : 0;
            EXPECT_EQ(c.left, 10) << ellipse;
            EXPECT_EQ(c.top, 12) << ellipse;
            EXPECT_EQ(c.right, 40 - less) << ellipse;
            EXPECT_EQ(c.bottom, 32 - less) << ellipse;
            EXPECT_EQ(image.pixel(25, 22), QtSurface::ToRgb(0x00FF00)) << "filled interior";
            if (!ellipse) {
                EXPECT_EQ(c.count, (31 - less) * (21 - less));
            }
        }
    QImage image = Blank(64, 64);
    QtSurface surface(image);
    surface.SelectPen({PenStyle::Solid, 5, 0});
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.Rectangle(10, 10, 41, 41);
    EXPECT_EQ(image.pixel(12, 25), kBlack) << "a 5-pixel outline straddles the edge";
    EXPECT_EQ(image.pixel(8, 25), kBlack);
    EXPECT_EQ(image.pixel(7, 25), kWhite);
    EXPECT_EQ(image.pixel(13, 25), QtSurface::ToRgb(0x00FF00));
    EXPECT_EQ(image.pixel(25, 25), QtSurface::ToRgb(0x00FF00));
}

TEST(QtSurface, ArcRunsCounterClockwiseFromStartRayToEndRay) {
    // Upper-right quarter: from the ray to the right to the ray upwards.
    QImage upper = Blank(64, 64);
    QtSurface surface(upper);
    surface.Arc(10, 10, 51, 51, 60, 30, 30, 0);
    const Coverage c = Covered(upper);
    EXPECT_EQ(c.right, 50);
    EXPECT_EQ(c.top, 10);
    EXPECT_GE(c.left, 30);
    EXPECT_LE(c.bottom, 30);
    EXPECT_EQ(upper.pixel(50, 30), kBlack) << "start point on the right";
    EXPECT_EQ(upper.pixel(30, 10), kBlack) << "end point at the top";
    // Start and end swapped: the other three quarters, which together with
    // the first make the whole ellipse.
    QImage rest = Blank(64, 64);
    QtSurface restSurface(rest);
    restSurface.Arc(10, 10, 51, 51, 30, 0, 60, 30);
    const Coverage r = Covered(rest);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom, 50);
    QImage whole = Blank(64, 64);
    QtSurface wholeSurface(whole);
    wholeSurface.SelectBrush(Brush::Hollow());
    wholeSurface.Ellipse(10, 10, 51, 51);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            EXPECT_EQ(whole.pixel(x, y) == kBlack,
                      upper.pixel(x, y) == kBlack || rest.pixel(x, y) == kBlack)
                << x << "," << y;
    EXPECT_LE(c.count + r.count - Covered(whole).count, 4) << "the quarters meet at their ends";
}

TEST(QtSurface, PolygonFillsInAlternateMode) {
    QImage image = Blank(64, 64);
    QtSurface surface(image);
    surface.SelectPen({PenStyle::Null, 0, 0});
    surface.SelectBrush(Brush::Solid(0x00FF00));
    const POINT star[5] = {{32, 2}, {50, 60}, {4, 22}, {60, 22}, {14, 60}};
    surface.Polygon(star, 5);
    const QRgb green = QtSurface::ToRgb(0x00FF00);
    EXPECT_EQ(image.pixel(32, 35), kWhite) << "the centre is crossed twice";
    EXPECT_EQ(image.pixel(32, 12), green) << "the top point is inside once";
    EXPECT_EQ(image.pixel(12, 24), green);
    EXPECT_EQ(image.pixel(16, 57), green);
}

// Every pixel of one primitive is drawn exactly once: in not-xor mode on a
// white canvas a pixel drawn twice would stay white. Drawing twice restores.
TEST(QtSurface, NotXorDrawsEachPixelOfAPrimitiveOnceAndTwiceRestores) {
    const POINT hexagon[6] = {{40, 10}, {55, 25}, {55, 45}, {40, 58}, {20, 45}, {22, 20}};
    const std::vector<std::pair<const char*, std::function<void(QtSurface&)>>> primitives = {
        {"line", [](QtSurface& s) { s.MoveToEx(3, 5), s.LineTo(60, 41); }},
        {"wide line",
         [](QtSurface& s) {
             s.SelectPen({PenStyle::Solid, 6, 0}), s.MoveToEx(8, 50), s.LineTo(50, 9);
         }},
        {"dotted rectangle",
         [](QtSurface& s) {
             s.SelectPen({PenStyle::Dot, 1, 0}), s.Rectangle(5, 5, 50, 40);
         }},
        {"wide ellipse",
         [](QtSurface& s) {
             s.SelectPen({PenStyle::Solid, 4, 0}), s.Ellipse(5, 5, 58, 44);
         }},
        {"arc",
         [](QtSurface& s) {
             s.SelectPen({PenStyle::Solid, 3, 0}), s.Arc(5, 5, 58, 58, 60, 30, 0, 30);
         }},
        {"polygon", [&](QtSurface& s) { s.Polygon(hexagon, 6); }},
        {"wide polygon",
         [&](QtSurface& s) {
             s.SelectPen({PenStyle::Solid, 5, 0}), s.Polygon(hexagon, 6);
         }},
        {"wide triangle",
         [](QtSurface& s) {
             const POINT sharp[3] = {{5, 5}, {60, 12}, {8, 20}};
             s.SelectPen({PenStyle::Solid, 7, 0}), s.Polygon(sharp, 3);
         }},
    };
    for (const auto& [name, draw] : primitives) {
        QImage copied = Blank(64, 64);
        {
            QtSurface surface(copied);
            surface.SelectBrush(Brush::Hollow());
            draw(surface);
        }
        QImage inverted = Blank(64, 64);
        {
            QtSurface surface(inverted);
            surface.SelectBrush(Brush::Hollow());
            surface.SetROP2(Rop2::NotXorPen);
            draw(surface);
        }
        EXPECT_EQ(CountOf(inverted, kBlack), CountOf(copied, kBlack)) << name;
        EXPECT_EQ(inverted, copied) << name;

        QImage image = Pattern(64, 64);
        const QImage before = image;
        QtSurface surface(image);
        surface.SelectBrush(Brush::Solid(0x3366CC));
        surface.SetROP2(Rop2::NotXorPen);
        draw(surface);
        EXPECT_NE(image, before) << name;
        surface.SelectPen(Pen{});
        draw(surface);
        EXPECT_EQ(image, before) << name << " drawn twice";
    }
}

TEST(QtSurface, FloodFillIsFourConnectedExactAndLinear) {
    QImage image = Blank(64, 64);
    QtSurface surface(image);
    surface.MoveToEx(0, 0);
    surface.LineTo(64, 64); // an 8-connected diagonal holds a 4-connected fill
    surface.SelectPen({PenStyle::Solid, 1, 0x010000});
    surface.MoveToEx(0, 40);
    surface.LineTo(30, 40); // one step off the boundary colour is no boundary
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.FloodFill(5, 50, 0x000000);
    const QRgb green = QtSurface::ToRgb(0x00FF00);
    EXPECT_EQ(image.pixel(5, 50), green);
    EXPECT_EQ(image.pixel(5, 30), green) << "filled past the nearly black line";
    EXPECT_EQ(image.pixel(10, 40), green);
    EXPECT_EQ(image.pixel(50, 10), kWhite) << "no leak through the diagonal";
    EXPECT_EQ(image.pixel(20, 20), kBlack);
    QImage same = image;
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.FloodFill(5, 50, 0x000000); // filling with the colour already there ends
    EXPECT_EQ(image, same);

    // A serpentine of 4000 x 4000 pixels: a recursive fill would overflow the
    // stack, a quadratic one would take minutes.
    QImage maze(4000, 4000, QImage::Format_RGB32);
    maze.fill(kWhite);
    QtSurface mazeSurface(maze);
    for (int x = 2; x < 4000; x += 2) {
        const bool fromTop = (x / 2) % 2 == 1;
        mazeSurface.MoveToEx(x, fromTop ? 0 : 1);
        mazeSurface.LineTo(x, fromTop ? 3999 : 4000);
    }
    mazeSurface.SelectBrush(Brush::Solid(0x00FF00));
    const auto start = std::chrono::steady_clock::now();
    mazeSurface.FloodFill(1, 100, 0x000000);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5);
    EXPECT_EQ(maze.pixel(3997, 2000), green) << "the far end of the serpentine";
}

TEST(QtSurface, DrawingLeavesCopiesOfTheImageAlone) {
    QImage image = Blank(64, 64);
    QtSurface surface(image);
    surface.Rectangle(40, 40, 50, 50);
    const QImage copy = image;
    const QImage snapshot = image.copy();
    surface.Rectangle(1, 1, 30, 30);
    surface.TextOut(2, 40, "Pluvo");
    surface.SelectBrush(Brush::Solid(0x00FF00));
    surface.FloodFill(10, 10, 0);
    EXPECT_NE(image, copy);
    EXPECT_EQ(copy, snapshot) << "a copy taken before keeps its pixels";
    EXPECT_EQ(image.pixel(1, 1), kBlack);
}

TEST(QtSurface, FontRecordMapsHeightWeightAndStyles) {
    LogFont record;
    record.SetFaceName("DejaVu Sans");
    record.lfHeight = -20;
    record.lfWeight = 700;
    record.lfItalic = 1;
    record.lfUnderline = 1;
    record.lfStrikeOut = 1;
    QFont font = QtSurface::FontFromLogFont(record);
    EXPECT_EQ(font.pixelSize(), 20) << "negative: character height";
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(font.family(), "DejaVu Sans");
    for (int cell : {12, 20, 33, 50}) {
        record.lfHeight = cell;
        const int height = QFontMetrics(QtSurface::FontFromLogFont(record)).height();
        EXPECT_LE(height, cell) << "positive: the cell height, which the text may not exceed";
        EXPECT_GE(height, cell - 3) << cell;
    }
    record.lfHeight = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(QtSurface::FontFromLogFont(record).pixelSize(), 4096) << "damaged height";
    record.lfHeight = 0;
    record.lfWeight = 0;
    font = QtSurface::FontFromLogFont(record);
    EXPECT_GT(font.pixelSize(), 0);
    EXPECT_EQ(font.weight(), QFont::Normal);
    record.SetFaceName("Caf\xE9");
    EXPECT_EQ(QtSurface::FontFromLogFont(record).family(), QString::fromUtf8("Café"))
        << "face names are Windows-1252";
}

TEST(QtSurface, TextIsWindows1252WithItsBoxInOpaqueMode) {
    QImage image = Blank(120, 60);
    image.fill(kGrey);
    QtSurface surface(image);
    LogFont font;
    font.lfHeight = -16;
    surface.SelectFont(font);
    const SIZE euro = surface.GetTextExtentPoint32("\x80\xE9");
    EXPECT_EQ(
        euro.cx,
        QFontMetrics(QtSurface::FontFromLogFont(font)).horizontalAdvance(QString::fromUtf8("€é")));
    const SIZE box = surface.GetTextExtentPoint32("Wg\x80");
    surface.TextOut(10, 20, "Wg\x80");
    EXPECT_EQ(image.pixel(10, 20), kWhite) << "opaque mode paints the box in the background";
    EXPECT_EQ(image.pixel(10 + box.cx - 1, 20 + box.cy - 1), kWhite);
    EXPECT_EQ(image.pixel(10 + box.cx, 20), kGrey);
    EXPECT_EQ(image.pixel(9, 20), kGrey);
    EXPECT_EQ(image.pixel(10, 20 + box.cy), kGrey);

    // Turned half a turn, the text hangs to the upper left of its point.
    QImage turned = Blank(120, 60);
    QtSurface turnedSurface(turned);
    font.lfEscapement = font.lfOrientation = 1800;
    turnedSurface.SelectFont(font);
    turnedSurface.SetBkMode(BkMode::Transparent);
    turnedSurface.TextOut(80, 40, "Pluvo");
    const Coverage c = Covered(turned);
    EXPECT_LE(c.right, 80);
    EXPECT_LE(c.bottom, 40);
    EXPECT_GE(c.left, 80 - box.cx * 3);
}

TEST(QtSurface, HugeCoordinatesAreClippedWithoutHanging) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    QImage image = Blank(200, 200);
    QtSurface surface(image);
    const auto start = std::chrono::steady_clock::now();
    const POINT corners[4] = {{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}};
    for (std::int32_t width : {1, 7, hi}) {
        for (PenStyle style : {PenStyle::Solid, PenStyle::Dot}) {
            surface.SelectPen({style, width, 0});
            surface.SelectBrush(Brush::Hollow());
            for (int k = 0; k < 50; ++k) {
                surface.MoveToEx(lo, lo + k);
                surface.LineTo(hi, hi - k);
                surface.Rectangle(lo, lo, hi, hi);
                surface.Ellipse(lo, lo, hi, hi);
                surface.Arc(lo, lo, hi, hi, hi, 0, 0, lo);
                surface.Arc(-100000, -100000, 100000, 100000, 1, 0, 0, 1);
                surface.Polygon(corners, 4);
            }
        }
    }
    surface.FillSolidRect(lo / 2, lo / 2, hi, hi, 0x00FF00);
    surface.FillSolidRect(hi, hi, hi, hi, 0x00FF00);
    LogFont font;
    font.lfEscapement = lo;
    surface.SelectFont(font);
    surface.TextOut(hi, lo, "Pluvo");
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5);
    EXPECT_EQ(image.pixel(100, 100), QtSurface::ToRgb(0x00FF00));
}

// The dots of a thin dotted pen step one pixel at a time along an outline:
// runs of three on and three off all the way round a rectangle, an ellipse
// and an arc, also across the corners.
TEST(QtSurface, DotsRunThreeOnThreeOffAlongRectanglesEllipsesAndArcs) {
    QImage rect = Blank(64, 64);
    {
        QtSurface surface(rect);
        surface.SelectPen({PenStyle::Dot, 1, 0});
        surface.SelectBrush(Brush::Hollow());
        surface.Rectangle(5, 5, 25, 17); // 20 x 12 pixels
    }
    std::vector<QPoint> walk;
    for (int x = 5; x <= 24; ++x) walk.emplace_back(x, 5);
    for (int y = 6; y <= 16; ++y) walk.emplace_back(24, y);
    for (int x = 23; x >= 5; --x) walk.emplace_back(x, 16);
    for (int y = 15; y >= 6; --y) walk.emplace_back(5, y);
    for (std::size_t k = 0; k < walk.size(); ++k)
        EXPECT_EQ(rect.pixel(walk[k]) == kBlack, (k / 3) % 2 == 0)
            << "step " << k << " at " << walk[k].x() << "," << walk[k].y();

    const auto runs = [](const QImage& solid, const QImage& dotted, double from, double span) {
        // The solid outline's pixels in counter-clockwise order from `from`.
        const double cx = 31.5, cy = 23.5;
        std::vector<std::pair<double, QPoint>> order;
        for (int y = 0; y < solid.height(); ++y)
            for (int x = 0; x < solid.width(); ++x)
                if (solid.pixel(x, y) == kBlack) {
                    double a = std::atan2(-(y - cy), x - cx) - from;
                    while (a < 0) a += 6.283185307179586;
                    if (a <= span + 1e-6) order.emplace_back(a, QPoint(x, y));
                }
        std::sort(order.begin(), order.end(),
                  [](const auto& p, const auto& q) { return p.first < q.first; });
        std::vector<int> lengths{0};
        bool on = true;
        for (const auto& [a, p] : order) {
            const bool here = dotted.pixel(p) == kBlack;
            if (here != on) lengths.push_back(0), on = here;
            ++lengths.back();
        }
        return lengths;
    };
    QImage solid = Blank(64, 64), dotted = Blank(64, 64);
    {
        QtSurface s(solid), d(dotted);
        s.SelectBrush(Brush::Hollow());
        d.SelectBrush(Brush::Hollow());
        d.SelectPen({PenStyle::Dot, 1, 0});
        s.Ellipse(2, 5, 62, 43);
        d.Ellipse(2, 5, 62, 43);
    }
    std::vector<int> lengths = runs(solid, dotted, 0, 7);
    ASSERT_GT(lengths.size(), 20u);
    for (std::size_t k = 0; k + 1 < lengths.size(); ++k) EXPECT_EQ(lengths[k], 3) << "run " << k;

    QImage arc = Blank(64, 64), dottedArc = Blank(64, 64);
    {
        QtSurface s(arc), d(dottedArc);
        d.SelectPen({PenStyle::Dot, 1, 0});
        s.Arc(2, 5, 62, 43, 0, 0, 63, 43); // upper left to lower right, the long way
        d.Arc(2, 5, 62, 43, 0, 0, 63, 43);
    }
    const double from = std::atan2(23.5, -31.5);
    lengths = runs(arc, dottedArc, from, 7);
    ASSERT_GT(lengths.size(), 10u);
    for (std::size_t k = 0; k + 1 < lengths.size(); ++k)
        EXPECT_EQ(lengths[k], 3) << "arc run " << k;
}
