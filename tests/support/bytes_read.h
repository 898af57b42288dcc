#pragma once
// How much a piece of the program reads, for files far larger than what is
// read of them: the bytes this process takes in by read calls of any kind.

#include <cstdint>
#include <functional>

namespace harness {

std::uint64_t bytes_read_during(const std::function<void()>& action);

}  // namespace harness
