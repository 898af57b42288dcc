// How long a pupil waits for the program: start-up to the contents page, and
// each explanation page of every unit drawn whole from its last paragraph
// (the paragraphs before it fast-forwarded, without waits).  A page whose
// storyboard is not written yet has no case; a new one gets its case here.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/support/pupil.h"
#include "units/course_units.h"

namespace {

using harness::Nav;
using harness::Pupil;

void StartUpToContentsPage(benchmark::State& state, const frame::Unit* unit) {
    for (auto _ : state) {
        Pupil pupil(*unit);
        benchmark::DoNotOptimize(pupil.lesson().nav.current_page);
    }
}

// The same with the pointing hand followed by a gigabyte never written (a
// picture file grown to a gigabyte): the picture is read only as far as its
// header says.  The process's peak memory so far goes with it.
void StartUpWithAPictureOfAGigabyte(benchmark::State& state, const frame::Unit* unit) {
    const auto grow_hand = [](const harness::CourseDrive& drive) {
        std::filesystem::resize_file(drive.unit_folder() / "右指.BMP", std::uintmax_t{1} << 30);
    };
    for (auto _ : state) {
        Pupil pupil(*unit, {}, grow_hand);
        benchmark::DoNotOptimize(pupil.lesson().nav.current_page);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

// The page-select screen with the page chosen and the start paragraph typed.
void choose_page(Pupil& pupil, int page, const std::string& start) {
    pupil.forget_texts();
    pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
    pupil.type("EDIT1", start);
}

// The pupil's "O  K": the page drawn whole and its windows repainted.  Kept a
// function of its own so that a profiler can count this part alone.
[[gnu::noinline]] void draw_whole_page(Pupil& pupil) { pupil.click("BUTTON1"); }

// Only drawing the page is timed.  The pupil has seen the page once before
// (fonts and pictures loaded, as on any later visit), untimed and uncounted.
void WholeExplanationPage(benchmark::State& state, const frame::Unit* unit, int page) {
    const std::string last = std::to_string(unit->lesson_page(page)->count());
    Pupil pupil(*unit);
    choose_page(pupil, page, last);
    pupil.click("BUTTON1");
    for (auto _ : state) {
        state.PauseTiming();
        choose_page(pupil, page, last);
        state.ResumeTiming();
        draw_whole_page(pupil);
    }
}

void register_cases() {
    const frame::Unit* first = units::course_units().front();
    benchmark::RegisterBenchmark("StartUpToContentsPage", StartUpToContentsPage, first)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StartUpWithAPictureOfAGigabyte", StartUpWithAPictureOfAGigabyte, first)
        ->Unit(benchmark::kMillisecond);
    for (const frame::Unit* unit : units::course_units()) {
        for (const frame::LessonPage& page : unit->pages) {
            if (page.kind != frame::PageKind::Explanation || !page.draw) continue;
            const std::string name = "WholeExplanationPage/" + std::string(unit->name) + "/" +
                                     std::to_string(page.number);
            benchmark::RegisterBenchmark(name.c_str(), WholeExplanationPage, unit, page.number)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    register_cases();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
