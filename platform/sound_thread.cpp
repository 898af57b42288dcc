#include "platform/sound_thread.h"

#include <exception>
#include <utility>

namespace platform {

SoundThread::SoundThread() : thread_([this] { run(); }) { send({.step = Step::Connect}); }

SoundThread::~SoundThread() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    woken_.notify_all();
    thread_.join();
}

bool SoundThread::load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) {
    if (!server_takes(sound.format)) return false;
    if (!speakers_.reachable()) {
        send({.step = Step::Connect});  // a server may have come since
        return false;
    }
    send({.step = Step::Load, .alias = std::string(alias), .wav = wav, .sound = sound});
    return true;
}

bool SoundThread::play(std::string_view alias) {
    send({.step = Step::Play, .alias = std::string(alias)});
    return true;
}

void SoundThread::close(std::string_view alias) { send({.step = Step::Close, .alias = std::string(alias)}); }

void SoundThread::send(Command command) {
    {
        const std::lock_guard lock(mutex_);
        unsigned& turn = turns_[command.alias];
        if (command.step == Step::Load || command.step == Step::Close) ++turn;
        command.turn = turn;
        queue_.push_back(std::move(command));
    }
    woken_.notify_all();
}

bool SoundThread::wanted(const Command& command) const {
    if (ending_) return false;
    if (command.step != Step::Load && command.step != Step::Play) return true;
    const auto turn = turns_.find(command.alias);
    return turn != turns_.end() && turn->second == command.turn;
}

void SoundThread::run() {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            woken_.wait(lock, [this] { return ending_ || !queue_.empty(); });
            if (ending_) break;
            carrying_ = std::move(queue_.front());
            queue_.pop_front();
            if (!wanted(carrying_)) continue;
        }
        carry_out(carrying_);
    }
    speakers_.close_all();
    speakers_.give_up();
}

void SoundThread::carry_out(const Command& command) {
    try {
        switch (command.step) {
            case Step::Connect: speakers_.connect(); break;
            case Step::Load: speakers_.load(command.alias, command.wav, command.sound); break;
            case Step::Play: speakers_.play(command.alias); break;
            case Step::Close: speakers_.close(command.alias); break;
        }
    } catch (const std::exception&) {
        // Memory for a sound's samples ran out: that sound is silent.
    }
}

void SoundThread::heard() {
    {
        const std::lock_guard lock(mutex_);
        ++answers_;
    }
    woken_.notify_all();
}

PulseSpeakers::Answer SoundThread::wait(const std::function<bool()>& answered,
                                        std::chrono::steady_clock::time_point until) {
    for (;;) {
        unsigned seen = 0;
        {
            const std::lock_guard lock(mutex_);
            if (!wanted(carrying_)) return PulseSpeakers::Answer::NotWanted;
            seen = answers_;
        }
        if (answered()) return PulseSpeakers::Answer::Came;
        std::unique_lock lock(mutex_);
        if (!woken_.wait_until(lock, until, [&] { return answers_ != seen || !wanted(carrying_); }))
            return PulseSpeakers::Answer::NoAnswer;
    }
}

}  // namespace platform
