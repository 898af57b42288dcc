#pragma once
// Reading a whole file that others have laid into the course folder.  Only a
// regular file is read: a folder, a named pipe, a device or a socket in its
// place is no file, and reading it never waits for a writer.

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The bytes of a regular file; nothing when there is none to read there.
std::optional<std::string> read_regular_file(const std::filesystem::path& file);

}  // namespace platform
