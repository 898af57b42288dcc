// Code page 932 and UTF-8, both ways, and the cell width of a text.
#include <QString>

#include <string>

#include "platform/text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using fuzz::require;

bool is_utf8(const std::string& text) { return QString::fromUtf8(text).toUtf8().toStdString() == text; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::text_of(data, size);

    // The bytes as code page 932 text: always UTF-8, and a text that converts
    // back to the same bytes is as many cells wide as it has bytes.
    const std::string utf8 = platform::from_cp932(bytes);
    require(is_utf8(utf8), "code page 932 text becomes UTF-8");
    if (platform::to_cp932(utf8) == bytes)
        require(platform::cell_width(utf8) == static_cast<int>(bytes.size()), "a text is as wide as its code page bytes");

    // The bytes as UTF-8 text: a text the code page holds is as wide as its
    // code page form is long.
    const std::string cp932 = platform::to_cp932(bytes);
    if (platform::from_cp932(cp932) == bytes)
        require(platform::cell_width(bytes) == static_cast<int>(cp932.size()), "cells are code page bytes");
    require(platform::cell_width(bytes) <= 2 * static_cast<int>(bytes.size()), "no character is over two cells");
    return 0;
}
