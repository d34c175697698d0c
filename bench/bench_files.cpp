// Throughput of the drawing files: loading and storing the binary file,
// reading and writing the text form and exporting SVG, in memory, beside a
// plain copy of the same bytes; and opening the binary file beside a plain
// read of it. Two sizes show that the cost grows linearly with the drawing.
#include "common/DrawingGenerator.h"
#include "model/BinaryFile.h"
#include "model/DrawingFile.h"
#include "model/SvgExport.h"
#include "model/TextFormat.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The generated drawing of each size and its files, made once per run.
struct Fixture {
    CPluvoDoc doc;
    std::string binary;
    std::string text;
    std::string binaryPath;
    std::size_t binaryBytes = 0;
    std::size_t textBytes = 0;
    std::size_t svgBytes = 0;
};

fs::path WorkDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("pluvo-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

const Fixture& FixtureFor(std::size_t figures) {
    static std::map<std::size_t, Fixture> cache;
    auto it = cache.find(figures);
    if (it != cache.end()) return it->second;
    Fixture& fx = cache[figures];
    fx.doc = GenerateDrawing(figures);
    const std::string stem = (WorkDir() / ("drawing-" + std::to_string(figures))).string();
    fx.binaryPath = stem + ".plv";
    fx.binary = StoreBinary(fx.doc);
    WriteText(fx.doc, fx.text);
    std::string svg;
    WriteSvg(fx.doc, stem + ".svg", svg);
    WriteFile(fx.binaryPath, fx.binary);
    fx.binaryBytes = fx.binary.size();
    fx.textBytes = fx.text.size();
    fx.svgBytes = svg.size();
    return fx;
}

void Processed(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

std::size_t Figures(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

// The plain read that every loader needs at least: the file's bytes into
// fresh memory, once from the file and once from memory.
void BM_ReadFileBytes(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        std::string bytes;
        ReadFileBytes(fx.binaryPath, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    Processed(state, fx.binaryBytes);
}

void BM_OpenBinaryFile(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        CPluvoDoc doc;
        if (OpenDrawing(doc, fx.binaryPath).status != OpenStatus::Opened)
            state.SkipWithError("binary file rejected");
        benchmark::DoNotOptimize(doc.drawing().figures.data());
    }
    Processed(state, fx.binaryBytes);
}

void BM_CopyBinaryBytes(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        std::string copy(fx.binary);
        benchmark::DoNotOptimize(copy.data());
    }
    Processed(state, fx.binaryBytes);
}

void BM_LoadBinary(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        CPluvoDoc doc;
        if (!LoadBinary(doc, fx.binary)) state.SkipWithError("binary file rejected");
        benchmark::DoNotOptimize(doc.drawing().figures.data());
    }
    Processed(state, fx.binaryBytes);
}

void BM_StoreBinary(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        std::string bytes = StoreBinary(fx.doc);
        benchmark::DoNotOptimize(bytes.data());
    }
    Processed(state, fx.binaryBytes);
}

void BM_CopyTextBytes(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        std::string copy(fx.text);
        benchmark::DoNotOptimize(copy.data());
    }
    Processed(state, fx.textBytes);
}

void BM_ReadText(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        CPluvoDoc doc;
        if (!ReadText(doc, fx.text).ok) state.SkipWithError("text rejected");
        benchmark::DoNotOptimize(doc.drawing().figures.data());
    }
    Processed(state, fx.textBytes);
}

void BM_WriteText(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        std::string text;
        WriteText(fx.doc, text);
        benchmark::DoNotOptimize(text.data());
    }
    Processed(state, fx.textBytes);
}

void BM_WriteSvg(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        std::string svg;
        WriteSvg(fx.doc, "drawing.svg", svg);
        benchmark::DoNotOptimize(svg.data());
    }
    Processed(state, fx.svgBytes);
}

// The streamed export that "pluvo convert" uses: the same text, handed over
// in pieces and never held whole.
void BM_WriteSvgStreamed(benchmark::State& state) {
    const Fixture& fx = FixtureFor(Figures(state));
    for (auto _ : state) {
        std::size_t bytes = 0;
        WriteSvg(fx.doc, "drawing.svg", [&](std::string_view piece) { bytes += piece.size(); });
        benchmark::DoNotOptimize(bytes);
    }
    Processed(state, fx.svgBytes);
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_ReadFileBytes)->Apply(Sizes);
BENCHMARK(BM_OpenBinaryFile)->Apply(Sizes);
BENCHMARK(BM_CopyBinaryBytes)->Apply(Sizes);
BENCHMARK(BM_LoadBinary)->Apply(Sizes);
BENCHMARK(BM_StoreBinary)->Apply(Sizes);
BENCHMARK(BM_CopyTextBytes)->Apply(Sizes);
BENCHMARK(BM_ReadText)->Apply(Sizes);
BENCHMARK(BM_WriteText)->Apply(Sizes);
BENCHMARK(BM_WriteSvg)->Apply(Sizes);
BENCHMARK(BM_WriteSvgStreamed)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(WorkDir(), ignored);
    return 0;
}
