// The window's answer to one small change in a drawing of 100,000 figures
// at 1920x1080: a step back and forward over one placed figure, deleting and
// recolouring one selected figure, selecting one figure with the band,
// selecting all and none, placing one figure with the mouse, and a mouse
// move during a gesture at 50 %. Each is timed from the event to the screen
// update that follows it (the view painted into an image as the screen
// would get it). None of them should cost a paint of the whole drawing.
#include "common/ViewScene.h"
#include "interaction/EditCommands.h"
#include "interaction/EditRoad.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "view/CPluvoView.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include <utility>

namespace {

// The view of 100,000 figures, drawn without the grid.
struct Scene : ViewScene {
    Scene() : ViewScene(CachedDrawing(100000)) { doc.current.RsterPnt = 0; }
    void Select(std::uint32_t figure) {
        road.Apply({UndoRule::Keep, Modified::No, Repaint::Yes, [figure](DrawingEditor& editor) {
                        editor.Selection() = {figure};
                        return Change::Unmarked;
                    }});
    }
};

// Figures spread over the list, of every size the drawing has: a change of
// "one figure" is timed over all of them.
std::uint32_t Some(std::size_t k) { return static_cast<std::uint32_t>(97 + (k % 64) * 1553); }

Scene& TheScene() {
    static Scene scene;
    return scene;
}

void StepOverOnePlacedFigure(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.road.Apply({UndoRule::Drop, Modified::Yes, Repaint::Yes, [](DrawingEditor& editor) {
                          Figuur line = editor.Doc().current;
                          line.FiguurType = Lijn;
                          line.p1 = {700, 500};
                          line.p2 = {900, 560};
                          editor.figures.push_back(line);
                          return Change::Made;
                      }});
    scene.Show();
    bool back = true;
    for (auto _ : state) {
        if (back)
            scene.road.StepBack();
        else
            scene.road.StepForward();
        scene.Show();
        back = !back;
    }
    if (!back) scene.road.StepForward();
}
BENCHMARK(StepOverOnePlacedFigure)->Unit(benchmark::kMillisecond);

void DeleteOneSelectedFigure(benchmark::State& state) {
    Scene& scene = TheScene();
    std::size_t k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.Select(Some(k++));
        scene.Show();
        state.ResumeTiming();
        RunEdit(scene.road, CommandId::RemoveSelected);
        scene.Show();
        state.PauseTiming();
        scene.road.StepBack();
        scene.Show();
        state.ResumeTiming();
    }
}
BENCHMARK(DeleteOneSelectedFigure)->Unit(benchmark::kMillisecond);

void RecolourOneSelectedFigure(benchmark::State& state) {
    Scene& scene = TheScene();
    std::size_t n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.Select(Some(n));
        scene.Show();
        state.ResumeTiming();
        const COLORREF colour = kVulkleuren[n++ % kVulkleuren.size()];
        RunEdit(scene.road, CommandId::FillColour1, [colour](DrawingEditor& editor) {
            ZetVulkleur(editor, colour);
            return Change::Made;
        });
        scene.Show();
    }
}
BENCHMARK(RecolourOneSelectedFigure)->Unit(benchmark::kMillisecond);

void SelectOneFigureWithTheBand(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.doc.current.FiguurType = Selecteer;
    // Around the first figure's two points.
    const Figuur& f = scene.doc.drawing().figures[0];
    const QPoint from(std::min(f.p1.x, f.p2.x) - 1, std::min(f.p1.y, f.p2.y) - 1);
    const QPoint to(std::max(f.p1.x, f.p2.x) + 2, std::max(f.p1.y, f.p2.y) + 2);
    for (auto _ : state) {
        state.PauseTiming();
        RunEdit(scene.road, CommandId::SelectNone);
        scene.Click(from);
        scene.Mouse(QEvent::MouseMove, to);
        scene.Show();
        state.ResumeTiming();
        scene.Click(to);
        scene.Show();
    }
    if (scene.doc.Selection().empty()) state.SkipWithError("the band selected nothing");
    scene.doc.current.FiguurType = Lijn;
}
BENCHMARK(SelectOneFigureWithTheBand)->Unit(benchmark::kMillisecond);

void SelectAllAndNone(benchmark::State& state) {
    Scene& scene = TheScene();
    bool all = true;
    for (auto _ : state) {
        RunEdit(scene.road, all ? CommandId::SelectAll : CommandId::SelectNone);
        scene.Show();
        all = !all;
    }
    RunEdit(scene.road, CommandId::SelectNone);
}
BENCHMARK(SelectAllAndNone)->Unit(benchmark::kMillisecond);

void PlaceOneFigure(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.doc.current.FiguurType = Rechthoek;
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QPoint from(200 + k % 1400, 200 + k % 700), to = from + QPoint(40, 30);
        ++k;
        scene.Click(from);
        scene.Mouse(QEvent::MouseMove, to);
        scene.Show();
        state.ResumeTiming();
        scene.Click(to);
        scene.Show();
    }
    scene.doc.current.FiguurType = Lijn;
}
BENCHMARK(PlaceOneFigure)->Unit(benchmark::kMillisecond);

void MoveDuringAGestureAtHalfSize(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.view.SetZoomStep(kActualSize - 1);
    scene.doc.current.FiguurType = Lijn;
    scene.Click({300, 300});
    scene.Show();
    int k = 0;
    for (auto _ : state) {
        scene.Mouse(QEvent::MouseMove, QPoint(400 + k % 200, 350 + k % 100));
        ++k;
        scene.Show();
    }
    scene.view.CancelGesture();
    scene.view.SetZoomStep(kActualSize);
}
BENCHMARK(MoveDuringAGestureAtHalfSize)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
