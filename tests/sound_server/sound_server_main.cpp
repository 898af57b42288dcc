// The sound-server tests' program: the daemon first, so that every
// connection the tests make finds it through the environment.  Run with
// kPlayThenStop, it is a player of the tests' own on the daemon of the
// program that started it.
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "platform/clock.h"
#include "platform/sound_device.h"
#include "platform/sound_thread.h"
#include "tests/sound_server/sound_server.h"

namespace {

int play_then_stop(const std::filesystem::path& wav) {
    constexpr std::chrono::milliseconds kPagesWait{200};
    platform::RealClock clock;
    platform::SoundThread speakers;
    platform::SoundDevice sound(speakers, clock, [&](std::string_view) { return std::optional(wav); });
    const bool played = sound.send("open LINE.WAV alias wave1") && sound.send("play wave1");
    clock.sleep(kPagesWait);
    ::raise(SIGSTOP);
    const bool closed = sound.send("close wave1");
    clock.sleep(kPagesWait);
    ::raise(SIGSTOP);
    return played && closed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], sound_server::kPlayThenStop) == 0) {
        QCoreApplication application(argc, argv);
        return play_then_stop(argv[2]);
    }
    if (!sound_server::test_server().installed()) {
        std::printf("SKIPPED: pulseaudio is not installed (scripts/test installs it); "
                    "narration was not played to a sound output\n");
        return 77;
    }
    if (!sound_server::test_server().failure().empty()) {
        std::fprintf(stderr, "FAIL: %s\n", sound_server::test_server().failure().c_str());
        return 1;
    }
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
