#include "SchilderFiguur.h"

#include "LineEndIndex.h"
#include "ViewGeometry.h"
#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "model/Int32.h"
#include "model/SvgExport.h"

#include <vector>

namespace {

std::int32_t Sign(std::int32_t a, std::int32_t b) { return a < b ? 1 : (a > b ? -1 : 0); }

void PullOntoLineEnds(Figuur& f, const LineEndIndex& lineEnds) {
    const POINT q1 = lineEnds.Find(f.p1);
    if (q1.x >= 0) f.p1 = q1;
    const POINT q2 = lineEnds.Find(f.p2);
    if (q2.x >= 0) f.p2 = q2;
}

// Draws a text figure; false when it must not be stored either.
bool DrawText(Surface& surface, const CPluvoDoc& doc, const Figuur& f) {
    if (f.TekstIndex < 0) return false;
    const std::string* textOf = doc.TextOf(f);
    const LogFont* fontOf = doc.FontOf(f);
    if (!textOf || !fontOf) return true;
    const LogFont& font = *fontOf;
    const std::string& text = *textOf;
    const LogFont previous = surface.SelectFont(font);
    surface.SetTextColor(static_cast<COLORREF>(f.KleurRand));
    surface.SetBkMode(BkMode::Transparent);
    POINT at = f.p1;
    if (f.RsterPnt != 0 && doc.drawing().SizeRaster >= 1) {
        Afkappen(at, doc.drawing().SizeRaster);
        const SIZE extent = surface.GetTextExtentPoint32(text);
        at = TekstInRaster(extent.cx, extent.cy, at.x, at.y, doc.drawing().SizeRaster, font.lfOrientation);
    }
    surface.TextOut(at.x, at.y, text);
    surface.SelectFont(previous);
    return true;
}

void DrawFreePolygon(Surface& surface, const CPluvoDoc& doc, const Figuur& f) {
    // One buffer for the whole run: a paint draws thousands of polygons.
    static thread_local std::vector<POINT> vertices;
    if (doc.PolygonVertices(f, vertices))
        surface.Polygon(vertices.data(), static_cast<std::int32_t>(vertices.size()));
}

} // namespace

DrawnFigure SchilderFiguur(Surface& surface, const CPluvoDoc& doc, const Figuur& figure,
                           const LineEndIndex& lineEnds) {
    DrawnFigure drawn{figure, true};
    Figuur& f = drawn.figure;
    const Brush fill = Brush::Solid(static_cast<COLORREF>(f.KleurVul));

    if (f.RsterPnt == 0) PullOntoLineEnds(f, lineEnds);

    Pen pen{PenStyle::Null, 0, static_cast<COLORREF>(f.KleurRand)};
    if (f.MetRand != 0 || f.FiguurType == Lijn)
        pen = {f.Stippel != 0 ? PenStyle::Dot : PenStyle::Solid, f.LijnDikte,
               static_cast<COLORREF>(f.KleurRand)};
    const Pen previousPen = surface.SelectPen(pen);

    const bool filled = f.MetVul != 0 || f.FiguurType == Opvullen;
    Brush previousBrush;
    if (filled)
        previousBrush = surface.SelectBrush(fill);
    else
        surface.SelectBrush(Brush::Hollow()); // stays selected after this figure

    const std::int32_t c = (f.MetRand == 0 && f.LijnDikte == 1) ? 2 : 1;
    POINT a = f.p1;
    POINT b = f.p2;
    if (f.FiguurType == Ellips || f.FiguurType == Boogkwart || f.FiguurType == Rechthoek)
        AdjustEdges(a, b, c);

    bool& store = drawn.storable;
    switch (f.FiguurType) {
    case Lijn: {
        POINT end = f.p2;
        if (f.LijnDikte == 1) {
            end.x = i32::add(end.x, Sign(f.p1.x, f.p2.x));
            end.y = i32::add(end.y, Sign(f.p1.y, f.p2.y));
        }
        surface.MoveToEx(f.p1.x, f.p1.y);
        surface.LineTo(end.x, end.y);
        break;
    }
    case Ellips:
        surface.Ellipse(a.x, a.y, b.x, b.y);
        break;
    case Cirkel: {
        POINT topLeft, bottomRight;
        if (CirkelKader(f.p1, f.p2, topLeft, bottomRight) != 0) {
            bottomRight.x = i32::add(bottomRight.x, c);
            bottomRight.y = i32::add(bottomRight.y, c);
        }
        surface.Ellipse(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
        break;
    }
    case Boogkwart: {
        RECT box;
        POINT start, end;
        store = QuarterArc(a, b, box, start, end);
        if (store)
            surface.Arc(box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
        break;
    }
    case Rechthoek:
        surface.Rectangle(a.x, a.y, b.x, b.y);
        break;
    case Veelhoek: {
        // A corner count from a damaged file could ask for billions of
        // corners; the screen shows what the SVG export writes: nothing.
        if (f.nHoek > kMaxSvgCorners) break;
        const std::vector<POINT> corners = RegularPolygonPoints(f.nHoek, f.p1, f.p2);
        if (!corners.empty())
            surface.Polygon(corners.data(), static_cast<std::int32_t>(corners.size()));
        break;
    }
    case Opvullen:
        surface.FloodFill(f.p1.x, f.p1.y, static_cast<COLORREF>(f.KleurRand));
        break;
    case Tekst:
        store = DrawText(surface, doc, f);
        break;
    case Polygoon:
        DrawFreePolygon(surface, doc, f);
        break;
    default:
        break;
    }

    surface.SelectPen(previousPen);
    if (filled) surface.SelectBrush(previousBrush);
    return drawn;
}
