#include "platform/bitmap_extent.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace platform {
namespace {

constexpr std::uint64_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // the old header with 16-bit sizes
constexpr std::uint32_t kRunLength8 = 1, kRunLength4 = 2;
// The pixel data of the widest and highest picture at 32 bits a pixel.
constexpr std::uint64_t kLargestPixels = static_cast<std::uint64_t>(kWidestPicture) * kWidestPicture * 4;

std::uint32_t little_endian(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct Header {
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = 0, image_size = 0;
};

// The header after the file header; false when it is of no size the
// programs know or the file is too short to hold the fields read from it
// (the caller has seen that it holds the old header's).
bool read_header(std::string_view bytes, std::uint32_t size, Header& header) {
    const std::size_t at = kFileHeader + 4;
    if (size == kCoreHeader) {
        header.width = little_endian(bytes, at, 2);
        header.height = static_cast<std::int16_t>(little_endian(bytes, at + 2, 2));
        header.bits = little_endian(bytes, at + 6, 2);
        return true;
    }
    if (size < 16 || bytes.size() < kFileHeader + std::min<std::uint32_t>(size, 24)) return false;
    header.width = static_cast<std::int32_t>(little_endian(bytes, at, 4));
    header.height = static_cast<std::int32_t>(little_endian(bytes, at + 4, 4));
    header.bits = little_endian(bytes, at + 10, 2);
    if (size >= 20) header.compression = little_endian(bytes, at + 12, 4);
    if (size >= 24) header.image_size = little_endian(bytes, at + 16, 4);
    return true;
}

}  // namespace

std::optional<std::uint64_t> bitmap_extent(std::string_view head) {
    // Shorter than the file header and the old header together: no bitmap.
    if (head.size() < kFileHeader + kCoreHeader || head.substr(0, 2) != "BM") return std::nullopt;
    const std::uint32_t header_size = little_endian(head, kFileHeader, 4);
    Header header;
    if (!read_header(head, header_size, header) || header.width <= 0 || header.height == 0 || header.bits == 0)
        return std::nullopt;
    const auto rows = static_cast<std::uint64_t>(std::llabs(header.height));
    if (header.width > kWidestPicture || rows > static_cast<std::uint64_t>(kWidestPicture)) return std::nullopt;

    // The pixels begin where the file header says, and never inside the headers.
    const std::uint64_t start = std::max<std::uint64_t>(little_endian(head, 10, 4), kFileHeader + header_size);
    if (start > kFarthestPixels) return std::nullopt;
    // Rows of whole 32-bit words; run-length encoded pixels take their stated size.
    const bool run_length = header.compression == kRunLength8 || header.compression == kRunLength4;
    const std::uint64_t row = (static_cast<std::uint64_t>(header.width) * header.bits + 31) / 32 * 4;
    const std::uint64_t pixels = run_length ? header.image_size : row * rows;
    if (pixels == 0 || pixels > kLargestPixels) return std::nullopt;
    return start + pixels;
}

bool holds_whole_bitmap(std::string_view bytes) {
    const std::optional<std::uint64_t> extent = bitmap_extent(bytes.substr(0, kBitmapHead));
    return extent && *extent <= bytes.size();
}

}  // namespace platform
