#pragma once
// Numbers written as the files the programs read hold them: little-endian,
// `width` bytes.

#include <cstdint>
#include <string>

namespace test_bytes {

inline std::string le(std::uint32_t value, int width) {
    std::string out;
    for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

}  // namespace test_bytes
