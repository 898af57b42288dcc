#pragma once
// What a WAV sound holds, from its chunks' headers: its format, where its
// data lies and how many bytes of it there are, and so how long it plays:
// the data's bytes over the sample rate, the channels and the bytes per
// sample.  Anything that is not a playable WAV (another kind of file, a
// cut-off header, a format whose numbers do not add up, a sample rate no
// device plays) has no sound: it is silent, and no wait is made for it.
//
// The data counted is the data there is: a data chunk cut short by the end
// of the file (a file half copied, a header alone, a size of 4 GiB on a
// short file) counts with the whole samples the file holds, never with what
// its header says.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The first sixteen bytes of the format chunk.
struct WavFormat {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sample_rate = 0;
    std::uint32_t byte_rate = 0;
    std::uint16_t block_align = 0;  // bytes of one sample of every channel
    std::uint16_t bits = 0;         // per sample of one channel
};

struct WavSound {
    WavFormat format;
    std::uint64_t data_at = 0;     // where the first sample begins in the file
    std::uint64_t data_bytes = 0;  // whole samples of every channel, all in the file

    // Rounded up, so that a wait for the sound never ends before it does.
    std::chrono::milliseconds length() const;
};

// The whole file's bytes.
std::optional<WavSound> wav_sound(std::string_view bytes);
// The same for a file, from its chunks' headers and its size alone: the
// sound itself is never read, however long the file.  Nothing when the file
// cannot be read.
std::optional<WavSound> wav_file_sound(const std::filesystem::path& file);

std::optional<std::chrono::milliseconds> wav_length(std::string_view bytes);
std::optional<std::chrono::milliseconds> wav_file_length(const std::filesystem::path& file);

}  // namespace platform
