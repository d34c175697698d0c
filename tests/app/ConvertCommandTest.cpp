// "pluvo convert" run as its own process without a display: conversions in
// every direction, exit statuses, messages, and OUTPUT untouched on failure.
#include "model/BinaryFile.h"
#include "model/SampleDrawings.h"
#include "platform/CanvasExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Outcome {
    int status = -1;
    QString errors;
    QString output;
};

// Runs pluvo without a display; `platform` is put into QT_QPA_PLATFORM when
// given.
Outcome RunPluvo(const QStringList& args, const QString& workingDir = {},
                 const QString& platform = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
    process.setProcessEnvironment(env);
    if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
    process.start(qEnvironmentVariable("PLUVO_EXE"), args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

Outcome Convert(const QStringList& args, const QString& workingDir = {},
                const QString& platform = {}) {
    return RunPluvo(QStringList{"convert"} + args, workingDir, platform);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(ConvertCommand, ConvertsBetweenAllFormatsWithoutADisplay) {
    QTemporaryDir dir;
    const std::string original = StoreBinary(samples::EveryKind());
    Put(dir.filePath("in.plv"), QByteArray::fromStdString(original));

    EXPECT_EQ(Convert({dir.filePath("in.plv"), dir.filePath("a.txt")}).status, 0);
    EXPECT_EQ(Convert({dir.filePath("a.txt"), dir.filePath("b.plv")}).status, 0);
    EXPECT_EQ(Contents(dir.filePath("b.plv")).toStdString(), original);
    EXPECT_EQ(Convert({dir.filePath("b.plv"), dir.filePath("c.TXT")}).status, 0);
    EXPECT_EQ(Contents(dir.filePath("c.TXT")).toStdString(), original) << ".TXT is binary";

    const Outcome svg = Convert({dir.filePath("a.txt"), dir.filePath("d.svg"), "--size", "80x60"});
    EXPECT_EQ(svg.status, 0) << svg.errors.toStdString();
    const QByteArray svgText = Contents(dir.filePath("d.svg"));
    EXPECT_TRUE(svgText.contains("<title>" + dir.filePath("d.svg").toUtf8() + "</title>"));
    EXPECT_TRUE(svgText.contains("Caf\xC3\xA9 \xE2\x82\xAC")) << "UTF-8 text";
}

TEST(ConvertCommand, FailuresExplainThemselvesAndLeaveOutputUntouched) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.plv");
    Put(out, "old contents");
    Put(dir.filePath("bad.txt"), "Pluvo Versie 1c Qrtz3B\n;\n  1\n");
    Put(dir.filePath("bad.plv"), "Pluvo");
    Put(dir.filePath("good.plv"), QByteArray::fromStdString(StoreBinary(CPluvoDoc())));

    const Outcome text = Convert({dir.filePath("bad.txt"), out});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.errors, "Fout in bestand op regel 3\nIncorrect bestand\n");
    const Outcome binary = Convert({dir.filePath("bad.plv"), out});
    EXPECT_EQ(binary.status, 1);
    EXPECT_EQ(binary.errors, "Incorrect bestand\n");

    const Outcome missing = Convert({dir.filePath("missing.plv"), out});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.errors.contains("missing.plv")) << missing.errors.toStdString();

    for (const QStringList& usage :
         {QStringList{dir.filePath("good.plv")},
          QStringList{dir.filePath("good.plv"), out, "--size"},
          QStringList{dir.filePath("good.plv"), out, "--size", "0x5"},
          QStringList{dir.filePath("good.plv"), out, "--kleur"},
          QStringList{dir.filePath("good.plv"), dir.filePath("x.png"), "--size", "99999x10"}}) {
        const Outcome run = Convert(usage);
        EXPECT_EQ(run.status, 2) << usage.join(' ').toStdString();
        EXPECT_TRUE(run.errors.startsWith("pluvo convert: ")) << run.errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));

    const Outcome unwritable = Convert({dir.filePath("good.plv"), dir.filePath("no/such/dir.plv")});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_TRUE(unwritable.errors.contains("no/such/dir.plv"));

    EXPECT_EQ(Contents(out), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4) << "no temporary files left";
}

