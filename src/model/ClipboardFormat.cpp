#include "ClipboardFormat.h"

#include "Int32.h"
#include "Operations.h"
#include "SvgExport.h"
#include "TextFormat.h"

#include <map>
#include <numeric>
#include <utility>

namespace {

// The entry's index in `out`, appended the first time the source index is
// asked for.
template <class T>
std::int32_t Renumbered(std::map<std::int32_t, std::int32_t>& numbers, std::int32_t index,
                        const T& value, std::vector<T>& out) {
    const auto [it, added] = numbers.try_emplace(index, static_cast<std::int32_t>(out.size()));
    if (added) out.push_back(value);
    return it->second;
}

// Whether figures of the kind are drawn: the tools' kinds and unknown ones
// are not (and would not read back from the text format beyond two digits).
bool DrawnKind(std::int32_t kind) { return (kind >= Lijn && kind <= Tekst) || kind == Polygoon; }

// A document around the figures, for the writers, which read a document.
CPluvoDoc Holding(Drawing figures) {
    return CPluvoDoc(StoredDrawing{std::move(figures), CPluvoDoc::NewDrawing().current});
}

} // namespace

Drawing SelectedFigures(const CPluvoDoc& doc) {
    const Drawing& drawing = doc.drawing();
    Drawing out;
    out.Settings() = drawing.Settings();
    if (doc.Selection().empty()) return out;
    const std::vector<bool> chosen = doc.AffectedFigures();
    std::map<std::int32_t, std::int32_t> texts, fonts;
    // Copies of a polygon share its points: one run per first point and count.
    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> runs;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (!chosen[i] || !DrawnKind(drawing.figures[i].FiguurType)) continue;
        Figuur f = drawing.figures[i];
        const std::int32_t polyPnt = f.PolyPnt;
        f.PolyPnt = 0;
        f.TekstIndex = 0;
        f.FontIndex = 0;
        if (f.FiguurType == Tekst) {
            const std::string* text = doc.TextOf(drawing.figures[i]);
            const LogFont* font = doc.FontOf(drawing.figures[i]);
            if (!text || !font) continue;
            f.TekstIndex = Renumbered(texts, drawing.figures[i].TekstIndex, *text, out.texts);
            f.FontIndex = Renumbered(fonts, drawing.figures[i].FontIndex, *font, out.fonts);
        } else if (f.FiguurType == Polygoon) {
            std::size_t first = 0, count = 0;
            if (!doc.PolygonRange(drawing.figures[i], first, count)) continue;
            const auto [it, added] =
                runs.try_emplace({polyPnt, f.nHoek}, static_cast<std::int32_t>(out.points.size()));
            if (added)
                out.points.insert(
                    out.points.end(), drawing.points.begin() + static_cast<std::ptrdiff_t>(first),
                    drawing.points.begin() + static_cast<std::ptrdiff_t>(first + count));
            f.PolyPnt = it->second;
        }
        out.figures.push_back(f);
    }
    return out;
}

std::string FiguresText(const Drawing& figures) {
    Drawing written = figures;
    if (written.texts.empty()) written.texts.emplace_back();
    if (written.fonts.empty()) written.fonts.push_back(CPluvoDoc::DefaultFont("Verdana"));
    std::string out;
    WriteText(Holding(std::move(written)), out);
    return out;
}

std::string FiguresSvg(const Drawing& figures, std::string_view title) {
    std::string out;
    WriteSvg(Holding(figures), title, out);
    return out;
}

bool ReadFigures(std::string_view text, Drawing& out) {
    StoredDrawing stored;
    if (!ReadText(text, stored).ok || stored.drawing.figures.empty()) return false;
    std::vector<std::uint32_t> all(stored.drawing.figures.size());
    std::iota(all.begin(), all.end(), 0u);
    const CPluvoDoc read(std::move(stored), std::move(all));
    std::size_t first = 0, count = 0;
    for (const Figuur& f : read.drawing().figures) {
        if (!DrawnKind(f.FiguurType)) return false;
        if (f.FiguurType == Tekst && (!read.TextOf(f) || !read.FontOf(f))) return false;
        if (f.FiguurType == Polygoon && !read.PolygonRange(f, first, count)) return false;
    }
    out = SelectedFigures(read);
    return true;
}

void PasteFigures(DrawingEditor& editor, const Drawing& figures, std::int32_t dx, std::int32_t dy) {
    std::vector<std::int32_t> texts, fonts;
    for (const std::string& text : figures.texts) texts.push_back(FindOrAddText(editor, text));
    for (const LogFont& font : figures.fonts) fonts.push_back(FindOrAddFont(editor, font));
    const auto p0 = static_cast<std::int32_t>(editor.points.size());
    const auto moved = [dx, dy](POINT p) { return POINT{i32::add(p.x, dx), i32::add(p.y, dy)}; };
    for (const POINT& p : figures.points) editor.points.push_back(moved(p));

    const std::size_t n0 = editor.figures.size();
    editor.figures.reserve(n0 + figures.figures.size());
    for (Figuur f : figures.figures) {
        f.p1 = moved(f.p1);
        f.p2 = moved(f.p2);
        if (f.FiguurType == Tekst) {
            f.TekstIndex = texts.at(static_cast<std::size_t>(f.TekstIndex));
            f.FontIndex = fonts.at(static_cast<std::size_t>(f.FontIndex));
        } else if (f.FiguurType == Polygoon) {
            f.PolyPnt = i32::add(f.PolyPnt, p0);
        }
        editor.figures.push_back(f);
    }
    std::vector<std::uint32_t>& selection = editor.Selection();
    selection.resize(figures.figures.size());
    std::iota(selection.begin(), selection.end(), static_cast<std::uint32_t>(n0));
}
