#pragma once
// A PulseAudio daemon of the test's own, with a null sink for speakers: a
// machine with a sound output, on any machine where pulseaudio is installed.
// It lives in a folder of its own, is told to end with the test, and the
// test's Qt finds it through the environment; the test's temporary files
// (TMPDIR) lie in that folder too.

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace sound_server {

class SoundServer {
public:
    // Starts the daemon and waits until it takes connections; it must be
    // made before the application, which connects to a sound server once.
    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool installed() const { return installed_; }
    // Empty when the daemon runs; else why it does not.
    const std::string& failure() const { return failure_; }

    // Stops the daemon where it is, as a hung one, and lets it go on.
    void stop() const;
    void go_on() const;

private:
    bool wait_until_listening();

    std::filesystem::path folder_;
    bool installed_ = false;
    pid_t daemon_ = -1;
    std::string failure_;
};

// The test program's one daemon, started at the first call, before the
// application that connects to it.
const SoundServer& test_server();

}  // namespace sound_server
