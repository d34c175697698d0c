#include "ViewMapping.h"

#include <algorithm>
#include <limits>

namespace {

int ShiftOf(int step) { return std::clamp(step, 0, kZoomSteps - 1) - kActualSize; }

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The multiple of kOriginUnit at or below v.
std::int64_t FloorToUnit(std::int64_t v) { return FloorDiv(v, kOriginUnit) * kOriginUnit; }

std::int32_t ToInt32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Window pixels to canvas pixels and back along one axis.
std::int64_t ToCanvas(std::int64_t zoomed, int shift) {
    return shift >= 0 ? FloorDiv(zoomed, std::int64_t{1} << shift) : zoomed * (std::int64_t{1} << -shift);
}
std::int64_t ToZoomed(std::int64_t canvas, int shift) {
    return shift >= 0 ? canvas * (std::int64_t{1} << shift) : FloorDiv(canvas, std::int64_t{1} << -shift);
}

// A canvas along one axis: its start in drawing coordinates and its length.
struct Span {
    std::int64_t start = 0;
    std::int64_t length = 1;
};

Span Needed(std::int64_t low, std::int64_t high, std::int64_t cell) {
    const std::int64_t start = low < 0 ? FloorToUnit(low - cell) : 0;
    return {start, std::max<std::int64_t>(high + cell, 1) - start};
}

// Shortens a span to `length`, from its part below zero first, by whole
// kOriginUnit there so that it keeps starting at a multiple of it, then from
// its far end.
void Cut(Span& span, std::int64_t length) {
    length = std::max<std::int64_t>(length, 1);
    if (span.length <= length) return;
    const std::int64_t fromBelow =
        FloorToUnit(std::clamp<std::int64_t>(span.length - length, 0, -std::min<std::int64_t>(span.start, 0)));
    span.start += fromBelow;
    span.length = length;
}

// Cuts both spans to the caps, the longer one when there are too many pixels.
void CutToCaps(Span& x, Span& y, std::int64_t maxSide, std::int64_t maxPixels) {
    Cut(x, maxSide);
    Cut(y, maxSide);
    if (x.length > maxPixels / y.length) {
        if (x.length >= y.length)
            Cut(x, maxPixels / y.length);
        else
            Cut(y, maxPixels / x.length);
    }
}

// The canvas along one axis when the content does not fit the caps: the
// drawing's own canvas `need` within `length` pixels of the content, placed
// to show from where the window starts as far as that keeps the drawing.
Span PlaceCanvas(const Span& content, const Span& need, std::int64_t shownStart,
                 std::int64_t length) {
    if (length >= content.length) return content;
    length = std::max(FloorToUnit(length), need.length);
    const std::int64_t needEnd = need.start + need.length;
    const std::int64_t contentEnd = content.start + content.length;
    const std::int64_t lowest = -FloorToUnit(-std::max(content.start, needEnd - length));
    const std::int64_t highest = FloorToUnit(std::min(need.start, contentEnd - length));
    if (lowest > highest) return {need.start, std::min(length, contentEnd - need.start)};
    return {std::clamp(FloorToUnit(shownStart), lowest, highest), length};
}

CanvasLayout ToLayout(const Span& x, const Span& y) {
    return {{ToInt32(x.start), ToInt32(y.start)},
            static_cast<std::int32_t>(std::clamp<std::int64_t>(x.length, 1, std::numeric_limits<std::int32_t>::max())),
            static_cast<std::int32_t>(std::clamp<std::int64_t>(y.length, 1, std::numeric_limits<std::int32_t>::max()))};
}

// The content never grows past this on a side, so that its length at 800 %
// stays within the range of a scroll bar.
constexpr std::int64_t kMaxContentSide = std::int64_t{1} << 27;

} // namespace

std::string ZoomText(int step) {
    static const char* const texts[kZoomSteps] = {"12,5 %", "25 %",  "50 %", "100 %",
                                                  "200 %",  "400 %", "800 %"};
    return texts[std::clamp(step, 0, kZoomSteps - 1)];
}

std::int64_t ZoomedLength(std::int64_t canvasLength, int step) {
    const int shift = ShiftOf(step);
    if (shift >= 0) return canvasLength << shift;
    const std::int64_t unit = std::int64_t{1} << -shift;
    return (canvasLength + unit - 1) / unit;
}

std::int64_t ZoomedOrigin(std::int64_t drawing, int step) { return ToZoomed(drawing, ShiftOf(step)); }

