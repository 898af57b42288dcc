// How long a pupil waits for the program: start-up to the contents page,
// and each explanation page drawn whole from its last paragraph (no waits).
#include <QApplication>

#include <benchmark/benchmark.h>

#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

const frame::Unit& unit = units::expr_solve_2::unit;

void StartUpToContentsPage(benchmark::State& state) {
    for (auto _ : state) {
        harness::Pupil pupil(unit);
        benchmark::DoNotOptimize(pupil.lesson().nav.current_page);
    }
}
BENCHMARK(StartUpToContentsPage)->Unit(benchmark::kMillisecond);

void WholeExplanationPage(benchmark::State& state) {
    const int page = static_cast<int>(state.range(0));
    const int last = unit.lesson_page(page)->count;
    harness::Pupil pupil(unit);
    for (auto _ : state) {
        pupil.forget_texts();
        pupil.open(page, std::to_string(last));
    }
}
BENCHMARK(WholeExplanationPage)->Arg(1)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
