#include "Canvas.h"

#include "DrawingIndex.h"
#include "HiddenFigures.h"
#include "LineEndIndex.h"
#include "OriginSurface.h"
#include "SchilderFiguur.h"
#include "model/CPluvoDoc.h"
#include "model/Int32.h"
#include "model/Operations.h"

#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

// The print factor as a usable multiplier; the run value is 2, 4, 5 or 10.
std::int64_t PrintFactorOf(const CPluvoDoc& doc) {
    return doc.PrintFactor < 1 ? 1 : doc.PrintFactor;
}

void DrawGridLine(Surface& surface, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                  std::int64_t y1) {
    surface.MoveToEx(static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0));
    surface.LineTo(static_cast<std::int32_t>(x1), static_cast<std::int32_t>(y1));
}

// The smallest k with k * g at or after v (g > 0).
std::int64_t FirstMultiple(std::int64_t v, std::int64_t g) {
    return v >= 0 ? (v + g - 1) / g : -((-v) / g);
}

} // namespace

void SchilderRaster(Surface& surface, const CPluvoDoc& doc, std::int64_t g, std::int32_t width,
                    std::int32_t height, POINT origin) {
    if (g < 1) return;
    const Pen previous = surface.SelectPen({PenStyle::Solid, 1, doc.drawing().KleurRaster});
    const int n = g <= 10 ? 10 : 5;
    // Every n-th line from the drawing's (0, 0) on is doubled, on both sides.
    const std::int64_t left = origin.x, top = origin.y;
    const std::int64_t right = left + width, bottom = top + height;
    for (std::int64_t k = FirstMultiple(left, g); k * g < right; ++k) {
        if (k != 0 && k % n == 0) DrawGridLine(surface, k * g - 1, top, k * g - 1, bottom);
        DrawGridLine(surface, k * g, top, k * g, bottom);
    }
    for (std::int64_t k = FirstMultiple(top, g); k * g < bottom; ++k) {
        if (k != 0 && k % n == 0) DrawGridLine(surface, left, k * g - 1, right, k * g - 1);
        DrawGridLine(surface, left, k * g, right, k * g);
    }
    surface.SelectPen(previous);
}

void SchilderCoordinaten(Surface& surface, const CPluvoDoc& doc, std::int32_t width,
                         std::int32_t height, POINT origin) {
    const std::int64_t g = doc.drawing().SizeRaster;
    if (g < 1) return;
    const std::int64_t factor = surface.IsPrinting() ? PrintFactorOf(doc) : 1;
    const std::int64_t step = (g / 2 + 100 * factor) / g * g;
    if (step < 1) return;

    LogFont font;
    font.lfHeight = static_cast<std::int32_t>(-10 * factor);
    font.lfWeight = 300;
    font.lfCharSet = 0;        // ANSI_CHARSET
    font.lfOutPrecision = 4;   // OUT_TT_PRECIS
    font.lfClipPrecision = 0;  // CLIP_DEFAULT_PRECIS
    font.lfQuality = 2;        // PROOF_QUALITY
    font.lfPitchAndFamily = 0; // DEFAULT_PITCH | FF_DONTCARE
    font.SetFaceName("Tahoma");
    const LogFont previous = surface.SelectFont(font);
    surface.SetBkMode(BkMode::Transparent);
    const std::int64_t left = origin.x, top = origin.y;
    for (std::int64_t x = FirstMultiple(left, step) * step; x < left + width; x += step)
        surface.TextOut(static_cast<std::int32_t>(x), origin.y, std::to_string(x));
    for (std::int64_t y = FirstMultiple(top, step) * step; y < top + height; y += step)
        surface.TextOut(origin.x, static_cast<std::int32_t>(y), std::to_string(y));
    surface.SelectFont(previous);
}

void SchilderSelectie(Surface& surface, const CPluvoDoc& doc) {
    const std::int32_t w = surface.IsPrinting() ? static_cast<std::int32_t>(PrintFactorOf(doc)) : 1;
    SchilderSelectieMarks(surface, SelectionMarkPoints(doc), w);
}

std::vector<POINT> SelectionMarkPoints(const CPluvoDoc& doc) {
    const std::vector<Figuur>& figures = doc.drawing().figures;
    std::vector<POINT> points;
    points.reserve(2 * doc.Selection().size());
    for (std::uint32_t k : doc.Selection()) {
        if (k >= figures.size()) continue;
        points.push_back(figures[k].p1);
        points.push_back(figures[k].p2);
    }
    return points;
}

void SchilderSelectieMarks(Surface& surface, std::span<const POINT> points, std::int32_t width) {
    const std::int32_t a = 3 * width;
    const Pen previous = surface.SelectPen({PenStyle::Solid, width, 0});
    surface.SelectBrush(Brush::Hollow());
    for (const POINT p : points)
        surface.Ellipse(i32::sub(p.x, a), i32::sub(p.y, a), i32::add(i32::add(p.x, a), 1),
                        i32::add(i32::add(p.y, a), 1));
    surface.SelectPen(previous);
}

