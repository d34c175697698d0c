// The drawing's plain records: the figure record, the font record and a point.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// A colour as 0x00BBGGRR.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};
static_assert(sizeof(POINT) == 8);

// Values of Figuur::FiguurType. Kopieer and Selecteer are tools only and are
// never stored in the figure list.
enum FiguurSoort : std::int32_t {
    Lijn = 0,
    Ellips = 1,
    Cirkel = 2,
    Boogkwart = 3,
    Rechthoek = 4,
    Veelhoek = 5,
    Opvullen = 6,
    Tekst = 7,
    Kopieer = 8,
    Selecteer = 9,
    Polygoon = 10,
};

// One figure: seventeen signed 32-bit integers in file order.
struct Figuur {
    std::int32_t FiguurType = 0;
    std::int32_t PolyPnt = 0;
    std::int32_t KleurRand = 0;
    std::int32_t KleurVul = 0;
    std::int32_t MetRand = 0;
    std::int32_t MetVul = 0;
    std::int32_t RsterPnt = 0;
    std::int32_t LijnDikte = 0;
    POINT p1;
    POINT p2;
    std::int32_t Stippel = 0;
    std::int32_t TekstIndex = 0;
    std::int32_t FontIndex = 0;
    std::int32_t nHoek = 0;
    std::int32_t Reserve = 0;
    friend bool operator==(const Figuur&, const Figuur&) = default;
};
static_assert(sizeof(Figuur) == 68, "Figuur must stay 17 packed 32-bit fields");

constexpr int kFaceSize = 32;

// A font description laid out like the 60-byte record in the drawing files.
// The face name is kept byte for byte, including what follows its terminator.
struct LogFont {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[kFaceSize] = {};

    // The face name up to its terminator (or all 32 bytes when there is none).
    std::string_view FaceName() const { return {lfFaceName, strnlen(lfFaceName, kFaceSize)}; }
    // Sets the face name, cut to 31 bytes and padded with zero bytes.
    void SetFaceName(std::string_view face) {
        std::memset(lfFaceName, 0, kFaceSize);
        std::memcpy(lfFaceName, face.data(), face.size() < kFaceSize ? face.size() : kFaceSize - 1);
    }
    friend bool operator==(const LogFont&, const LogFont&) = default;
};
static_assert(sizeof(LogFont) == 60, "LogFont must stay the 60-byte file record");
