#include "Operations.h"

#include "CPluvoDoc.h"
#include "Geometry.h"
#include "Int32.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

// w scaled by the percentage k: the 32-bit product, times 0.01, rounded half
// away from zero.
std::int32_t Scaled(std::int32_t w, std::int32_t k) {
    return RoundHalfAway(static_cast<double>(i32::mul(w, k)) * 0.01);
}

POINT Moved(POINT p, std::int32_t dx, std::int32_t dy) {
    return {i32::add(p.x, dx), i32::add(p.y, dy)};
}

void ScaleLists(std::vector<Figuur>& figures, std::vector<POINT>& points,
                std::vector<LogFont>& fonts, std::int32_t h, std::int32_t v) {
    const auto c = static_cast<std::int32_t>(std::max(std::llabs(h), std::llabs(v)));
    for (Figuur& f : figures) {
        f.p1 = {Scaled(f.p1.x, h), Scaled(f.p1.y, v)};
        f.p2 = {Scaled(f.p2.x, h), Scaled(f.p2.y, v)};
        f.LijnDikte = Scaled(f.LijnDikte, h);
    }
    for (POINT& p : points) p = {Scaled(p.x, h), Scaled(p.y, v)};
    for (LogFont& font : fonts) font.lfHeight = Scaled(font.lfHeight, c);
}

// Runs change(figure) on every figure the selection-aware commands touch:
// all figures when nothing is selected (recorded as the whole list),
// otherwise each selected figure once.
template <class Change> void ForAffected(DrawingEditor& editor, Change change) {
    if (editor.Doc().Selection().empty()) {
        for (Figuur& f : editor.figures.Whole()) change(f);
        return;
    }
    const std::vector<bool> affected = editor.Doc().AffectedFigures();
    for (std::size_t i = 0; i < affected.size(); ++i)
        if (affected[i]) change(editor.figures.At(i));
}

// The seven 32-bit words before the face name, compared as the files store them.
bool SameFontWords(const LogFont& a, const LogFont& b) {
    return std::memcmp(&a, &b, offsetof(LogFont, lfFaceName)) == 0;
}

} // namespace

void MakeCoordinatesPositive(DrawingEditor& editor) {
    const CPluvoDoc& doc = editor.Doc();
    std::int32_t minX = 0;
    std::int32_t minY = 0;
    const auto include = [&](POINT q) {
        minX = std::min(minX, q.x);
        minY = std::min(minY, q.y);
    };
    std::vector<POINT> vertices;
    for (const Figuur& f : editor.figures.Get()) {
        include(f.p1);
        include(f.p2);
        if (f.FiguurType == Polygoon && doc.PolygonVertices(f, vertices))
            for (POINT q : vertices) include(q);
    }
    if (minX == 0 && minY == 0) return;
    const std::int32_t grid = editor.drawing().SizeRaster;
    if (minX < 0) minX = i32::sub(minX, grid);
    if (minY < 0) minY = i32::sub(minY, grid);
    const auto shift = [&](POINT& q) {
        q.x = i32::sub(q.x, minX);
        q.y = i32::sub(q.y, minY);
    };
    for (Figuur& f : editor.figures.Whole()) {
        shift(f.p1);
        shift(f.p2);
    }
    for (POINT& q : editor.points.Whole()) shift(q);
}

void AppendFigure(DrawingEditor& editor) { editor.figures.push_back(editor.Doc().current); }

bool RemoveLastFigure(DrawingEditor& editor) {
    if (editor.figures.empty()) return false;
    const auto last = static_cast<std::uint32_t>(editor.figures.size() - 1);
    const int pos = editor.Doc().FindSelected(last);
    if (pos >= 0) {
        std::vector<std::uint32_t>& selection = editor.Selection();
        selection.erase(selection.begin() + pos);
    }
    editor.figures.Truncate(last);
    return true;
}

void RemoveSelectedFigures(DrawingEditor& editor) {
    // One pass that keeps the unselected figures in order: the same result as
    // removing the selected ones from the last index down, without the cost
    // of shifting the list once per removed figure.
    if (!editor.Doc().Selection().empty()) editor.figures.Erase(editor.Doc().AffectedFigures());
    editor.Selection().clear();
}

std::int32_t FindOrAddText(DrawingEditor& editor, const std::string& text) {
    const std::vector<std::string>& texts = editor.texts.Get();
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i] == text) return static_cast<std::int32_t>(i);
    editor.texts.push_back(text);
    return static_cast<std::int32_t>(texts.size() - 1);
}

