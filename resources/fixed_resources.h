#pragma once
// The two small resources every lesson program carries besides its forms
// and bitmaps.  The programs never read them; they are there as the
// programs' own description of themselves.

#include <cstdint>
#include <vector>

namespace resources {

// "ZQ7VBITMAPLIST": magic "QK", 4, then the file names of the seven
// navigation bitmaps, each NUL-terminated, in name order (68 bytes).
std::vector<std::uint8_t> bitmap_list();

// "QK$VERSIONINFO": magic "QK", then 0, 5 and 16 (8 bytes).
std::vector<std::uint8_t> version_info();

}  // namespace resources
