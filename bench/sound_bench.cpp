// How long each sound command holds the page: "open", "play" and "close" of
// a narration, timed by the steady clock from the page's call to its return,
// the median and the most of each, in ms; on a sound server that answers and
// on one stopped (as a server held up by a loaded machine is), a PulseAudio
// daemon of the bench's own with a null sink (pulseaudio must be installed).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/sound_device.h"
#include "platform/sound_thread.h"
#include "tests/sound_server/sound_server.h"

namespace {

namespace fs = std::filesystem;
using Milliseconds = std::chrono::duration<double, std::milli>;

struct Speakers {
    platform::RealClock clock;
    platform::SoundThread backend;
    platform::SoundDevice sound{backend, clock, [](std::string_view name) -> std::optional<fs::path> {
                                    const fs::path file = fs::path(COURSE_SOUNDS_DIR) / name;
                                    return fs::exists(file) ? std::optional(file) : std::nullopt;
                                }};
};

// A line of a page: opened, played, heard a little, closed.
constexpr const char* kLine[] = {"open ratio-value/SOUND36.WAV alias wave1", "play wave1", "close wave1"};

void EachCommandHoldsThePage(benchmark::State& state) {
    const bool stopped = state.range(0) != 0;
    const sound_server::SoundServer& server = sound_server::test_server();
    Speakers speakers;
    std::map<std::string, std::vector<double>> held;
    if (stopped) server.stop();
    for (auto _ : state) {
        for (const char* command : kLine) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(speakers.sound.send(command));
            held[std::string(command).substr(0, std::string(command).find(' '))].push_back(
                Milliseconds(std::chrono::steady_clock::now() - start).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    if (stopped) server.go_on();
    for (auto& [verb, times] : held) {
        std::ranges::sort(times);
        state.counters[verb + "_median_ms"] = times[times.size() / 2];
        state.counters[verb + "_most_ms"] = times.back();
    }
}

BENCHMARK(EachCommandHoldsThePage)->ArgName("stopped")->Arg(0)->Arg(1)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const sound_server::SoundServer& server = sound_server::test_server();
    if (!server.installed() || !server.failure().empty()) {
        std::fprintf(stderr, "sound_bench: no sound server of its own: %s\n",
                     server.installed() ? server.failure().c_str() : "pulseaudio is not installed");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
