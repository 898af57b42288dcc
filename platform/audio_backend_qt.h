#pragma once
// The pupil's speakers (platform/pulse_speakers.h) behind a bound: they live
// on a sound thread of their own, and the lesson waits for each command only
// so long.  A command the sound layer has not carried out by then (a sound
// server that has stopped answering) fails like one with no audio device,
// and so does every command after it until the sound layer has caught up:
// the page and the exit go on in silence.

#include <QObject>
#include <QThread>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

#include "platform/audio_backend.h"
#include "platform/pulse_speakers.h"

namespace platform {

// Far longer than a command takes on a sound server that answers.
inline constexpr std::chrono::milliseconds kLongestSoundCommand{2000};

class QtAudioBackend final : public AudioBackend {
public:
    explicit QtAudioBackend(std::chrono::milliseconds bound = kLongestSoundCommand);
    // Closes every sound, waiting for that no longer than for a command; a
    // sound thread still held up then is left to end with the program.
    ~QtAudioBackend() override;
    QtAudioBackend(const QtAudioBackend&) = delete;
    QtAudioBackend& operator=(const QtAudioBackend&) = delete;

    bool load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) override;
    bool play(std::string_view alias) override;
    void close(std::string_view alias) override;

    // Whether a command is still waiting in the sound layer.  Qt's own
    // clean-up at the end of the process would wait for it too.
    bool held_up() const;

private:
    // Runs the command on the sound thread; false when it has not been
    // carried out within the bound, or the one before it is still waiting.
    bool run(std::function<bool(PulseSpeakers&)> command);
    // Leaves the sound thread to end when it can, with what it holds.
    void abandon();

    std::chrono::milliseconds bound_;
    std::unique_ptr<QThread> thread_;
    // Made, used and closed on the sound thread; the receiver of its commands.
    std::unique_ptr<PulseSpeakers> speakers_;
    std::unique_ptr<QObject> receiver_;
    std::shared_future<bool> last_;
};

}  // namespace platform
