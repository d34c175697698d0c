// Windows-1252, the single-byte code page of the texts and face names in the
// drawing files, to and from UTF-8.
#pragma once

#include <string>
#include <string_view>

// Each byte becomes its character; the five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// value, so that every byte string survives a round trip.
std::string Win1252ToUtf8(std::string_view bytes);

// Characters outside Windows-1252 (and malformed UTF-8) become '?'.
std::string Utf8ToWin1252(std::string_view utf8);

// The Unicode code point of one Windows-1252 byte.
char32_t Win1252CodePoint(unsigned char byte);
