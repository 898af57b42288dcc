#pragma once
// Where a 16-bit sound is voiced, in frames of 10 ms: a frame is voiced when
// a sample of it, of any channel, is louder than 3 % of full scale, the
// measure the narration's spoken length is taken by.  The same measure for
// a narration file and for a recording of what the speakers played tells
// how much of the narration was heard.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace harness {

inline constexpr std::chrono::milliseconds kVoicedFrame{10};

struct VoicedSound {
    std::vector<bool> frames;  // one a 10 ms frame, from the sound's start

    // Voiced frames in [from, to), both from the sound's start.
    std::size_t voiced_between(std::chrono::milliseconds from, std::chrono::milliseconds to) const;
    std::size_t voiced() const { return voiced_between(std::chrono::milliseconds(0), length()); }
    std::chrono::milliseconds length() const { return kVoicedFrame * frames.size(); }
    // The start of the first voiced frame at or after `from`; nothing when
    // none is.
    std::optional<std::chrono::milliseconds> first_voiced(std::chrono::milliseconds from) const;
    // The end of the last voiced frame.
    std::chrono::milliseconds spoken_end() const;
};

// The voiced frames of each part of the sound that silence of at least `gap`
// sets apart from the others, in order.
std::vector<std::size_t> voiced_parts(const VoicedSound& sound, std::chrono::milliseconds gap);

// Nothing for a file that is no 16-bit WAV.
std::optional<VoicedSound> voiced_sound(const std::filesystem::path& wav);

}  // namespace harness
