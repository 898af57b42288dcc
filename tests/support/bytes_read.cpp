#include "tests/support/bytes_read.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace harness {
namespace {

// The kernel's count of bytes this process has read ("rchar").
std::uint64_t bytes_read_so_far() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    throw std::runtime_error("no read count in /proc/self/io");
}

}  // namespace

std::uint64_t bytes_read_during(const std::function<void()>& action) {
    const std::uint64_t before = bytes_read_so_far();
    action();
    return bytes_read_so_far() - before;
}

}  // namespace harness
