#pragma once
// The pupil's speakers, through Qt Multimedia.  With no audio device every
// sound fails to load, so nothing plays and nothing waits for it.
//
// Qt's sound effect is never given a course file itself: it reads a file to
// the size its header states, and one cut short keeps it waiting for the
// rest, after which closing any sound waits for good.  It is given a whole
// copy of the sound instead (platform/whole_wav.h), in a folder of its own
// that goes with the back end.

#include <QSoundEffect>
#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/audio_backend.h"

namespace platform {

class QtAudioBackend final : public AudioBackend {
public:
    QtAudioBackend();
    ~QtAudioBackend() override;

    bool load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) override;
    bool play(std::string_view alias) override;
    void close(std::string_view alias) override;

private:
    struct Loaded {
        std::unique_ptr<QSoundEffect> effect;
        std::filesystem::path copy;
    };

    std::optional<std::filesystem::path> copy_of(const std::filesystem::path& wav, const WavSound& sound);

    std::optional<QTemporaryDir> copies_;  // made at the first sound
    std::uint64_t copies_made_ = 0;
    std::map<std::string, Loaded, std::less<>> sounds_;
};

}  // namespace platform
