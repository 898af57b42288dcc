#include "tests/support/voiced.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/wav_info.h"
#include "platform/whole_wav.h"

namespace harness {

namespace {

using std::chrono::milliseconds;

constexpr int kLoud = 32768 * 3 / 100;

std::size_t frame_at(milliseconds time) {
    return static_cast<std::size_t>(std::max<milliseconds::rep>(0, time.count()) / kVoicedFrame.count());
}

bool loud(const std::string& samples, std::size_t at) {
    const auto low = static_cast<unsigned char>(samples[at]);
    const auto high = static_cast<unsigned char>(samples[at + 1]);
    return std::abs(static_cast<int>(static_cast<std::int16_t>(low | high << 8))) > kLoud;
}

}  // namespace

std::size_t VoicedSound::voiced_between(milliseconds from, milliseconds to) const {
    const std::size_t first = std::min(frame_at(from), frames.size());
    const std::size_t last = std::clamp(frame_at(to), first, frames.size());
    return static_cast<std::size_t>(std::count(frames.begin() + first, frames.begin() + last, true));
}

std::optional<milliseconds> VoicedSound::first_voiced(milliseconds from) const {
    for (std::size_t frame = frame_at(from); frame < frames.size(); ++frame)
        if (frames[frame]) return kVoicedFrame * frame;
    return std::nullopt;
}

milliseconds VoicedSound::spoken_end() const {
    const auto last = std::find(frames.rbegin(), frames.rend(), true);
    return kVoicedFrame * static_cast<std::size_t>(frames.rend() - last);
}

std::vector<std::size_t> voiced_parts(const VoicedSound& sound, milliseconds gap) {
    std::vector<std::size_t> parts;
    std::size_t silent = frame_at(gap);
    for (const bool voiced : sound.frames) {
        if (!voiced) {
            ++silent;
            continue;
        }
        if (silent >= frame_at(gap)) parts.push_back(0);
        ++parts.back();
        silent = 0;
    }
    return parts;
}

std::optional<VoicedSound> voiced_sound(const std::filesystem::path& wav) {
    const std::optional<platform::WavSound> sound = platform::wav_file_sound(wav);
    if (!sound || sound->format.bits != 16) return std::nullopt;
    const std::optional<std::string> samples = platform::whole_samples(wav, *sound);
    if (!samples) return VoicedSound{};
    // A frame is whole blocks (one sample of each channel): at 22050 Hz,
    // 10 ms is no whole number of them, so each frame begins at the block
    // its time falls in, and no sample is read across a block's edge.
    const std::size_t block = sound->format.block_align;
    const std::size_t blocks = samples->size() / block;
    const auto start_of = [&](std::size_t frame) {
        return frame * sound->format.sample_rate * kVoicedFrame.count() / 1000;
    };
    VoicedSound voiced;
    for (std::size_t frame = 0; start_of(frame) < blocks; ++frame) {
        const std::size_t end = std::min(blocks, start_of(frame + 1)) * block;
        bool any = false;
        for (std::size_t at = start_of(frame) * block; at + 2 <= end && !any; at += 2) any = loud(*samples, at);
        voiced.frames.push_back(any);
    }
    return voiced;
}

}  // namespace harness
