#include "FigureBox.h"

#include "LineEndIndex.h"
#include "ViewGeometry.h"
#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "model/Int32.h"
#include "model/SvgExport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

void PixelBox::Include(const PixelBox& other) {
    if (other.Empty()) return;
    if (Empty()) {
        *this = other;
        return;
    }
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
}

namespace {

__extension__ typedef __int128 Wide;

PixelBox Around(POINT a, POINT b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// A path of single pixels widened by a pen of width w: pixel centres within
// w / 2 of the path, which reach (w - 1) / 2 pixels up and left and w / 2
// down and right (an even width sits half a pixel down and right).
PixelBox Stroked(PixelBox path, std::int64_t w) {
    if (path.Empty()) return path;
    return {path.left - (w - 1) / 2, path.top - (w - 1) / 2, path.right + w / 2,
            path.bottom + w / 2};
}

// A thin line from `from` up to, not including, `to`: Bresenham's first and
// last pixel. At step k it has taken floor((2 k d + D) / 2 D) steps along
// its minor axis, D and d being the lengths along the major and minor axes.
PixelBox ThinLine(POINT from, POINT to) {
    const std::int64_t dx = std::llabs(std::int64_t{to.x} - from.x);
    const std::int64_t dy = std::llabs(std::int64_t{to.y} - from.y);
    const std::int64_t major = std::max(dx, dy), minor = std::min(dx, dy);
    if (major == 0) return {};
    const std::int64_t k = major - 1;
    const auto minorSteps =
        static_cast<std::int64_t>((Wide{2} * k * minor + major) / (Wide{2} * major));
    const std::int64_t sx = to.x < from.x ? -1 : 1, sy = to.y < from.y ? -1 : 1;
    const std::int64_t lastX = from.x + sx * (dx >= dy ? k : minorSteps);
    const std::int64_t lastY = from.y + sy * (dx >= dy ? minorSteps : k);
    return {std::min<std::int64_t>(from.x, lastX), std::min<std::int64_t>(from.y, lastY),
            std::max<std::int64_t>(from.x, lastX), std::max<std::int64_t>(from.y, lastY)};
}

PixelBox Line(POINT from, POINT to, const Pen& pen) {
    if (pen.style == PenStyle::Null) return {};
    if (pen.width <= 1) return ThinLine(from, to);
    return Stroked(Around(from, to), pen.width);
}

// The outline of a rectangle or an ellipse in the box l, t, r, b: columns l
// to r - 1 widened by the pen, or l to r - 2 filled without a pen.
PixelBox Shape(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, const Pen& pen,
               bool filled) {
    const std::int64_t left = std::min(l, r), top = std::min(t, b);
    const std::int64_t right = std::max(l, r), bottom = std::max(t, b);
    if (pen.style != PenStyle::Null) {
        const std::int64_t w = std::max(pen.width, 1);
        return {left - (w - 1) / 2, top - (w - 1) / 2, right - 1 + w / 2, bottom - 1 + w / 2};
    }
    if (!filled) return {};
    return {left, top, right - 2, bottom - 2};
}

// A closed polygon: the fill runs from the first pixel centre at or right of
// one crossing to the last before the next, in the rows its sides cross; the
// outline joins the corners with thin lines or strokes of the pen.
PixelBox Polygon(const std::vector<POINT>& corners, const Pen& pen, bool filled) {
    PixelBox box;
    if (corners.empty()) return box;
    PixelBox hull;
    for (POINT p : corners) hull.Include({p.x, p.y, p.x, p.y});
    if (filled && corners.size() >= 3)
        box.Include({hull.left, hull.top, hull.right - 1, hull.bottom - 1});
    if (pen.style == PenStyle::Null) return box;
    if (pen.width > 1) {
        box.Include(Stroked(hull, pen.width));
        return box;
    }
    for (std::size_t i = 0; i < corners.size(); ++i)
        box.Include(ThinLine(corners[i == 0 ? corners.size() - 1 : i - 1], corners[i]));
    return box;
}

// The quarter of the ring between the pen's outer and inner ellipses on the
// side of b. Its pixels are those of the ring whose direction from the
// ring's centre lies between the directions from the box's centre (half a
// pixel up and left of a) to the quarter's ends: two rays from the ring's
// centre. Away from the centre a ray leans to the quarter's far side, so
// the quarter reaches past the ray's end nearest the centre on one side and
// up to its farthest point within the ring on the other.
PixelBox QuarterArcBox(POINT a, POINT b, const Pen& pen) {
    RECT box;
    POINT start, end;
    if (pen.style == PenStyle::Null || !QuarterArc(a, b, box, start, end)) return {};
    const std::int64_t w = std::max(pen.width, 1);
    const PixelBox ring =
        Stroked({box.left, box.top, std::int64_t{box.right} - 1, std::int64_t{box.bottom} - 1}, w);
    const PixelBox hole{ring.left + w, ring.top + w, ring.right - w, ring.bottom - w};
    const double px = (ring.left + ring.right) / 2.0, py = (ring.top + ring.bottom) / 2.0;
    const double cx = a.x - 0.5, cy = a.y - 0.5;
    const bool left = b.x < a.x, above = b.y < a.y;
    // The ray to the quarter's end on the centre's column (top or bottom):
    // its x at row y. The ray to the end on the centre's row: its y at
    // column x.
    const double endY = above ? box.top : box.bottom;
    const double endX = left ? box.left : box.right;
    const auto columnRay = [&](double y) { return px + (a.x - cx) * (y - py) / (endY - cy); };
    const auto rowRay = [&](double x) { return py + (a.y - cy) * (x - px) / (endX - cx); };
    // The ring's rows and columns nearest the centre along the rays, and
    // its farthest ones.
    const bool hollow = !hole.Empty();
    const double nearRow = !hollow ? py : static_cast<double>(above ? hole.top - 1 : hole.bottom + 1);
    const double nearColumn =
        !hollow ? px : static_cast<double>(left ? hole.left - 1 : hole.right + 1);
    const double farRow = static_cast<double>(above ? ring.top : ring.bottom);
    const double farColumn = static_cast<double>(left ? ring.left : ring.right);
    constexpr double kEdge = 1e-9;
    const auto up = [](double v) { return static_cast<std::int64_t>(std::ceil(v - kEdge)); };
    const auto down = [](double v) { return static_cast<std::int64_t>(std::floor(v + kEdge)); };
    PixelBox quarter = ring;
    if (left)
        quarter.right = std::min(ring.right, down(columnRay(farRow)));
    else
        quarter.left = std::max(ring.left, up(columnRay(nearRow)));
    if (above)
        quarter.bottom = std::min(ring.bottom, down(rowRay(farColumn)));
    else
        quarter.top = std::max(ring.top, up(rowRay(nearColumn)));
    return quarter;
}

// A text box of w x h drawn at (x, y), turned counter-clockwise by
// `escapement` tenths of a degree around that corner.
PixelBox TextBox(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h,
                 std::int32_t escapement) {
    if (w <= 0 || h <= 0) return {};
    switch (((escapement % 3600) + 3600) % 3600) {
    case 0:
        return {x, y, x + w - 1, y + h - 1};
    case 900:
        return {x, y - w, x + h - 1, y - 1};
    case 1800:
        return {x - w, y - h, x - 1, y - 1};
    case 2700:
        return {x - h, y, x - 1, y + w - 1};
    default:
        break;
    }
    // Any other angle: the turned corners, a pixel to spare on each side for
    // the rounding of the glyphs' outlines.
    const double angle = -(escapement / 10.0) * kPi / 180.0;
    const double c = std::cos(angle), s = std::sin(angle);
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    for (const auto& [u, v] : {std::pair{0.0, 0.0}, {double(w), 0.0}, {0.0, double(h)},
                              {double(w), double(h)}}) {
        const double tx = u * c - v * s, ty = u * s + v * c;
        x0 = std::min(x0, tx);
        x1 = std::max(x1, tx);
        y0 = std::min(y0, ty);
        y1 = std::max(y1, ty);
    }
    return {x + static_cast<std::int64_t>(std::floor(x0)) - 1,
            y + static_cast<std::int64_t>(std::floor(y0)) - 1,
            x + static_cast<std::int64_t>(std::ceil(x1)), y + static_cast<std::int64_t>(std::ceil(y1))};
}

PixelBox Text(const CPluvoDoc& doc, const Figuur& f, Surface& measure) {
    const std::string* text = doc.TextOf(f);
    const LogFont* font = doc.FontOf(f);
    if (f.TekstIndex < 0 || !text || !font || text->empty()) return {};
    const LogFont previous = measure.SelectFont(*font);
    const SIZE size = measure.GetTextExtentPoint32(*text);
    measure.SelectFont(previous);
    POINT at = f.p1;
    if (f.RsterPnt != 0 && doc.drawing().SizeRaster >= 1) {
        Afkappen(at, doc.drawing().SizeRaster);
        at = TekstInRaster(size.cx, size.cy, at.x, at.y, doc.drawing().SizeRaster, font->lfOrientation);
    }
    return TextBox(at.x, at.y, size.cx, size.cy, font->lfEscapement);
}

// The figure as a paint draws it: pulled onto line ends unless it snaps to
// the grid.
Figuur Pulled(const Figuur& figure, const LineEndIndex& lineEnds) {
    Figuur f = figure;
    if (f.RsterPnt == 0) {
        const POINT q1 = lineEnds.Find(f.p1);
        if (q1.x >= 0) f.p1 = q1;
        const POINT q2 = lineEnds.Find(f.p2);
        if (q2.x >= 0) f.p2 = q2;
    }
    return f;
}

// The inside of the rectangle or ellipse in the box l, t, r, b, clear of a
// pen of width w by a pixel and more: the pen's ring reaches w pixels in
// from l and t and w + 1 in from r and b; without a pen the fill ends at
// r - 2. An ellipse keeps the square inside it at 0.7 (under 1 / sqrt 2) of
// its half axes from its centre.
PixelBox Core(bool ellipse, std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b,
              std::int64_t w) {
    PixelBox core{std::min(l, r) + w + 1, std::min(t, b) + w + 1, std::max(l, r) - w - 3,
                  std::max(t, b) - w - 3};
    if (core.Empty() || !ellipse) return core;
    const std::int64_t cx = (core.left + core.right) / 2, cy = (core.top + core.bottom) / 2;
    const auto reach = [](std::int64_t from, std::int64_t to) {
        return static_cast<std::int64_t>(0.7 * static_cast<double>(to - from) / 2.0) - 1;
    };
    const std::int64_t dx = reach(core.left, core.right), dy = reach(core.top, core.bottom);
    if (dx < 0 || dy < 0) return {};
    return {cx - dx, cy - dy, cx + dx, cy + dy};
}

} // namespace

PixelBox OpaqueCore(const Figuur& figure, const LineEndIndex& lineEnds) {
    if (figure.MetVul == 0 ||
        (figure.FiguurType != Rechthoek && figure.FiguurType != Ellips && figure.FiguurType != Cirkel))
        return {};
    const Figuur f = Pulled(figure, lineEnds);
    const std::int64_t w = std::max(f.LijnDikte, 1);
    const std::int32_t c = (f.MetRand == 0 && f.LijnDikte == 1) ? 2 : 1;
    if (f.FiguurType == Cirkel) {
        POINT topLeft, bottomRight;
        if (CirkelKader(f.p1, f.p2, topLeft, bottomRight) != 0) {
            bottomRight.x = i32::add(bottomRight.x, c);
            bottomRight.y = i32::add(bottomRight.y, c);
        }
        return Core(true, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, w);
    }
    POINT a = f.p1, b = f.p2;
    AdjustEdges(a, b, c);
    return Core(f.FiguurType == Ellips, a.x, a.y, b.x, b.y, w);
}

PixelBox FigureBox(const CPluvoDoc& doc, const Figuur& figure, const LineEndIndex& lineEnds,
                   Surface& measure) {
    const Figuur f = Pulled(figure, lineEnds);
    Pen pen{PenStyle::Null, 0, 0};
    if (f.MetRand != 0 || f.FiguurType == Lijn)
        pen = {f.Stippel != 0 ? PenStyle::Dot : PenStyle::Solid, f.LijnDikte, 0};
    const bool filled = f.MetVul != 0;
    const std::int32_t c = (f.MetRand == 0 && f.LijnDikte == 1) ? 2 : 1;
    POINT a = f.p1, b = f.p2;
    switch (f.FiguurType) {
    case Lijn: {
        POINT end = f.p2;
        if (f.LijnDikte == 1) {
            end.x = i32::add(end.x, f.p1.x < f.p2.x ? 1 : (f.p1.x > f.p2.x ? -1 : 0));
            end.y = i32::add(end.y, f.p1.y < f.p2.y ? 1 : (f.p1.y > f.p2.y ? -1 : 0));
        }
        return Line(f.p1, end, pen);
    }
    case Ellips:
    case Rechthoek:
        AdjustEdges(a, b, c);
        return Shape(a.x, a.y, b.x, b.y, pen, filled);
    case Cirkel: {
        POINT topLeft, bottomRight;
        if (CirkelKader(f.p1, f.p2, topLeft, bottomRight) != 0) {
            bottomRight.x = i32::add(bottomRight.x, c);
            bottomRight.y = i32::add(bottomRight.y, c);
        }
        return Shape(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, pen, filled);
    }
    case Boogkwart:
        AdjustEdges(a, b, c);
        return QuarterArcBox(a, b, pen);
    case Veelhoek:
        if (f.nHoek > kMaxSvgCorners) return {};
        return Polygon(RegularPolygonPoints(f.nHoek, f.p1, f.p2), pen, filled);
    case Polygoon: {
        std::vector<POINT> corners;
        if (!doc.PolygonVertices(f, corners)) return {};
        return Polygon(corners, pen, filled);
    }
    case Tekst:
        return Text(doc, f, measure);
    default:
        // A flood fill covers its area, whatever that is; other kinds paint
        // nothing.
        return {};
    }
}

DrawingBounds DrawingExtent(const CPluvoDoc& doc, Surface& measure) {
    const LineEndIndex lineEnds(doc.drawing().figures, doc.SnapDistance);
    PixelBox all{0, 0, -1, -1};
    for (const Figuur& f : doc.drawing().figures) all.Include(FigureBox(doc, f, lineEnds, measure));
    // (0, 0) always belongs: the box reaches from it to the far edges.
    return {std::min<std::int64_t>(all.left, 0), std::min<std::int64_t>(all.top, 0),
            std::max<std::int64_t>(all.right + 1, 0), std::max<std::int64_t>(all.bottom + 1, 0)};
}
