// The history of changes on a drawing of 100,000 figures: what a step back
// and forward costs after a one-figure change and after a rotation of the
// whole drawing, against the rotation itself, and the memory that 1,000
// one-figure steps keep.
#include "common/DrawingGenerator.h"
#include "interaction/EditCommands.h"
#include "interaction/EditRoad.h"
#include "model/CPluvoDoc.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr std::size_t kFigures = 100000;

// Placing one line as the gesture machine stores it: an appending edit that
// drops the undo copy.
Edit PlaceLine(std::int32_t x) {
    return {UndoRule::Drop, Modified::Yes, Repaint::WhenSelected,
            [x](DrawingEditor& editor) {
                Figuur& current = editor.Doc().current;
                current.FiguurType = Lijn;
                current.p1 = {x % 1900, 100};
                current.p2 = {x % 1900, 900};
                AppendFigure(editor);
                return Change::Made;
            }};
}

void PlaceWithHistory(benchmark::State& state) {
    CPluvoDoc doc = CachedDrawing(kFigures);
    EditRoad road(doc);
    std::int32_t x = 0;
    for (auto _ : state) road.Apply(PlaceLine(x++));
    state.counters["steps"] = static_cast<double>(road.GetHistory().Steps());
}
BENCHMARK(PlaceWithHistory)->Unit(benchmark::kMicrosecond);

void StepOverOneFigure(benchmark::State& state) {
    CPluvoDoc doc = CachedDrawing(kFigures);
    EditRoad road(doc);
    road.Apply(PlaceLine(7));
    for (auto _ : state) {
        road.StepBack();
        road.StepForward();
    }
    state.SetItemsProcessed(state.iterations() * 2); // steps
}
BENCHMARK(StepOverOneFigure)->Unit(benchmark::kMicrosecond);

void ThousandOneFigureSteps(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        CPluvoDoc doc = CachedDrawing(kFigures);
        EditRoad road(doc);
        state.ResumeTiming();
        for (std::int32_t i = 0; i < 1000; ++i) road.Apply(PlaceLine(i));
        state.counters["history_KiB"] = static_cast<double>(road.GetHistory().Bytes()) / 1024.0;
    }
}
BENCHMARK(ThousandOneFigureSteps)->Iterations(3)->Unit(benchmark::kMillisecond);

// The rotation as the command layer makes it, without a history: the undo
// copy, then the turn.
void RotationItself(benchmark::State& state) {
    CPluvoDoc doc = CachedDrawing(kFigures);
    for (auto _ : state) {
        TakeSnapshot(doc);
        Draai90(doc);
    }
}
BENCHMARK(RotationItself)->Unit(benchmark::kMillisecond);

// The same rotation run as a command, recorded by the history. Each one
// starts from an empty history: a run of a thousand rotations would measure
// the system's cost of keeping 256 MiB of steps, not a rotation.
void RotationOnTheEditRoad(benchmark::State& state) {
    CPluvoDoc doc = CachedDrawing(kFigures);
    for (auto _ : state) {
        state.PauseTiming();
        auto road = std::make_unique<EditRoad>(doc);
        state.ResumeTiming();
        RunEdit(*road, CommandId::Rotate);
        state.PauseTiming();
        road.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(RotationOnTheEditRoad)->Unit(benchmark::kMillisecond);

void StepOverRotation(benchmark::State& state) {
    CPluvoDoc doc = CachedDrawing(kFigures);
    EditRoad road(doc);
    RunEdit(road, CommandId::Rotate);
    for (auto _ : state) {
        road.StepBack();
        road.StepForward();
    }
    state.SetItemsProcessed(state.iterations() * 2); // steps
}
BENCHMARK(StepOverRotation)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
