#include "platform/qt_speakers.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>

#include <system_error>

#include "platform/whole_wav.h"

namespace platform {

namespace {

void remove_copy(const std::filesystem::path& copy) {
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
}

}  // namespace

QtSpeakers::QtSpeakers() = default;

QtSpeakers::~QtSpeakers() { close_all(); }

void QtSpeakers::close_all() {
    while (!sounds_.empty()) close(sounds_.begin()->first);
}

bool QtSpeakers::load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) {
    close(alias);
    const QAudioDevice speakers = QMediaDevices::defaultAudioOutput();
    if (speakers.isNull()) {
        return false;
    }
    const std::optional<std::filesystem::path> copy = copy_of(wav, sound);
    if (!copy) {
        return false;
    }
    auto effect = std::make_unique<QSoundEffect>(speakers);
    // Once read, the copy is needed no more: a program that is killed
    // leaves none behind.
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, effect.get(), [raw = effect.get(), at = *copy] {
        if (raw->status() == QSoundEffect::Ready || raw->status() == QSoundEffect::Error) remove_copy(at);
    });
    effect->setSource(QUrl::fromLocalFile(QFile::decodeName(copy->c_str())));
    sounds_.emplace(std::string(alias), Loaded{std::move(effect), *copy});
    return true;
}

bool QtSpeakers::play(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end() || found->second.effect->status() == QSoundEffect::Error) {
        return false;
    }
    // A sound still loading starts as soon as it is loaded.
    found->second.effect->stop();
    found->second.effect->play();
    return true;
}

void QtSpeakers::close(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end()) {
        return;
    }
    found->second.effect->stop();
    const std::filesystem::path copy = found->second.copy;
    sounds_.erase(found);
    remove_copy(copy);
}

// A new name for every copy: the sound effect keeps what it read of a file
// under the file's name.
std::optional<std::filesystem::path> QtSpeakers::copy_of(const std::filesystem::path& wav,
                                                              const WavSound& sound) {
    if (!copies_) copies_.emplace(QDir::tempPath() + "/narration-XXXXXX");
    if (!copies_->isValid()) return std::nullopt;
    const std::filesystem::path copy = std::filesystem::path(QFile::encodeName(copies_->path()).toStdString()) /
                                       ("sound" + std::to_string(++copies_made_) + ".wav");
    if (!write_whole_wav(wav, sound, copy)) {
        remove_copy(copy);
        return std::nullopt;
    }
    return copy;
}

}  // namespace platform
