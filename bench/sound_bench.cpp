// How soon the pupil's speakers take a narration: from the page's "play" to
// the server holding the whole line and started (the command's return), and
// from "close" to the server having let go of it, on a PulseAudio daemon of
// the bench's own with a null sink (pulseaudio must be installed).
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/audio_backend_qt.h"
#include "platform/clock.h"
#include "platform/sound_device.h"
#include "tests/sound_server/sound_server.h"

namespace {

namespace fs = std::filesystem;

struct Speakers {
    platform::RealClock clock;
    platform::QtAudioBackend backend;
    platform::SoundDevice sound{backend, clock, [](std::string_view name) -> std::optional<fs::path> {
                                    const fs::path file = fs::path(COURSE_SOUNDS_DIR) / name;
                                    return fs::exists(file) ? std::optional(file) : std::nullopt;
                                }};
};

// A short line and a long one.
constexpr const char* kLines[] = {"expr-build/SOUND5.WAV", "ratio-value/SOUND36.WAV"};

void PlayUntilTheServerHoldsTheLine(benchmark::State& state) {
    Speakers speakers;
    const std::string open = std::string("open ") + kLines[state.range(0)] + " alias wave1";
    for (auto _ : state) {
        state.PauseTiming();
        speakers.sound.send(open);
        state.ResumeTiming();
        benchmark::DoNotOptimize(speakers.sound.send("play wave1"));
        state.PauseTiming();
        speakers.sound.send("close wave1");
        state.ResumeTiming();
    }
}

void CloseUntilTheServerLetsGo(benchmark::State& state) {
    Speakers speakers;
    const std::string open = std::string("open ") + kLines[state.range(0)] + " alias wave1";
    for (auto _ : state) {
        state.PauseTiming();
        speakers.sound.send(open);
        speakers.sound.send("play wave1");
        state.ResumeTiming();
        benchmark::DoNotOptimize(speakers.sound.send("close wave1"));
    }
}

BENCHMARK(PlayUntilTheServerHoldsTheLine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(CloseUntilTheServerLetsGo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv) {
    const sound_server::SoundServer& server = sound_server::test_server();
    if (!server.installed() || !server.failure().empty()) {
        std::fprintf(stderr, "sound_bench: no sound server of its own: %s\n",
                     server.installed() ? server.failure().c_str() : "pulseaudio is not installed");
        return 1;
    }
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
