// Drawing the editor headless: a whole 463 x 465 frame (background image,
// fourteen image-strip knobs, six buttons, the information button, the meter,
// twenty value labels) and the repaint of one 96 x 20 label, into a bitmap
// through the GUI toolkit's own controls, as the window repaints the control
// root; each at the screen scales 1, 1.5 and 2 (the argument in per cent).
// Painting the background picture alone is the baseline the figures are read
// against.
//
//   bin/tenvira_bench_gui                   (the artwork of this build tree)

#include "CEditorPanelScene.hpp"

#include <benchmark/benchmark.h>

namespace {

using Corvane::CorGain::Artwork::CEditorPanelScene;
using Corvane::CorGain::Artwork::EControlKind;
using Corvane::MathTools::CRect;

template <typename Paint>
void run(benchmark::State& state, Paint paint)
{
    CEditorPanelScene scene(TENVIRA_ARTWORK_DIR);
    if (!scene.isReady()) {
        state.SkipWithError("the artwork is missing: build the tenvira_artwork_files target");
        return;
    }
    const double scale = static_cast<double>(state.range(0)) / 100.0;
    // Fonts, caches and the larger pictures warm, as in a window that has been shown.
    paint(scene, scale);
    for (auto _ : state) {
        paint(scene, scale);
        benchmark::ClobberMemory();
    }
    state.counters["knobs"] = static_cast<double>(scene.count(EControlKind::Knob));
    state.counters["buttons"] =
        static_cast<double>(scene.count(EControlKind::LatchingButton) + scene.count(EControlKind::PopupButton));
    state.counters["labels"] = static_cast<double>(scene.labels());
}

void BM_BackgroundOnlyFrame(benchmark::State& state)
{
    run(state,
        [](CEditorPanelScene& scene, double scale) { scene.paintBackground(CEditorPanelScene::whole(), scale); });
}

void BM_FullFrame(benchmark::State& state)
{
    run(state, [](CEditorPanelScene& scene, double scale) { scene.paint(CEditorPanelScene::whole(), scale); });
}

void BM_BackgroundOnlyLabel(benchmark::State& state)
{
    run(state, [](CEditorPanelScene& scene, double scale) { scene.paintBackground(scene.firstLabel(), scale); });
}

void BM_LabelRedraw(benchmark::State& state)
{
    run(state, [](CEditorPanelScene& scene, double scale) { scene.paint(scene.firstLabel(), scale); });
}

void scales(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_BackgroundOnlyFrame)->Apply(scales);
BENCHMARK(BM_FullFrame)->Apply(scales);
BENCHMARK(BM_BackgroundOnlyLabel)->Apply(scales);
BENCHMARK(BM_LabelRedraw)->Apply(scales);

BENCHMARK_MAIN();
