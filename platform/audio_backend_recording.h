#pragma once
// A silent back end for tests: it plays nothing, but keeps every command
// string the sound device was sent and every step it was asked to take, so
// that a test can read what the pupil would have heard.

#include <functional>
#include <string>
#include <vector>

#include "platform/audio_backend.h"

namespace platform {

enum class AudioDevice { Present, Missing };

class RecordingAudioBackend final : public AudioBackend {
public:
    explicit RecordingAudioBackend(AudioDevice device = AudioDevice::Present);

    bool load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) override;
    bool play(std::string_view alias) override;
    void close(std::string_view alias) override;
    void note_command(std::string_view command) override;

    // The command strings, as sent: "open SOUND1.WAV alias wave1", ...
    const std::vector<std::string>& commands() const { return commands_; }
    // What reached the player: "load wave1 <file>", "play wave1", "close wave1".
    const std::vector<std::string>& steps() const { return steps_; }
    // A watcher told of each command string as it is sent; a new one replaces the old.
    void on_command(std::function<void(std::string_view)> sent) { sent_ = std::move(sent); }

private:
    AudioDevice device_;
    std::vector<std::string> commands_;
    std::function<void(std::string_view)> sent_;
    std::vector<std::string> steps_;
};

}  // namespace platform