CPluvoDoc EnlargedForPrinting(const CPluvoDoc& doc) {
    StoredDrawing enlarged{doc.drawing(), doc.current};
    const auto percent = static_cast<std::int32_t>(PrintFactorOf(doc) * 100);
    Schaal(enlarged.drawing, percent, percent);
    CPluvoDoc page(std::move(enlarged), doc.Selection());
    page.SnapDistance = doc.SnapDistance;
    page.PrintFactor = doc.PrintFactor;
    return page;
}

namespace {

// Fewer figures than this between two flood fills are drawn on one thread:
// starting the second would cost more than it saves.
constexpr std::size_t kFiguresPerThread = 256;

// Runs draw(surface) for the whole canvas, on two threads when the surface
// can split its rows: the lower half on a band of its own on a second
// thread, the upper half on the surface itself, which so ends with the state
// that drawing everything on it would leave. The rows do not overlap, so the
// pixels are those of drawing on one thread. False when the surface cannot
// split, and nothing was drawn.
template <class Draw> bool OnTwoThreads(Surface& surface, std::int32_t height, Draw draw) {
    const std::int32_t split = height / 2;
    if (split < 1) return false;
    std::unique_ptr<Surface> band = surface.RowBand(split, height);
    if (!band || !surface.LimitRows(0, split)) return false;
    std::thread lower([&band, &draw] { draw(*band); });
    draw(surface);
    lower.join();
    surface.LimitRows(0, height);
    return true;
}

bool TwoThreadsAvailable() {
    static const bool available = std::thread::hardware_concurrency() > 1;
    return available;
}

void PaintMarks(Surface& surface, const CPluvoDoc& doc, const CanvasView& view) {
    if (view.marks != SelectionMarks::Show) return;
    const auto marks = [&doc](Surface& s) { SchilderSelectie(s, doc); };
    if (!(TwoThreadsAvailable() && !surface.IsPrinting() &&
          doc.Selection().size() >= kFiguresPerThread &&
          OnTwoThreads(surface, surface.VertRes(), marks)))
        marks(surface);
}

// Draws the listed figures (ascending) in order, on two threads when there
// are many. From the first text on a paint draws with a transparent
// background, as the text itself leaves it, even where that text is left out.
void PaintListed(Surface& surface, const CPluvoDoc& doc, const std::vector<std::uint32_t>& listed,
                 std::size_t firstText, const LineEndIndex& lineEnds,
                 std::optional<POINT> origin = std::nullopt) {
    const std::vector<Figuur>& list = doc.drawing().figures;
    const auto draw = [&](Surface& rows) {
        const auto paint = [&](Surface& at) {
            for (const std::uint32_t i : listed) {
                if (i > firstText) at.SetBkMode(BkMode::Transparent);
                SchilderFiguur(at, doc, list[i], lineEnds);
            }
        };
        if (!origin) return paint(rows);
        OriginSurface at(rows, *origin);
        paint(at);
    };
    if (!(TwoThreadsAvailable() && listed.size() >= kFiguresPerThread &&
          OnTwoThreads(surface, surface.VertRes(), draw)))
        draw(surface);
}

void PaintFigures(Surface& surface, const CPluvoDoc& doc, const CanvasView& view) {
    const bool parallel = TwoThreadsAvailable() && !surface.IsPrinting();
    const std::vector<Figuur>& figures = doc.drawing().figures;
    const DrawingIndex* index = view.index;
    if (index && !surface.IsPrinting() && !index->HasFills() && index->Describes(doc)) {
        // The screen with the figures that later ones do not hide.
        std::vector<std::uint32_t> listed(figures.size());
        for (std::size_t i = 0; i < listed.size(); ++i) listed[i] = static_cast<std::uint32_t>(i);
        DropHidden(listed, doc, *index,
                   {view.origin.x, view.origin.y, std::int64_t{view.origin.x} + view.width - 1,
                    std::int64_t{view.origin.y} + view.height - 1});
        PaintListed(surface, doc, listed, index->FirstText(doc), index->LineEnds());
        PaintMarks(surface, doc, view);
        return;
    }
    // Figures that do not snap to the grid are pulled onto these as they
    // are drawn. A printed page's drawing is enlarged, its line ends too.
    std::optional<LineEndIndex> own;
    if (!view.lineEnds || surface.IsPrinting()) own.emplace(figures, doc.SnapDistance);
    const LineEndIndex& lineEnds = own ? *own : *view.lineEnds;
    const std::int32_t height = surface.VertRes();
    // A flood fill needs the canvas as all figures before it left it: the
    // figures between two fills are drawn in rows split between threads,
    // each fill on its own.
    std::size_t k = 0;
    while (k < figures.size()) {
        std::size_t end = k;
        while (end < figures.size() && figures[end].FiguurType != Opvullen) ++end;
        const auto drawRun = [&](Surface& s) {
            for (std::size_t i = k; i < end; ++i) SchilderFiguur(s, doc, figures[i], lineEnds);
        };
        if (!(parallel && end - k >= kFiguresPerThread && OnTwoThreads(surface, height, drawRun)))
            drawRun(surface);
        if (end < figures.size()) SchilderFiguur(surface, doc, figures[end], lineEnds);
        k = end + 1;
    }
    PaintMarks(surface, doc, view);
}

// The background, the grid and the labels of the canvas.
void PaintBackground(Surface& surface, const CPluvoDoc& doc, const CanvasView& view) {
    const bool printing = surface.IsPrinting();
    const std::int32_t width = printing ? surface.HorzRes() : view.width;
    const std::int32_t height = printing ? surface.VertRes() : view.height;
    if (printing) {
        if (doc.drawing().MetRaster != 0)
            SchilderRaster(surface, doc, doc.drawing().SizeRaster * PrintFactorOf(doc), width, height,
                           view.origin);
    } else {
        surface.FillSolidRect(view.origin.x, view.origin.y, width, height, doc.drawing().KleurAchtergrond);
        if (doc.drawing().MetRaster != 0)
            SchilderRaster(surface, doc, doc.drawing().SizeRaster, width, height, view.origin);
    }
    if (doc.drawing().MetCoord != 0)
        SchilderCoordinaten(surface, doc, width, height, view.origin);
}

} // namespace

