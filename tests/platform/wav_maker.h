#pragma once
// Small WAV files for the sound tests, written byte by byte.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "tests/platform/little_endian.h"

namespace wav_maker {

struct Shape {
    std::uint16_t format = 1;  // integer PCM
    std::uint16_t channels = 1;
    std::uint32_t sample_rate = 8000;
    std::uint16_t bits = 8;
    std::uint32_t data_bytes = 0;
    std::optional<std::uint32_t> byte_rate{};  // else what the numbers above make
    std::optional<std::uint16_t> block{};
};

using test_bytes::le;

inline std::string chunk(const std::string& id, const std::string& body) {
    return id + le(static_cast<std::uint32_t>(body.size()), 4) + body +
           (body.size() % 2 != 0 ? std::string(1, '\0') : "");
}

inline std::string format_chunk(const Shape& s) {
    const auto block = s.block.value_or(static_cast<std::uint16_t>(s.channels * s.bits / 8));
    return chunk("fmt ", le(s.format, 2) + le(s.channels, 2) + le(s.sample_rate, 4) +
                             le(s.byte_rate.value_or(s.sample_rate * block), 4) + le(block, 2) +
                             le(s.bits, 2));
}

inline std::string data_chunk(const Shape& s) {
    return chunk("data", std::string(s.data_bytes, static_cast<char>(0x80)));
}

inline std::string riff(const std::string& chunks) {
    return "RIFF" + le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

inline std::string wav(const Shape& s) { return riff(format_chunk(s) + data_chunk(s)); }

// A silent 8 kHz mono 8-bit sound of the given length.
inline std::string silence_ms(std::uint32_t ms) { return wav(Shape{.data_bytes = 8 * ms}); }

inline void write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace wav_maker
