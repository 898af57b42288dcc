#pragma once
// A PulseAudio daemon of the test's own, its speakers a pipe it writes what
// it plays into as it plays it, in real time (a pipe sink, which never takes
// back what it has written): a machine with a sound output, on any machine
// where pulseaudio is installed.  It lives in a folder of its own, is told to
// end with the test, and the test's Qt finds it through the environment; the
// test's temporary files (TMPDIR) lie in that folder too.  With
// COURSE_SOUND_SERVER=pipewire in the environment it is PipeWire's PulseAudio
// service instead, with pipewire and WirePlumber (pipewire.sh), its pipe
// sink written only while it plays.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace sound_server {

// What the speakers' pipe carries: 16-bit little-endian mono samples.
inline constexpr int kSpeakersRate = 48000;

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

    // The pipe the daemon's speakers write into (tests/sound_server/recorder.h).
    std::filesystem::path speakers() const { return folder_ / "speakers"; }

    // Stops the daemon (every process of it) where it is, as a hung one, and
    // lets it go on.
    void stop() const;
    void go_on() const;

private:
    bool wait_until_listening();

    std::filesystem::path folder_;
    bool installed_ = false;
    pid_t daemon_ = -1;
    std::string failure_;
};

// How many streams the server plays for the process, by pactl's machine
// listing (its words are left untranslated); nothing when the listing cannot
// be read.
std::optional<int> streams_of(pid_t process);

// The test program's option that makes it a player of the one WAV named
// after it, through the sound device: it plays the line, waits as a page
// waits after a background narration's play, and stops itself (SIGSTOP);
// continued, it closes the line, waits as long, and stops itself again;
// continued, it ends, with status 0 when every command succeeded.
inline constexpr const char* kPlayThenStop = "--play-then-stop";

// The test program's one daemon, started at the first call, before the
// application that connects to it.
const SoundServer& test_server();

}  // namespace sound_server
