#include "app/ConvertCommand.h"

#include "model/DrawingFile.h"
#include "model/SvgExport.h"
#include "platform/CanvasExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kRejected = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageText =
    "gebruik: pluvo convert INVOER UITVOER [--size BxH]\n"
    "  INVOER   een tekening; een naam op .txt wordt als tekstbestand gelezen\n"
    "  UITVOER  .txt tekstbestand, .svg SVG, .png afbeelding, anders een tekening\n"
    "  --size   breedte x hoogte van de afbeelding in beeldpunten, elk 1 tot en met 16384\n"
    "           (zonder --size: de tekening plus een rastervak)\n";

// Receives the bytes of the output piece by piece.
using ByteSink = std::function<void(std::string_view)>;

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
    std::fprintf(stderr, "pluvo convert: %s\n%s", reason.c_str(), kUsageText);
    return kUsage;
}

// The Dutch reason for a system error; the system's own text for rare ones.
std::string DutchReason(int error) {
    switch (error) {
    case ENOENT:
        return "bestand bestaat niet";
    case EACCES:
    case EPERM:
        return "geen toegang";
    case EISDIR:
        return "is een map";
    case ENOTDIR:
        return "map bestaat niet";
    case EROFS:
        return "alleen-lezen bestandssysteem";
    case ENOSPC:
        return "schijf vol";
    case EDQUOT:
        return "schijfquotum overschreden";
    case EFBIG:
        return "bestand te groot";
    case ENAMETOOLONG:
        return "naam te lang";
    case ELOOP:
        return "te veel symbolische koppelingen";
    case EIO:
        return "invoer-/uitvoerfout";
    case ENOMEM:
        return "onvoldoende geheugen";
    case EMFILE:
    case ENFILE:
        return "te veel open bestanden";
    default:
        return std::strerror(error);
    }
}

// The Dutch form of a reason that arrives as the system's text.
std::string DutchSystemText(const std::string& text) {
    for (const int error : {EFBIG, EIO, ENOMEM, EACCES, EISDIR, ENOENT})
        if (text == std::strerror(error)) return DutchReason(error);
    return text;
}

// Why INPUT could not be read, found again by opening it, so that the reason
// is Dutch; `failure` is what reading it reported.
std::string InputReason(const std::string& path, const std::string& failure) {
    // Non-blocking, so that probing a FIFO without a writer cannot hang.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return DutchReason(errno);
    struct stat info {};
    const bool directory = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    ::close(fd);
    if (directory) return DutchReason(EISDIR);
    if (failure == std::strerror(EFBIG))
        return "bestand te groot (meer dan " + std::to_string(kMaxDrawingFileBytes >> 20) + " MiB)";
    return DutchSystemText(failure);
}

// The file that writing OUTPUT really replaces: a symbolic link is followed
// to its target, as the atomic save does.
QString FinalTarget(const std::string& path) {
    QFileInfo info(QFile::decodeName(path.c_str()));
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops)
        info = QFileInfo(info.symLinkTarget());
    return info.absoluteFilePath();
}

// Why OUTPUT cannot be written, or nothing when it looks writable. Checked
// before any work, so that a long conversion does not end in a failure that
// was known at the start, and again after a failed write for its reason.
std::optional<std::string> OutputProblem(const std::string& path) {
    const QByteArray target = QFile::encodeName(FinalTarget(path));
    struct stat info {};
    const bool exists = ::stat(target.constData(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) return DutchReason(EISDIR);
    // Writing goes through a new file and a rename, which would replace a
    // device or a pipe by a plain file.
    if (exists && !S_ISREG(info.st_mode)) return "is geen gewoon bestand";
    const QByteArray dir = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    struct stat dirInfo {};
    if (::stat(dir.constData(), &dirInfo) != 0) {
        const int error = errno;
        return error == ENOENT ? "map bestaat niet" : DutchReason(error);
    }
    if (!S_ISDIR(dirInfo.st_mode)) return "map bestaat niet";
    if (::access(dir.constData(), W_OK | X_OK) != 0) {
        const int error = errno;
        return error == EACCES ? "geen schrijfrechten in de map" : DutchReason(error);
    }
    if (exists && ::access(target.constData(), W_OK) != 0) {
        const int error = errno;
        return error == EACCES ? "geen schrijfrechten" : DutchReason(error);
    }
    return std::nullopt;
}

int OutputError(const std::string& path, const std::string& reason) {
    std::fprintf(stderr, "pluvo convert: kan '%s' niet schrijven: %s\n", path.c_str(),
                 reason.c_str());
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
                if (i + 1 >= argc) return "--size verwacht een grootte als 800x600";
                value = argv[++i];
            } else {
                value = arg.substr(7);
            }
            args.size = ParseSize(value);
            if (!args.size)
                return "ongeldige grootte '" + std::string(value) +
                       "': verwacht BxH, zoals 800x600, elk 1 tot en met " +
                       std::to_string(kMaxCanvasSide);
        } else if (options && arg.starts_with("-") && arg != "-") {
            return "onbekende optie '" + std::string(arg) + "'";
        } else {
            positional.emplace_back(arg);
        }
    }
    if (args.help) return std::nullopt;
    if (positional.size() != 2) return "geef precies een invoer- en een uitvoerbestand";
    args.input = positional[0];
    args.output = positional[1];
    return std::nullopt;
}

