#include "platform/pulse_speakers.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
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

// The server's description of the WAV's samples; nothing when it does not
// take them as they stand.
std::optional<pa_sample_spec> server_spec(const WavFormat& wav) {
    const std::optional<pa_sample_format_t> format = server_format(wav);
    if (!format || wav.channels > PA_CHANNELS_MAX) return std::nullopt;
    const pa_sample_spec spec{
        .format = *format, .rate = wav.sample_rate, .channels = static_cast<std::uint8_t>(wav.channels)};
    if (!pa_sample_spec_valid(&spec)) return std::nullopt;
    return spec;
}

// The speakers' loop held, so that its thread does not run meanwhile.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

bool context_settled(pa_context* context) {
    const pa_context_state_t state = pa_context_get_state(context);
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
}

bool stream_settled(pa_stream* stream) {
    const pa_stream_state_t state = pa_stream_get_state(stream);
    return state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state);
}

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

bool server_takes(const WavFormat& wav) { return server_spec(wav).has_value(); }

PulseSpeakers::PulseSpeakers(Waiting& waiting) : waiting_(waiting) {}

PulseSpeakers::~PulseSpeakers() {
    close_all();
    give_up();
}

void PulseSpeakers::load(std::string_view alias, const std::filesystem::path& wav, const WavSound& sound) {
    close(alias);
    std::optional<std::string> samples = whole_samples(wav, sound);
    if (!samples) return;
    sounds_.emplace(std::string(alias), Sound{.wav = sound.format, .samples = std::move(*samples)});
    connect();
}

void PulseSpeakers::play(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end()) return;
    end_stream(found->second);
    if (connect() && open_stream(found->second)) start(found->second);
}

void PulseSpeakers::close(std::string_view alias) {
    const auto found = sounds_.find(alias);
    if (found == sounds_.end()) return;
    end_stream(found->second);
    sounds_.erase(found);
}

void PulseSpeakers::close_all() {
    for (auto& [alias, sound] : sounds_) end_stream(sound);
    sounds_.clear();
}

// Connects at the first sound, and again after the server has gone or been
// given up.  A connection the server has not answered yet is left under way
// for the next sound: a stopped server is not sent a new one at every sound.
bool PulseSpeakers::connect() {
    if (!connection_under_way() && !begin_connection()) return false;
    if (wait_for([this] { return context_settled(context_); }) != Answer::Came) return false;
    const bool ready = [this] {
        const LoopLock lock(loop_);
        return pa_context_get_state(context_) == PA_CONTEXT_READY;
    }();
    if (!ready) give_up();
    return ready;
}

bool PulseSpeakers::connection_under_way() {
    if (context_ == nullptr) return false;
    const LoopLock lock(loop_);
    return PA_CONTEXT_IS_GOOD(pa_context_get_state(context_));
}

bool PulseSpeakers::begin_connection() {
    give_up();
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "lesson");
    if (context_ == nullptr || pa_threaded_mainloop_start(loop_) < 0) {
        give_up();
        return false;
    }
    bool asked = false;
    {
        const LoopLock lock(loop_);
        pa_context_set_state_callback(
            context_,
            [](pa_context* context, void* speakers) {
                auto& self = *static_cast<PulseSpeakers*>(speakers);
                const pa_context_state_t state = pa_context_get_state(context);
                if (state == PA_CONTEXT_READY) self.reachable_ = true;
                if (state == PA_CONTEXT_FAILED) self.reachable_ = false;
                self.waiting_.heard();
            },
            this);
        asked = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) == 0;
    }
    if (!asked) {
        reachable_ = false;
        give_up();
    }
    return asked;
}

