#include "platform/whole_wav.h"

#include <algorithm>
#include <cstdint>

#include "platform/regular_file.h"

namespace platform {

namespace {

constexpr std::size_t kPiece = 1 << 16;  // bytes read at a time

}  // namespace

std::optional<std::string> whole_samples(const std::filesystem::path& wav, const WavSound& sound) {
    const std::optional<RegularFile> from = RegularFile::open(wav);
    const std::uint16_t block = sound.format.block_align;
    if (!from || block == 0) return std::nullopt;
    std::string samples;
    while (samples.size() < sound.data_bytes) {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, sound.data_bytes - samples.size()));
        const std::optional<std::string> piece = from->read(sound.data_at + samples.size(), wanted);
        if (!piece) return std::nullopt;
        if (piece->empty()) break;  // the file is shorter now
        samples += *piece;
    }
    samples.resize(samples.size() - samples.size() % block);
    if (samples.empty()) return std::nullopt;
    return samples;
}

}  // namespace platform
