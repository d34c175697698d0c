// The drawing as a value: the figure list, the lists that figures point
// into and the settings that the drawing files store. Files read and write
// it, printing copies it, and the history of changes keeps parts of it.
#pragma once

#include "Figuur.h"

#include <cstdint>
#include <string>
#include <vector>

// The settings that a drawing file stores beside its lists.
struct DrawingSettings {
    std::int32_t SizeRaster = 32;
    std::int32_t MetCoord = 0;
    std::int32_t MetRaster = 1;
    COLORREF KleurAchtergrond = 0xF0F0F0;
    COLORREF KleurRaster = 0xFFFF96;
    std::int32_t FileReserved = 0;

    friend bool operator==(const DrawingSettings&, const DrawingSettings&) = default;
};

struct Drawing : DrawingSettings {
    std::vector<Figuur> figures;
    std::vector<POINT> points;
    std::vector<std::string> texts; // Windows-1252 bytes, as in the files
    std::vector<LogFont> fonts;

    DrawingSettings& Settings() { return *this; }
    const DrawingSettings& Settings() const { return *this; }

    friend bool operator==(const Drawing&, const Drawing&) = default;
};
