#pragma once
// The pupil's speakers: the desktop's sound server, spoken to in its own
// protocol (PulseAudio, or the PulseAudio service of PipeWire).  A sound is
// read whole when it is loaded; when it is played, a stream of its own is
// made and the whole sound handed to the server at once, and the stream
// starts without waiting to fill a buffer.  What the server holds is what
// is heard: nothing is left behind in the program to be lost when the sound
// is closed.  Closing flushes the stream and ends it, so the sound falls
// silent at once.
//
// With no sound server every sound fails to load, so nothing plays and
// nothing waits for it.  A server that stops answering holds a command up
// for a bounded time at most (kLongestServerWait).
//
// Made, used and closed on one thread (the sound thread of the back end);
// the server's messages are read on a thread of the speakers' own.

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

inline constexpr std::chrono::milliseconds kLongestServerWait{1500};

class PulseSpeakers {
public:
    PulseSpeakers();
    ~PulseSpeakers();
    PulseSpeakers(const PulseSpeakers&) = delete;
    PulseSpeakers& operator=(const PulseSpeakers&) = delete;

    // As the back end's (platform/audio_backend.h).  Play returns once the
    // server holds the whole sound (or as much as it takes at once; the
    // rest follows as it asks); close once it has flushed the stream.
    bool load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound);
    bool play(std::string_view alias);
    void close(std::string_view alias);
    void close_all();

private:
    struct Sound {
        std::uint32_t format = 0;  // the server's sample format
        WavFormat wav;
        std::string samples;
        pa_stream* stream = nullptr;
        std::size_t handed = 0;  // bytes of the samples the server has been given
    };

    using Sounds = std::map<std::string, Sound, std::less<>>;

    bool connected();
    void end_streams_of(Sounds::iterator first, Sounds::iterator last);
    void disconnect();
    bool open_stream(Sound& sound);
    void end_stream(Sound& sound);
    // Waits, with the loop locked, until `done` holds or the server has
    // been waited for kLongestServerWait; whether it holds.
    bool wait_until(const std::function<bool()>& done);

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    Sounds sounds_;
};

}  // namespace platform
