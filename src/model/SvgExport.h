// SVG export of the drawing: one element per figure, in painting order.
#pragma once

#include "CPluvoDoc.h"
#include "Misfit.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Appends the drawing as an SVG 1.1 document in UTF-8. `title` (the file's
// path, UTF-8) goes into the title element. Texts and face names are
// converted from Windows-1252 and the characters XML reserves are escaped.
// Figures whose text, font or point indices lie outside the lists, and
// regular polygons without corners or with more than kMaxSvgCorners, are
// written as nothing.
void WriteSvg(const CPluvoDoc& doc, std::string_view title, std::string& out);

// What the export cannot write as the drawing holds it, the first thing
// found: a value that its 32-bit arithmetic wraps around (an ellipse's
// centre, a rectangle's width, a text's position or size, ...), or a text or
// face name with a control character that XML cannot carry. What it leaves
// out as the canvas does (flood fills, figures whose indices lie outside the
// lists) is no loss.
Misfit SvgMisfit(const CPluvoDoc& doc);

// Receives the SVG text piece by piece, in order.
using SvgSink = std::function<void(std::string_view)>;

// Writes the same text as above to `sink` in pieces of about kSvgPieceSize
// bytes, so that exporting a large drawing needs memory for one piece rather
// than for the whole file.
void WriteSvg(const CPluvoDoc& doc, std::string_view title, const SvgSink& sink);

inline constexpr std::size_t kSvgPieceSize = 1 << 16;

// The style attribute of a figure: outline, dashes and fill.
std::string SvgStyle(const Figuur& figure);

// "rgb(%3d,%3d,%3d)" of the colour's red, green and blue bytes.
std::string SvgColor(COLORREF colour);

// More corners than any screen can show; a larger count in a damaged file
// would only make the export huge.
inline constexpr std::int32_t kMaxSvgCorners = 1000;
