#pragma once
// What the test's sound server plays, recorded from its null sink's monitor
// by parec into a 16-bit WAV, from when the recorder is made until stop().

#include <sys/types.h>

#include <filesystem>

namespace sound_server {

class Recorder {
public:
    explicit Recorder(std::filesystem::path wav);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Waits until the recording has begun; false when it does not begin
    // within seconds (parec could not be started, or records nothing).
    bool recording() const;
    // Ends the recording with its header written; the file is whole then.
    const std::filesystem::path& stop();

private:
    std::filesystem::path wav_;
    pid_t parec_ = -1;
};

}  // namespace sound_server
