#pragma once
// What a sound server's speakers play, read from their pipe as they play it
// into a 16-bit mono WAV, from when the recorder is made until stop().  The
// recording keeps the wall clock: a stretch in which the speakers wrote
// nothing (a server stopped where it was, or one that writes only while it
// plays) is silence of its length, so a
// sample's place in the file is the time it was played, counted from the
// recorder's start.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/sound_server/sound_server.h"

namespace sound_server {

class Recorder {
public:
    // `speakers` is the pipe a pipe sink writes into, of kSpeakersRate.
    explicit Recorder(std::filesystem::path wav, std::filesystem::path speakers = test_server().speakers());
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Waits until the recording has begun; false when it does not begin
    // within seconds (no pipe to read).
    bool recording() const;
    // Ends the recording with its header written; the file is whole then.
    const std::filesystem::path& stop();

private:
    void record(int pipe);

    std::filesystem::path wav_;
    std::string samples_;  // the recording thread's until it has ended
    std::atomic<bool> begun_{false}, ended_{false}, stopping_{false};
    std::thread thread_;
};

}  // namespace sound_server
