// The properties dialog's values: read from the drawing when it opens, their
// ranges checked on OK, and written back in the order the editor has always
// used, so that the colours reach the selected figures and the text and its
// direction become the next text figure's.
#pragma once

#include "EditRoad.h"
#include "model/Figuur.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CPluvoDoc;

// The print enlargements offered by the dialog's radio group, in button order.
inline constexpr std::int32_t kPrintFactors[] = {2, 4, 5, 10};

// Every value the dialog edits, as plain numbers and bytes.
struct KenmerkenValues {
    COLORREF KleurRand = 0;
    COLORREF KleurVul = 0;
    COLORREF KleurRaster = 0;
    COLORREF KleurAchtergrond = 0;
    LogFont font;
    std::int32_t MetRand = 0;
    std::int32_t MetRaster = 0;
    std::int32_t MetVul = 0;
    std::int32_t SizeRaster = 0;
    std::int32_t tool = -1; // FiguurType; -1 when no tool button is checked
    std::int32_t RsterPnt = 0;
    std::int32_t LijnDikte = 0;
    std::int32_t Stippel = 0;
    std::string text; // Windows-1252 bytes
    std::int32_t MetCoord = 0;
    std::int32_t nHoek = 0;
    std::int32_t orientation = 0;       // whole degrees clockwise, 0..359
    std::int32_t printFactorIndex = -1; // into kPrintFactors; -1 when none is checked

    friend bool operator==(const KenmerkenValues&, const KenmerkenValues&) = default;
};

KenmerkenValues ReadKenmerken(const CPluvoDoc& doc);

// The integer fields in the order OK reads them, which decides the field that
// is reported when several are wrong.
enum class KenmerkenField { SizeRaster, LijnDikte, nHoek, Orientation };

struct IntegerRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
    bool Contains(std::int64_t value) const { return value >= min && value <= max; }
};

IntegerRange RangeOf(KenmerkenField field);

// The number in an integer field: optional blanks, an optional sign, digits
// and optional blanks; nothing else. Empty when the text is no such number
// or does not fit in 32 bits.
std::optional<std::int32_t> ParseIntegerField(std::string_view text);

// The integer fields as the user typed them.
struct KenmerkenNumberTexts {
    std::string SizeRaster;
    std::string LijnDikte;
    std::string nHoek;
    std::string orientation;
};

// Reads the four integer fields into `values`. On the first field that is no
// integer in its range, returns that field and leaves the later fields alone.
std::optional<KenmerkenField> TakeNumbers(const KenmerkenNumberTexts& texts,
                                          KenmerkenValues& values);

// The font record's escapement and orientation for a direction in whole
// degrees clockwise, in tenths of a degree counter-clockwise.
std::int32_t EscapementOf(std::int32_t degreesClockwise);

// Writes the values back on OK. Returns whether the toolbar's text edit must
// show `values.text` (it does whenever the text is not empty); the caller
// also moves the tool list to the new FiguurType.
bool ApplyKenmerken(DrawingEditor& editor, const KenmerkenValues& values);

// What the properties dialog answers: its values on OK, and the font that
// its Font button chose, which becomes the font offered for new texts also
// when the dialog is cancelled afterwards.
struct KenmerkenResult {
    std::optional<KenmerkenValues> values;
    std::optional<LogFont> currentFont;
};

// The properties command's change: the chosen font, then the values.
// Made on OK (the toolbar text to show, if any, in `toolbarText`), Unmarked
// when only a font was chosen, None otherwise.
Change ApplyKenmerkenResult(DrawingEditor& editor, const KenmerkenResult& result,
                            std::string* toolbarText);
