#include "platform/whole_wav.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "platform/regular_file.h"

namespace platform {

namespace {

constexpr std::size_t kPiece = 1 << 16;           // bytes read and written at a time
constexpr std::uint64_t kHeaderAfterRiff = 36;    // "WAVE", the format chunk, the data chunk's header
constexpr std::uint64_t kLargestRiff = std::numeric_limits<std::uint32_t>::max();

void put(std::string& bytes, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint64_t padding(std::uint64_t data_bytes) { return data_bytes % 2; }  // chunks are word aligned

std::string header_of(const WavFormat& format, std::uint64_t data_bytes) {
    std::string header = "RIFF";
    put(header, kHeaderAfterRiff + data_bytes + padding(data_bytes), 4);
    header += "WAVEfmt ";
    put(header, 16, 4);
    put(header, format.tag, 2);
    put(header, format.channels, 2);
    put(header, format.sample_rate, 4);
    put(header, format.byte_rate, 4);
    put(header, format.block_align, 2);
    put(header, format.bits, 2);
    header += "data";
    put(header, data_bytes, 4);
    return header;
}

// Copies the sound's data as far as the file holds it; the bytes copied.
std::optional<std::uint64_t> copy_data(const RegularFile& from, const WavSound& sound, std::ofstream& to) {
    std::uint64_t copied = 0;
    while (copied < sound.data_bytes) {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, sound.data_bytes - copied));
        const std::optional<std::string> piece = from.read(sound.data_at + copied, wanted);
        if (!piece) return std::nullopt;
        if (piece->empty()) break;  // the file is shorter now
        to.write(piece->data(), static_cast<std::streamsize>(piece->size()));
        copied += piece->size();
    }
    return copied;
}

}  // namespace

bool write_whole_wav(const std::filesystem::path& wav, const WavSound& sound,
                     const std::filesystem::path& copy) {
    const std::optional<RegularFile> from = RegularFile::open(wav);
    const std::uint16_t block = sound.format.block_align;
    if (!from || block == 0 || kHeaderAfterRiff + sound.data_bytes + 1 > kLargestRiff) return false;
    std::ofstream to(copy, std::ios::binary | std::ios::trunc);
    to << header_of(sound.format, sound.data_bytes);
    const std::optional<std::uint64_t> copied = copy_data(*from, sound, to);
    if (!copied) return false;
    const std::uint64_t whole = *copied - *copied % block;
    if (whole == 0) return false;
    if (whole != sound.data_bytes) to.seekp(0) << header_of(sound.format, whole);
    to.close();
    if (!to) return false;
    std::error_code error;
    std::filesystem::resize_file(copy, header_of(sound.format, whole).size() + whole + padding(whole), error);
    return !error;
}

}  // namespace platform
