#include "platform/wav_info.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/regular_file.h"

namespace platform {

namespace {

// Sample formats a WAV player plays: integer PCM, floating point, and the
// extensible header that wraps either; the sample sizes of each; the sample
// rates an audio device plays.
constexpr std::uint16_t kIntegerFormat = 0x0001, kFloatFormat = 0x0003, kExtensibleFormat = 0xFFFE;
constexpr std::array<std::uint16_t, 4> kIntegerBits{8, 16, 24, 32};
constexpr std::array<std::uint16_t, 2> kFloatBits{32, 64};
constexpr std::uint32_t kLowestRate = 1000, kHighestRate = 768000;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFormatMinimum = 16;
constexpr int kMostChunks = 64;

std::uint32_t little_endian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

WavFormat read_format(std::string_view chunk) {
    return WavFormat{
        .tag = static_cast<std::uint16_t>(little_endian(chunk, 0, 2)),
        .channels = static_cast<std::uint16_t>(little_endian(chunk, 2, 2)),
        .sample_rate = little_endian(chunk, 4, 4),
        .byte_rate = little_endian(chunk, 8, 4),
        .block_align = static_cast<std::uint16_t>(little_endian(chunk, 12, 2)),
        .bits = static_cast<std::uint16_t>(little_endian(chunk, 14, 2)),
    };
}

bool known_sample_size(const WavFormat& format) {
    const auto among = [&](const auto& sizes) { return std::ranges::find(sizes, format.bits) != sizes.end(); };
    switch (format.tag) {
        case kIntegerFormat: return among(kIntegerBits);
        case kFloatFormat: return among(kFloatBits);
        case kExtensibleFormat: return among(kIntegerBits) || among(kFloatBits);
        default: return false;
    }
}

// A format whose numbers add up: the block is a sample of each channel, the
// byte rate a block per sample, at a rate a device plays.
bool playable(const WavFormat& format) {
    const std::uint64_t block = std::uint64_t{format.channels} * (format.bits / 8);
    return known_sample_size(format) && format.channels > 0 && block == format.block_align &&
           format.sample_rate >= kLowestRate && format.sample_rate <= kHighestRate &&
           std::uint64_t{format.sample_rate} * block == format.byte_rate;
}

// The data chunk: where its bytes begin, and how many of those it claims
// the file holds.
struct DataChunk {
    std::uint64_t at = 0;
    std::uint64_t present = 0;
};

struct Chunks {
    std::optional<WavFormat> format;
    std::optional<DataChunk> data;
};

// The bytes of a WAV as the walk over its chunks reads them: how many there
// are, and a few of them at a time (fewer where they end or cannot be read).
struct WavBytes {
    std::uint64_t size;
    std::function<std::string(std::uint64_t at, std::size_t count)> read;
};

// Walks the chunks after the RIFF/WAVE header, in whatever order they come,
// reading the header of each and the format, never the sound itself: a
// chunk's size only moves the walk on.  It ends once the format and the data
// are found, or after so many chunks that no WAV holds (a file of millions of
// empty ones is not walked to its end).
Chunks read_chunks(const WavBytes& bytes) {
    Chunks found;
    std::uint64_t at = 12;
    for (int walked = 0; walked < kMostChunks && at + kChunkHeader <= bytes.size; ++walked) {
        const std::string header = bytes.read(at, kChunkHeader);
        if (header.size() < kChunkHeader) {
            break;
        }
        const std::string_view id = std::string_view(header).substr(0, 4);
        const std::uint64_t declared = little_endian(header, 4, 4);
        const std::uint64_t body = at + kChunkHeader;
        const std::uint64_t present = std::min(declared, bytes.size - body);
        if (id == "fmt " && !found.format && present >= kFormatMinimum) {
            const std::string format = bytes.read(body, kFormatMinimum);
            if (format.size() < kFormatMinimum) {
                break;
            }
            found.format = read_format(format);
        } else if (id == "data" && !found.data) {
            found.data = DataChunk{.at = body, .present = present};
        }
        if (found.format && found.data) {
            break;  // all that is needed
        }
        at = body + declared + (declared % 2);  // chunks are word aligned
    }
    return found;
}

std::optional<WavSound> sound_of(const WavBytes& bytes) {
    const std::string header = bytes.size >= 12 ? bytes.read(0, 12) : std::string();
    if (header.size() < 12 || header.substr(0, 4) != "RIFF" || header.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    const Chunks chunks = read_chunks(bytes);
    if (!chunks.format || !chunks.data || !playable(*chunks.format)) {
        return std::nullopt;
    }
    // A sample cut off by the end of the file is no sample.
    const std::uint64_t present = chunks.data->present;
    return WavSound{.format = *chunks.format,
                    .data_at = chunks.data->at,
                    .data_bytes = present - present % chunks.format->block_align};
}

WavBytes bytes_of(std::string_view bytes) {
    return {.size = bytes.size(), .read = [bytes](std::uint64_t at, std::size_t count) {
                return std::string(bytes.substr(std::min<std::uint64_t>(at, bytes.size()), count));
            }};
}

std::optional<std::chrono::milliseconds> length_of(const std::optional<WavSound>& sound) {
    if (!sound) return std::nullopt;
    return sound->length();
}

}  // namespace

std::chrono::milliseconds WavSound::length() const {
    const std::uint64_t rate = std::uint64_t{format.sample_rate} * format.block_align;
    if (rate == 0) return std::chrono::milliseconds(0);  // no format: nothing plays
    return std::chrono::milliseconds((data_bytes * 1000 + rate - 1) / rate);
}

std::optional<WavSound> wav_sound(std::string_view bytes) { return sound_of(bytes_of(bytes)); }

std::optional<WavSound> wav_file_sound(const std::filesystem::path& file) {
    const std::optional<RegularFile> wav = RegularFile::open(file);
    if (!wav) {
        return std::nullopt;
    }
    return sound_of({.size = wav->size(), .read = [&wav](std::uint64_t at, std::size_t count) {
                         return wav->read(at, count).value_or(std::string());
                     }});
}

std::optional<std::chrono::milliseconds> wav_length(std::string_view bytes) {
    return length_of(wav_sound(bytes));
}

std::optional<std::chrono::milliseconds> wav_file_length(const std::filesystem::path& file) {
    return length_of(wav_file_sound(file));
}

}  // namespace platform
