#pragma once
// How long a WAV sound plays, from what its data holds: the data chunk's
// bytes over the sample rate, the channels and the bytes per sample of the
// format chunk.  Anything that is not a playable WAV (another kind of file, a
// cut-off header, a format whose numbers do not add up, a sample rate no
// device plays) has no length: it is silent, and no wait is made for it.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The whole file's bytes.  A data chunk cut short by the end of the file
// counts with the bytes that are there.
std::optional<std::chrono::milliseconds> wav_length(std::string_view bytes);

// The same for a file, from its chunks' headers and its size alone: the
// sound itself is never read, however long the file.  Nothing when the file
// cannot be read.
std::optional<std::chrono::milliseconds> wav_file_length(const std::filesystem::path& file);

}  // namespace platform