std::int32_t FindOrAddFont(DrawingEditor& editor, const LogFont& font) {
    const std::vector<LogFont>& fonts = editor.fonts.Get();
    for (std::size_t i = 0; i < fonts.size(); ++i)
        if (SameFontWords(fonts[i], font) && fonts[i].FaceName() == font.FaceName())
            return static_cast<std::int32_t>(i);
    editor.fonts.push_back(font);
    return static_cast<std::int32_t>(fonts.size() - 1);
}

void Schaal(DrawingEditor& editor, std::int32_t h, std::int32_t v) {
    ScaleLists(editor.figures.Whole(), editor.points.Whole(), editor.fonts.Whole(), h, v);
    if (h < 0 || v < 0) MakeCoordinatesPositive(editor);
}

void Schaal(Drawing& drawing, std::int32_t h, std::int32_t v) {
    ScaleLists(drawing.figures, drawing.points, drawing.fonts, h, v);
}

void WegVulling(DrawingEditor& editor) {
    ForAffected(editor, [](Figuur& f) { f.MetVul = 0; });
}

void ZetVulling(DrawingEditor& editor) {
    ForAffected(editor, [](Figuur& f) { f.MetVul = 1; });
}

void LijndikteMeer(DrawingEditor& editor) {
    ForAffected(editor, [](Figuur& f) {
        if (f.MetRand == 0) {
            f.MetRand = 1;
            f.LijnDikte = 1;
        } else if (f.LijnDikte < 15) {
            ++f.LijnDikte;
        }
    });
}

void LijndikteMinder(DrawingEditor& editor) {
    ForAffected(editor, [](Figuur& f) {
        if (f.LijnDikte <= 1)
            f.MetRand = 0;
        else
            --f.LijnDikte;
    });
}

void VerwisselXY(DrawingEditor& editor) {
    const auto swap = [](POINT& p) { p = {i32::neg(p.y), p.x}; };
    for (Figuur& f : editor.figures.Whole()) {
        swap(f.p1);
        swap(f.p2);
    }
    for (POINT& p : editor.points.Whole()) swap(p);
    MakeCoordinatesPositive(editor);
}

void Verschuif(DrawingEditor& editor, std::int32_t dx, std::int32_t dy) {
    const CPluvoDoc& doc = editor.Doc();
    const std::int32_t stepX = i32::mul(dx, editor.drawing().SizeRaster);
    const std::int32_t stepY = i32::mul(dy, editor.drawing().SizeRaster);
    // Nothing selected moves everything: the point list is then recorded
    // whole too.
    const bool all = doc.Selection().empty();
    std::vector<POINT>* allPoints = all ? &editor.points.Whole() : nullptr;
    ForAffected(editor, [&](Figuur& f) {
        f.p1 = Moved(f.p1, stepX, stepY);
        f.p2 = Moved(f.p2, stepX, stepY);
        std::size_t first = 0;
        std::size_t count = 0;
        // The points of a polygon as the figure had them; copies of a
        // polygon share its points, which then move once per copy.
        if (f.FiguurType != Polygoon || !doc.PolygonRange(f, first, count)) return;
        for (std::size_t k = first; k < first + count; ++k) {
            POINT& q = allPoints ? (*allPoints)[k] : editor.points.At(k);
            q = Moved(q, stepX, stepY);
        }
    });
}

void Draai90(DrawingEditor& editor) {
    VerwisselXY(editor);
    for (LogFont& font : editor.fonts.Whole()) {
        const std::int32_t angle = i32::add(font.lfOrientation, 2700) % 3600;
        font.lfEscapement = angle;
        font.lfOrientation = angle;
    }
}

void SelectAll(DrawingEditor& editor) {
    std::vector<std::uint32_t>& selection = editor.Selection();
    selection.clear();
    selection.reserve(editor.figures.size());
    for (std::size_t i = 0; i < editor.figures.size(); ++i)
        selection.push_back(static_cast<std::uint32_t>(i));
}

void SelectNone(DrawingEditor& editor) { editor.Selection().clear(); }

void ToggleFill(DrawingEditor& editor) {
    int& toggle = editor.Doc().FillToggle;
    if (editor.figures.empty()) return;
    if (toggle == 1)
        WegVulling(editor);
    else
        ZetVulling(editor);
    toggle = 1 - toggle;
}
