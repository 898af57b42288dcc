#pragma once
// The pupil's speakers: the desktop's sound server, spoken to in its own
// protocol (PulseAudio, or the PulseAudio service of PipeWire).  A sound is
// read whole when it is loaded; when it is played, a stream of its own is
// made and the whole sound handed to the server at once, and the stream
// starts without waiting to fill a buffer.  What the server holds is what
// is heard: nothing is left behind in the program to be lost when the sound
// is closed.  Closing ends the stream, so the sound falls silent at once.
//
// Every wait for the server's answer ends within kServerAnswers: the one
// bound, enforced in wait_for.  A server that has not answered a stream's
// making or start by then is given up: the connection is closed, which ends
// every stream of ours on the server, and made again at the next sound (one
// the server has not answered yet stays under way for the sounds after).  A
// wait the sound thread no longer wants (its sound has been closed or opened
// anew meanwhile) ends at once, and what it waited for is ended too.  With
// no sound server nothing plays and nothing waits.
//
// Used on one thread (the sound thread, platform/sound_thread.h); the
// server's messages are read on a thread of the speakers' own.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/wav_info.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace platform {

inline constexpr std::chrono::milliseconds kServerAnswers{1000};

// Whether the server takes the WAV's samples as they stand: a sample format
// it has a name for, no more channels than it takes, a rate it plays.
bool server_takes(const WavFormat& wav);

class PulseSpeakers {
public:
    enum class Answer { Came, NotWanted, NoAnswer };

    // How the speakers wait: `answered` is asked again each time the server
    // has said something (heard(), told on the speakers' own thread), until
    // it holds, `until` has passed, or the wait is no longer wanted.
    class Waiting {
    public:
        virtual void heard() = 0;
        virtual Answer wait(const std::function<bool()>& answered, std::chrono::steady_clock::time_point until) = 0;

    protected:
        ~Waiting() = default;
    };

    explicit PulseSpeakers(Waiting& waiting);
    ~PulseSpeakers();
    PulseSpeakers(const PulseSpeakers&) = delete;
    PulseSpeakers& operator=(const PulseSpeakers&) = delete;

    // Whether a server was there when last asked: false once one refused to
    // connect or went away, true again once a connection is made.  Read on
    // any thread.
    bool reachable() const { return reachable_; }

    // Connects unless connected; whether it is.
    bool connect();
    // Takes the samples of the WAV file under the alias, and connects.
    void load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound);
    // Starts the alias's sound from its beginning, on a stream of its own.
    void play(std::string_view alias);
    // Ends the alias's stream, without waiting for the server, and forgets it.
    void close(std::string_view alias);
    void close_all();
    // Ends the connection, and so every stream of ours on the server.
    void give_up();

private:
    struct Sound {
        WavFormat wav;
        std::string samples;
        pa_stream* stream = nullptr;
        std::size_t handed = 0;  // bytes of the samples the server has been given
    };

    bool connection_under_way();
    bool begin_connection();
    bool open_stream(Sound& sound);
    bool start(Sound& sound);
    void end_stream(Sound& sound);
    Answer wait_for(const std::function<bool()>& answered);

    Waiting& waiting_;
    std::atomic<bool> reachable_{true};
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    std::map<std::string, Sound, std::less<>> sounds_;
};

}  // namespace platform
