#pragma once
// A colour as the programs give it: red, green and blue parts, 0..255 each.

namespace platform {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

}  // namespace platform
