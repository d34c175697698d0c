#include "app/ConvertCommand.h"

#include "model/DrawingFile.h"
#include "model/SvgExport.h"
#include "platform/CanvasExport.h"

#include <QFile>
#include <QGuiApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kRejected = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageLine = "gebruik: pluvo convert INVOER UITVOER [--size BxH]\n";

struct Size {
    int width = 0;
    int height = 0;
};

struct Arguments {
    std::string input;
    std::string output;
    std::optional<Size> size;
};

int UsageError(const std::string& reason) {
    std::fprintf(stderr, "pluvo convert: %s\n%s", reason.c_str(), kUsageLine);
    return kUsage;
}

// "WxH" with both sides between 1 and the largest canvas the export paints.
std::optional<Size> ParseSize(std::string_view text) {
    constexpr int kMaxSide = kMaxCanvasSide;
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    Size size;
    const auto parse = [](std::string_view part, int& value) {
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        return ec == std::errc{} && end == part.data() + part.size() && value >= 1 &&
               value <= kMaxSide;
    };
    if (!parse(text.substr(0, x), size.width) || !parse(text.substr(x + 1), size.height))
        return std::nullopt;
    return size;
}

// Fills `args` or gives the reason why the command line is wrong.
std::optional<std::string> ParseArguments(int argc, char** argv, Arguments& args) {
    std::vector<std::string> positional;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--size") {
            if (i + 1 >= argc) return "--size verwacht een grootte als 800x600";
            args.size = ParseSize(argv[++i]);
            if (!args.size) return "ongeldige grootte '" + std::string(argv[i]) + "'";
        } else if (arg.starts_with("--")) {
            return "onbekende optie '" + std::string(arg) + "'";
        } else {
            positional.emplace_back(arg);
        }
    }
    if (positional.size() != 2) return "geef precies een invoer- en een uitvoerbestand";
    args.input = positional[0];
    args.output = positional[1];
    return std::nullopt;
}

// Writes through a temporary file beside the target and renames it, so that
// the target is either the whole new file or untouched.
bool WriteAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size()) || !file.commit()) {
        error = file.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    return true;
}

// Paints the canvas offscreen and writes it through the PNG converter. Text
// needs a GUI application for its fonts; a conversion never needs a display.
int ConvertToPng(CPluvoDoc& doc, const Arguments& args) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "pluvo";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const CanvasSize size = args.size ? CanvasSize{args.size->width, args.size->height}
                                      : DefaultCanvasSize(doc);
    std::string error;
    if (!ExportCanvasPng(doc, size.width, size.height, args.output, error)) {
        std::fprintf(stderr, "pluvo convert: kan '%s' niet schrijven: %s\n", args.output.c_str(),
                     error.c_str());
        return kUsage;
    }
    return kOk;
}

} // namespace

int RunConvert(int argc, char** argv) {
    Arguments args;
    if (const auto problem = ParseArguments(argc, argv, args)) return UsageError(*problem);

    const std::string_view output = args.output;
    CPluvoDoc doc;
    const OpenResult opened = OpenDrawing(doc, args.input);
    if (opened.status == OpenStatus::Unreadable) {
        std::fprintf(stderr, "pluvo convert: kan '%s' niet lezen: %s\n", args.input.c_str(),
                     opened.error.c_str());
        return kUsage;
    }
    if (opened.status == OpenStatus::Rejected) {
        for (const std::string& message : RejectionMessages(opened))
            std::fprintf(stderr, "%s\n", message.c_str());
        return kRejected;
    }

    if (output.ends_with(".png")) return ConvertToPng(doc, args);

    std::string bytes;
    if (output.ends_with(".svg")) {
        const QString absolute =
            QFileInfo(QFile::decodeName(args.output.c_str())).absoluteFilePath();
        WriteSvg(doc, absolute.toStdString(), bytes);
    } else {
        bytes = SerializeDrawing(doc, args.output);
    }
    std::string error;
    if (!WriteAtomically(args.output, bytes, error)) {
        std::fprintf(stderr, "pluvo convert: kan '%s' niet schrijven: %s\n", args.output.c_str(),
                     error.c_str());
        return kUsage;
    }
    return kOk;
}
