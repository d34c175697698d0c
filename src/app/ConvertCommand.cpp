#include "app/ConvertCommand.h"

#include "app/MisfitReason.h"
#include "app/PdfExport.h"
#include "app/Translations.h"
#include "model/DrawingFile.h"
#include "model/FileIo.h"
#include "model/SvgExport.h"
#include "platform/CanvasExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kRejected = 1;
constexpr int kUsage = 2;

// The texts of the command, in the interface's language.
struct ConvertCommand {
    Q_DECLARE_TR_FUNCTIONS(ConvertCommand)
};

std::string Local8(const QString& text) { return text.toLocal8Bit().toStdString(); }

std::string UsageText() {
    return Local8(ConvertCommand::tr(
        "gebruik: pluvo convert INVOER UITVOER [--size BxH]\n"
        "  INVOER   een tekening; een naam op .txt wordt als tekstbestand gelezen\n"
        "  UITVOER  .txt tekstbestand, .svg SVG, .png afbeelding, .pdf de afgedrukte pagina,\n"
        "           anders een tekening\n"
        "  --size   breedte x hoogte van de afbeelding in beeldpunten, elk 1 tot en met 16384\n"
        "           (zonder --size: de tekening plus een rastervak, zoals het venster ten\n"
        "           hoogste 16384 op een zijde en 64 miljoen beeldpunten in totaal)\n"));
}

struct Size {
    int width = 0;
    int height = 0;
};

struct Arguments {
    std::string input;
    std::string output;
    std::optional<Size> size;
    bool help = false;
};

int UsageError(const std::string& reason) {
    std::fprintf(stderr, "pluvo convert: %s\n%s", reason.c_str(), UsageText().c_str());
    return kUsage;
}

int OutputError(const std::string& path, const std::string& reason) {
    std::fprintf(
        stderr, "pluvo convert: %s\n",
        Local8(ConvertCommand::tr("kan '%1' niet schrijven: %2")
                   .arg(QString::fromLocal8Bit(path.c_str()), QString::fromStdString(reason)))
            .c_str());
    return kUsage;
}

// "WxH" with both sides between 1 and the largest canvas the export paints.
std::optional<Size> ParseSize(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    Size size;
    const auto parse = [](std::string_view part, int& value) {
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        return ec == std::errc{} && end == part.data() + part.size() && value >= 1 &&
               value <= kMaxCanvasSide;
    };
    if (!parse(text.substr(0, x), size.width) || !parse(text.substr(x + 1), size.height))
        return std::nullopt;
    return size;
}

// Fills `args` or gives the reason why the command line is wrong. "--"
// ends the options, so that file names starting with "--" can be given.
std::optional<std::string> ParseArguments(int argc, char** argv, Arguments& args) {
    std::vector<std::string> positional;
    bool options = true;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            args.help = true;
        } else if (options && (arg == "--size" || arg.starts_with("--size="))) {
            std::string_view value;
            if (arg == "--size") {
                if (i + 1 >= argc)
                    return Local8(ConvertCommand::tr("--size verwacht een grootte als 800x600"));
                value = argv[++i];
            } else {
                value = arg.substr(7);
            }
            args.size = ParseSize(value);
            if (!args.size)
                return Local8(ConvertCommand::tr("ongeldige grootte '%1': verwacht BxH, zoals "
                                                 "800x600, elk 1 tot en met %2")
                                  .arg(QString::fromLocal8Bit(value.data(),
                                                              static_cast<qsizetype>(value.size())))
                                  .arg(kMaxCanvasSide));
        } else if (options && arg.starts_with("-") && arg != "-") {
            return Local8(
                ConvertCommand::tr("onbekende optie '%1'")
                    .arg(QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size()))));
        } else {
            positional.emplace_back(arg);
        }
    }
    if (args.help) return std::nullopt;
    if (positional.size() != 2)
        return Local8(ConvertCommand::tr("geef precies een invoer- en een uitvoerbestand"));
    args.input = positional[0];
    args.output = positional[1];
    return std::nullopt;
}

