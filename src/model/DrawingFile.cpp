#include "DrawingFile.h"

#include "BinaryFile.h"
#include "TextFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

DrawingFormat FormatOfName(std::string_view path) {
    return path.ends_with(".txt") ? DrawingFormat::Text : DrawingFormat::Binary;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error,
                   std::size_t limit) {
    const auto close = [](std::FILE* f) { std::fclose(f); };
    std::unique_ptr<std::FILE, decltype(close)> file(std::fopen(path.c_str(), "rb"), close);
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    const auto tooLarge = [&] {
        bytes.clear();
        error = std::strerror(EFBIG);
        return false;
    };
    // Regular files are read in one piece into a buffer of their size; the
    // loop after it also takes whatever a growing or special file adds.
    bytes.clear();
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        if (static_cast<std::uintmax_t>(info.st_size) > limit) return tooLarge();
        bytes.resize(static_cast<std::size_t>(info.st_size));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    }
    char buffer[1 << 16];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n > limit - bytes.size()) return tooLarge();
        bytes.append(buffer, n);
        if (n < sizeof buffer) break;
    }
    if (std::ferror(file.get())) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

OpenResult LoadDrawing(CPluvoDoc& doc, std::string_view path, std::string_view bytes) {
    OpenResult result;
    if (bytes.empty()) {
        // Nothing to read: the drawing is not cleared first, so it stays as
        // it was and only takes the file's name.
    } else if (FormatOfName(path) == DrawingFormat::Text) {
        const TextReadResult read = ReadText(doc, bytes);
        if (!read.ok) {
            result.status = OpenStatus::Rejected;
            result.textErrorLine = read.line;
        }
    } else if (!LoadBinary(doc, bytes)) {
        result.status = OpenStatus::Rejected;
    }
    if (result.status == OpenStatus::Rejected) {
        // The reset drawing stays unnamed, so that saving it cannot overwrite
        // the rejected file with an empty drawing.
        doc.OnNewDocument();
        return result;
    }
    doc.undoFigures.clear();
    doc.undoFonts.clear();
    doc.undoPoints.clear();
    doc.PathName = std::string(path);
    doc.SetModifiedFlag(false);
    return result;
}

OpenResult OpenDrawing(CPluvoDoc& doc, const std::string& path) {
    std::string bytes;
    OpenResult result;
    if (!ReadFileBytes(path, bytes, result.error)) {
        result.status = OpenStatus::Unreadable;
        return result;
    }
    return LoadDrawing(doc, path, bytes);
}

std::vector<std::string> RejectionMessages(const OpenResult& result) {
    std::vector<std::string> messages;
    if (result.status != OpenStatus::Rejected) return messages;
    if (result.textErrorLine > 0)
        messages.push_back("Fout in bestand op regel " + std::to_string(result.textErrorLine));
    messages.push_back("Incorrect bestand");
    return messages;
}

std::string SerializeDrawing(const CPluvoDoc& doc, std::string_view path) {
    if (FormatOfName(path) == DrawingFormat::Binary) return StoreBinary(doc);
    std::string text;
    WriteText(doc, text);
    return text;
}
