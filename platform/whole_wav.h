#pragma once
// A WAV that holds exactly what its header says, made from a sound of a
// file the pupil's course folder holds.  A player handed the course's own
// file would trust that file's header: one cut short (half copied, a header
// alone, a data size of 4 GiB on a short file) leaves it waiting for bytes
// that never come.  The copy has the plain header (the format, then the
// data) and the whole samples the file holds when it is copied, so a player
// reads it to its end.

#include <filesystem>

#include "platform/wav_info.h"

namespace platform {

// Writes the copy of `sound` of the file `wav` to `copy`.  False when the
// file cannot be read, the copy cannot be written, or no whole sample is
// left to copy (the file has shrunk since its sound was read).
bool write_whole_wav(const std::filesystem::path& wav, const WavSound& sound,
                     const std::filesystem::path& copy);

}  // namespace platform
