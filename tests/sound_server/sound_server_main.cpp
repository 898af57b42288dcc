// The sound-server tests' program: the daemon first, so that every
// connection the tests make finds it through the environment.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/sound_server/sound_server.h"

int main(int argc, char** argv) {
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
