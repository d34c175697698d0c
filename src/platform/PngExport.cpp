#include "PngExport.h"

#include "model/FileIo.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLibraryName = "libBmp2Png.so";

void Put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Hands a message, marked with QT_TRANSLATE_NOOP, over in the interface's
// language.
void Tell(const PngMessageSink& messages, const char* text) {
    if (messages) messages(QCoreApplication::translate("PngExport", text).toStdString());
}

// The directory part of a path, with its slash; "" for a bare file name.
std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void* OpenConverter() {
    std::vector<std::string> candidates;
    if (QCoreApplication::instance()) {
        // Beside the program in a build folder, and where an install puts
        // it. The bare name below relies on the program's run path, which a
        // sanitizer's dlopen (the calling object then) does not see.
        const std::string dir = QCoreApplication::applicationDirPath().toStdString();
        candidates.push_back(dir + "/" + kLibraryName);
        candidates.push_back(dir + "/../lib/pluvo/" + kLibraryName);
    }
    if (const char* dir = std::getenv("PLUVO_BMP2PNG_DIR"); dir && *dir)
        candidates.push_back(std::string(dir) + "/" + kLibraryName);
    candidates.push_back(kLibraryName);
    for (const std::string& name : candidates)
        if (void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    return nullptr;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A folder of the export's own beside the target, readable by its owner
// only, where the converter reads the bitmap and writes the PNG under fixed
// names that no one else can take or link elsewhere; removed with what it
// holds when the export ends.
class WorkFolder {
public:
    explicit WorkFolder(const std::string& besides) : m_path(besides + ".pluvo-png-XXXXXX") {
        if (!mkdtemp(m_path.data())) m_path.clear();
    }
    ~WorkFolder() {
        if (m_path.empty()) return;
        std::remove(Bitmap().c_str());
        std::remove(Png().c_str());
        rmdir(m_path.c_str());
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    bool Made() const { return !m_path.empty(); }
    // The converter writes "x.png" for "x.bpm".
    std::string Bitmap() const { return m_path + "/canvas.bpm"; }
    std::string Png() const { return m_path + "/canvas.png"; }

private:
    std::string m_path;
};

} // namespace

std::optional<std::vector<std::uint8_t>> BitmapToDib(const QImage& source) {
    if (source.isNull() || source.width() <= 0 || source.height() <= 0) return std::nullopt;
    const auto width = static_cast<std::uint64_t>(source.width());
    const auto height = static_cast<std::uint64_t>(source.height());
    const std::uint64_t rowBytes = (width * 32 + 31) / 32 * 4;
    const std::uint64_t imageSize = rowBytes * height;
    if (imageSize + 54 > 0x7FFFFFFFu) return std::nullopt;
    const QImage image =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? source
            : source.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint8_t> dib(40 + imageSize, 0);
    std::uint8_t* h = dib.data();
    Put32(h + 0, 40);
    Put32(h + 4, static_cast<std::uint32_t>(width));
    Put32(h + 8, static_cast<std::uint32_t>(height));
    Put16(h + 12, 1);
    Put16(h + 14, 32);
    Put32(h + 16, 0);
    Put32(h + 20, static_cast<std::uint32_t>(imageSize));
    for (std::uint64_t y = 0; y < height; ++y) {
        const auto* line =
            reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(height - 1 - y)));
        std::uint8_t* out = h + 40 + y * rowBytes;
        for (std::uint64_t x = 0; x < width; ++x, out += 4) {
            out[0] = static_cast<std::uint8_t>(qBlue(line[x]));
            out[1] = static_cast<std::uint8_t>(qGreen(line[x]));
            out[2] = static_cast<std::uint8_t>(qRed(line[x]));
        }
    }
    return dib;
}

bool CallBmp2Png(const std::string& bpmPath, const PngMessageSink& messages) {
    void* library = OpenConverter();
    if (!library) {
        Tell(messages, QT_TRANSLATE_NOOP("PngExport", "Bmp2Png.dll is er niet"));
        return false;
    }
    using Converter = int (*)(const char*);
    const auto convert = reinterpret_cast<Converter>(dlsym(library, "Bmp2Png"));
    if (!convert) {
        Tell(messages, QT_TRANSLATE_NOOP("PngExport", "Bmp2Png.dll is incorrect"));
        dlclose(library);
        return false;
    }
    convert(bpmPath.c_str());
    dlclose(library);
    return true;
}

bool WritePng(const QImage& image, const std::string& requested, const PngMessageSink& messages) {
    if (requested.empty()) return false;
    const std::optional<std::vector<std::uint8_t>> dib = BitmapToDib(image);
    if (!dib) return false;
    // Beside the file that replacing the target writes: a link as the target
    // is followed, as the other exports do.
    const WorkFolder work(DirectoryOf(FinalTarget(requested)));
    if (!work.Made()) return false;

    const int fd = open(work.Bitmap().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    std::uint8_t header[14] = {'B', 'M'};
    Put32(header + 2, static_cast<std::uint32_t>(dib->size() + 14));
    Put32(header + 10, 54);
    const bool written =
        WriteAll(fd, header, sizeof header) && WriteAll(fd, dib->data(), dib->size());
    if (close(fd) != 0 || !written) return false;
    if (!CallBmp2Png(work.Bitmap(), messages)) return false;
    // Only a PNG that the converter really wrote replaces the target, through
    // the same replace as every save: a temporary file flushed to the disk,
    // renamed over the target, and the folder flushed.
    std::string png;
    if (ReadFileBytes(work.Png(), png) || png.empty()) return false;
    return !ReplaceFile(requested, png);
}