// Qt's own warnings (about the runtime directory, fonts, ...) are not for
// the user of a conversion; its errors still go to stderr.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().data());
}

// Paints the canvas offscreen and writes it through the PNG converter: of
// the given size from (0, 0), as the window shows it at the start, or else
// the whole drawing.
int ConvertToPng(CPluvoDoc& doc, const Arguments& args) {
    const CanvasLayout canvas = args.size
                                    ? CanvasLayout{{0, 0}, args.size->width, args.size->height}
                                    : WholeDrawingCanvas(doc);
    std::string error;
    if (!ExportCanvasPng(doc, canvas.width, canvas.height, args.output, error, canvas.origin)) {
        const FileError problem = ReplaceProblem(args.output);
        return OutputError(args.output, problem ? problem.Reason() : error);
    }
    return kOk;
}

// The conversion itself, inside the application.
int Convert(int argc, char** argv) {
    Arguments args;
    if (const auto problem = ParseArguments(argc, argv, args)) return UsageError(*problem);
    if (args.help) {
        std::fputs(UsageText().c_str(), stdout);
        return kOk;
    }

    OpenResult opened = OpenDrawing(args.input);
    if (opened.status == OpenStatus::Unreadable) {
        std::fprintf(stderr, "pluvo convert: %s\n",
                     Local8(ConvertCommand::tr("kan '%1' niet lezen: %2")
                                .arg(QString::fromLocal8Bit(args.input.c_str()),
                                     QString::fromStdString(opened.error.Reason())))
                         .c_str());
        return kUsage;
    }
    if (opened.status == OpenStatus::Rejected) {
        for (const std::string& message : RejectionMessages(opened))
            std::fprintf(stderr, "%s\n", message.c_str());
        return kRejected;
    }
    if (const FileError problem = ReplaceProblem(args.output))
        return OutputError(args.output, problem.Reason());
    // An empty binary file opens as the new drawing.
    CPluvoDoc doc = opened.stored ? CPluvoDoc(std::move(*opened.stored)) : CPluvoDoc();

    const std::string_view output = args.output;
    if (output.ends_with(".png")) return ConvertToPng(doc, args);
    if (output.ends_with(".pdf")) {
        if (const FileError error = ExportPdf(doc, DefaultPrintLayout(), args.output))
            return OutputError(args.output, error.Reason());
        return kOk;
    }

    const DrawingFormat format =
        output.ends_with(".svg") ? DrawingFormat::Svg : FormatOfName(args.output);
    if (const Misfit misfit = WhatDoesNotFit(doc, format))
        return OutputError(args.output, MisfitReason(doc, format, misfit).toStdString());
    ByteProducer produce;
    if (format == DrawingFormat::Svg) {
        // The title is the absolute path of the file written, without "." or
        // ".." in it.
        const std::string title =
            QDir::cleanPath(QFileInfo(QFile::decodeName(args.output.c_str())).absoluteFilePath())
                .toStdString();
        produce = [&doc, title](const ByteSink& sink) { WriteSvg(doc, title, sink); };
    } else {
        produce = [&doc, &args](const ByteSink& sink) { sink(SerializeDrawing(doc, args.output)); };
    }
    if (const FileError error = ReplaceFile(args.output, produce))
        return OutputError(args.output, error.Reason());
    return kOk;
}

} // namespace

// Text and PDF need a GUI application for their fonts, and the messages
// need one for their translation; a conversion never needs a display, so the
// offscreen platform is used whatever QT_QPA_PLATFORM says.
int RunWithoutDisplay(const std::function<int()>& work) {
    qInstallMessageHandler(QuietQtMessages);
    char name[] = "pluvo";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* appArgv[] = {name, platformOption, platform, nullptr};
    int appArgc = 3;
    QGuiApplication app(appArgc, appArgv);
    InstallTranslations(ChosenLanguage());
    return work();
}

int RunConvert(int argc, char** argv) {
    return RunWithoutDisplay([argc, argv] { return Convert(argc, argv); });
}
