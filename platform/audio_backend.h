#pragma once
// What actually makes a sound: a player that holds WAV files under aliases,
// plays one in the background and stops it.  The sound device in front of
// it reads the command strings and does all the waiting itself.

#include <filesystem>
#include <string_view>

#include "platform/wav_info.h"

namespace platform {

class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // Takes the sound of the WAV file under the alias: the sound's data as
    // the sound device read it from the file, never more than the file
    // holds.  False when it cannot be played here, for instance because the
    // machine has no audio device.
    virtual bool load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) = 0;
    // Starts the alias's sound from its beginning and returns at once.
    virtual bool play(std::string_view alias) = 0;
    // Stops the alias's sound and forgets it.
    virtual void close(std::string_view alias) = 0;

    // Each command string the sound device is sent, as sent, before it acts.
    virtual void note_command(std::string_view command) { (void)command; }
};

}  // namespace platform
