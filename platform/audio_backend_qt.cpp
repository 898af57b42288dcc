#include "platform/audio_backend_qt.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>

namespace platform {

QtAudioBackend::QtAudioBackend() = default;

QtAudioBackend::~QtAudioBackend() {
    for (auto& [alias, sound] : sounds_) {
        sound->stop();
    }
}

bool QtAudioBackend::load(std::string_view alias, const std::filesystem::path& wav) {
    close(alias);
    const QAudioDevice speakers = QMediaDevices::defaultAudioOutput();
    if (speakers.isNull()) {
        return false;
    }
    auto sound = std::make_unique<QSoundEffect>(speakers);
    sound->setSource(QUrl::fromLocalFile(QFile::decodeName(wav.c_str())));
    sounds_.emplace(std::string(alias), std::move(sound));
    return true;
}

bool QtAudioBackend::play(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end() || found->second->status() == QSoundEffect::Error) {
        return false;
    }
    // A sound still loading starts as soon as it is loaded.
    found->second->stop();
    found->second->play();
    return true;
}

void QtAudioBackend::close(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end()) {
        return;
    }
    found->second->stop();
    sounds_.erase(found);
}

}  // namespace platform
