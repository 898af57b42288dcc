#pragma once
// The samples of a sound of a file the pupil's course folder holds, read
// whole before it is played.  A file's header is not trusted for them: one
// cut short (half copied, a header alone, a data size of 4 GiB on a short
// file) holds the whole samples that are there when it is read, and no
// more.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/wav_info.h"

namespace platform {

// The whole samples of `sound` that the file `wav` holds.  Nothing when the
// file cannot be read or no whole sample is left (the file has shrunk
// since its sound was read).
std::optional<std::string> whole_samples(const std::filesystem::path& wav, const WavSound& sound);

}  // namespace platform
