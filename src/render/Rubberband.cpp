#include "Rubberband.h"

#include "CopyPreview.h"
#include "LineEndIndex.h"
#include "SchilderFiguur.h"
#include "ViewGeometry.h"
#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "model/Int32.h"
#include "model/SvgExport.h"

#include <vector>

namespace {

void DrawTextBox(Surface& surface, const CPluvoDoc& doc, const Figuur& f, POINT p) {
    const std::string* text = doc.TextOf(f);
    const LogFont* fontOf = doc.FontOf(f);
    if (!text || !fontOf) return;
    const LogFont& font = *fontOf;
    const LogFont previous = surface.SelectFont(font);
    const SIZE extent = surface.GetTextExtentPoint32(*text);
    surface.SelectFont(previous);
    const std::int32_t W = extent.cx;
    const std::int32_t H = extent.cy;
    if (f.RsterPnt != 0) p = TekstInRaster(W, H, p.x, p.y, doc.drawing().SizeRaster, font.lfOrientation);
    POINT o;
    switch (font.lfOrientation) {
    case 900:
        o = {i32::add(p.x, H), i32::sub(p.y, W)};
        break;
    case 1800:
        o = {i32::sub(p.x, W), i32::sub(p.y, H)};
        break;
    case 2700:
        o = {i32::sub(p.x, H), i32::add(p.y, W)};
        break;
    default:
        o = {i32::add(p.x, W), i32::add(p.y, H)};
        break;
    }
    surface.Rectangle(p.x, p.y, o.x, o.y);
}

void DrawCopies(Surface& surface, const CPluvoDoc& doc, POINT p, const LineEndIndex& lineEnds) {
    if (doc.Selection().empty() || doc.Selection().front() >= doc.drawing().figures.size()) return;
    const POINT anchor = doc.drawing().figures[doc.Selection().front()].p1;
    const std::int32_t dx = i32::sub(p.x, anchor.x);
    const std::int32_t dy = i32::sub(p.y, anchor.y);
    for (std::uint32_t k : doc.Selection()) {
        if (k >= doc.drawing().figures.size()) continue;
        Figuur f = doc.drawing().figures[k];
        if (f.FiguurType == Tekst || f.FiguurType == Opvullen) continue;
        f.p1 = {i32::add(f.p1.x, dx), i32::add(f.p1.y, dy)};
        f.p2 = {i32::add(f.p2.x, dx), i32::add(f.p2.y, dy)};
        SchilderFiguur(surface, doc, f, lineEnds);
    }
}

void DrawShape(Surface& surface, const CPluvoDoc& doc, const Figuur& f, POINT p,
               const LineEndIndex& lineEnds, CopyPreview* preview) {
    const POINT a = f.p1;
    switch (f.FiguurType) {
    case Lijn:
    case Polygoon:
        surface.MoveToEx(a.x, a.y);
        surface.LineTo(p.x, p.y);
        break;
    case Ellips:
        surface.Ellipse(a.x, a.y, p.x, p.y);
        surface.Rectangle(a.x, a.y, p.x, p.y);
        break;
    case Cirkel: {
        POINT topLeft, bottomRight;
        CirkelKader(a, p, topLeft, bottomRight);
        surface.Ellipse(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
        break;
    }
    case Boogkwart: {
        RECT box;
        POINT start, end;
        if (QuarterArc(a, p, box, start, end)) {
            surface.Arc(box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
            surface.Rectangle(start.x, start.y, end.x, end.y);
        }
        break;
    }
    case Rechthoek:
        surface.Rectangle(a.x, a.y, p.x, p.y);
        break;
    case Selecteer:
        surface.Rectangle(a.x, a.y, p.x, p.y);
        break;
    case Veelhoek: {
        // The placed figure draws nothing for more corners than this (a
        // count from a damaged file), and neither does its band.
        if (f.nHoek > kMaxSvgCorners) break;
        const std::vector<POINT> corners = RegularPolygonPoints(f.nHoek, a, p);
        if (!corners.empty())
            surface.Polygon(corners.data(), static_cast<std::int32_t>(corners.size()));
        break;
    }
    case Tekst:
        DrawTextBox(surface, doc, f, p);
        break;
    case Kopieer:
        if (!preview || !preview->Draw(surface, doc, p, lineEnds))
            DrawCopies(surface, doc, p, lineEnds);
        break;
    default:
        break;
    }
}

} // namespace

POINT BandEnd(const Figuur& current, POINT p, ShiftHeld shift) {
    if (shift == ShiftHeld::No) return p;
    switch (current.FiguurType) {
    case Lijn:
    case Polygoon:
        RichtLijn(current.p1, p);
        break;
    case Ellips:
    case Boogkwart:
    case Rechthoek:
        MaakVierkant(current.p1, p);
        break;
    default:
        break;
    }
    return p;
}

void Rubberband(Surface& surface, const CPluvoDoc& doc, const Figuur& band, ShiftHeld shift,
                const LineEndIndex& lineEnds, CopyPreview* preview) {
    const Pen previousPen =
        surface.SelectPen({PenStyle::Dot, 1, static_cast<COLORREF>(band.KleurRand)});
    // The band is drawn as on a fresh surface: white brush, not-xor.
    const Brush previousBrush = surface.SelectBrush(Brush::Solid(0xFFFFFF));
    const Rop2 previousRop = surface.SetROP2(Rop2::NotXorPen);
    DrawShape(surface, doc, band, BandEnd(band, band.p2, shift), lineEnds, preview);
    surface.SetROP2(previousRop);
    surface.SelectBrush(previousBrush);
    surface.SelectPen(previousPen);
}
