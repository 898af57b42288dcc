#pragma once
// The narration player, driven by command strings one at a time:
//   "open SOUND1.WAV alias wave1"   takes the file under the alias
//   "play wave1"                    starts it and returns at once
//   "play wave1 notify wait"        returns when the sound has ended
//   "close wave1"                   stops it and closes the alias
// A command that cannot be carried out (a missing or unplayable file, a
// sound longer or larger than any narration, a file with no whole sample in
// it, an alias that is not open, an unknown command, no audio device)
// returns false and changes nothing else: the lesson goes on in silence.
// A file cut short plays the samples it holds.
//
// Waiting for a sound's end takes the WAV's own length from its header and
// sleeps that long on the clock; a player's own report that it has finished
// is never waited for, as a player without a device may never give it.

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/audio_backend.h"
#include "platform/clock.h"

namespace platform {

class SoundDevice {
public:
    // Turns a file name as the program writes it into the file to read;
    // nothing when there is no such file.
    using FileResolver = std::function<std::optional<std::filesystem::path>(std::string_view file)>;

    SoundDevice(AudioBackend& backend, Clock& clock, FileResolver resolve);

    bool send(std::string_view command);

private:
    bool open(std::string_view file, std::string_view alias);
    bool play(std::string_view alias, bool wait);
    bool close(std::string_view alias);
    std::optional<std::filesystem::path> resolve(std::string_view file) const;

    AudioBackend& backend_;
    Clock& clock_;
    FileResolver resolve_;
    std::map<std::string, std::chrono::milliseconds, std::less<>> open_;  // alias -> length
};

}  // namespace platform
