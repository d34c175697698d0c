// Painting cost of the rasteriser alone, on a 1920x1080 pixel buffer: whole
// canvases of generated drawings, each kind of shape on its own, flood fills
// over the full area and through a serpentine, and lines from far outside.
#include "common/DrawingGenerator.h"
#include "model/CPluvoDoc.h"
#include "render/Canvas.h"
#include "render/DrawingIndex.h"
#include "render/RasterSurface.h"

#include <benchmark/benchmark.h>

#include <limits>
#include <map>
#include <vector>

namespace {

constexpr int kWidth = kBenchWidth;
constexpr int kHeight = kBenchHeight;

CPluvoDoc& Drawing(std::size_t figures) { return CachedDrawing(figures); }

struct Buffer {
    std::vector<Pixel> pixels = std::vector<Pixel>(std::size_t{kWidth} * kHeight, 0xFFFFFFFFu);
    RasterSurface Surface() { return RasterSurface(pixels.data(), kWidth, kHeight, kWidth); }
};

void PaintDrawing(benchmark::State& state) {
    CPluvoDoc& doc = Drawing(static_cast<std::size_t>(state.range(0)));
    Buffer buffer;
    for (auto _ : state) {
        RasterSurface surface = buffer.Surface();
        OnDraw(surface, doc, {kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PaintDrawing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same as the window paints it, with the drawing's index at hand: the
// figures that later filled shapes hide are left out.
void PaintDrawingWithItsIndex(benchmark::State& state) {
    CPluvoDoc& doc = Drawing(static_cast<std::size_t>(state.range(0)));
    Pixel measurePixel = 0;
    RasterSurface measure(&measurePixel, 1, 1, 1);
    DrawingIndex index;
    index.Rebuild(doc, measure);
    CanvasView view{kWidth, kHeight};
    view.lineEnds = &index.LineEnds();
    view.index = &index;
    Buffer buffer;
    for (auto _ : state) {
        RasterSurface surface = buffer.Surface();
        OnDraw(surface, doc, view);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PaintDrawingWithItsIndex)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same with every figure selected, as after "select all": the marks of
// all figures come on top.
void PaintAllSelected(benchmark::State& state) {
    CPluvoDoc doc = GenerateDrawing(static_cast<std::size_t>(state.range(0)));
    for (std::uint32_t k = 0; k < Writable(doc).figures.size(); ++k) WritableSelection(doc).push_back(k);
    Buffer buffer;
    for (auto _ : state) {
        RasterSurface surface = buffer.Surface();
        OnDraw(surface, doc, {kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PaintAllSelected)->Arg(100000)->Unit(benchmark::kMillisecond);

// One kind of shape, 1000 of them spread over the buffer, 40 to 440 pixels
// wide: filled with an outline, hollow, or outlined with a wide pen.
enum class Kind { Ellipse, Rectangle, Polygon, ThinLine, WideLine, DottedEllipse };

void Shapes(benchmark::State& state, Kind kind) {
    Buffer buffer;
    const bool filled = state.range(0) != 0;
    std::uint32_t seed = 12345;
    const auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<std::int32_t>((seed >> 8) % static_cast<std::uint32_t>(n));
    };
    struct Box {
        std::int32_t l, t, r, b;
    };
    std::vector<Box> boxes;
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t l = next(kWidth - 40), t = next(kHeight - 40);
        boxes.push_back({l, t, l + 40 + next(400), t + 40 + next(300)});
    }
    std::int64_t shapes = 0;
    for (auto _ : state) {
        RasterSurface surface = buffer.Surface();
        surface.SelectBrush(filled ? Brush::Solid(0x336699) : Brush::Hollow());
        surface.SelectPen({kind == Kind::DottedEllipse ? PenStyle::Dot : PenStyle::Solid,
                           kind == Kind::WideLine ? 4 : 1, 0x102030});
        for (const Box& box : boxes) {
            switch (kind) {
            case Kind::Ellipse:
            case Kind::DottedEllipse:
                surface.Ellipse(box.l, box.t, box.r, box.b);
                break;
            case Kind::Rectangle:
                surface.Rectangle(box.l, box.t, box.r, box.b);
                break;
            case Kind::Polygon: {
                const POINT points[6] = {{box.l, box.t},         {box.r, box.t + 10},
                                         {box.r - 20, box.b},    {(box.l + box.r) / 2, box.t + 30},
                                         {box.l + 5, box.b - 5}, {box.l, (box.t + box.b) / 2}};
                surface.Polygon(points, 6);
                break;
            }
            case Kind::ThinLine:
            case Kind::WideLine:
                surface.MoveToEx(box.l, box.t);
                surface.LineTo(box.r, box.b);
                break;
            }
        }
        shapes += static_cast<std::int64_t>(boxes.size());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(shapes);
}
BENCHMARK_CAPTURE(Shapes, ellipse, Kind::Ellipse)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Shapes, rectangle, Kind::Rectangle)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Shapes, polygon, Kind::Polygon)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Shapes, thin_line, Kind::ThinLine)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Shapes, wide_line, Kind::WideLine)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Shapes, dotted_ellipse, Kind::DottedEllipse)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

void FloodFillFullArea(benchmark::State& state) {
    Buffer buffer;
    RasterSurface surface = buffer.Surface();
    std::uint32_t colour = 0x102030;
    for (auto _ : state) {
        surface.SelectBrush(Brush::Solid(colour++));
        surface.FloodFill(kWidth / 2, kHeight / 2, 0x000000);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(FloodFillFullArea)->Unit(benchmark::kMillisecond);

// A serpentine of 4000 x 4000 pixels between walls two pixels apart: every
// run of the fill is one pixel wide, the worst case for a scanline fill.
void FloodFillSerpentine(benchmark::State& state) {
    constexpr int side = 4000;
    std::vector<Pixel> pixels(std::size_t{side} * side, 0xFFFFFFFFu);
    RasterSurface surface(pixels.data(), side, side, side);
    for (int x = 2; x < side; x += 2) {
        const bool fromTop = (x / 2) % 2 == 1;
        surface.MoveToEx(x, fromTop ? 0 : 1);
        surface.LineTo(x, fromTop ? side - 1 : side);
    }
    std::uint32_t colour = 0x102030;
    for (auto _ : state) {
        surface.SelectBrush(Brush::Solid(colour++));
        surface.FloodFill(1, 100, 0x000000);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * side * side / 2);
}
BENCHMARK(FloodFillSerpentine)->Unit(benchmark::kMillisecond);

// Lines between points near the ends of the 32-bit range that cross the
// buffer: they cost their visible pixels, not their length.
void FarOutLines(benchmark::State& state) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    Buffer buffer;
    RasterSurface surface = buffer.Surface();
    surface.SelectPen({state.range(0) ? PenStyle::Dot : PenStyle::Solid, 1, 0});
    std::int32_t k = 0;
    for (auto _ : state) {
        surface.MoveToEx(lo, lo + k);
        surface.LineTo(hi, hi - k);
        surface.MoveToEx(lo + k, 500);
        surface.LineTo(hi - k, 600);
        k = (k + 7919) % 1000000;
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(FarOutLines)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
