#pragma once
// The pupil's speakers (platform/pulse_speakers.h) on a sound thread of
// their own, so that no sound command holds the page: "open", "play" and
// "close" are queued and come back at once, whatever the sound server does,
// and the sound thread carries them out in the order they were sent; a
// close is never dropped.
//
// What can be judged without the server is judged when the command is sent:
// a sound whose samples the server does not take as they stand is refused,
// and so is every sound while no server was found (the lesson goes on in
// silence, and no wait is made for it).  Reading the samples and speaking to
// the server happen on the sound thread.
//
// A play still queued, or still waiting on the server, when its alias is
// closed or opened anew is not started: the close ends the wait.  Ending
// the sound thread ends any wait in progress too, so the program's end never
// waits on a server that has stopped answering.

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "platform/audio_backend.h"
#include "platform/pulse_speakers.h"

namespace platform {

class SoundThread final : public AudioBackend, private PulseSpeakers::Waiting {
public:
    SoundThread();
    // Closes every sound and ends the thread.
    ~SoundThread() override;
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    bool load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) override;
    bool play(std::string_view alias) override;
    void close(std::string_view alias) override;

private:
    enum class Step { Connect, Load, Play, Close };
    struct Command {
        Step step = Step::Connect;
        std::string alias{};
        unsigned turn = 0;  // the alias's turn it was sent in
        std::filesystem::path wav{};
        WavSound sound{};
    };

    void send(Command command);
    void run();
    void carry_out(const Command& command);
    // Whether the command is still wanted: a load or play is not once its
    // alias has been closed or opened anew.  With the lock held.
    bool wanted(const Command& command) const;

    void heard() override;
    PulseSpeakers::Answer wait(const std::function<bool()>& answered,
                               std::chrono::steady_clock::time_point until) override;

    std::mutex mutex_;
    std::condition_variable woken_;
    std::deque<Command> queue_;
    // Each alias's turn: one more at each open and each close.
    std::map<std::string, unsigned, std::less<>> turns_;
    Command carrying_;  // the command the sound thread carries out
    unsigned answers_ = 0;  // what the server has said so far, counted
    bool ending_ = false;
    PulseSpeakers speakers_{*this};  // on the sound thread alone, but for reachable()
    std::thread thread_;
};

}  // namespace platform
