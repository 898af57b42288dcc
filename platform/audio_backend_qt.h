#pragma once
// The pupil's speakers, through Qt Multimedia.  With no audio device every
// sound fails to load, so nothing plays and nothing waits for it.

#include <QSoundEffect>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/audio_backend.h"

namespace platform {

class QtAudioBackend final : public AudioBackend {
public:
    QtAudioBackend();
    ~QtAudioBackend() override;

    bool load(std::string_view alias, const std::filesystem::path& wav) override;
    bool play(std::string_view alias) override;
    void close(std::string_view alias) override;

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> sounds_;
};

}  // namespace platform
