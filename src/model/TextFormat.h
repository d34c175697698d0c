// The text exchange format: a line-oriented, readable image of the drawing.
#pragma once

#include "CPluvoDoc.h"
#include "Misfit.h"

#include <cstdint>
#include <string>
#include <string_view>

// The program's version line, written as the second line of a text file and
// into the description of an SVG file.
inline constexpr std::string_view VersionText = "Pluvo Versie 1.0t";

// Appends the whole drawing in the text exchange format, each line ending in
// a line feed. Texts and face names are written as their stored bytes.
void WriteText(const CPluvoDoc& doc, std::string& out);

// What the text format cannot hold of the drawing and the current figure,
// the first thing found; nothing when ReadText gives back exactly what
// WriteText wrote. The format has no escapes: texts and face names may not
// hold line feeds or zero bytes nor end in white space, a face name has no
// bytes after its terminator, the reader needs a text and a font and every
// figure's indices inside the lists, and FileReserved is not written.
Misfit TextMisfit(const Drawing& drawing, const Figuur& current);

struct TextReadResult {
    bool ok = false;
    // The line at which reading failed ("Fout in bestand op regel %d").
    std::int64_t line = 0;
};

// Reads the drawing and current figure in `text` into `out`. Starts from the
// new drawing with empty lists; on failure leaves the new drawing in `out`
// and gives the line number. Lines end in a line feed, optionally preceded
// by a carriage return, and are read whole whatever their length.
TextReadResult ReadText(std::string_view text, StoredDrawing& out);
