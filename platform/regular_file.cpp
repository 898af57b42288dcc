#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace platform {

std::optional<RegularFile> RegularFile::open(const std::filesystem::path& file) {
    // Not blocking: a named pipe opens at once instead of waiting for a
    // writer, and is then turned away as no regular file.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return std::nullopt;
    }
    return RegularFile(descriptor, static_cast<std::uint64_t>(status.st_size));
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_) {}

RegularFile::~RegularFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

std::optional<std::string> RegularFile::read(std::uint64_t at, std::size_t count) const {
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < count) {
        const std::size_t wanted = std::min(sizeof buffer, count - bytes.size());
        const ssize_t got = ::pread(descriptor_, buffer, wanted, static_cast<off_t>(at + bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

std::optional<std::string> read_regular_file(const std::filesystem::path& file, std::size_t most) {
    const std::optional<RegularFile> opened = RegularFile::open(file);
    if (!opened) return std::nullopt;
    return opened->read(0, most);
}

}  // namespace platform
