#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

bool is_regular(int descriptor) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

// Reads to the end of the file; false when a read fails.
bool read_all(int descriptor, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return false;
        if (count == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

}  // namespace

std::optional<std::string> read_regular_file(const std::filesystem::path& file) {
    // Not blocking: a named pipe opens at once instead of waiting for a
    // writer, and is then turned away as no regular file.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    std::string bytes;
    const bool read = is_regular(descriptor) && read_all(descriptor, bytes);
    ::close(descriptor);
    if (!read) return std::nullopt;
    return bytes;
}

}  // namespace platform
