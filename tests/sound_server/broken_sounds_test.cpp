// The narration player with the pupil's speakers on a real sound server: no
// sound file, however broken, holds the sound thread up for good.  Commands
// come back at once, so a broken sound that held the thread up would show
// only when the player ends: every broken one is followed by a whole one on
// the same alias, and the player is ended as at the end of a program.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/clock.h"
#include "platform/sound_device.h"
#include "platform/sound_thread.h"
#include "tests/platform/wav_maker.h"
#include "tests/sound_server/sound_server.h"

namespace {

namespace fs = std::filesystem;
namespace wm = wav_maker;
using namespace std::chrono_literals;

// Far longer than any of the sounds below plays.
constexpr auto kBound = 5s;

const sound_server::SoundServer& server() { return sound_server::test_server(); }

class SoundFolder : public ::testing::Test {
protected:
    SoundFolder() {
        fs::create_directories(folder_);
        wm::write(folder_ / "SOUND1.WAV", wm::wav({.sample_rate = 8000, .bits = 16, .data_bytes = 3200}));
    }
    ~SoundFolder() override { fs::remove_all(folder_); }

    platform::SoundDevice::FileResolver resolver() const {
        return [this](std::string_view name) -> std::optional<fs::path> {
            return fs::exists(folder_ / name) ? std::optional(folder_ / name) : std::nullopt;
        };
    }

    const fs::path folder_ = fs::temp_directory_path() / ("broken-sounds-" + std::to_string(::getpid()));
    platform::RealClock clock_;
};

// Runs the step; ends the test program at once, naming the step, when it has
// not come back within the bound (a step that waits for good never does).
template <typename Step>
auto within_bound(const std::string& what, Step step) {
    std::mutex guard;
    std::condition_variable finished;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock lock(guard);
        if (!finished.wait_for(lock, kBound, [&] { return done; })) {
            std::fprintf(stderr, "FAIL: \"%s\" did not come back within %lld s\n", what.c_str(),
                         static_cast<long long>(kBound.count()));
            std::_Exit(1);
        }
    });
    auto result = step();
    {
        const std::lock_guard lock(guard);
        done = true;
    }
    finished.notify_one();
    watchdog.join();
    return result;
}

struct Broken {
    const char* what;
    std::string bytes;
    bool opens;  // plays what it holds, or is silent
};

std::vector<Broken> broken_sounds() {
    const wm::Shape shape{.sample_rate = 8000, .bits = 16, .data_bytes = 4000};  // 250 ms
    const std::string whole = wm::wav(shape);
    const std::string samples(2000, '\x10');
    return {
        {"cut inside its data", whole.substr(0, 44 + 2000), true},
        {"cut inside a sample", whole.substr(0, 44 + 2001), true},
        {"a header alone", whole.substr(0, 44), false},
        {"4 GiB of data on a short file", wm::riff(wm::format_chunk(shape) + "data" + wm::le(0xFFFFFFFF, 4) + samples),
         true},
        {"its data before its format", wm::riff(wm::data_chunk(shape) + wm::format_chunk(shape)), true},
        {"a data chunk of odd size, cut", wm::riff(wm::format_chunk({.data_bytes = 1}) + "data" + wm::le(2001, 4) + samples),
         true},
        {"float samples, cut", wm::wav({.format = 3, .bits = 32, .data_bytes = 8000}).substr(0, 44 + 4000), true},
        {"257 channels", wm::wav({.channels = 257, .bits = 16, .data_bytes = 257 * 2 * 800}), false},
    };
}

TEST_F(SoundFolder, NoBrokenSoundHoldsUpAPlayerWithASoundOutput) {
    std::optional<platform::SoundThread> speakers(std::in_place);
    platform::SoundDevice sound(*speakers, clock_, resolver());
    const auto send = [&](const std::string& command) {
        return within_bound(command, [&] { return sound.send(command); });
    };
    for (const Broken& broken : broken_sounds()) {
        SCOPED_TRACE(broken.what);
        wm::write(folder_ / "BROKEN.WAV", broken.bytes);
        EXPECT_EQ(send("open BROKEN.WAV alias wave1"), broken.opens);
        send("play wave1");
        send("play wave1 notify wait");
        EXPECT_TRUE(send("open SOUND1.WAV alias wave1"));
        EXPECT_TRUE(send("play wave1 notify wait"));
        EXPECT_EQ(send("open BROKEN.WAV alias wave2"), broken.opens);
        send("play wave2");
        EXPECT_TRUE(send("close wave1"));
    }
    within_bound("the player's end", [&] { return speakers.reset(), true; });
}

// A player ended while its sound thread waits on a stopped sound server (a
// program's end while the server does not answer) ends all the same.
TEST_F(SoundFolder, APlayerEndsOnAStoppedServer) {
    std::optional<platform::SoundThread> speakers(std::in_place);
    platform::SoundDevice sound(*speakers, clock_, resolver());
    server().stop();
    within_bound("open", [&] { return sound.send("open SOUND1.WAV alias wave1"); });
    within_bound("play", [&] { return sound.send("play wave1"); });
    clock_.sleep(300ms);  // the sound thread waits on the server
    within_bound("the player's end", [&] { return speakers.reset(), true; });
    server().go_on();
}

}  // namespace
