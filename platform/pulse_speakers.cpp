#include "platform/pulse_speakers.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <iterator>
#include <optional>

#include "platform/whole_wav.h"

namespace platform {

namespace {

constexpr std::uint16_t kIntegerSamples = 0x0001, kFloatSamples = 0x0003, kExtensible = 0xFFFE;

// The server's name for the WAV's samples; nothing for those it does not
// play (64-bit floats, and 32 bits in an extensible header, which may be
// either integers or floats).
std::optional<pa_sample_format_t> server_format(const WavFormat& wav) {
    if (wav.tag == kFloatSamples) {
        if (wav.bits == 32) return PA_SAMPLE_FLOAT32LE;
        return std::nullopt;
    }
    if (wav.tag != kIntegerSamples && wav.tag != kExtensible) return std::nullopt;
    switch (wav.bits) {
        case 8: return PA_SAMPLE_U8;
        case 16: return PA_SAMPLE_S16LE;
        case 24: return PA_SAMPLE_S24LE;
        case 32:
            if (wav.tag == kIntegerSamples) return PA_SAMPLE_S32LE;
            return std::nullopt;
        default: return std::nullopt;
    }
}

bool context_settled(pa_context* context) {
    const pa_context_state_t state = pa_context_get_state(context);
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
}

bool stream_settled(pa_stream* stream) {
    const pa_stream_state_t state = pa_stream_get_state(stream);
    return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
}

bool finished(pa_operation* operation) { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; }

void wake_waiter(void* loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0); }
void wake_when_done(pa_stream*, int, void* loop) { wake_waiter(loop); }

// Hands the server the rest of the sound, from where it stopped last: as
// much as its buffer for the stream holds at the most, not only what it asks
// for (a narration fits whole; a longer sound follows as the server asks).
void hand_over(pa_stream* stream, std::string_view samples, std::size_t& handed) {
    const std::size_t room = pa_stream_writable_size(stream);
    if (room == static_cast<std::size_t>(-1) || handed >= samples.size()) return;
    const pa_buffer_attr* buffer = pa_stream_get_buffer_attr(stream);
    const std::size_t held = buffer != nullptr && buffer->tlength > room ? buffer->tlength - room : 0;
    const std::size_t most = buffer != nullptr && buffer->maxlength > held ? buffer->maxlength - held : room;
    const std::size_t count = std::min(std::max(room, most), samples.size() - handed);
    if (pa_stream_write(stream, samples.data() + handed, count, nullptr, 0, PA_SEEK_RELATIVE) == 0) handed += count;
}

}  // namespace

PulseSpeakers::PulseSpeakers() = default;

PulseSpeakers::~PulseSpeakers() {
    close_all();
    disconnect();
}

void PulseSpeakers::close_all() {
    end_streams_of(sounds_.begin(), sounds_.end());
    sounds_.clear();
}

bool PulseSpeakers::load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) {
    close(alias);
    const std::optional<pa_sample_format_t> format = server_format(sound.format);
    if (!format || !connected()) return false;
    std::optional<std::string> samples = whole_samples(wav, sound);
    if (!samples) return false;
    sounds_.emplace(std::string(alias), Sound{.format = static_cast<std::uint32_t>(*format),
                                              .wav = sound.format,
                                              .samples = std::move(*samples)});
    return true;
}

bool PulseSpeakers::play(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end() || !connected()) return false;
    pa_threaded_mainloop_lock(loop_);
    end_stream(found->second);
    const bool playing = open_stream(found->second);
    pa_threaded_mainloop_unlock(loop_);
    return playing;
}

void PulseSpeakers::close(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end()) return;
    end_streams_of(found, std::next(found));
    sounds_.erase(found);
}

void PulseSpeakers::end_streams_of(Sounds::iterator first, Sounds::iterator last) {
    if (loop_ == nullptr) return;
    pa_threaded_mainloop_lock(loop_);
    for (; first != last; ++first) end_stream(first->second);
    pa_threaded_mainloop_unlock(loop_);
}

