#include "Properties.h"

#include "model/Operations.h"

#include "ToolOptions.h"
#include "model/CPluvoDoc.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

constexpr std::int64_t kFullCircle = 3600; // tenths of a degree

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::int32_t PrintFactorIndex(std::int32_t factor) {
    const auto* it = std::find(std::begin(kPrintFactors), std::end(kPrintFactors), factor);
    return it == std::end(kPrintFactors)
               ? -1
               : static_cast<std::int32_t>(it - std::begin(kPrintFactors));
}

} // namespace

KenmerkenValues ReadKenmerken(const CPluvoDoc& doc) {
    const Figuur& cur = doc.current;
    KenmerkenValues v;
    v.tool = cur.FiguurType >= 0 && cur.FiguurType <= Polygoon ? cur.FiguurType : -1;
    v.MetRand = cur.MetRand;
    v.MetRaster = doc.drawing().MetRaster;
    v.MetVul = cur.MetVul;
    v.SizeRaster = doc.drawing().SizeRaster;
    v.KleurRand = static_cast<COLORREF>(cur.KleurRand);
    v.KleurRaster = doc.drawing().KleurRaster;
    v.KleurAchtergrond = doc.drawing().KleurAchtergrond;
    v.KleurVul = static_cast<COLORREF>(cur.KleurVul);
    v.RsterPnt = cur.RsterPnt;
    v.LijnDikte = cur.LijnDikte;
    v.Stippel = cur.Stippel;
    v.MetCoord = doc.drawing().MetCoord;
    v.nHoek = cur.nHoek;

    if (const std::string* text = doc.TextOf(cur)) v.text = *text;
    const LogFont* font = doc.FontOf(cur);
    v.font = font ? *font : CPluvoDoc::DefaultFont(doc.FontFace);

    // A stored orientation outside one turn (a damaged file) still shows as
    // a direction within 0..359; 64 bits keep its negation from overflowing.
    const std::int64_t turned = (kFullCircle - v.font.lfOrientation) % kFullCircle;
    v.orientation = static_cast<std::int32_t>((turned + kFullCircle) % kFullCircle / 10);

    v.printFactorIndex = PrintFactorIndex(doc.PrintFactor);
    return v;
}

IntegerRange RangeOf(KenmerkenField field) {
    switch (field) {
    case KenmerkenField::SizeRaster:
        return {1, 200};
    case KenmerkenField::LijnDikte:
        return {1, 15};
    case KenmerkenField::nHoek:
        return {3, 32};
    case KenmerkenField::Orientation:
        return {0, 359};
    }
    return {};
}

std::optional<std::int32_t> ParseIntegerField(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<KenmerkenField> TakeNumbers(const KenmerkenNumberTexts& texts,
                                          KenmerkenValues& values) {
    const struct {
        KenmerkenField field;
        const std::string& text;
        std::int32_t& target;
    } fields[] = {
        {KenmerkenField::SizeRaster, texts.SizeRaster, values.SizeRaster},
        {KenmerkenField::LijnDikte, texts.LijnDikte, values.LijnDikte},
        {KenmerkenField::nHoek, texts.nHoek, values.nHoek},
        {KenmerkenField::Orientation, texts.orientation, values.orientation},
    };
    for (const auto& f : fields) {
        const std::optional<std::int32_t> number = ParseIntegerField(f.text);
        if (!number || !RangeOf(f.field).Contains(*number)) return f.field;
        f.target = *number;
    }
    return std::nullopt;
}

std::int32_t EscapementOf(std::int32_t degreesClockwise) {
    const std::int64_t tenths = (360 - std::int64_t{degreesClockwise}) * 10 % kFullCircle;
    return static_cast<std::int32_t>((tenths + kFullCircle) % kFullCircle);
}

bool ApplyKenmerken(DrawingEditor& editor, const KenmerkenValues& v) {
    CPluvoDoc& doc = editor.Doc();
    DrawingSettings& settings = editor.Settings();
    Figuur& cur = doc.current;
    // With no tool button checked (a tool the dialog does not know) the tool
    // stays as it was.
    if (v.tool >= 0) cur.FiguurType = v.tool;
    cur.MetRand = v.MetRand;
    settings.MetRaster = v.MetRaster;
    cur.MetVul = v.MetVul;
    settings.SizeRaster = v.SizeRaster;

    // Only a changed colour reaches the selected figures.
    if (v.KleurRand != static_cast<COLORREF>(cur.KleurRand)) ZetRandkleur(editor, v.KleurRand);
    if (v.KleurVul != static_cast<COLORREF>(cur.KleurVul)) ZetVulkleur(editor, v.KleurVul);

    settings.KleurRaster = v.KleurRaster;
    cur.RsterPnt = v.RsterPnt;
    settings.KleurAchtergrond = v.KleurAchtergrond;
    cur.LijnDikte = v.LijnDikte;
    cur.Stippel = v.Stippel;
    settings.MetCoord = v.MetCoord;
    cur.nHoek = v.nHoek;
    if (v.printFactorIndex >= 0 &&
        v.printFactorIndex < static_cast<std::int32_t>(std::size(kPrintFactors)))
        doc.PrintFactor = kPrintFactors[v.printFactorIndex];
    if (v.tool >= 0) cur.FiguurType = v.tool;

    if (v.text.empty()) return false;
    cur.TekstIndex = FindOrAddText(editor, v.text);
    LogFont font = v.font;
    font.lfEscapement = font.lfOrientation = EscapementOf(v.orientation);
    cur.FontIndex = FindOrAddFont(editor, font);
    return true;
}

Change ApplyKenmerkenResult(DrawingEditor& editor, const KenmerkenResult& result,
                            std::string* toolbarText) {
    CPluvoDoc& doc = editor.Doc();
    if (toolbarText) toolbarText->clear();
    if (result.currentFont) {
        doc.CurrentFont = *result.currentFont;
        doc.FontFace = std::string(result.currentFont->FaceName());
    }
    if (!result.values) return result.currentFont ? Change::Unmarked : Change::None;
    const bool showText = ApplyKenmerken(editor, *result.values);
    if (toolbarText && showText) *toolbarText = result.values->text;
    return Change::Made;
}
