// The bytes of the bitmap list and the version resource.
#include "resources/fixed_resources.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace resources {
namespace {

constexpr std::array<std::string_view, 7> kBitmapFiles = {
    "BEFOR.BMP", "EXIT.BMP", "HEAD.BMP", "LAST.BMP", "NEXT.BMP", "TOP.BMP", "WHERE.BMP",
};

std::vector<std::uint8_t> magic_and_words(std::initializer_list<std::uint16_t> words) {
    std::vector<std::uint8_t> bytes{'Q', 'K'};
    for (std::uint16_t w : words) {
        bytes.push_back(static_cast<std::uint8_t>(w & 0xff));
        bytes.push_back(static_cast<std::uint8_t>(w >> 8));
    }
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> bitmap_list() {
    std::vector<std::uint8_t> bytes = magic_and_words({4});
    for (std::string_view file : kBitmapFiles) {
        bytes.insert(bytes.end(), file.begin(), file.end());
        bytes.push_back(0);
    }
    return bytes;
}

std::vector<std::uint8_t> version_info() { return magic_and_words({0, 5, 16}); }

}  // namespace resources
