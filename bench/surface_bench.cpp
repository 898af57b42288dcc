// How long a page canvas takes to draw many texts and arcs.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "platform/surface.h"

namespace {

constexpr int kDrawings = 1000;

platform::Surface page_canvas() {
    platform::Surface canvas(platform::SurfaceKind::Window, 640, 480);
    canvas.set_logical_window(0, 0, 639, 568);
    canvas.set_viewport(0, 0, 639, 479);
    canvas.set_colours(7, 0, 7);
    canvas.set_font("標準明朝", 16);
    return canvas;
}

void set_mode(benchmark::State& state, platform::Surface& canvas) {
    canvas.set_draw_mode(static_cast<int>(state.range(0)));
}

void ScaledTexts(benchmark::State& state) {
    platform::Surface canvas = page_canvas();
    set_mode(state, canvas);
    for (auto _ : state) {
        for (int i = 0; i < kDrawings; ++i)
            canvas.draw_scaled_text({static_cast<float>(i % 500), static_cast<float>(i % 540)},
                                    "だん落 12", 1 + i % 2, 1 + i % 2, i % 16);
    }
    state.SetItemsProcessed(state.iterations() * kDrawings);
}
BENCHMARK(ScaledTexts)->Arg(13)->Arg(15)->Unit(benchmark::kMillisecond);

void Arcs(benchmark::State& state) {
    platform::Surface canvas = page_canvas();
    set_mode(state, canvas);
    for (auto _ : state) {
        for (int i = 0; i < kDrawings; ++i)
            canvas.draw_arc({static_cast<float>(20 + i % 600), static_cast<float>(20 + i % 520)},
                            3.0f + static_cast<float>(i % 40), i % 16, 2.2f, 0.59f, 0.38f);
    }
    state.SetItemsProcessed(state.iterations() * kDrawings);
}
BENCHMARK(Arcs)->Arg(13)->Arg(15)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
