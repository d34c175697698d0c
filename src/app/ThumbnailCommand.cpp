#include "app/ThumbnailCommand.h"

#include "app/ConvertCommand.h"
#include "app/Translations.h"
#include "model/DrawingFile.h"
#include "platform/CanvasExport.h"
#include "platform/PngExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// v times num / den, rounded half away from zero; with num at most
// kMaxCanvas and den above it, the product fits 64 bits and the result 32.
std::int32_t Shrunk(std::int32_t v, std::int64_t num, std::int64_t den) {
    const std::int64_t product = std::int64_t{v} * num;
    const std::int64_t q = (std::llabs(product) * 2 + den) / (2 * den);
    return static_cast<std::int32_t>(product < 0 ? -q : q);
}

// Shrinks the whole drawing by num / den, as "Vergroot" would with a
// percentage below 1 that it cannot take, in 64-bit arithmetic so that
// nothing wraps however far the drawing reaches.
void ShrinkDrawing(Drawing& drawing, std::int64_t num, std::int64_t den) {
    const auto shrink = [&](POINT& p) { p = {Shrunk(p.x, num, den), Shrunk(p.y, num, den)}; };
    for (Figuur& f : drawing.figures) {
        shrink(f.p1);
        shrink(f.p2);
        f.LijnDikte = Shrunk(f.LijnDikte, num, den);
    }
    for (POINT& p : drawing.points) shrink(p);
    // A height of 0 would ask for the default size, larger than the rest.
    for (LogFont& font : drawing.fonts) {
        const std::int32_t height = Shrunk(font.lfHeight, num, den);
        font.lfHeight = height != 0 || font.lfHeight == 0 ? height : (font.lfHeight < 0 ? -1 : 1);
    }
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

        // The drawing's own extent, not the canvas it would get: that stops
        // at kMaxCanvasSide, and the part beyond would be left out.
        const DrawingBounds bounds = CanvasBounds(doc);
        const std::int64_t longest = std::max(bounds.right, bounds.bottom);
        const std::int64_t cell = std::clamp(doc.drawing().SizeRaster, 0, kMaxCanvas / 2);
        CanvasSize canvas = DefaultCanvasSize(doc);
        if (longest + cell > kMaxCanvas) {
            // Shrunk so that the whole drawing and the grid cell beyond it
            // show.
            ShrinkDrawing(stored.drawing, kMaxCanvas - cell, longest);
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
