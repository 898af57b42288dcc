// The narration player on a sound server that stops answering for a while,
// as one held up by a loaded machine or a device that switches does: no
// command holds the page, a line closed while the server was stopped is not
// heard after its close, the server holds no stream of ours once it goes on,
// and the lines that follow are heard.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <numeric>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/sound_device.h"
#include "platform/sound_thread.h"
#include "tests/platform/wav_maker.h"
#include "tests/sound_server/recorder.h"
#include "tests/sound_server/sound_server.h"
#include "tests/support/voiced.h"

namespace {

namespace fs = std::filesystem;
namespace wm = wav_maker;
using namespace std::chrono_literals;
using std::chrono::milliseconds;

constexpr auto kAtOnce = 5ms;
// Longer than the sound layer waits for the server's answer.
constexpr auto kStall = 2500ms;
// What the server's speakers may have taken of a line ahead of the moment
// they play it.
constexpr auto kAhead = 400ms;
// Apart enough to tell the lines apart in the recording.
constexpr auto kApart = 1500ms;

// A loud square wave, voiced from its first frame to its last.
std::string tone(milliseconds length) {
    const auto count = static_cast<std::uint32_t>(length.count() * 8);
    std::string samples;
    for (std::uint32_t at = 0; at < count; ++at) samples += wm::le(at / 4 % 2 == 0 ? 8000 : 0xFFFF - 8000, 2);
    return wm::riff(wm::format_chunk({.sample_rate = 8000, .bits = 16}) + wm::chunk("data", samples));
}

// How many streams the server plays, read from its listing in its machine
// format; nothing when the listing cannot be read.
std::optional<int> streams_on_the_server() {
    FILE* pactl = ::popen("LC_ALL=C pactl --format=json list sink-inputs 2>/dev/null", "r");
    if (pactl == nullptr) return std::nullopt;
    std::string listing;
    char piece[512];
    while (std::fgets(piece, sizeof piece, pactl) != nullptr) listing += piece;
    if (::pclose(pactl) != 0 || listing.empty() || listing.front() != '[') return std::nullopt;
    int streams = 0;
    for (std::size_t at = listing.find("\"index\":"); at != std::string::npos; at = listing.find("\"index\":", at + 1))
        ++streams;
    return streams;
}

// The test's server stopped, and going on again however the test ends.
struct Stopped {
    Stopped() { sound_server::test_server().stop(); }
    ~Stopped() { sound_server::test_server().go_on(); }
    Stopped(const Stopped&) = delete;
    Stopped& operator=(const Stopped&) = delete;
};

TEST(StalledServer, NoCommandHoldsThePageNorPlaysAClosedLineAndNothingOfOursIsLeft) {
    const fs::path folder = fs::temp_directory_path() / ("stalled-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    wm::write(folder / "LONG.WAV", tone(6s));
    wm::write(folder / "SHORT.WAV", tone(500ms));
    sound_server::Recorder recorder(folder / "heard.wav");
    ASSERT_TRUE(recorder.recording());

    platform::RealClock clock;
    std::optional<platform::SoundThread> speakers(std::in_place);
    platform::SoundDevice sound(*speakers, clock, [&](std::string_view name) -> std::optional<fs::path> {
        return fs::exists(folder / name) ? std::optional(folder / name) : std::nullopt;
    });
    std::vector<std::pair<std::string, std::chrono::steady_clock::duration>> held;
    const auto send = [&](const std::string& command) {
        const auto start = std::chrono::steady_clock::now();
        sound.send(command);
        held.emplace_back(command, std::chrono::steady_clock::now() - start);
    };

    send("open LONG.WAV alias wave1");
    send("play wave1");
    const auto played = std::chrono::steady_clock::now();
    clock.sleep(1s);
    std::chrono::steady_clock::duration heard_before_the_stop{};
    {
        const Stopped stopped;
        const auto stopped_at = std::chrono::steady_clock::now();
        heard_before_the_stop = stopped_at - played;
        send("play wave1");
        send("close wave1");
        send("open LONG.WAV alias wave2");
        send("play wave2");
        send("close wave2");
        std::this_thread::sleep_until(stopped_at + kStall);
    }
    clock.sleep(kApart);
    send("open SHORT.WAV alias wave1");
    send("play wave1");
    send("play wave1");  // from its start again: the first is ended
    clock.sleep(700ms);
    send("close wave1");
    clock.sleep(kApart);

    for (const auto& [command, time] : held) EXPECT_LT(time, kAtOnce) << command;
    std::optional<int> streams = streams_on_the_server();
    for (int turn = 0; turn < 20 && streams != 0; ++turn) {
        clock.sleep(100ms);
        streams = streams_on_the_server();
    }
    EXPECT_EQ(streams, std::optional(0)) << "streams left on the server (nothing: its listing cannot be read)";

    const std::optional<harness::VoicedSound> heard = harness::voiced_sound(recorder.stop());
    ASSERT_TRUE(heard);
    std::vector<std::size_t> parts = harness::voiced_parts(*heard, kApart / 2);
    ASSERT_FALSE(parts.empty());
    const milliseconds short_line = harness::kVoicedFrame * parts.back();
    EXPECT_GE(short_line, 450ms) << "the short line, once the server went on";
    EXPECT_LE(short_line, 600ms) << "the short line, heard alone";
    parts.pop_back();
    EXPECT_LE(harness::kVoicedFrame * std::accumulate(parts.begin(), parts.end(), std::size_t{0}),
              std::chrono::duration_cast<milliseconds>(heard_before_the_stop) + kAhead)
        << "of the long line, closed while the server was stopped";
    speakers.reset();
    fs::remove_all(folder);
}

}  // namespace
