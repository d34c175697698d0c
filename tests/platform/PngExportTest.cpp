#include "platform/PngExport.h"
#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// Runs a block with the converter's directory hidden from the loader.
class HiddenConverter {
public:
    HiddenConverter() {
        if (const char* dir = std::getenv("PLUVO_BMP2PNG_DIR")) m_saved = dir;
        unsetenv("PLUVO_BMP2PNG_DIR");
    }
    ~HiddenConverter() {
        if (!m_saved.empty()) setenv("PLUVO_BMP2PNG_DIR", m_saved.c_str(), 1);
    }

private:
    std::string m_saved;
};

} // namespace

TEST(PngExport, DibHasTheFortyByteHeaderAndBottomUpRows) {
    QImage image(101, 50, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(0, 0, qRgb(200, 100, 50));
    const auto dib = BitmapToDib(image);
    ASSERT_TRUE(dib);
    ASSERT_EQ(dib->size(), 40u + 20200u);
    EXPECT_EQ(Get32(*dib, 0), 40u);
    EXPECT_EQ(Get32(*dib, 4), 101u);
    EXPECT_EQ(Get32(*dib, 8), 50u) << "positive height: bottom-up rows";
    EXPECT_EQ((*dib)[12] | ((*dib)[13] << 8), 1);
    EXPECT_EQ((*dib)[14] | ((*dib)[15] << 8), 32);
    EXPECT_EQ(Get32(*dib, 16), 0u);
    EXPECT_EQ(Get32(*dib, 20), 20200u);
    const std::size_t topRow = 40 + 49 * 404;
    EXPECT_EQ((*dib)[topRow + 0], 50) << "blue first";
    EXPECT_EQ((*dib)[topRow + 1], 100);
    EXPECT_EQ((*dib)[topRow + 2], 200);
    EXPECT_EQ((*dib)[40], 3);
    EXPECT_FALSE(BitmapToDib(QImage()));
}

TEST(PngExport, MissingConverterIsReportedAndKeepsTheTarget) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("tekening.png").toStdString();
    { std::ofstream(target) << "oud"; }
    CPluvoDoc doc;
    std::string error;
    {
        HiddenConverter hidden;
        EXPECT_FALSE(ExportCanvasPng(doc, 40, 30, target, error));
    }
    EXPECT_EQ(error, "Bmp2Png.dll is er niet");
    std::ifstream in(target);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "oud");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary files remain";
}

TEST(PngExport, ExportReplacesTheTargetWithTheCanvasPixels) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("tekening.png").toStdString();
    { std::ofstream(target) << "oud"; }
    CPluvoDoc doc;
    doc.MetCoord = 1;
    Figuur f;
    f.FiguurType = Ellips;
    f.MetRand = 1;
    f.MetVul = 1;
    f.LijnDikte = 2;
    f.KleurVul = 0x3070F0;
    f.p1 = {20, 20};
    f.p2 = {150, 90};
    doc.figures.push_back(f);
    doc.selection = {0};
    std::string error;
    ASSERT_TRUE(ExportCanvasPng(doc, 201, 120, target, error)) << error;
    const QImage written(QString::fromStdString(target));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32),
              PaintCanvas(doc, 201, 120, SelectionMarks::Hide));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary files remain";

    const CanvasSize size = DefaultCanvasSize(doc);
    EXPECT_GE(size.width, 151 + 32) << "the ellipse reaches column 150, plus one cell";
    EXPECT_LE(size.width, 151 + 32 + 3);
    EXPECT_GE(size.height, 91 + 32);
    EXPECT_LE(size.height, 91 + 32 + 3);
    EXPECT_FALSE(ExportCanvasPng(doc, 0, 10, target, error));
}
