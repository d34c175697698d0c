// The document's editing operations: scaling, moving, rotating, outlines,
// fills and the selection commands.
#include "CPluvoDoc.h"

#include "Geometry.h"
#include "Int32.h"

#include <algorithm>
#include <cstdlib>

namespace {

// w scaled by the percentage k: the 32-bit product, times 0.01, rounded half
// away from zero.
std::int32_t Scaled(std::int32_t w, std::int32_t k) {
    return RoundHalfAway(static_cast<double>(i32::mul(w, k)) * 0.01);
}

POINT Moved(POINT p, std::int32_t dx, std::int32_t dy) {
    return {i32::add(p.x, dx), i32::add(p.y, dy)};
}

} // namespace

void CPluvoDoc::Schaal(std::int32_t h, std::int32_t v) {
    const auto c = static_cast<std::int32_t>(std::max(std::llabs(h), std::llabs(v)));
    for (Figuur& f : figures) {
        f.p1 = {Scaled(f.p1.x, h), Scaled(f.p1.y, v)};
        f.p2 = {Scaled(f.p2.x, h), Scaled(f.p2.y, v)};
        f.LijnDikte = Scaled(f.LijnDikte, h);
    }
    for (POINT& p : points) p = {Scaled(p.x, h), Scaled(p.y, v)};
    for (LogFont& font : fonts) font.lfHeight = Scaled(font.lfHeight, c);
    if (h < 0 || v < 0) MakeCoordinatesPositive();
}

void CPluvoDoc::WegVulling() {
    const std::vector<bool> affected = AffectedFigures();
    for (std::size_t i = 0; i < figures.size(); ++i)
        if (affected[i]) figures[i].MetVul = 0;
}

void CPluvoDoc::ZetVulling() {
    const std::vector<bool> affected = AffectedFigures();
    for (std::size_t i = 0; i < figures.size(); ++i)
        if (affected[i]) figures[i].MetVul = 1;
}

void CPluvoDoc::LijndikteMeer() {
    const std::vector<bool> affected = AffectedFigures();
    for (std::size_t i = 0; i < figures.size(); ++i) {
        if (!affected[i]) continue;
        Figuur& f = figures[i];
        if (f.MetRand == 0) {
            f.MetRand = 1;
            f.LijnDikte = 1;
        } else if (f.LijnDikte < 15) {
            ++f.LijnDikte;
        }
    }
}

void CPluvoDoc::LijndikteMinder() {
    const std::vector<bool> affected = AffectedFigures();
    for (std::size_t i = 0; i < figures.size(); ++i) {
        if (!affected[i]) continue;
        Figuur& f = figures[i];
        if (f.LijnDikte <= 1)
            f.MetRand = 0;
        else
            --f.LijnDikte;
    }
}

void CPluvoDoc::VerwisselXY() {
    const auto swap = [](POINT& p) { p = {i32::neg(p.y), p.x}; };
    for (Figuur& f : figures) {
        swap(f.p1);
        swap(f.p2);
    }
    for (POINT& p : points) swap(p);
    MakeCoordinatesPositive();
}

void CPluvoDoc::Verschuif(std::int32_t dx, std::int32_t dy) {
    const std::int32_t stepX = i32::mul(dx, SizeRaster);
    const std::int32_t stepY = i32::mul(dy, SizeRaster);
    const std::vector<bool> affected = AffectedFigures();
    for (std::size_t i = 0; i < figures.size(); ++i) {
        if (!affected[i]) continue;
        Figuur& f = figures[i];
        f.p1 = Moved(f.p1, stepX, stepY);
        f.p2 = Moved(f.p2, stepX, stepY);
        std::size_t first = 0;
        std::size_t count = 0;
        if (f.FiguurType == Polygoon && PolygonRange(f, first, count))
            for (std::size_t k = first; k < first + count; ++k)
                points[k] = Moved(points[k], stepX, stepY);
    }
}

void CPluvoDoc::Draai90() {
    VerwisselXY();
    for (LogFont& font : fonts) {
        const std::int32_t angle = i32::add(font.lfOrientation, 2700) % 3600;
        font.lfEscapement = angle;
        font.lfOrientation = angle;
    }
}

void CPluvoDoc::SelectAll() {
    selection.clear();
    selection.reserve(figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i)
        selection.push_back(static_cast<std::uint32_t>(i));
}

void CPluvoDoc::SelectNone() { selection.clear(); }

void CPluvoDoc::ToggleFill() {
    int& toggle = FillToggle;
    if (!figures.empty()) {
        if (toggle == 1)
            WegVulling();
        else
            ZetVulling();
        toggle = 1 - toggle;
    }
}
