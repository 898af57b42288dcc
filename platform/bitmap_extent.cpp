#include "platform/bitmap_extent.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace platform {
namespace {

constexpr std::uint64_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // the old header with 16-bit sizes
constexpr std::uint32_t kRunLength8 = 1, kRunLength4 = 2;

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

bool holds_whole_bitmap(std::string_view bytes) {
    // Shorter than the file header and the old header together: no bitmap.
    if (bytes.size() < kFileHeader + kCoreHeader || bytes.substr(0, 2) != "BM") return false;
    const std::uint32_t header_size = little_endian(bytes, kFileHeader, 4);
    Header header;
    if (!read_header(bytes, header_size, header) || header.width <= 0 || header.height == 0 || header.bits == 0)
        return false;

    // The pixels begin where the file header says, and never inside the headers.
    const std::uint64_t start = std::max<std::uint64_t>(little_endian(bytes, 10, 4), kFileHeader + header_size);
    const std::uint64_t room = bytes.size() - std::min<std::uint64_t>(start, bytes.size());
    if (header.compression == kRunLength8 || header.compression == kRunLength4)
        return header.image_size > 0 && header.image_size <= room;
    // Rows of whole 32-bit words.  One row fits in 64 bits whatever the
    // header says; all of them need not, so the room is divided instead.
    const std::uint64_t row = (static_cast<std::uint64_t>(header.width) * header.bits + 31) / 32 * 4;
    const auto rows = static_cast<std::uint64_t>(std::llabs(header.height));
    return row <= room / rows;
}

}  // namespace platform
