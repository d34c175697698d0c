#include "../model/TestAccess.h"
#include "platform/QtSurface.h"
#include "render/RandomDrawing.h"
#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"
#include "render/Canvas.h"
#include "render/LineEndIndex.h"
#include "render/Rubberband.h"
#include "render/SchilderFiguur.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

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

} // namespace

TEST(QtSurface, GridHasDoubledLinesAt159And160) {
    CPluvoDoc doc;
    const QImage image = PaintCanvas(doc, 400, 200, SelectionMarks::Show);
    const QRgb grid = QtSurface::ToRgb(doc.drawing().KleurRaster);
    const QRgb back = QtSurface::ToRgb(doc.drawing().KleurAchtergrond);
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
    Writable(doc).MetCoord = 1;
    Figuur wide = Figure(Lijn, {30, 30}, {120, 70});
    wide.LijnDikte = 5;
    Figuur filled = Figure(Veelhoek, {90, 90}, {120, 100});
    filled.MetVul = 1;
    filled.nHoek = 5;
    Figuur arc = Figure(Boogkwart, {60, 60}, {100, 20});
    Figuur dotted = Figure(Rechthoek, {10, 100}, {70, 140});
    dotted.Stippel = 1;
    Writable(doc).figures = {wide, filled, arc, dotted};
    WritableSelection(doc) = {0, 1, 2, 3};
    QImage image = PaintCanvas(doc, 300, 200, SelectionMarks::Show);
    const QImage before = image;
    QtSurface surface(image);
    for (std::int32_t tool :
         {Lijn, Ellips, Cirkel, Boogkwart, Rechthoek, Veelhoek, Selecteer, Kopieer}) {
        doc.current.FiguurType = tool;
        doc.current.KleurRand = 0x3366CC;
        doc.current.nHoek = 6;
        doc.current.p1 = {40, 50};
        const LineEndIndex ends(doc.drawing().figures, doc.SnapDistance);
        // As the gesture moves it: each band is drawn, then drawn again to
        // take it off before the next.
        bool shown = false;
        for (POINT p : {POINT{130, 97}, POINT{170, 20}, POINT{10, 150}}) {
            doc.current.p2 = p;
            Rubberband(surface, doc, doc.current, ShiftHeld::Yes, ends);
            shown = shown || image != before;
            Rubberband(surface, doc, doc.current, ShiftHeld::Yes, ends);
        }
        EXPECT_TRUE(shown) << "tool " << tool << " shows a band";
        EXPECT_EQ(image, before) << "tool " << tool;
    }
}

TEST(QtSurface, TextIsPlacedAtItsTopLeftAndTurnedByItsEscapement) {
    CPluvoDoc doc;
    Writable(doc).texts = {"Pluvo \x80"};
    Figuur text = Figure(Tekst, {20, 60}, {20, 60});
    text.TekstIndex = 0;
    text.FontIndex = 0;
    text.RsterPnt = 0;
    QImage image = Blank(120, 120);
    QtSurface surface(image);
    surface.SelectFont(doc.drawing().fonts[0]);
    const SIZE size = surface.GetTextExtentPoint32(doc.drawing().texts[0]);
    EXPECT_GT(size.cx, 30);
    EXPECT_GE(size.cy, 16) << "a -16 font is 16 pixels of character height";
    doc.current = text;
    SchilderFiguur(surface, doc, doc.current, LineEndIndex(doc.drawing().figures, doc.SnapDistance));
    Coverage c = Covered(image);
    EXPECT_GE(c.left, 20);
    EXPECT_GE(c.top, 60);
    EXPECT_LE(c.right, 20 + size.cx);
    EXPECT_LE(c.bottom, 60 + size.cy);

    LogFont turned = doc.drawing().fonts[0];
    turned.lfEscapement = turned.lfOrientation = 900;
    Writable(doc).fonts.push_back(turned);
    text.FontIndex = 1;
    QImage up = Blank(120, 120);
    QtSurface upSurface(up);
    doc.current = text;
    SchilderFiguur(upSurface, doc, doc.current, LineEndIndex(doc.drawing().figures, doc.SnapDistance));
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

} // namespace

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

