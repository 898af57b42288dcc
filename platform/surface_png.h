#pragma once
// Saving what a surface shows as a PNG file.

#include <filesystem>

namespace platform {

class Surface;

// The visible part (a window's client area, a whole bitmap) as a PNG.
// Throws std::runtime_error when the file cannot be written.
void save_png(const Surface& surface, const std::filesystem::path& file);

}  // namespace platform
