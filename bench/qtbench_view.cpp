// Scrolling and zooming the window's view of 100,000 figures on a canvas
// larger than its 1920x1080 window: a wheel notch of scrolling and a zoom
// step, each with the screen update that follows it (the view painted into
// an image as the screen would get it). Neither repaints the drawing. And a
// small drawing zoomed far out, where the canvas grows to fill the window,
// and edited there. And drawing by keys: a step of the grid cursor with its
// screen update, and what the canvas says to a screen reader.
#include "common/ViewScene.h"
#include "interaction/EditRoad.h"
#include "model/CPluvoDoc.h"
#include "view/CPluvoView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <utility>

namespace {

using Scene = ViewScene;

// The drawing with one figure far out, so that the canvas is more than twice
// the window each way (so that it scrolls at 50 % too).
CPluvoDoc LargeDrawing() {
    CPluvoDoc doc = CachedDrawing(100000);
    Figuur far;
    far.FiguurType = Lijn;
    far.p1 = {4000, 2300};
    far.p2 = {4100, 2400};
    Writable(doc).figures.push_back(far);
    return doc;
}

// The canvas brought up to date, and the key of its backing image.
qint64 PaintedKey(Scene& scene) {
    scene.view.Canvas();
    return scene.view.CanvasKey();
}

Scene& TheScene() {
    static Scene scene(LargeDrawing());
    return scene;
}

void ScrollStep(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.view.SetZoomStep(static_cast<int>(state.range(0)));
    const qint64 painted = PaintedKey(scene);
    QScrollBar* bar = scene.view.VerticalBar();
    bar->setValue(0);
    int direction = -120;
    bool scrolled = false;
    for (auto _ : state) {
        const int before = bar->value();
        scene.Wheel({0, direction}, Qt::NoModifier);
        scene.Show();
        scrolled = scrolled || bar->value() != before;
        direction = -direction;
    }
    if (!scrolled) state.SkipWithError("the wheel did not scroll");
    if (PaintedKey(scene) != painted) state.SkipWithError("the drawing was repainted");
}
BENCHMARK(ScrollStep)->Arg(kActualSize)->Arg(kActualSize - 1)->Arg(kActualSize + 2)->Unit(benchmark::kMillisecond);

void ZoomStep(benchmark::State& state) {
    Scene& scene = TheScene();
    const int from = static_cast<int>(state.range(0));
    scene.view.SetZoomStep(from);
    const qint64 painted = PaintedKey(scene);
    int direction = 120;
    for (auto _ : state) {
        scene.Wheel({0, direction}, Qt::ControlModifier);
        scene.Show();
        direction = -direction;
    }
    if (scene.view.ZoomStep() != from && scene.view.ZoomStep() != from + 1)
        state.SkipWithError("the wheel did not zoom by one step");
    if (PaintedKey(scene) != painted) state.SkipWithError("the drawing was repainted");
}
// 100 % <-> 200 %, and 50 % <-> 100 % (the reduced canvas made anew).
BENCHMARK(ZoomStep)->Arg(kActualSize)->Arg(kActualSize - 1)->Unit(benchmark::kMillisecond);

// A small drawing with its labels shown.
CPluvoDoc SmallDrawing() {
    CPluvoDoc doc = CachedDrawing(100);
    Writable(doc).MetCoord = 1;
    return doc;
}

// The small drawing in the 1920x1080 window zoomed out: at 25 % the canvas
// covers 7680 x 4320 drawing pixels to fill the window, at 12.5 % it holds
// its cap of 64 million pixels and the rest of the window shows the plane,
// made beside it; each step out is painted anew and shown, and so is the
// step back to 100 %.
void ZoomOutFar(benchmark::State& state) {
    Scene scene(SmallDrawing());
    const int to = static_cast<int>(state.range(0));
    for (auto _ : state) {
        scene.view.SetZoomStep(to);
        scene.Show();
        scene.view.SetZoomStep(kActualSize);
        scene.Show();
    }
}
BENCHMARK(ZoomOutFar)->Arg(kActualSize - 2)->Arg(0)->Unit(benchmark::kMillisecond);

// One edit of that drawing (its figures moved a pixel) shown at a step:
// the whole canvas painted anew, and reduced when the step is below 100 %.
void EditShown(benchmark::State& state) {
    Scene scene(SmallDrawing());
    scene.view.SetZoomStep(static_cast<int>(state.range(0)));
    scene.Show();
    int direction = 1;
    for (auto _ : state) {
        Edit edit;
        edit.change = [direction](DrawingEditor& editor) {
            for (Figuur& f : editor.figures.Whole()) {
                f.p1.x += direction;
                f.p2.x += direction;
            }
            return Change::Made;
        };
        scene.road.Apply(edit);
        scene.Show();
        direction = -direction;
    }
}
BENCHMARK(EditShown)->Arg(kActualSize)->Arg(kActualSize - 2)->Arg(0)->Unit(benchmark::kMillisecond);

void Key(Scene& scene, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&scene.view, &press);
}

// A step of the grid cursor over the 100,000 figures at 100 %, shown; arg 0
// without a gesture, 1 with a rectangle's band following the cursor.
void CursorStep(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.view.SetZoomStep(kActualSize);
    scene.doc.current.FiguurType = Rechthoek;
    if (!scene.view.KeyCursor().Shown()) Key(scene, Qt::Key_Right);
    if (state.range(0) == 1) Key(scene, Qt::Key_Return);
    const POINT start = scene.view.KeyCursor().At();
    int key = Qt::Key_Right;
    for (auto _ : state) {
        Key(scene, key);
        scene.Show();
        key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right;
    }
    if (scene.view.KeyCursor().At() == start && state.iterations() % 2 == 1)
        state.SkipWithError("the cursor did not move");
    Key(scene, Qt::Key_Escape);
}
BENCHMARK(CursorStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the canvas says at the cursor: worked out after every step and edit
// while a screen reader listens.
void SpokenText(benchmark::State& state) {
    Scene& scene = TheScene();
    if (!scene.view.KeyCursor().Shown()) Key(scene, Qt::Key_Right);
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
