#include "DrawingFile.h"

#include "BinaryFile.h"
#include "SvgExport.h"
#include "TextFormat.h"

DrawingFormat FormatOfName(std::string_view path) {
    return path.ends_with(".txt") ? DrawingFormat::Text : DrawingFormat::Binary;
}

Misfit WhatDoesNotFit(const CPluvoDoc& doc, DrawingFormat format) {
    switch (format) {
    case DrawingFormat::Binary:
        return BinaryMisfit(doc.drawing());
    case DrawingFormat::Text:
        return TextMisfit(doc);
    case DrawingFormat::Svg:
        return SvgMisfit(doc);
    }
    return {};
}

bool ReadsBackExactly(const CPluvoDoc& doc, DrawingFormat format) {
    if (format == DrawingFormat::Binary) {
        BinaryDrawing back;
        return ParseBinary(StoreBinary(doc), back) && back.drawing == doc.drawing() &&
               back.current == doc.current;
    }
    std::string text;
    WriteText(doc, text);
    CPluvoDoc back;
    return ReadText(back, text).ok && back.drawing() == doc.drawing() &&
           back.current == doc.current;
}

OpenResult LoadDrawing(CPluvoDoc& doc, std::string_view path, std::string_view bytes) {
    OpenResult result;
    const DrawingFormat format = FormatOfName(path);
    if (bytes.empty() && format == DrawingFormat::Binary) {
        // Nothing to read: the drawing is not cleared first, so it stays as
        // it was and only takes the file's name.
    } else if (format == DrawingFormat::Text) {
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
    doc.DropSnapshot();
    doc.Revise();
    doc.PathName = std::string(path);
    doc.SetModifiedFlag(false);
    return result;
}

OpenResult OpenDrawing(CPluvoDoc& doc, const std::string& path) {
    std::string bytes;
    OpenResult result;
    result.error = ReadFileBytes(path, bytes);
    if (result.error) {
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

FileError SaveDrawing(CPluvoDoc& doc, const std::string& path) {
    const FileError error = ReplaceFile(path, SerializeDrawing(doc, path));
    if (error) return error;
    doc.PathName = path;
    doc.SetModifiedFlag(false);
    return {};
}
