// Painting cost on a 1920x1080 image: whole canvases of generated drawings,
// one rubber-band mouse move in a large drawing, and a full-area flood fill.
#include "common/DrawingGenerator.h"
#include "model/CPluvoDoc.h"
#include "model/TextFormat.h"
#include "platform/QtSurface.h"
#include "render/Canvas.h"
#include "render/Rubberband.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

namespace {

constexpr int kWidth = kBenchWidth;
constexpr int kHeight = kBenchHeight;

CPluvoDoc& Drawing(std::size_t figures) { return CachedDrawing(figures); }

void PaintDrawing(benchmark::State& state) {
    CPluvoDoc& doc = Drawing(static_cast<std::size_t>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QtSurface surface(image);
        OnDraw(surface, doc, {kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PaintDrawing)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same with every figure selected, as after "select all".
void PaintAllSelected(benchmark::State& state) {
    CPluvoDoc doc = GenerateDrawing(static_cast<std::size_t>(state.range(0)));
    for (std::uint32_t k = 0; k < Writable(doc).figures.size(); ++k) WritableSelection(doc).push_back(k);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QtSurface surface(image);
        OnDraw(surface, doc, {kWidth, kHeight});
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PaintAllSelected)->Arg(100000)->Unit(benchmark::kMillisecond);

// One mouse move of a placing gesture: the old band off, the new one on.
void RubberbandMove(benchmark::State& state, std::int32_t tool, std::size_t selected) {
    CPluvoDoc& doc = Drawing(100000);
    WritableSelection(doc).clear();
    for (std::uint32_t k = 0; k < selected; ++k) WritableSelection(doc).push_back(k * 997);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtSurface surface(image);
    doc.current.FiguurType = tool;
    doc.current.p1 = {400, 300};
    const LineEndIndex ends(doc.drawing().figures, doc.SnapDistance);
    Figuur shown = doc.current;
    std::int32_t step = 0;
    for (auto _ : state) {
        Rubberband(surface, doc, shown, ShiftHeld::No, ends);
        doc.current.p2 = {900 + step % 200, 700 - step % 150};
        Rubberband(surface, doc, doc.current, ShiftHeld::No, ends);
        shown = doc.current;
        ++step;
    }
    WritableSelection(doc).clear();
    doc.current.FiguurType = Lijn;
}
BENCHMARK_CAPTURE(RubberbandMove, rectangle, Rechthoek, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RubberbandMove, copy_of_100_figures, Kopieer, 100)->Unit(benchmark::kMicrosecond);

void FloodFillFullArea(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtSurface surface(image);
    std::uint32_t colour = 0x102030;
    for (auto _ : state) {
        surface.SelectBrush(Brush::Solid(colour++));
        surface.FloodFill(kWidth / 2, kHeight / 2, 0x000000);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(FloodFillFullArea)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // "--write-drawing N FILE" writes a generated drawing of N figures in the
    // text exchange format, for bench/compare-svg-render.
    if (argc == 4 && std::strcmp(argv[1], "--write-drawing") == 0) {
        std::string text;
        WriteText(GenerateDrawing(std::strtoul(argv[2], nullptr, 10)), text);
        std::ofstream(argv[3], std::ios::binary) << text;
        return 0;
    }
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