// A stream whose target buffer is the whole sound, connected to the server;
// false, with the stream ended, when the server does not make it.
bool PulseSpeakers::open_stream(Sound& sound) {
    const std::optional<pa_sample_spec> spec = server_spec(sound.wav);
    pa_channel_map channels;
    if (!spec || pa_channel_map_init_extend(&channels, spec->channels, PA_CHANNEL_MAP_WAVEEX) == nullptr)
        return false;
    bool asked = false;
    {
        const LoopLock lock(loop_);
        sound.stream = pa_stream_new(context_, "narration", &*spec, &channels);
        if (sound.stream == nullptr) return false;
        sound.handed = 0;
        pa_stream_set_state_callback(
            sound.stream, [](pa_stream*, void* waiting) { static_cast<Waiting*>(waiting)->heard(); }, &waiting_);
        pa_stream_set_write_callback(
            sound.stream,
            [](pa_stream* stream, std::size_t, void* playing) {
                auto& played = *static_cast<Sound*>(playing);
                hand_over(stream, played.samples, played.handed);
            },
            &sound);
        const auto whole = static_cast<std::uint32_t>(std::min<std::size_t>(sound.samples.size(), UINT32_MAX));
        const pa_buffer_attr buffer{.maxlength = static_cast<std::uint32_t>(-1),
                                    .tlength = whole,
                                    .prebuf = static_cast<std::uint32_t>(-1),
                                    .minreq = static_cast<std::uint32_t>(-1),
                                    .fragsize = static_cast<std::uint32_t>(-1)};
        asked = pa_stream_connect_playback(sound.stream, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) == 0;
    }
    const Answer answer = asked ? wait_for([&] { return stream_settled(sound.stream); }) : Answer::Came;
    if (answer == Answer::NoAnswer) {
        give_up();
        return false;
    }
    const bool ready = answer == Answer::Came && [&] {
        const LoopLock lock(loop_);
        return pa_stream_get_state(sound.stream) == PA_STREAM_READY;
    }();
    if (!ready) end_stream(sound);
    return ready;
}

// Hands the server the sound and has it start at once, without waiting for
// its buffer to fill.  A start the server refuses or cancels, or that is no
// longer wanted, is no start: the stream is ended.
bool PulseSpeakers::start(Sound& sound) {
    struct Started {
        Waiting* waiting;
        bool answered = false;
        bool started = false;
    } said{&waiting_};
    pa_operation* trigger = nullptr;
    {
        const LoopLock lock(loop_);
        hand_over(sound.stream, sound.samples, sound.handed);
        trigger = pa_stream_trigger(
            sound.stream,
            [](pa_stream*, int success, void* started) {
                auto& answer = *static_cast<Started*>(started);
                answer.answered = true;
                answer.started = success != 0;
                answer.waiting->heard();
            },
            &said);
    }
    Answer answer = Answer::Came;
    if (trigger != nullptr) {
        answer = wait_for([&] { return said.answered || pa_operation_get_state(trigger) != PA_OPERATION_RUNNING; });
        const LoopLock lock(loop_);
        if (pa_operation_get_state(trigger) == PA_OPERATION_RUNNING) pa_operation_cancel(trigger);
        pa_operation_unref(trigger);
    }
    if (answer == Answer::NoAnswer) {
        give_up();
    } else if (!said.started) {
        end_stream(sound);
    }
    return said.started && answer == Answer::Came;
}

// Ends the stream on the server at once: what it still holds of the sound
// is dropped.  A stream the server is still making cannot be ended on its
// own; the connection is given up instead.
void PulseSpeakers::end_stream(Sound& sound) {
    if (sound.stream == nullptr) return;
    bool making = false;
    {
        const LoopLock lock(loop_);
        pa_stream_set_write_callback(sound.stream, nullptr, nullptr);
        pa_stream_set_state_callback(sound.stream, nullptr, nullptr);
        const pa_stream_state_t state = pa_stream_get_state(sound.stream);
        making = state == PA_STREAM_CREATING;
        if (!making) {
            if (state == PA_STREAM_READY) pa_stream_disconnect(sound.stream);
            pa_stream_unref(sound.stream);
            sound.stream = nullptr;
        }
    }
    if (making) give_up();
}

// The loop is stopped first: then nothing of the connection runs while it is
// taken apart.
void PulseSpeakers::give_up() {
    if (loop_ != nullptr) pa_threaded_mainloop_stop(loop_);
    for (auto& [alias, sound] : sounds_) {
        if (sound.stream == nullptr) continue;
        pa_stream_set_write_callback(sound.stream, nullptr, nullptr);
        pa_stream_set_state_callback(sound.stream, nullptr, nullptr);
        pa_stream_unref(sound.stream);
        sound.stream = nullptr;
    }
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    if (loop_ != nullptr) pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

// The one bound on waiting for the server.
PulseSpeakers::Answer PulseSpeakers::wait_for(const std::function<bool()>& answered) {
    return waiting_.wait(
        [&] {
            const LoopLock lock(loop_);
            return answered();
        },
        std::chrono::steady_clock::now() + kServerAnswers);
}

}  // namespace platform
