#include "CPluvoDoc.h"

#include "Int32.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

CPluvoDoc::CPluvoDoc() { OnNewDocument(); }

LogFont CPluvoDoc::DefaultFont(std::string_view face) {
    LogFont font;
    font.lfHeight = -16;
    font.lfWidth = 0;
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    font.lfWeight = 400;
    font.lfCharSet = 0;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 34;
    font.SetFaceName(face);
    return font;
}

void CPluvoDoc::AppendFigure() { figures.push_back(current); }

bool CPluvoDoc::RemoveLastFigure() {
    if (figures.empty()) return false;
    const auto last = static_cast<std::uint32_t>(figures.size() - 1);
    const int pos = FindSelected(last);
    if (pos >= 0) selection.erase(selection.begin() + pos);
    figures.pop_back();
    return true;
}

void CPluvoDoc::RemoveSelectedFigures() {
    // One pass that keeps the unselected figures in order: the same result as
    // removing the selected ones from the last index down, without the cost
    // of shifting the list once per removed figure.
    const std::vector<bool> affected = AffectedFigures();
    if (!selection.empty()) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < figures.size(); ++i)
            if (!affected[i]) figures[kept++] = figures[i];
        figures.resize(kept);
    }
    selection.clear();
}

int CPluvoDoc::FindSelected(std::uint32_t figureIndex) const {
    const auto it = std::find(selection.begin(), selection.end(), figureIndex);
    return it == selection.end() ? -1 : static_cast<int>(it - selection.begin());
}

std::vector<bool> CPluvoDoc::AffectedFigures() const {
    if (selection.empty()) return std::vector<bool>(figures.size(), true);
    std::vector<bool> affected(figures.size(), false);
    for (std::uint32_t index : selection)
        if (index < figures.size()) affected[index] = true;
    return affected;
}

std::int32_t CPluvoDoc::FindOrAddText(const std::string& text) {
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i] == text) return static_cast<std::int32_t>(i);
    texts.push_back(text);
    return static_cast<std::int32_t>(texts.size() - 1);
}

namespace {

// The seven 32-bit words before the face name, compared as the files store them.
bool SameFontWords(const LogFont& a, const LogFont& b) {
    return std::memcmp(&a, &b, offsetof(LogFont, lfFaceName)) == 0;
}

} // namespace

std::int32_t CPluvoDoc::FindOrAddFont(const LogFont& font) {
    for (std::size_t i = 0; i < fonts.size(); ++i)
        if (SameFontWords(fonts[i], font) && fonts[i].FaceName() == font.FaceName())
            return static_cast<std::int32_t>(i);
    fonts.push_back(font);
    return static_cast<std::int32_t>(fonts.size() - 1);
}

POINT CPluvoDoc::FindLineEndpoint(POINT p) const {
    const auto near = [&](POINT q) {
        return std::llabs(std::int64_t{q.x} - p.x) < SnapDistance &&
               std::llabs(std::int64_t{q.y} - p.y) < SnapDistance;
    };
    for (const Figuur& f : figures) {
        if (f.FiguurType != Lijn) continue;
        if (near(f.p1)) return f.p1;
        if (near(f.p2)) return f.p2;
    }
    return {-1, -1};
}

bool CPluvoDoc::PolygonRange(const Figuur& figure, std::size_t& first, std::size_t& count) const {
    first = 0;
    count = 0;
    if (figure.PolyPnt < 0 || figure.nHoek <= 0) return false;
    const auto begin = static_cast<std::size_t>(figure.PolyPnt);
    const auto n = static_cast<std::size_t>(figure.nHoek);
    if (begin >= points.size() || n > points.size() - begin) return false;
    first = begin;
    count = n;
    return true;
}

bool CPluvoDoc::PolygonVertices(const Figuur& figure, std::vector<POINT>& out) const {
    out.clear();
    std::size_t first = 0;
    std::size_t count = 0;
    if (!PolygonRange(figure, first, count)) return false;
    const POINT origin = points[first];
    out.reserve(count);
    for (std::size_t k = first; k < first + count; ++k)
        out.push_back({i32::add(figure.p1.x, i32::sub(points[k].x, origin.x)),
                       i32::add(figure.p1.y, i32::sub(points[k].y, origin.y))});
    return true;
}

const std::string* CPluvoDoc::TextOf(const Figuur& figure) const {
    if (figure.TekstIndex < 0 || static_cast<std::size_t>(figure.TekstIndex) >= texts.size())
        return nullptr;
    return &texts[static_cast<std::size_t>(figure.TekstIndex)];
}

