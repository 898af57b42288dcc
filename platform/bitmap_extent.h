#pragma once
// How much of a Windows bitmap file its header says it needs: the headers,
// the palette and all the pixel data.  A picture decoder fills the rows
// missing from a cut-off file with black; a lesson program must see such a
// file as one that is not a bitmap.  A file far larger than that (a picture
// followed by a gigabyte of nothing) is read no further, and a header whose
// sizes are far beyond any picture of the course is no bitmap of the course:
// no picture is made for it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The file's first bytes that the header is read from: the file header and
// the largest header after it.
inline constexpr std::size_t kBitmapHead = 14 + 124;
// No picture of the course is wider or higher, nor starts its pixels later.
inline constexpr std::int64_t kWidestPicture = 4096;
inline constexpr std::uint64_t kFarthestPixels = 64 * 1024;

// The bytes from the start of the file that its header says the bitmap
// takes, read from `head` (its first kBitmapHead bytes, or the whole file
// when it is shorter).  Nothing when it is no bitmap header the programs
// read or its sizes are beyond kWidestPicture or kFarthestPixels.
std::optional<std::uint64_t> bitmap_extent(std::string_view head);

// True when `bytes` (a whole file) has a bitmap header the programs read and
// every byte of pixel data that header announces: for an uncompressed
// picture all its rows, for a run-length encoded one its stated image size.
bool holds_whole_bitmap(std::string_view bytes);

}  // namespace platform
