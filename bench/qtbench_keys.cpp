// Drawing by keys on the window's view of 100,000 figures in a 1920x1080
// window: a step of the grid cursor with the screen update that follows it,
// without a gesture and with a rectangle's band following the cursor; and
// what the canvas says to a screen reader, which the view works out after
// every step and edit while one listens.
#include "common/DrawingGenerator.h"
#include "interaction/EditRoad.h"
#include "model/CPluvoDoc.h"
#include "view/CPluvoView.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <utility>

namespace {

struct NoStatus : GestureStatus {
    void SetPaneText(int, const std::string&) override {}
};

struct Scene {
    CPluvoDoc doc;
    EditRoad road{doc};
    NoStatus status;
    CPluvoView view{doc, road, status};
    QImage screen{kBenchWidth, kBenchHeight, QImage::Format_RGB32};

    explicit Scene(CPluvoDoc drawing) {
        doc = std::move(drawing);
        view.resize(kBenchWidth, kBenchHeight);
        view.InitialUpdate();
        Key(Qt::Key_Right); // the cursor shows in the middle of the view
        view.render(&screen);
    }
    void Key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
    }
};

Scene& TheScene() {
    static Scene scene(CachedDrawing(100000));
    return scene;
}

// Arg 0: no gesture; 1: a rectangle's band follows the cursor.
void CursorStep(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.doc.current.FiguurType = Rechthoek;
    if (state.range(0) == 1) scene.Key(Qt::Key_Return);
    const POINT start = scene.view.KeyCursor().At();
    int key = Qt::Key_Right;
    for (auto _ : state) {
        scene.Key(key);
        scene.view.render(&scene.screen);
        key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
    }
    if (scene.view.KeyCursor().At() == start && state.iterations() % 2 == 1)
        state.SkipWithError("the cursor did not move");
    scene.Key(Qt::Key_Escape);
}
BENCHMARK(CursorStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SpokenText(benchmark::State& state) {
    Scene& scene = TheScene();
    for (auto _ : state) benchmark::DoNotOptimize(scene.view.SpokenText());
}
BENCHMARK(SpokenText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