// The shapes go straight into the image's rows, whatever its line length,
// and an image of another format is converted first.
TEST(QtSurface, ShapesGoIntoTheImageAsIntoAPixelBuffer) {
    const auto draw = [](Surface& s) {
        s.SelectPen({PenStyle::Dot, 1, 0x0000FF});
        s.SelectBrush(Brush::Solid(0x00FF00));
        s.Ellipse(-5, 3, 30, 40);
        s.SelectPen({PenStyle::Solid, 3, 0});
        s.MoveToEx(0, 0);
        s.LineTo(37, 23);
        const POINT triangle[3] = {{2, 20}, {35, 1}, {20, 24}};
        s.Polygon(triangle, 3);
        s.SelectBrush(Brush::Solid(0x3366CC));
        s.FloodFill(1, 2, 0);
    };
    constexpr int w = 37, h = 25, stride = 40;
    std::vector<QRgb> rows(stride * h, kGrey);
    QImage padded(reinterpret_cast<uchar*>(rows.data()), w, h, stride * 4, QImage::Format_RGB32);
    padded.fill(kWhite);
    {
        QtSurface surface(padded);
        draw(surface);
    }
    std::vector<Pixel> expected(w * h, kWhite);
    RasterSurface raster(expected.data(), w, h, w);
    draw(raster);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < stride; ++x)
            ASSERT_EQ(rows[y * stride + x], x < w ? expected[y * w + x] : kGrey) << x << "," << y;

    QImage rgb(w, h, QImage::Format_RGB888);
    rgb.fill(Qt::white);
    {
        QtSurface surface(rgb);
        draw(surface);
    }
    EXPECT_EQ(rgb.format(), QImage::Format_RGB32);
    EXPECT_EQ(rgb, padded);
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

// The shapes' huge coordinates are RasterSurface's; text far away and
// turned by a damaged escapement must not hang or draw.
TEST(QtSurface, TextAtHugeCoordinatesAndEscapementsDrawsNothing) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    QImage image = Blank(200, 200);
    QtSurface surface(image);
    LogFont font;
    font.lfEscapement = lo;
    surface.SelectFont(font);
    surface.TextOut(hi, lo, "Pluvo");
    surface.TextOut(lo, hi, "Pluvo");
    font.lfHeight = lo;
    font.lfEscapement = 900;
    surface.SelectFont(font);
    surface.TextOut(hi, hi, "Pluvo");
    EXPECT_EQ(Covered(image).count, 0);
}

namespace {

// A surface that cannot split its rows, so that OnDraw paints it on one
// thread.
class OneThreadQtSurface final : public QtSurface {
public:
    using QtSurface::QtSurface;
    std::unique_ptr<Surface> RowBand(std::int32_t, std::int32_t) override { return nullptr; }
};

} // namespace

// Texts, upright and turned, that cross the rows where the canvas is split
// between two threads come out as on one thread, labels and all.
TEST(QtSurface, PaintSplitBetweenThreadsEqualsOneThread) {
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        CPluvoDoc doc = samples::RandomDrawing(seed, 1200, 220, 160, seed == 2 ? 0 : 300);
        Writable(doc).MetCoord = 1;
        Writable(doc).SizeRaster = 10;
        for (std::uint32_t k = 0; k < Writable(doc).figures.size(); k += 2) WritableSelection(doc).push_back(k);
        QImage split = Blank(220, 160), one = Blank(220, 160);
        {
            QtSurface a(split);
            OneThreadQtSurface b(one);
            OnDraw(a, doc, {220, 160});
            OnDraw(b, doc, {220, 160});
        }
        EXPECT_EQ(split, one) << "seed " << seed;
    }
}
