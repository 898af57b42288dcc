#include "platform/wav_info.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>

namespace platform {

namespace {

// Sample formats a WAV player plays: integer PCM, floating point, and the
// extensible header that wraps either.
constexpr std::array<std::uint16_t, 3> kPlayableFormats{0x0001, 0x0003, 0xFFFE};
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
};

Format read_format(std::string_view chunk) {
    return Format{
        .tag = static_cast<std::uint16_t>(little_endian(chunk, 0, 2)),
        .channels = static_cast<std::uint16_t>(little_endian(chunk, 2, 2)),
        .sample_rate = little_endian(chunk, 4, 4),
        .byte_rate = little_endian(chunk, 8, 4),
    };
}

bool playable(const Format& format) {
    return std::ranges::find(kPlayableFormats, format.tag) != kPlayableFormats.end() &&
           format.channels > 0 && format.sample_rate > 0 && format.byte_rate > 0;
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
    const std::uint64_t rate = chunks.format->byte_rate;
    return std::chrono::milliseconds((*chunks.data_bytes * 1000 + rate - 1) / rate);
}

std::optional<std::chrono::milliseconds> wav_file_length(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || !std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        return std::nullopt;
    }
    return wav_length(bytes);
}

}  // namespace platform
