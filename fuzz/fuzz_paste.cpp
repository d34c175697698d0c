// Pastes arbitrary clipboard text into a small drawing: either it holds
// figures and exactly they are appended, selected, with every text, font and
// point they name inside the lists, and copied again they read back as they
// were pasted; or nothing changes.
#include "FuzzCheck.h"
#include "model/ClipboardFormat.h"
#include "model/Int32.h"
#include "model/SvgExport.h"

#include <cstdint>
#include <string>

namespace {

// Whether the text format gives the texts and fonts back as they are: a
// line of 500 bytes or more is read in pieces, a face name cut to 31 bytes
// may end in a blank, which reading leaves off, and a font height of seven
// characters or more fills the blanks that start a line of data.
bool TextFormatHolds(const Drawing& figures) {
    for (const std::string& t : figures.texts)
        if (t.size() > 400) return false;
    for (const LogFont& font : figures.fonts) {
        if (font.lfHeight < -99999 || font.lfHeight > 999999) return false;
        const std::string_view face = font.FaceName();
        if (!face.empty() &&
            std::string_view(" \t\n\v\f\r").find(face.back()) != std::string_view::npos)
            return false;
    }
    return true;
}

POINT Moved(POINT p, std::int32_t dx, std::int32_t dy) {
    return {i32::add(p.x, dx), i32::add(p.y, dy)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const CPluvoDoc base = SmallDrawing();

    Drawing figures;
    figures.SizeRaster = 77;
    if (!ReadFigures(text, figures)) {
        FUZZ_CHECK(figures.SizeRaster == 77 && figures.figures.empty());
        return 0;
    }
    FUZZ_CHECK(!figures.figures.empty());

    CPluvoDoc doc = base;
    const std::int32_t dx = static_cast<std::int32_t>(size % 97) - 40;
    Edited(doc, [&](DrawingEditor& e) { PasteFigures(e, figures, dx, 13); });
    const std::size_t n0 = base.drawing().figures.size();
    FUZZ_CHECK(doc.drawing().figures.size() == n0 + figures.figures.size());
    FUZZ_CHECK(doc.drawing().points.size() == base.drawing().points.size() + figures.points.size());
    FUZZ_CHECK(doc.Selection().size() == figures.figures.size());
    for (std::size_t i = 0; i < doc.Selection().size(); ++i) {
        FUZZ_CHECK(doc.Selection()[i] == n0 + i);
        const Figuur& f = doc.drawing().figures[n0 + i];
        std::size_t first = 0, count = 0;
        if (f.FiguurType == Tekst) FUZZ_CHECK(doc.TextOf(f) && doc.FontOf(f));
        if (f.FiguurType == Polygoon) FUZZ_CHECK(doc.PolygonRange(f, first, count));
    }
    for (std::size_t i = 0; i < n0; ++i)
        FUZZ_CHECK(doc.drawing().figures[i] == base.drawing().figures[i]);

    // Copied again, the pasted figures are the figures read, moved, with the
    // same texts, fonts and corners.
    if (TextFormatHolds(figures)) {
        Drawing again;
        FUZZ_CHECK(ReadFigures(FiguresText(SelectedFigures(doc)), again));
        FUZZ_CHECK(again.figures.size() == figures.figures.size());
        for (std::size_t i = 0; i < figures.figures.size(); ++i) {
            const Figuur& was = figures.figures[i];
            const Figuur& is = again.figures[i];
            FUZZ_CHECK(is.FiguurType == was.FiguurType && is.KleurRand == was.KleurRand);
            FUZZ_CHECK(is.p1 == Moved(was.p1, dx, 13) && is.p2 == Moved(was.p2, dx, 13));
            if (was.FiguurType == Tekst) {
                FUZZ_CHECK(again.texts.at(static_cast<std::size_t>(is.TekstIndex)) ==
                           figures.texts.at(static_cast<std::size_t>(was.TekstIndex)));
                FUZZ_CHECK(again.fonts.at(static_cast<std::size_t>(is.FontIndex)) ==
                           figures.fonts.at(static_cast<std::size_t>(was.FontIndex)));
            }
            if (was.FiguurType == Polygoon)
                for (std::int32_t k = 0; k < was.nHoek; ++k)
                    FUZZ_CHECK(again.points.at(static_cast<std::size_t>(is.PolyPnt + k)) ==
                               Moved(figures.points.at(static_cast<std::size_t>(was.PolyPnt + k)),
                                     dx, 13));
        }
    }

    const std::string svg = FiguresSvg(figures, "fuzz.svg");
    return 0;
}
