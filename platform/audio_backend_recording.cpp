#include "platform/audio_backend_recording.h"

namespace platform {

RecordingAudioBackend::RecordingAudioBackend(AudioDevice device) : device_(device) {}

bool RecordingAudioBackend::load(std::string_view alias, const std::filesystem::path& wav, const WavSound&) {
    if (device_ == AudioDevice::Missing) {
        return false;
    }
    steps_.push_back("load " + std::string(alias) + " " + wav.string());
    return true;
}

bool RecordingAudioBackend::play(std::string_view alias) {
    steps_.push_back("play " + std::string(alias));
    return true;
}

void RecordingAudioBackend::close(std::string_view alias) {
    steps_.push_back("close " + std::string(alias));
}

void RecordingAudioBackend::note_command(std::string_view command) {
    commands_.emplace_back(command);
    if (sent_) sent_(command);
}

}  // namespace platform
