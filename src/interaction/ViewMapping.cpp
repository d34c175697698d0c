#include "ViewMapping.h"

#include <algorithm>
#include <limits>

namespace {

int ShiftOf(int step) { return std::clamp(step, 0, kZoomSteps - 1) - kActualSize; }

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

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

// The extent of the canvas along one axis: its start in drawing coordinates
// and its length.
struct Span {
    std::int64_t start = 0;
    std::int64_t length = 0;
};

Span Needed(std::int64_t low, std::int64_t high, std::int64_t cell) {
    const std::int64_t start = low < 0 ? low - cell : 0;
    return {start, std::max<std::int64_t>(high + cell, 1) - start};
}

// Shortens a span to `length`, from its part below zero first.
void Cut(Span& span, std::int64_t length) {
    if (span.length <= length) return;
    const std::int64_t fromBelow = std::min(span.length - length, -span.start);
    span.start += fromBelow;
    span.length = std::max<std::int64_t>(length, 1);
}

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

POINT ViewMapping::ToDrawing(POINT window) const {
    const int shift = ShiftOf(step);
    return {ToInt32(ToCanvas(window.x + scrollX, shift) + origin.x),
            ToInt32(ToCanvas(window.y + scrollY, shift) + origin.y)};
}

POINT ViewMapping::ToWindow(POINT drawing) const {
    const int shift = ShiftOf(step);
    return {ToInt32(ToZoomed(std::int64_t{drawing.x} - origin.x, shift) - scrollX),
            ToInt32(ToZoomed(std::int64_t{drawing.y} - origin.y, shift) - scrollY)};
}

ScrollBarsShown BarsFor(std::int64_t contentW, std::int64_t contentH, std::int32_t areaW,
                        std::int32_t areaH, std::int32_t thickness) {
    ScrollBarsShown bars{contentW > areaW, contentH > areaH};
    if (bars.horizontal && !bars.vertical) bars.vertical = contentH > areaH - thickness;
    if (bars.vertical && !bars.horizontal) bars.horizontal = contentW > areaW - thickness;
    return bars;
}

CanvasLayout LayoutCanvas(const DrawingBounds& drawing, std::int64_t cell, std::int32_t areaW,
                          std::int32_t areaH, std::int32_t thickness) {
    cell = std::max<std::int64_t>(cell, 0);
    Span x = Needed(drawing.left, drawing.right, cell);
    Span y = Needed(drawing.top, drawing.bottom, cell);
    const ScrollBarsShown bars = BarsFor(x.length, y.length, areaW, areaH, thickness);
    x.length = std::max<std::int64_t>(x.length, areaW - (bars.vertical ? thickness : 0));
    y.length = std::max<std::int64_t>(y.length, areaH - (bars.horizontal ? thickness : 0));
    Cut(x, kMaxViewSide);
    Cut(y, kMaxViewSide);
    if (x.length * y.length > kMaxViewPixels) {
        if (x.length >= y.length)
            Cut(x, kMaxViewPixels / y.length);
        else
            Cut(y, kMaxViewPixels / x.length);
    }
    return {{ToInt32(x.start), ToInt32(y.start)},
            static_cast<std::int32_t>(std::max<std::int64_t>(x.length, 1)),
            static_cast<std::int32_t>(std::max<std::int64_t>(y.length, 1))};
}

int FitStep(const DrawingBounds& drawing, std::int64_t cell, const CanvasLayout& canvas,
            std::int32_t areaW, std::int32_t areaH, std::int32_t thickness) {
    cell = std::max<std::int64_t>(cell, 0);
    const std::int64_t w = std::min<std::int64_t>(
        std::max<std::int64_t>(drawing.right + cell, 1) - canvas.origin.x, canvas.width);
    const std::int64_t h = std::min<std::int64_t>(
        std::max<std::int64_t>(drawing.bottom + cell, 1) - canvas.origin.y, canvas.height);
    for (int step = kZoomSteps - 1; step > 0; --step) {
        const ScrollBarsShown bars =
            BarsFor(ZoomedLength(canvas.width, step), ZoomedLength(canvas.height, step), areaW,
                    areaH, thickness);
        if (ZoomedLength(w, step) <= areaW - (bars.vertical ? thickness : 0) &&
            ZoomedLength(h, step) <= areaH - (bars.horizontal ? thickness : 0))
            return step;
    }
    return 0;
}