TEST(ConvertCommand, PaintsPngsWithoutADisplay) {
    QTemporaryDir dir;
    CPluvoDoc doc = samples::EveryKind();
    Put(dir.filePath("in.plv"), QByteArray::fromStdString(StoreBinary(doc)));
    const QString sized = dir.filePath("sized.png");
    Put(sized, "old contents");

    const Outcome run = Convert({dir.filePath("in.plv"), sized, "--size", "320x200"});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QImage image(sized);
    ASSERT_FALSE(image.isNull()) << "the target was replaced by a real PNG";
    EXPECT_EQ(image.size(), QSize(320, 200));
    const COLORREF background = doc.drawing().KleurAchtergrond;
    EXPECT_EQ(image.pixelColor(1, 1),
              QColor(GetRValue(background), GetGValue(background), GetBValue(background)))
        << "the canvas background";

    const QString fitted = dir.filePath("fitted.png");
    ASSERT_EQ(Convert({dir.filePath("in.plv"), fitted}).status, 0);
    const QImage fit(fitted);
    EXPECT_GT(fit.width(), 32) << "the drawing plus one grid cell";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3) << "no temporary files left";
}

TEST(ConvertCommand, FileProblemsAreExplainedInDutchAndSpecialFilesAreNotReplaced) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.plv");
    Put(good, QByteArray::fromStdString(StoreBinary(samples::OneLine())));
    const QString fifo = dir.filePath("pipe.svg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);

    struct Case {
        QStringList args;
        QString expected;
    };
    for (const Case& c : {
             Case{{dir.filePath("missing.plv"), dir.filePath("a.svg")},
                  "kan '" + dir.filePath("missing.plv") + "' niet lezen: bestand bestaat niet\n"},
             Case{{dir.path(), dir.filePath("a.svg")},
                  "kan '" + dir.path() + "' niet lezen: is een map\n"},
             Case{{good, dir.filePath("no/a.svg")},
                  "kan '" + dir.filePath("no/a.svg") + "' niet schrijven: map bestaat niet\n"},
             Case{{good, dir.filePath("good.plv/a.txt")},
                  "kan '" + dir.filePath("good.plv/a.txt") +
                      "' niet schrijven: map bestaat niet\n"},
             Case{{good, dir.path()}, "kan '" + dir.path() + "' niet schrijven: is een map\n"},
             Case{{good, fifo}, "kan '" + fifo + "' niet schrijven: is geen gewoon bestand\n"},
         }) {
        const Outcome run = Convert(c.args);
        EXPECT_EQ(run.status, 2) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.errors, "pluvo convert: " + c.expected);
    }
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "a pipe is not replaced by a plain file";
}

TEST(ConvertCommand, PngNeedsNoDisplayWhateverThePlatformVariableSays) {
    QTemporaryDir dir;
    Put(dir.filePath("in.plv"), QByteArray::fromStdString(StoreBinary(samples::EveryKind())));
    const Outcome run =
        Convert({dir.filePath("in.plv"), dir.filePath("x.png"), "--size=40x30"}, {}, "xcb");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "") << "no Qt warnings on stderr";
    EXPECT_EQ(QImage(dir.filePath("x.png")).size(), QSize(40, 30)) << "--size=WxH is understood";
}

