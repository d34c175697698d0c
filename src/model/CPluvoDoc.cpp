#include "CPluvoDoc.h"

#include "Int32.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

CPluvoDoc::CPluvoDoc() : CPluvoDoc(NewDrawing()) {}

CPluvoDoc::CPluvoDoc(StoredDrawing stored, std::vector<std::uint32_t> selection)
    : current(stored.current), m_drawing(std::move(stored.drawing)),
      m_selection(std::move(selection)) {
    ResetRunValues();
}

StoredDrawing CPluvoDoc::NewDrawing() {
    StoredDrawing stored;
    Figuur& current = stored.current;
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
    current.FontIndex = 0;
    current.nHoek = 3;
    current.Reserve = 0;

    Drawing& drawing = stored.drawing;
    drawing.MetRaster = 1;
    drawing.FileReserved = 0;
    drawing.SizeRaster = 32;
    drawing.MetCoord = 0;
    drawing.KleurRaster = 0xFFFF96;
    drawing.KleurAchtergrond = 0xF0F0F0;
    drawing.texts.assign(1, "Snelle tekst");
    drawing.fonts.assign(1, DefaultFont("Verdana"));
    return stored;
}

void CPluvoDoc::ResetRunValues() {
    PathName.clear();
    ResizeX = 100;
    ResizeY = 100;
    FontFace = "Verdana";
    FontColor = 0;
    CurrentFont = DefaultFont(FontFace);
    PrintFactor = 5;
}

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

int CPluvoDoc::FindSelected(std::uint32_t figureIndex) const {
    const auto it = std::find(m_selection.begin(), m_selection.end(), figureIndex);
    return it == m_selection.end() ? -1 : static_cast<int>(it - m_selection.begin());
}

std::vector<bool> CPluvoDoc::AffectedFigures() const {
    if (m_selection.empty()) return std::vector<bool>(m_drawing.figures.size(), true);
    std::vector<bool> affected(m_drawing.figures.size(), false);
    for (std::uint32_t index : m_selection)
        if (index < m_drawing.figures.size()) affected[index] = true;
    return affected;
}

POINT CPluvoDoc::FindLineEndpoint(POINT p) const {
    const auto near = [&](POINT q) {
        return std::llabs(std::int64_t{q.x} - p.x) < SnapDistance &&
               std::llabs(std::int64_t{q.y} - p.y) < SnapDistance;
    };
    for (const Figuur& f : m_drawing.figures) {
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
    if (begin >= m_drawing.points.size() || n > m_drawing.points.size() - begin) return false;
    first = begin;
    count = n;
    return true;
}

bool CPluvoDoc::PolygonVertices(const Figuur& figure, std::vector<POINT>& out) const {
    out.clear();
    std::size_t first = 0;
    std::size_t count = 0;
    if (!PolygonRange(figure, first, count)) return false;
    const POINT origin = m_drawing.points[first];
    out.reserve(count);
    for (std::size_t k = first; k < first + count; ++k)
        out.push_back({i32::add(figure.p1.x, i32::sub(m_drawing.points[k].x, origin.x)),
                       i32::add(figure.p1.y, i32::sub(m_drawing.points[k].y, origin.y))});
    return true;
}

const std::string* CPluvoDoc::TextOf(const Figuur& figure) const {
    if (figure.TekstIndex < 0 || static_cast<std::size_t>(figure.TekstIndex) >= m_drawing.texts.size())
        return nullptr;
    return &m_drawing.texts[static_cast<std::size_t>(figure.TekstIndex)];
}

const LogFont* CPluvoDoc::FontOf(const Figuur& figure) const {
    if (figure.FontIndex < 0 || static_cast<std::size_t>(figure.FontIndex) >= m_drawing.fonts.size())
        return nullptr;
    return &m_drawing.fonts[static_cast<std::size_t>(figure.FontIndex)];
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
        s = i32::add(s, cross(m_drawing.points[first + k], m_drawing.points[first + k + 1]));
    s = i32::add(s, cross(m_drawing.points[first + n - 1], m_drawing.points[first]));
    const std::int32_t half = s / 2;
    result.units = half < 0 ? i32::neg(half) : half;
    const double grid = static_cast<double>(m_drawing.SizeRaster);
    result.cells = std::fabs(static_cast<double>(s)) / (2.0 * grid * grid);
    return result;
}

void CPluvoDoc::TakeSnapshot() {
    m_undo = std::make_shared<const UndoCopy>(
        UndoCopy{m_drawing.figures, m_drawing.fonts, m_drawing.points});
}
