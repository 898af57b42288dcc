#pragma once
// The font of a surface's texts.

#include <string>

namespace platform {

// A face name as the programs give it ("標準明朝") and its character height
// in pixels.
struct TextFont {
    std::string face = "標準明朝";
    int size = 16;
};

}  // namespace platform
