// Printing one page: the drawing comes out enlarged and is left exactly as
// it was; a drawing reaching below zero comes out from its top-left corner.
#include "view/CanvasPrinting.h"
#include "../model/SampleDrawings.h"
#include "model/BinaryFile.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

TEST(CanvasPrinting, APdfPageHoldsTheDrawingAndTheDrawingStaysAsItWas) {
    QTemporaryDir dir;
    CPluvoDoc doc = samples::EveryKind();
    WritableSelection(doc) = {0, 2};
    doc.PrintFactor = 10;
    // A coordinate whose enlargement leaves the 32-bit range comes back too.
    Writable(doc).figures[0].p2 = {300000000, 5};
    const std::string before = StoreBinary(doc);
    const Figuur current = doc.current;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    ASSERT_TRUE(PrintCanvas(doc, printer));

    EXPECT_EQ(StoreBinary(doc), before) << "printing only reads the drawing";
    EXPECT_EQ(doc.current, current);
    EXPECT_EQ(doc.Selection(), (std::vector<std::uint32_t>{0, 2}));
    QFile pdf(dir.filePath("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page "),
              1)
        << "one page";
    EXPECT_TRUE(bytes.contains("/Subtype /Image")) << "the page is the painted image";
}

namespace {

// The first image of a PDF as Qt writes it: RGB bytes, deflated.
QImage PdfImage(const QByteArray& pdf) {
    const qsizetype at = pdf.indexOf("/Subtype /Image");
    const auto number = [&](const char* key) {
        const qsizetype from = pdf.indexOf(key, at) + qsizetype(std::strlen(key));
        return pdf.mid(from, pdf.indexOf('\n', from) - from).trimmed().toInt();
    };
    const int w = number("/Width"), h = number("/Height");
    const qsizetype start = pdf.indexOf("stream\n", at) + 7;
    const QByteArray deflated = pdf.mid(start, pdf.indexOf("endstream", start) - start);
    const quint32 size = quint32(w) * quint32(h) * 3;
    QByteArray sized(4, '\0');
    sized[0] = char(size >> 24);
    sized[1] = char(size >> 16);
    sized[2] = char(size >> 8);
    sized[3] = char(size);
    const QByteArray rgb = qUncompress(sized + deflated);
    if (rgb.size() != qsizetype(size)) return {};
    return QImage(reinterpret_cast<const uchar*>(rgb.constData()), w, h, w * 3,
                  QImage::Format_RGB888)
        .convertToFormat(QImage::Format_RGB32);
}

// The box of the pixels of one colour.
QRect Where(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(CanvasPrinting, PngAndPdfOfPluvoConvertShowADrawingFromItsTopLeftCorner) {
    QTemporaryDir dir;
    CPluvoDoc doc;
    Figuur red = samples::Make(Rechthoek, {-500, -500}, {-400, -450});
    red.MetRand = 0;
    red.MetVul = 1;
    red.KleurVul = 0x0000FF;
    Writable(doc).figures.push_back(red);
    Figuur line = samples::Make(Lijn, {100, 100}, {200, 100});
    line.KleurRand = 0xFF0000;
    Writable(doc).figures.push_back(line);
    const QString input = dir.filePath("below.plv");
    {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(StoreBinary(doc)));
    }
    const auto convert = [&](const QString& output) {
        QProcess process;
        process.start(qEnvironmentVariable("PLUVO_EXE"), {"convert", input, output});
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    };
    // The PNG: from a grid cell up and left of the rectangle, on a multiple
    // of 8, to a cell beyond the line and its pen.
    convert(dir.filePath("below.png"));
    const QImage png = QImage(dir.filePath("below.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(png.size(), QSize(536 + 202 + 32, 536 + 102 + 32));
    EXPECT_EQ(Where(png, qRgb(255, 0, 0)), QRect(36, 36, 100, 50));

    // The PDF: the page of the enlarged drawing, from its top-left corner
    // less an enlarged grid cell.
    convert(dir.filePath("below.pdf"));
    QFile pdf(dir.filePath("below.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QImage page = PdfImage(pdf.readAll());
    ASSERT_FALSE(page.isNull());
    const int factor = doc.PrintFactor;
    const int origin = -((500 * factor + 32 * factor + 7) / 8 * 8);
    EXPECT_EQ(Where(page, qRgb(255, 0, 0)).topLeft(), QPoint(-500 * factor - origin, -500 * factor - origin));
}
