// The binary drawing file: storing a drawing and reading one back.
#pragma once

#include "CPluvoDoc.h"
#include "Misfit.h"

#include <string>
#include <string_view>
#include <vector>

// Everything a binary drawing file carries, read into fresh lists so that a
// rejected file leaves nothing half-loaded.
using BinaryDrawing = StoredDrawing;

// The whole drawing in the packed little-endian layout of the drawing file.
std::string StoreBinary(const CPluvoDoc& doc);

// Reads a binary drawing file. Fails when the identification is wrong, when
// the file ends early (anywhere but right before the point count, where it
// reads as no points) or when a count claims more than the file holds. Texts
// of length 0 are kept as empty entries, so that later text indices stay
// right. Memory is reserved only for what the file can hold.
bool ParseBinary(std::string_view bytes, BinaryDrawing& out);

// What the binary file cannot hold of the drawing: a text with a zero byte
// (a text ends at its first one when read), or a MetCoord or MetRaster
// outside 0..255 (one byte each). Nothing else is lost.
Misfit BinaryMisfit(const Drawing& drawing);