// Writes through a temporary file beside the target and renames it, so that
// the target is either the whole new file or untouched. `produce` hands the
// bytes over in pieces.
bool WriteAtomically(const std::string& path, const std::function<void(const ByteSink&)>& produce,
                     std::string& error) {
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) {
        error = OutputProblem(path).value_or(file.errorString().toStdString());
        return false;
    }
    // errno is cleared before each call, so that a reason found after a
    // failure belongs to that failure.
    int writeError = 0;
    produce([&](std::string_view piece) {
        if (writeError != 0) return;
        const auto size = static_cast<qint64>(piece.size());
        errno = 0;
        if (file.write(piece.data(), size) != size) writeError = errno != 0 ? errno : EIO;
    });
    errno = 0;
    if (writeError == 0 && file.commit()) return true;
    if (writeError == 0) writeError = errno;
    file.cancelWriting();
    error = OutputProblem(path).value_or(writeError != 0 ? DutchReason(writeError)
                                                         : file.errorString().toStdString());
    return false;
}

// Qt's own warnings (about the runtime directory, fonts, ...) are not for
// the user of a conversion; its errors still go to stderr.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().data());
}

// Paints the canvas offscreen and writes it through the PNG converter. Text
// needs a GUI application for its fonts; a conversion never needs a display,
// so the offscreen platform is used whatever QT_QPA_PLATFORM says.
int ConvertToPng(CPluvoDoc& doc, const Arguments& args) {
    qInstallMessageHandler(QuietQtMessages);
    char name[] = "pluvo";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* argv[] = {name, platformOption, platform, nullptr};
    int argc = 3;
    QGuiApplication app(argc, argv);
    const CanvasSize size =
        args.size ? CanvasSize{args.size->width, args.size->height} : DefaultCanvasSize(doc);
    std::string error;
    if (!ExportCanvasPng(doc, size.width, size.height, args.output, error))
        return OutputError(args.output, OutputProblem(args.output).value_or(error));
    return kOk;
}

} // namespace

int RunConvert(int argc, char** argv) {
    Arguments args;
    if (const auto problem = ParseArguments(argc, argv, args)) return UsageError(*problem);
    if (args.help) {
        std::fputs(kUsageText, stdout);
        return kOk;
    }

    CPluvoDoc doc;
    const OpenResult opened = OpenDrawing(doc, args.input);
    if (opened.status == OpenStatus::Unreadable) {
        std::fprintf(stderr, "pluvo convert: kan '%s' niet lezen: %s\n", args.input.c_str(),
                     InputReason(args.input, opened.error).c_str());
        return kUsage;
    }
    if (opened.status == OpenStatus::Rejected) {
        for (const std::string& message : RejectionMessages(opened))
            std::fprintf(stderr, "%s\n", message.c_str());
        return kRejected;
    }
    if (const auto problem = OutputProblem(args.output)) return OutputError(args.output, *problem);

    const std::string_view output = args.output;
    if (output.ends_with(".png")) return ConvertToPng(doc, args);

    std::function<void(const ByteSink&)> produce;
    if (output.ends_with(".svg")) {
        // The title is the absolute path of the file written, without "." or
        // ".." in it.
        const std::string title =
            QDir::cleanPath(QFileInfo(QFile::decodeName(args.output.c_str())).absoluteFilePath())
                .toStdString();
        produce = [&doc, title](const ByteSink& sink) { WriteSvg(doc, title, sink); };
    } else {
        produce = [&doc, &args](const ByteSink& sink) { sink(SerializeDrawing(doc, args.output)); };
    }
    std::string error;
    if (!WriteAtomically(args.output, produce, error)) return OutputError(args.output, error);
    return kOk;
}
