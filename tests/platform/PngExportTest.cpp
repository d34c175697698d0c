#include "../model/TestAccess.h"
#include "platform/PngExport.h"
#include "model/CPluvoDoc.h"
#include "model/FileIo.h"
#include "platform/CanvasExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <fstream>
#include <vector>

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

TEST(PngExport, LinkedTargetKeepsTheLinkAndReplacesWhatItPointsAt) {
    QTemporaryDir dir;
    const QString real = dir.filePath("echt.png");
    const QString link = dir.filePath("link.png");
    { std::ofstream(real.toStdString()) << "oud"; }
    ASSERT_TRUE(QFile::link(real, link));
    CPluvoDoc doc;
    std::string error;
    ASSERT_TRUE(ExportCanvasPng(doc, 40, 30, link.toStdString(), error)) << error;
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QImage(real).size(), QSize(40, 30));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);
}

TEST(PngExport, ExportReplacesTheTargetWithTheCanvasPixels) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("tekening.png").toStdString();
    { std::ofstream(target) << "oud"; }
    CPluvoDoc doc;
    Writable(doc).MetCoord = 1;
    Figuur f;
    f.FiguurType = Ellips;
    f.MetRand = 1;
    f.MetVul = 1;
    f.LijnDikte = 2;
    f.KleurVul = 0x3070F0;
    f.p1 = {20, 20};
    f.p2 = {150, 90};
    Writable(doc).figures.push_back(f);
    WritableSelection(doc) = {0};
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

TEST(PngExport, GoesThroughTheSameReplaceAsSavesAndKeepsThePermissions) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("tekening.png").toStdString();
    { std::ofstream(target) << "oud"; }
    ::chmod(target.c_str(), 0600);
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (ReplaceStep step : {ReplaceStep::Write, ReplaceStep::SyncFile, ReplaceStep::Rename}) {
        SimulateReplaceFailure(step, EIO);
        EXPECT_FALSE(WritePng(image, target, {})) << "a failure at step " << static_cast<int>(step);
        SimulateReplaceFailure(step, 0);
        std::ifstream in(target);
        std::string content;
        in >> content;
        EXPECT_EQ(content, "oud");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"tekening.png"})
            << "no temporary file or folder remains";
    }
    ASSERT_TRUE(WritePng(image, target, {}));
    EXPECT_EQ(QImage(QString::fromStdString(target)).size(), QSize(12, 8));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the replaced file keeps its permissions";
}

namespace {

// Points the converter search at a directory for the life of the object.
class ConverterDirectory {
public:
    explicit ConverterDirectory(const QString& dir) {
        if (const char* old = std::getenv("PLUVO_BMP2PNG_DIR")) m_saved = old;
        setenv("PLUVO_BMP2PNG_DIR", dir.toLocal8Bit().constData(), 1);
    }
    ~ConverterDirectory() {
        if (m_saved.empty())
            unsetenv("PLUVO_BMP2PNG_DIR");
        else
            setenv("PLUVO_BMP2PNG_DIR", m_saved.c_str(), 1);
    }

private:
    std::string m_saved;
};

// The file of a shared library that certainly lacks the export Bmp2Png.
QString SomeOtherLibrary() {
    void* library = dlopen("libm.so.6", RTLD_NOW | RTLD_LOCAL);
    Dl_info info{};
    const bool found = library && dladdr(dlsym(library, "cos"), &info) && info.dli_fname;
    const QString path = found ? QString::fromLocal8Bit(info.dli_fname) : QString();
    if (library) dlclose(library);
    return path;
}

} // namespace

TEST(PngExport, ConverterWithoutTheExportIsReportedAsIncorrect) {
    QTemporaryDir dir;
    const QString library = SomeOtherLibrary();
    ASSERT_FALSE(library.isEmpty());
    ASSERT_TRUE(QFile::copy(library, dir.filePath("libBmp2Png.so")));
    const std::string target = dir.filePath("tekening.png").toStdString();
    { std::ofstream(target) << "oud"; }
    std::vector<std::string> messages;
    {
        ConverterDirectory use(dir.path());
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        EXPECT_FALSE(WritePng(image, target, [&](const std::string& m) { messages.push_back(m); }));
    }
    EXPECT_EQ(messages, std::vector<std::string>{"Bmp2Png.dll is incorrect"});
    std::ifstream in(target);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "oud");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "only the library and target";
}

TEST(PngExport, TargetsWithoutADirectoryOrWithAMissingOneAndOtherImageFormats) {
    QImage image(7, 3, QImage::Format_RGB888);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(6, 0, qRgb(250, 128, 1));
    std::vector<std::string> messages;
    const auto sink = [&](const std::string& m) { messages.push_back(m); };
    EXPECT_FALSE(WritePng(image, "", sink)) << "an empty target writes nothing";

    QTemporaryDir dir;
    EXPECT_FALSE(WritePng(image, dir.filePath("geen/map.png").toStdString(), sink))
        << "no temporary file can be made in a missing directory";
    EXPECT_TRUE(messages.empty()) << "those failures are silent";

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const bool written = WritePng(image, "los.png", sink);
    QDir::setCurrent(previous);
    ASSERT_TRUE(written) << "a bare file name is written in the current directory";
    const QImage png(dir.filePath("los.png"));
    ASSERT_EQ(png.size(), QSize(7, 3));
    EXPECT_EQ(png.pixel(6, 0), qRgb(250, 128, 1));
    EXPECT_EQ(png.pixel(0, 2), qRgb(10, 20, 30));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"los.png"});

    const auto dib = BitmapToDib(image);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->size(), 40u + 7 * 4 * 3);
    const std::size_t topRight = 40 + 2 * 28 + 6 * 4;
    EXPECT_EQ((*dib)[topRight], 1);
    EXPECT_EQ((*dib)[topRight + 1], 128);
    EXPECT_EQ((*dib)[topRight + 2], 250);
    EXPECT_EQ((*dib)[topRight + 3], 0) << "the fourth byte is reserved";
    for (std::size_t k = 24; k < 40; ++k) EXPECT_EQ((*dib)[k], 0) << "header byte " << k;
}
