// The gesture machine on a 1920x1080 canvas holding a generated drawing:
// one mouse move during a line gesture, and placing a figure (first click,
// move, second click). Each has a twin that only draws what the machine
// draws (the band, the figure), so that the difference is the machine's own
// cost: snapping, status texts and bookkeeping.
#include "common/DrawingGenerator.h"
#include "interaction/Gesture.h"
#include "model/CPluvoDoc.h"
#include "render/Canvas.h"
#include "render/RasterSurface.h"
#include "render/Rubberband.h"
#include "render/SchilderFiguur.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Panes : GestureStatus {
    std::string text[2];
    void SetPaneText(int pane, const std::string& t) override { text[pane] = t; }
};

// A drawing painted onto a canvas, as the view holds it.
struct Canvas {
    CPluvoDoc doc;
    std::vector<Pixel> pixels = std::vector<Pixel>(std::size_t{kWidth} * kHeight, 0);
    RasterSurface surface{pixels.data(), kWidth, kHeight, kWidth};

    Canvas(std::size_t figures, std::int32_t rsterPnt) : doc(GenerateDrawing(figures)) {
        doc.current.FiguurType = Lijn;
        doc.current.RsterPnt = rsterPnt;
        OnDraw(surface, doc, {kWidth, kHeight});
    }
};

// Pointer positions spread over the canvas, about 400 pixels from (900, 500).
POINT Pointer(std::int64_t i) {
    const auto k = static_cast<std::int32_t>(i % 64);
    return {1200 + k * 3, 760 - k * 5};
}

void MoveDuringLine(benchmark::State& state) {
    Canvas canvas(static_cast<std::size_t>(state.range(0)), 1);
    Panes panes;
    EditRoad road(canvas.doc);
    Gesture gesture(canvas.doc, road, panes);
    gesture.LeftButtonDown(canvas.surface, {900, 500}, {});
    std::int64_t i = 0;
    for (auto _ : state) {
        gesture.MouseMove(canvas.surface, Pointer(i++));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MoveDuringLine)->Arg(100000)->Unit(benchmark::kMicrosecond);

// What a move draws: the old band off, the new one on.
void BandOnly(benchmark::State& state) {
    Canvas canvas(static_cast<std::size_t>(state.range(0)), 1);
    CPluvoDoc& doc = canvas.doc;
    doc.current.p1 = {896, 512};
    const LineEndIndex ends(doc.drawing().figures, doc.SnapDistance);
    Figuur shown = doc.current;
    std::int64_t i = 0;
    for (auto _ : state) {
        Rubberband(canvas.surface, doc, shown, ShiftHeld::No, ends);
        doc.current.p2 = Pointer(i++);
        Rubberband(canvas.surface, doc, doc.current, ShiftHeld::No, ends);
        shown = doc.current;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BandOnly)->Arg(100000)->Unit(benchmark::kMicrosecond);

// One mouse move of the copy tool with every figure selected: the preview
// of all copies off at the old place and on at the new one. With grid 0 the
// drawing is as generated: half the figures do not snap to the grid, and
// nearly all of their copies are pulled onto line ends, which lie close
// together in it; with grid 1 every figure snaps to the grid.
void MoveDuringCopy(benchmark::State& state) {
    Canvas canvas(static_cast<std::size_t>(state.range(0)), 1);
    CPluvoDoc& doc = canvas.doc;
    if (state.range(1) != 0)
        for (Figuur& f : Writable(doc).figures) f.RsterPnt = 1;
    for (std::uint32_t k = 0; k < Writable(doc).figures.size(); ++k) WritableSelection(doc).push_back(k);
    doc.current.FiguurType = Kopieer;
    Panes panes;
    EditRoad road(doc);
    Gesture gesture(doc, road, panes);
    gesture.LeftButtonDown(canvas.surface, {900, 500}, {});
    std::int64_t i = 0;
    for (auto _ : state) {
        gesture.MouseMove(canvas.surface, Pointer(i++));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MoveDuringCopy)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->ArgNames({"selected", "grid"})
    ->Unit(benchmark::kMillisecond);

// The first move of a copy gesture with every figure selected, which draws
// the preview's mask (grid 1: no copy snaps to line ends).
void FirstMoveOfCopy(benchmark::State& state) {
    Canvas canvas(static_cast<std::size_t>(state.range(0)), 1);
    CPluvoDoc& doc = canvas.doc;
    for (Figuur& f : Writable(doc).figures) f.RsterPnt = 1;
    for (std::uint32_t k = 0; k < Writable(doc).figures.size(); ++k) WritableSelection(doc).push_back(k);
    doc.current.FiguurType = Kopieer;
    Panes panes;
    EditRoad road(doc);
    std::int64_t i = 0;
    for (auto _ : state) {
        Gesture gesture(doc, road, panes);
        gesture.LeftButtonDown(canvas.surface, {900, 500}, {});
        gesture.MouseMove(canvas.surface, Pointer(i++));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FirstMoveOfCopy)->Arg(100000)->Unit(benchmark::kMillisecond);

// First click, one move, second click: a line is placed and the drawing
// grows by one figure per iteration. With RsterPnt 0 the placed line is also
// pulled onto line ends.
void PlaceLine(benchmark::State& state) {
    Canvas canvas(static_cast<std::size_t>(state.range(0)),
                  static_cast<std::int32_t>(state.range(1)));
    Panes panes;
    EditRoad road(canvas.doc);
    Gesture gesture(canvas.doc, road, panes);
    gesture.MouseMove(canvas.surface, {0, 0}); // the first look-up indexes the drawing
    std::int64_t i = 0;
    for (auto _ : state) {
        const POINT start{300 + static_cast<std::int32_t>(i % 97) * 7, 300};
        const POINT end = Pointer(i++);
        gesture.LeftButtonDown(canvas.surface, start, {});
        gesture.MouseMove(canvas.surface, end);
        gesture.LeftButtonDown(canvas.surface, end, {});
        benchmark::ClobberMemory();
    }
    state.counters["builds"] = static_cast<double>(gesture.LineEndBuilds());
}
BENCHMARK(PlaceLine)
    ->Args({100000, 1})
    ->Args({100000, 0})
    ->ArgNames({"figures", "RsterPnt"})
    ->Unit(benchmark::kMicrosecond);

// What placing a line draws: the band on at the click and at the move, off
// again twice, and the line itself.
void PlaceLineDrawingOnly(benchmark::State& state) {
    Canvas canvas(static_cast<std::size_t>(state.range(0)), 1);
    CPluvoDoc& doc = canvas.doc;
    const LineEndIndex ends(doc.drawing().figures, doc.SnapDistance);
    std::int64_t i = 0;
    for (auto _ : state) {
        doc.current.p1 = {300 + static_cast<std::int32_t>(i % 97) * 7, 300};
        const POINT end = Pointer(i++);
        for (POINT p : {doc.current.p1, doc.current.p1, end, end}) {
            doc.current.p2 = p;
            Rubberband(canvas.surface, doc, doc.current, ShiftHeld::No, ends);
        }
        SchilderFiguur(canvas.surface, doc, doc.current, ends);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlaceLineDrawingOnly)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
