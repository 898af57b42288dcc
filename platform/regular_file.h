#pragma once
// Reading files that others have laid into the course folder.  Only a
// regular file is read: a folder, a named pipe, a device or a socket in its
// place is no file, and reading it never waits for a writer.  A file may be
// far larger than what it is read for, so a reader takes only the bytes it
// needs.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace platform {

// An open regular file, read a stretch at a time.
class RegularFile {
public:
    // Nothing when there is no regular file to read there.
    static std::optional<RegularFile> open(const std::filesystem::path& file);

    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&&) = delete;
    ~RegularFile();

    // Its size when it was opened.
    std::uint64_t size() const { return size_; }
    // At most `count` bytes from `at` on, fewer where the file ends; nothing
    // when reading fails.
    std::optional<std::string> read(std::uint64_t at, std::size_t count) const;

private:
    RegularFile(int descriptor, std::uint64_t size) : descriptor_(descriptor), size_(size) {}

    int descriptor_;
    std::uint64_t size_;
};

// The first `most` bytes of a regular file (all of it, when it is shorter);
// nothing when there is none to read there.
std::optional<std::string> read_regular_file(const std::filesystem::path& file,
                                             std::size_t most = std::numeric_limits<std::size_t>::max());

}  // namespace platform