TEST(ConvertCommand, HelpOptionsEndAndTheSvgTitleIsACleanAbsolutePath) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    Put(dir.filePath("--odd.plv"), QByteArray::fromStdString(StoreBinary(samples::OneLine())));

    const Outcome help = Convert({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.output.startsWith("gebruik: pluvo convert INVOER UITVOER [--size BxH]\n"))
        << help.output.toStdString();
    EXPECT_EQ(help.errors, "");

    const Outcome size = Convert({"a.plv", "b.png", "--size", "80X60"});
    EXPECT_EQ(size.status, 2);
    EXPECT_TRUE(size.errors.contains("ongeldige grootte '80X60'")) << size.errors.toStdString();
    EXPECT_TRUE(size.errors.contains("\ngebruik: pluvo convert")) << "the usage line follows";

    const Outcome odd = Convert({"--", "--odd.plv", "sub/../out.svg"}, dir.path());
    ASSERT_EQ(odd.status, 0) << odd.errors.toStdString();
    const QString absolute = QDir(dir.path()).canonicalPath() + "/out.svg";
    EXPECT_TRUE(
        Contents(dir.filePath("out.svg")).contains("<title>" + absolute.toUtf8() + "</title>"))
        << Contents(dir.filePath("out.svg")).toStdString();
}

TEST(ConvertCommand, HelpAndVersionNeedNoDisplayAndStartNoEditor) {
    const Outcome help = RunPluvo({"--help"});
    EXPECT_EQ(help.status, 0) << help.errors.toStdString();
    EXPECT_TRUE(help.output.startsWith("gebruik: pluvo [TEKENING]")) << help.output.toStdString();
    EXPECT_TRUE(help.output.contains("pluvo convert INVOER UITVOER"));
    EXPECT_EQ(help.errors, "");
    const Outcome version = RunPluvo({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "pluvo 1.0\n");
}

TEST(ConvertCommand, WithoutSizeThePngCanvasStaysWithinTheWindowsCaps) {
    CPluvoDoc far;
    Writable(far).figures = {samples::Make(Lijn, {0, 0}, {2000000000, 2000000000})};
    const CanvasLayout capped = WholeDrawingCanvas(far);
    EXPECT_LE(capped.width, kMaxViewSide);
    EXPECT_LE(capped.height, kMaxViewSide);
    const std::int64_t pixels = std::int64_t{capped.width} * capped.height;
    EXPECT_LE(pixels, kMaxViewPixels);
    EXPECT_GT(pixels, kMaxViewPixels - kMaxViewSide) << "as large as the caps allow";

    const CPluvoDoc small = samples::EveryKind();
    EXPECT_EQ(WholeDrawingCanvas(small),
              DrawingCanvas(CanvasBounds(small), small.drawing().SizeRaster, kMaxCanvasSide,
                            std::int64_t{kMaxCanvasSide} * kMaxCanvasSide))
        << "a drawing within the caps keeps its canvas";
    EXPECT_TRUE(Convert({"--help"}).output.contains("64 miljoen beeldpunten"));
}

TEST(ConvertCommand, ThumbnailsShowTheWholeOfADrawingHoweverWide) {
    QTemporaryDir dir;
    for (const std::int32_t width : {40000, 2000000000}) {
        CPluvoDoc doc;
        Figuur box = samples::Make(Rechthoek, {0, 0}, {width, width / 2});
        box.MetVul = 1;
        box.KleurVul = 0x0000FF;
        Writable(doc).figures = {box};
        Put(dir.filePath("wide.plv"), QByteArray::fromStdString(StoreBinary(doc)));
        const Outcome run =
            RunPluvo({"thumbnail", dir.filePath("wide.plv"), dir.filePath("wide.png"), "128"});
        ASSERT_EQ(run.status, 0) << run.errors.toStdString();
        const QImage thumbnail(dir.filePath("wide.png"));
        EXPECT_EQ(thumbnail.width(), 128) << width;
        EXPECT_NEAR(thumbnail.height(), 64, 4)
            << width << ": twice as wide as high, as the drawing";
        const QColor middle = thumbnail.pixelColor(64, thumbnail.height() / 2);
        EXPECT_GT(middle.red(), 200) << width;
        EXPECT_LT(middle.green(), 60) << width << ": the box's fill";
        EXPECT_GT(thumbnail.pixelColor(127, thumbnail.height() - 1).green(), 200)
            << width << ": the box ends inside the thumbnail, the background beyond it";
    }
}
