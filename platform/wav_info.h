#pragma once
// How long a WAV sound plays, read from its header: the RIFF/WAVE file's
// format chunk gives the bytes per second, its data chunk the sound's bytes.
// Anything that is not a playable WAV (another kind of file, a cut-off
// header, a format without a byte rate) has no length.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// The whole file's bytes.  A data chunk cut short by the end of the file
// counts with the bytes that are there.
std::optional<std::chrono::milliseconds> wav_length(std::string_view bytes);

// Nothing when the file cannot be read.
std::optional<std::chrono::milliseconds> wav_file_length(const std::filesystem::path& file);

}  // namespace platform
