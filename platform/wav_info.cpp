#include "platform/wav_info.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

std::uint32_t little_endian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

struct Format {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sample_rate = 0;
    std::uint32_t byte_rate = 0;
    std::uint16_t block_align = 0;  // bytes of one sample of every channel
    std::uint16_t bits = 0;         // per sample of one channel
};

Format read_format(std::string_view chunk) {
    return Format{
        .tag = static_cast<std::uint16_t>(little_endian(chunk, 0, 2)),
        .channels = static_cast<std::uint16_t>(little_endian(chunk, 2, 2)),
        .sample_rate = little_endian(chunk, 4, 4),
        .byte_rate = little_endian(chunk, 8, 4),
        .block_align = static_cast<std::uint16_t>(little_endian(chunk, 12, 2)),
        .bits = static_cast<std::uint16_t>(little_endian(chunk, 14, 2)),
    };
}

bool known_sample_size(const Format& format) {
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
bool playable(const Format& format) {
    const std::uint64_t block = std::uint64_t{format.channels} * (format.bits / 8);
    return known_sample_size(format) && format.channels > 0 && block == format.block_align &&
           format.sample_rate >= kLowestRate && format.sample_rate <= kHighestRate &&
           std::uint64_t{format.sample_rate} * block == format.byte_rate;
}

struct Chunks {
    std::optional<Format> format;
    std::optional<std::uint64_t> data_bytes;
};

// Walks the chunks after the RIFF/WAVE header, in whatever order they come.
Chunks read_chunks(std::string_view bytes) {
    Chunks found;
    std::size_t at = 12;
    while (bytes.size() - at >= kChunkHeader) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t declared = little_endian(bytes, at + 4, 4);
        const std::size_t body = at + kChunkHeader;
        const std::uint64_t present = std::min<std::uint64_t>(declared, bytes.size() - body);
        if (id == "fmt " && !found.format && present >= kFormatMinimum) {
            found.format = read_format(bytes.substr(body));
        } else if (id == "data" && !found.data_bytes) {
            found.data_bytes = present;
        }
        if (present < declared) {
            break;  // the file ends inside this chunk
        }
        const std::uint64_t next = body + declared + (declared % 2);  // chunks are word aligned
        if (next >= bytes.size()) {
            break;
        }
        at = static_cast<std::size_t>(next);
    }
    return found;
}

}  // namespace

std::optional<std::chrono::milliseconds> wav_length(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    const Chunks chunks = read_chunks(bytes);
    if (!chunks.format || !chunks.data_bytes || !playable(*chunks.format)) {
        return std::nullopt;
    }
    // Rounded up, so that a wait for the sound never ends before it does.
    const std::uint64_t rate = std::uint64_t{chunks.format->sample_rate} * chunks.format->block_align;
    return std::chrono::milliseconds((*chunks.data_bytes * 1000 + rate - 1) / rate);
}

std::optional<std::chrono::milliseconds> wav_file_length(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = read_regular_file(file);
    if (!bytes) {
        return std::nullopt;
    }
    return wav_length(*bytes);
}

}  // namespace platform
