// The recovery copy of a generated drawing: what one turn of the timer costs
// the window when the drawing changed (the copy's bytes are made there) and
// when it did not, and the whole write through the background writer,
// flushed to the disk.
#include "app/Recovery.h"
#include "common/DrawingGenerator.h"
#include "model/CPluvoDoc.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A change that makes the drawing differ from its last copy, as the edit road
// makes it.
void Change(CPluvoDoc& doc) {
    Writable(doc).figures.front().p1.x ^= 1;
    doc.SetModifiedFlag(true);
    TestAccess::Revise(doc);
}

void RecoveryTurnOnTheWindow(benchmark::State& state) {
    CPluvoDoc doc = GenerateDrawing(static_cast<std::size_t>(state.range(0)));
    Recovery recovery(doc, nullptr, std::chrono::hours(1));
    for (auto _ : state) {
        state.PauseTiming();
        recovery.Wait();
        Change(doc);
        state.ResumeTiming();
        recovery.WriteNow();
    }
    recovery.Wait();
}
BENCHMARK(RecoveryTurnOnTheWindow)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A turn with nothing changed since the last copy: the copy stays as it is.
void RecoveryTurnUnchanged(benchmark::State& state) {
    CPluvoDoc doc = GenerateDrawing(static_cast<std::size_t>(state.range(0)));
    Recovery recovery(doc, nullptr, std::chrono::hours(1));
    Change(doc);
    recovery.WriteNow();
    recovery.Wait();
    for (auto _ : state) recovery.WriteNow();
}
BENCHMARK(RecoveryTurnUnchanged)->Arg(100000)->Unit(benchmark::kMicrosecond);

void RecoveryWholeWrite(benchmark::State& state) {
    CPluvoDoc doc = GenerateDrawing(static_cast<std::size_t>(state.range(0)));
    Recovery recovery(doc, nullptr, std::chrono::hours(1));
    for (auto _ : state) {
        Change(doc);
        recovery.WriteNow();
        recovery.Wait();
    }
}
BENCHMARK(RecoveryWholeWrite)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The copies go to a folder of this run, not the user's own.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
