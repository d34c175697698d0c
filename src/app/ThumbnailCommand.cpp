#include "app/ThumbnailCommand.h"

#include "app/ConvertCommand.h"
#include "app/Translations.h"
#include "model/DrawingFile.h"
#include "model/Operations.h"
#include "platform/CanvasExport.h"
#include "platform/PngExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

// A file manager asks for thumbnails of every drawing in a folder; none may
// hang it or eat its memory. A file above this size gives no thumbnail (a
// drawing of thousands of figures is a few hundred kilobytes) ...
constexpr qint64 kMaxInputBytes = 8 * 1024 * 1024;
// ... the drawing is painted on a canvas no larger than this, shrunk first
// when its extent is larger ...
constexpr int kMaxCanvas = 1024;
// ... and whatever takes longer than this ends the process before OUTPUT is
// written (SIGALRM's default action).
constexpr unsigned kMaxSeconds = 10;
constexpr int kMaxSize = 1024;

// The texts of the command, in the interface's language.
struct ThumbnailCommand {
    Q_DECLARE_TR_FUNCTIONS(ThumbnailCommand)
};

void Tell(const QString& text) {
    std::fprintf(stderr, "pluvo thumbnail: %s\n", text.toLocal8Bit().constData());
}

int Fail(const char* input, const QString& reason) {
    Tell(QStringLiteral("%1: %2").arg(QFile::decodeName(input), reason));
    return 1;
}

} // namespace

int RunThumbnail(int argc, char** argv) {
    int size = 0;
    if (argc == 5) {
        const std::string_view text = argv[4];
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
        if (ec != std::errc{} || end != text.data() + text.size()) size = 0;
    }
    const bool usable = argc == 5 && size >= 1 && size <= kMaxSize;
    const char* input = usable ? argv[2] : "";
    const std::string output = usable ? argv[3] : "";
    if (usable) ::alarm(kMaxSeconds);

    return RunWithoutDisplay([&]() -> int {
        if (!usable) {
            std::fprintf(stderr, "%s\n",
                         ThumbnailCommand::tr("gebruik: pluvo thumbnail INVOER UITVOER.png "
                                              "GROOTTE (1-%1)")
                             .arg(kMaxSize)
                             .toLocal8Bit()
                             .constData());
            return 2;
        }
        const QFileInfo info(QFile::decodeName(input));
        if (!info.isFile()) return Fail(input, ThumbnailCommand::tr("geen bestand"));
        if (info.size() > kMaxInputBytes)
            return Fail(input, ThumbnailCommand::tr("te groot voor een miniatuur"));
        OpenResult opened = OpenDrawing(input);
        if (opened.status != OpenStatus::Opened)
            return Fail(input, ThumbnailCommand::tr("geen tekening"));
        StoredDrawing stored = opened.stored ? std::move(*opened.stored) : CPluvoDoc::NewDrawing();
        CPluvoDoc doc(stored);

        CanvasSize canvas = DefaultCanvasSize(doc);
        const int longest = std::max(canvas.width, canvas.height);
        if (longest > kMaxCanvas) {
            // Shrunk as "Vergroot" would, so that the whole drawing shows.
            const int percent = std::max(1, kMaxCanvas * 100 / longest);
            Schaal(stored.drawing, percent, percent);
            doc = CPluvoDoc(std::move(stored));
            canvas = DefaultCanvasSize(doc);
            canvas.width = std::min(canvas.width, kMaxCanvas);
            canvas.height = std::min(canvas.height, kMaxCanvas);
        }
        const QImage painted = PaintCanvas(doc, canvas.width, canvas.height, SelectionMarks::Hide);
        const QImage thumbnail =
            painted.scaled(size, size, Qt::KeepAspectRatio,
                           std::max(canvas.width, canvas.height) > size ? Qt::SmoothTransformation
                                                                        : Qt::FastTransformation);
        // Writing is short and atomic; no thumbnail is left half written.
        ::alarm(0);
        if (WritePng(thumbnail, output,
                     [](const std::string& message) { Tell(QString::fromStdString(message)); }))
            return 0;
        Tell(ThumbnailCommand::tr("kan %1 niet schrijven").arg(QFile::decodeName(output.c_str())));
        return 2;
    });
}