const LogFont* CPluvoDoc::FontOf(const Figuur& figure) const {
    if (figure.FontIndex < 0 || static_cast<std::size_t>(figure.FontIndex) >= fonts.size())
        return nullptr;
    return &fonts[static_cast<std::size_t>(figure.FontIndex)];
}

void CPluvoDoc::MakeCoordinatesPositive() {
    std::int32_t minX = 0;
    std::int32_t minY = 0;
    const auto include = [&](POINT q) {
        minX = std::min(minX, q.x);
        minY = std::min(minY, q.y);
    };
    std::vector<POINT> vertices;
    for (const Figuur& f : figures) {
        include(f.p1);
        include(f.p2);
        if (f.FiguurType == Polygoon && PolygonVertices(f, vertices))
            for (POINT q : vertices) include(q);
    }
    if (minX == 0 && minY == 0) return;
    if (minX < 0) minX = i32::sub(minX, SizeRaster);
    if (minY < 0) minY = i32::sub(minY, SizeRaster);
    const auto shift = [&](POINT& q) {
        q.x = i32::sub(q.x, minX);
        q.y = i32::sub(q.y, minY);
    };
    for (Figuur& f : figures) {
        shift(f.p1);
        shift(f.p2);
    }
    for (POINT& q : points) shift(q);
}

PolygonAreaResult CPluvoDoc::PolygonArea(const Figuur& figure) const {
    PolygonAreaResult result;
    std::size_t first = 0;
    std::size_t n = 0;
    if (!PolygonRange(figure, first, n) || n <= 1) return result;
    const auto cross = [](POINT a, POINT b) {
        return i32::sub(i32::mul(a.x, b.y), i32::mul(b.x, a.y));
    };
    std::int32_t s = 0;
    for (std::size_t k = 0; k + 1 < n; ++k)
        s = i32::add(s, cross(points[first + k], points[first + k + 1]));
    s = i32::add(s, cross(points[first + n - 1], points[first]));
    const std::int32_t half = s / 2;
    result.units = half < 0 ? i32::neg(half) : half;
    const double grid = static_cast<double>(SizeRaster);
    result.cells = std::fabs(static_cast<double>(s)) / (2.0 * grid * grid);
    return result;
}

void CPluvoDoc::MarkModified() {
    m_modified = true;
    const TitleHook& hook = m_title.hook;
    if (!hook.read || !hook.write) return;
    std::string title = hook.read();
    if (title.empty() || title.back() != '*') hook.write(title + "*");
}

bool CPluvoDoc::OnNewDocument() {
    PathName.clear();
    m_modified = false;

    current = Figuur{};
    current.FiguurType = Lijn;
    current.PolyPnt = 0;
    current.KleurRand = 0;
    current.KleurVul = 0x64FF80;
    current.MetRand = 1;
    current.MetVul = 0;
    current.RsterPnt = 1;
    current.LijnDikte = 1;
    current.p1 = {0, 0};
    current.p2 = {0, 0};
    current.Stippel = 0;
    current.TekstIndex = 0;
    current.nHoek = 3;
    current.Reserve = 0;

    MetRaster = 1;
    FileReserved = 0;
    SizeRaster = 32;
    MetCoord = 0;
    ResizeX = 100;
    ResizeY = 100;
    KleurRaster = 0xFFFF96;
    KleurAchtergrond = 0xF0F0F0;

    texts.assign(1, "Snelle tekst");

    figures.clear();
    DropSnapshot();
    fonts.clear();
    points.clear();

    FontFace = "Verdana";
    FontColor = 0;
    CurrentFont = DefaultFont(FontFace);
    fonts.push_back(CurrentFont);

    current.FontIndex = 0;
    PrintFactor = 5;
    selection.clear();
    Revise();
    return true;
}

void CPluvoDoc::TakeSnapshot() {
    m_undo = std::make_shared<const UndoCopy>(UndoCopy{figures, fonts, points});
}

void CPluvoDoc::RestoreSnapshot() {
    if (m_undo) {
        figures = m_undo->figures;
        fonts = m_undo->fonts;
        points = m_undo->points;
    } else {
        figures.clear();
        fonts.clear();
        points.clear();
    }
    m_undo.reset();
}

void CPluvoDoc::DropSnapshot() { m_undo.reset(); }