// A stream whose target buffer is the whole sound, given the sound, then
// triggered: the server starts it with the whole sound in hand, without
// waiting for its buffer to fill.
bool PulseSpeakers::open_stream(Sound& sound) {
    const pa_sample_spec spec{.format = static_cast<pa_sample_format_t>(sound.format),
                              .rate = sound.wav.sample_rate,
                              .channels = static_cast<std::uint8_t>(sound.wav.channels)};
    pa_channel_map channels;
    if (!pa_sample_spec_valid(&spec) ||
        pa_channel_map_init_extend(&channels, spec.channels, PA_CHANNEL_MAP_WAVEEX) == nullptr)
        return false;
    sound.stream = pa_stream_new(context_, "narration", &spec, &channels);
    if (sound.stream == nullptr) return false;
    sound.handed = 0;
    pa_stream_set_state_callback(sound.stream, [](pa_stream*, void* loop) { wake_waiter(loop); }, loop_);
    pa_stream_set_write_callback(
        sound.stream,
        [](pa_stream* stream, std::size_t, void* playing) {
            auto& sound = *static_cast<Sound*>(playing);
            hand_over(stream, sound.samples, sound.handed);
        },
        &sound);
    const auto whole = static_cast<std::uint32_t>(std::min<std::size_t>(sound.samples.size(), UINT32_MAX));
    const pa_buffer_attr buffer{.maxlength = static_cast<std::uint32_t>(-1),
                                .tlength = whole,
                                .prebuf = static_cast<std::uint32_t>(-1),
                                .minreq = static_cast<std::uint32_t>(-1),
                                .fragsize = static_cast<std::uint32_t>(-1)};
    if (pa_stream_connect_playback(sound.stream, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0 ||
        !wait_until([&] { return stream_settled(sound.stream); }) ||
        pa_stream_get_state(sound.stream) != PA_STREAM_READY) {
        end_stream(sound);
        return false;
    }
    hand_over(sound.stream, sound.samples, sound.handed);
    pa_operation* start = pa_stream_trigger(sound.stream, wake_when_done, loop_);
    if (start == nullptr) {
        end_stream(sound);
        return false;
    }
    const bool started = wait_until([&] { return finished(start); });
    pa_operation_unref(start);
    return started;
}

// Drops what the server still holds of the sound and ends its stream.
void PulseSpeakers::end_stream(Sound& sound) {
    if (sound.stream == nullptr) return;
    pa_stream_set_write_callback(sound.stream, nullptr, nullptr);
    pa_stream_set_state_callback(sound.stream, nullptr, nullptr);
    if (pa_stream_get_state(sound.stream) == PA_STREAM_READY) {
        if (pa_operation* flush = pa_stream_flush(sound.stream, wake_when_done, loop_)) {
            wait_until([&] { return finished(flush); });
            pa_operation_unref(flush);
        }
    }
    pa_stream_disconnect(sound.stream);
    pa_stream_unref(sound.stream);
    sound.stream = nullptr;
}

// Connects at the first sound, and again after the server has gone.
bool PulseSpeakers::connected() {
    if (context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY) return true;
    end_streams_of(sounds_.begin(), sounds_.end());
    disconnect();
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "lesson");
    if (context_ == nullptr || pa_threaded_mainloop_start(loop_) < 0) {
        disconnect();
        return false;
    }
    pa_threaded_mainloop_lock(loop_);
    pa_context_set_state_callback(context_, [](pa_context*, void* loop) { wake_waiter(loop); }, loop_);
    const bool ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) == 0 &&
                       wait_until([&] { return context_settled(context_); }) &&
                       pa_context_get_state(context_) == PA_CONTEXT_READY;
    pa_threaded_mainloop_unlock(loop_);
    if (!ready) disconnect();
    return ready;
}

void PulseSpeakers::disconnect() {
    if (loop_ != nullptr) pa_threaded_mainloop_stop(loop_);
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    if (loop_ != nullptr) pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

// A timer on the loop wakes the wait when the server has been waited for
// long enough.
bool PulseSpeakers::wait_until(const std::function<bool()>& done) {
    struct Deadline {
        pa_threaded_mainloop* loop;
        bool passed = false;
    } deadline{loop_};
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    timeval at{};
    pa_timeval_add(pa_gettimeofday(&at), std::chrono::microseconds(kLongestServerWait).count());
    pa_time_event* timer = api->time_new(
        api, &at,
        [](pa_mainloop_api*, pa_time_event*, const timeval*, void* waiting) {
            auto& deadline = *static_cast<Deadline*>(waiting);
            deadline.passed = true;
            pa_threaded_mainloop_signal(deadline.loop, 0);
        },
        &deadline);
    while (!done() && !deadline.passed) pa_threaded_mainloop_wait(loop_);
    api->time_free(timer);
    return done();
}

}  // namespace platform