POINT ViewMapping::ToDrawing(POINT window) const {
    const int shift = ShiftOf(step);
    return {ToInt32(ToCanvas(window.x + offsetX, shift)), ToInt32(ToCanvas(window.y + offsetY, shift))};
}

POINT ViewMapping::ToWindow(POINT drawing) const {
    const int shift = ShiftOf(step);
    return {ToInt32(ToZoomed(drawing.x, shift) - offsetX), ToInt32(ToZoomed(drawing.y, shift) - offsetY)};
}

DrawingBounds ViewMapping::Shown(std::int64_t width, std::int64_t height) const {
    const int shift = ShiftOf(step);
    // The first canvas pixel a window column shows, and the one after the
    // last (the last one shown in part when zoomed in).
    const auto from = [shift](std::int64_t zoomed) { return ToCanvas(zoomed, shift); };
    const auto upTo = [shift](std::int64_t zoomed) {
        return shift >= 0 ? -FloorDiv(-zoomed, std::int64_t{1} << shift) : ToCanvas(zoomed, shift);
    };
    return {from(offsetX), from(offsetY), upTo(offsetX + width), upTo(offsetY + height)};
}

CanvasLayout DrawingCanvas(const DrawingBounds& drawing, std::int64_t cell, std::int64_t maxSide,
                           std::int64_t maxPixels) {
    cell = std::max<std::int64_t>(cell, 0);
    Span x = Needed(drawing.left, drawing.right, cell);
    Span y = Needed(drawing.top, drawing.bottom, cell);
    CutToCaps(x, y, maxSide, maxPixels);
    return ToLayout(x, y);
}

ViewLayout LayoutView(const DrawingBounds& drawing, std::int64_t cell, const ViewMapping& map,
                      const ViewArea& area) {
    const CanvasLayout own = DrawingCanvas(drawing, cell);
    ViewLayout layout;
    Span x, y;
    // A bar takes room from the other direction, which may then need its
    // own bar; bars are only added, so this settles within three rounds.
    for (int round = 0; round < 3; ++round) {
        layout.viewportWidth = std::max(area.width - (layout.bars.vertical ? area.barThickness : 0), 1);
        layout.viewportHeight = std::max(area.height - (layout.bars.horizontal ? area.barThickness : 0), 1);
        const DrawingBounds shown = map.Shown(layout.viewportWidth, layout.viewportHeight);
        x.start = FloorToUnit(std::min<std::int64_t>(own.origin.x, shown.left));
        y.start = FloorToUnit(std::min<std::int64_t>(own.origin.y, shown.top));
        x.length = std::min(std::max<std::int64_t>(own.origin.x + own.width, shown.right) - x.start, kMaxContentSide);
        y.length = std::min(std::max<std::int64_t>(own.origin.y + own.height, shown.bottom) - y.start, kMaxContentSide);
        ScrollBarsShown bars = layout.bars;
        bars.horizontal = bars.horizontal || ZoomedLength(x.length, map.step) > layout.viewportWidth;
        bars.vertical = bars.vertical || ZoomedLength(y.length, map.step) > layout.viewportHeight;
        if (bars == layout.bars) break;
        layout.bars = bars;
    }
    layout.content = ToLayout(x, y);
    // Past the caps the canvas keeps the drawing's own and as much of what
    // the window shows as fits, the longer side given up first; it then
    // ends at a whole kOriginUnit, so that the reduced window pixels along
    // its edge average canvas pixels only.
    std::int64_t w = std::min(x.length, kMaxViewSide), h = std::min(y.length, kMaxViewSide);
    if (w * h > kMaxViewPixels) {
        if (w >= h) {
            w = std::max<std::int64_t>(own.width, kMaxViewPixels / h);
            h = std::min(h, kMaxViewPixels / w);
        } else {
            h = std::max<std::int64_t>(own.height, kMaxViewPixels / w);
            w = std::min(w, kMaxViewPixels / h);
        }
    }
    const DrawingBounds shown = map.Shown(layout.viewportWidth, layout.viewportHeight);
    layout.canvas = ToLayout(PlaceCanvas(x, {own.origin.x, own.width}, shown.left, w),
                             PlaceCanvas(y, {own.origin.y, own.height}, shown.top, h));
    return layout;
}

int FitStep(const DrawingBounds& drawing, std::int64_t cell, const ViewArea& area) {
    const CanvasLayout own = DrawingCanvas(drawing, cell);
    for (int step = kZoomSteps - 1; step > 0; --step)
        if (ZoomedLength(own.width, step) <= area.width && ZoomedLength(own.height, step) <= area.height)
            return step;
    return 0;
}