void OnDraw(Surface& surface, const CPluvoDoc& doc, const CanvasView& view) {
    const bool printing = surface.IsPrinting();
    PaintBackground(surface, doc, view);
    if (printing)
        PaintFigures(surface, EnlargedForPrinting(doc), view);
    else
        PaintFigures(surface, doc, view);

    if (view.polygonMarks.empty()) return;
    if (!printing) {
        SchilderPolygoonMarks(surface, view.polygonMarks);
        return;
    }
    std::vector<POINT> enlarged(view.polygonMarks.begin(), view.polygonMarks.end());
    const auto factor = static_cast<std::int32_t>(PrintFactorOf(doc));
    for (POINT& p : enlarged) p = {i32::mul(p.x, factor), i32::mul(p.y, factor)};
    SchilderPolygoonMarks(surface, enlarged);
}

bool RepaintPart(Surface& canvas, const CPluvoDoc& doc, const CanvasView& view,
                 const DrawingIndex& index, const PixelBox& box) {
    if (canvas.IsPrinting()) return false;
    // The part within the canvas, in the canvas's own pixels.
    const std::int64_t left = std::max<std::int64_t>(box.left - view.origin.x, 0);
    const std::int64_t top = std::max<std::int64_t>(box.top - view.origin.y, 0);
    const std::int64_t right = std::min<std::int64_t>(box.right - view.origin.x, view.width - 1);
    const std::int64_t bottom = std::min<std::int64_t>(box.bottom - view.origin.y, view.height - 1);
    if (box.Empty() || left > right || top > bottom) return true;
    const std::unique_ptr<Surface> part =
        canvas.Window(static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                      static_cast<std::int32_t>(right - left + 1),
                      static_cast<std::int32_t>(bottom - top + 1));
    if (!part) return false;
    OriginSurface shifted(*part, {static_cast<std::int32_t>(view.origin.x + left),
                                  static_cast<std::int32_t>(view.origin.y + top)});
    // The whole canvas's background, grid and labels, of which the part
    // keeps its own pixels.
    PaintBackground(shifted, doc, view);
    const PixelBox region{view.origin.x + left, view.origin.y + top, view.origin.x + right,
                          view.origin.y + bottom};
    std::vector<std::uint32_t> figures;
    index.FiguresIn(region, figures);
    if (!index.HasFills()) DropHidden(figures, doc, index, region);
    PaintListed(*part, doc, figures, index.FirstText(doc), index.LineEnds(),
                POINT{static_cast<std::int32_t>(region.left), static_cast<std::int32_t>(region.top)});
    return true;
}

namespace {

// The pen, brush and raster operation of the polygon marks for one drawing:
// a solid black pen of one pixel and no fill under not-xor, so that drawing
// the marks twice gives back exactly what the canvas held. The surface's
// own are put back afterwards.
class MarkPen : public ScopedDrawingState {
public:
    explicit MarkPen(Surface& surface)
        : ScopedDrawingState(surface, {PenStyle::Solid, 1, 0}, Brush::Hollow(), Rop2::NotXorPen) {}
};

} // namespace

void SchilderPolygoonMarks(Surface& surface, std::span<const POINT> points) {
    if (points.empty()) return;
    const MarkPen pen(surface);
    const POINT p = points.front();
    surface.Ellipse(i32::sub(p.x, 5), i32::sub(p.y, 5), i32::add(p.x, 6), i32::add(p.y, 6));
    for (std::size_t k = 1; k < points.size(); ++k) {
        surface.MoveToEx(points[k - 1].x, points[k - 1].y);
        surface.LineTo(points[k].x, points[k].y);
    }
}

void SchilderPolygoonSegment(Surface& surface, POINT from, POINT to) {
    const MarkPen pen(surface);
    surface.MoveToEx(from.x, from.y);
    surface.LineTo(to.x, to.y);
}
