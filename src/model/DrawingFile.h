// Opening and saving a drawing by file name: the text exchange format for
// names ending in ".txt", the binary drawing file for every other name.
#pragma once

#include "CPluvoDoc.h"
#include "FileIo.h"
#include "Misfit.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The formats the drawing is written in: the two drawing files, and the
// SVG export, which is written only.
enum class DrawingFormat { Binary, Text, Svg };

// Only a name ending in lower-case ".txt" is a text file; ".TXT" is binary.
// Never Svg: a drawing saved under any other name is a binary file.
DrawingFormat FormatOfName(std::string_view path);

// What `format` cannot hold of the drawing, so that the file would not read
// back as the drawing it was written from (for SVG: would not show it as
// drawn); nothing when it fits. Saves and exports ask before they write.
Misfit WhatDoesNotFit(const CPluvoDoc& doc, DrawingFormat format);

// Whether the drawing and its current figure come back exactly from what
// the drawing file of `format` (Binary or Text) writes of them: for the
// tests and the fuzzer, which hold WhatDoesNotFit to it.
bool ReadsBackExactly(const CPluvoDoc& doc, DrawingFormat format);

enum class OpenStatus {
    Opened,     // the file holds a drawing
    Unreadable, // the file could not be read; the drawing stays as it is
    Rejected,   // not a drawing; the document becomes the new, unnamed one
};

struct OpenResult {
    OpenStatus status = OpenStatus::Opened;
    // For a rejected text file, the line at which reading failed.
    std::int64_t textErrorLine = 0;
    // For an unreadable file, why it could not be read.
    FileError error;
    // What takes the document's place: the drawing read, or the new drawing
    // after a rejected file. Nothing for an unreadable file, and for a
    // binary file of zero bytes, which holds nothing to read: that opens,
    // and the drawing stays as it was under the file's name.
    std::optional<StoredDrawing> stored;
    // A text file, like a rejected file, starts the values of the run again
    // as a new drawing does; a binary file leaves them.
    RunValues runValues = RunValues::Keep;
};

// Reads the contents of the file `path` by its name's format. An empty text
// file is rejected at its first line.
OpenResult LoadDrawing(std::string_view path, std::string_view bytes);

// Reads the file `path` and its drawing as LoadDrawing does.
OpenResult OpenDrawing(const std::string& path);

// The messages the user sees for a rejected file, in order, in the
// interface's language (UserText).
std::vector<std::string> RejectionMessages(const OpenResult& result);

// The bytes of the drawing as saved under `path` (text lines end in a line
// feed).
std::string SerializeDrawing(const CPluvoDoc& doc, std::string_view path);

// Save and Save As: writes the drawing under `path` in the format its name
// asks for, replacing the file atomically. On success the drawing takes the
// name and is no longer modified; on failure the file and the drawing stay
// as they were.
FileError SaveDrawing(CPluvoDoc& doc, const std::string& path);
