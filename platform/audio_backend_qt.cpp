#include "platform/audio_backend_qt.h"

#include <QDeadlineTimer>
#include <QMetaObject>

#include <string>

namespace platform {

namespace {

bool is_done(const std::shared_future<bool>& command) {
    return !command.valid() || command.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

}  // namespace

QtAudioBackend::QtAudioBackend(std::chrono::milliseconds bound)
    : bound_(bound), thread_(std::make_unique<QThread>()), speakers_(std::make_unique<PulseSpeakers>()),
      receiver_(std::make_unique<QObject>()) {
    thread_->setObjectName("sound");
    receiver_->moveToThread(thread_.get());
    thread_->start();
}

QtAudioBackend::~QtAudioBackend() {
    run([](PulseSpeakers& speakers) {
        speakers.close_all();
        return true;
    });
    thread_->quit();
    if (held_up() || !thread_->wait(QDeadlineTimer(bound_.count()))) {
        abandon();
        return;
    }
}

// Held up in the sound layer: the sound thread keeps what it holds, so that
// it never touches what is gone, and lets it go if it ever ends; else it
// ends with the process.
void QtAudioBackend::abandon() {
    QThread* const thread = thread_.release();
    QObject::connect(thread, &QThread::finished, thread,
                     [speakers = speakers_.release(), receiver = receiver_.release()] {
                         delete speakers;
                         delete receiver;
                     },
                     Qt::DirectConnection);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

bool QtAudioBackend::held_up() const { return !is_done(last_); }

bool QtAudioBackend::run(std::function<bool(PulseSpeakers&)> command) {
    if (!is_done(last_)) return false;
    auto outcome = std::make_shared<std::promise<bool>>();
    last_ = outcome->get_future().share();
    QMetaObject::invokeMethod(
        receiver_.get(),
        [outcome, command = std::move(command), speakers = speakers_.get()] {
            outcome->set_value(command(*speakers));
        },
        Qt::QueuedConnection);
    if (last_.wait_for(bound_) != std::future_status::ready) return false;
    return last_.get();
}

bool QtAudioBackend::load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) {
    return run([alias = std::string(alias), wav, sound](PulseSpeakers& speakers) {
        return speakers.load(alias, wav, sound);
    });
}

bool QtAudioBackend::play(std::string_view alias) {
    return run([alias = std::string(alias)](PulseSpeakers& speakers) { return speakers.play(alias); });
}

void QtAudioBackend::close(std::string_view alias) {
    run([alias = std::string(alias)](PulseSpeakers& speakers) {
        speakers.close(alias);
        return true;
    });
}

}  // namespace platform
