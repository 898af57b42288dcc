#pragma once
// The pupil's speakers, through Qt Multimedia: Qt's sound effects under
// aliases, all made, played and closed on the one thread that makes the
// speakers (the sound thread of the Qt back end).  With no audio device
// every sound fails to load, so nothing plays and nothing waits for it.
//
// Qt's sound effect is never given a course file itself: it reads a file to
// the size its header states, and one cut short keeps it waiting for the
// rest, after which closing any sound waits for good.  It is given a whole
// copy of the sound instead (platform/whole_wav.h), in a folder of the
// speakers' own, removed once Qt has read it.

#include <QSoundEffect>
#include <QTemporaryDir>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/wav_info.h"

namespace platform {

class QtSpeakers {
public:
    QtSpeakers();
    ~QtSpeakers();
    QtSpeakers(const QtSpeakers&) = delete;
    QtSpeakers& operator=(const QtSpeakers&) = delete;

    // As the back end's (platform/audio_backend.h).
    bool load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound);
    bool play(std::string_view alias);
    void close(std::string_view alias);
    void close_all();

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
