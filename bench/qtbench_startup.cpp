// Start-up of the editor's window: reading the drawing named on the command
// line, building the main window from the command table, and its first paint
// of the canvas, for an empty drawing and for large ones. Runs on the
// offscreen platform; the process and QApplication start are not included.
#include "app/CMainFrame.h"
#include "app/Icons.h"
#include "common/DrawingGenerator.h"
#include "model/BinaryFile.h"
#include "model/DrawingFile.h"
#include "view/CPluvoView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

// A binary drawing of n generated figures on disk, written once per size.
const std::string& DrawingFile(std::size_t n) {
    static std::map<std::size_t, std::string> paths;
    auto it = paths.find(n);
    if (it == paths.end()) {
        const std::string path = "/tmp/pluvo-startup-" + std::to_string(n) + ".plv";
        const std::string bytes = StoreBinary(GenerateDrawing(n));
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        it = paths.emplace(n, path).first;
    }
    return it->second;
}

void StartWindow(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string path = n > 0 ? DrawingFile(n) : std::string();
    for (auto _ : state) {
        CPluvoDoc doc;
        if (!path.empty()) OpenDrawing(doc, path);
        CMainFrame frame(doc);
        frame.resize(1280, 900);
        frame.show();
        // The first paint of the canvas, as the window's expose asks for it.
        benchmark::DoNotOptimize(frame.View()->Canvas().constBits());
        QApplication::processEvents();
        state.PauseTiming();
        frame.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(StartWindow)->Arg(0)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Brenlock Ostervaal");
    QApplication::setApplicationName("Pluvo-bench");
    InitResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
