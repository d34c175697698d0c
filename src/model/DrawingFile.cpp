#include "DrawingFile.h"

#include "BinaryFile.h"
#include "SvgExport.h"
#include "TextFormat.h"
#include "UserText.h"

DrawingFormat FormatOfName(std::string_view path) {
    return path.ends_with(".txt") ? DrawingFormat::Text : DrawingFormat::Binary;
}

Misfit WhatDoesNotFit(const CPluvoDoc& doc, DrawingFormat format) {
    switch (format) {
    case DrawingFormat::Binary:
        return BinaryMisfit(doc.drawing());
    case DrawingFormat::Text:
        return TextMisfit(doc.drawing(), doc.current);
    case DrawingFormat::Svg:
        return SvgMisfit(doc);
    }
    return {};
}

bool ReadsBackExactly(const CPluvoDoc& doc, DrawingFormat format) {
    StoredDrawing back;
    if (format == DrawingFormat::Binary) {
        if (!ParseBinary(StoreBinary(doc), back)) return false;
    } else {
        std::string text;
        WriteText(doc, text);
        if (!ReadText(text, back).ok) return false;
    }
    return back.drawing == doc.drawing() && back.current == doc.current;
}

OpenResult LoadDrawing(std::string_view path, std::string_view bytes) {
    OpenResult result;
    const DrawingFormat format = FormatOfName(path);
    if (bytes.empty() && format == DrawingFormat::Binary) return result;
    StoredDrawing& stored = result.stored.emplace();
    if (format == DrawingFormat::Text) {
        result.runValues = RunValues::Reset;
        const TextReadResult read = ReadText(bytes, stored);
        if (!read.ok) {
            result.status = OpenStatus::Rejected;
            result.textErrorLine = read.line;
        }
    } else if (!ParseBinary(bytes, stored)) {
        result.status = OpenStatus::Rejected;
    }
    if (result.status == OpenStatus::Rejected) {
        stored = CPluvoDoc::NewDrawing();
        result.runValues = RunValues::Reset;
    }
    return result;
}

OpenResult OpenDrawing(const std::string& path) {
    std::string bytes;
    OpenResult result;
    result.error = ReadFileBytes(path, bytes);
    if (result.error) {
        result.status = OpenStatus::Unreadable;
        return result;
    }
    return LoadDrawing(path, bytes);
}

std::vector<std::string> RejectionMessages(const OpenResult& result) {
    std::vector<std::string> messages;
    if (result.status != OpenStatus::Rejected) return messages;
    if (result.textErrorLine > 0)
        messages.push_back(FillIn(UserText("DrawingFile", "Fout in bestand op regel %1"),
                                  {std::to_string(result.textErrorLine)}));
    messages.push_back(UserText("DrawingFile", "Incorrect bestand"));
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
