#pragma once
// Whether a Windows bitmap file holds all the pixels its header announces.
// A picture decoder fills the rows missing from a cut-off file with black;
// a lesson program must see such a file as one that is not a bitmap.

#include <string_view>

namespace platform {

// True when `bytes` (a whole file) has a bitmap header the programs read and
// every byte of pixel data that header announces: for an uncompressed
// picture all its rows, for a run-length encoded one its stated image size.
bool holds_whole_bitmap(std::string_view bytes);

}  // namespace platform
