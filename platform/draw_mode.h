#pragma once
// The draw modes, numbered 1..16: how a drawn pixel combines with the pixel
// under it (raster_op.h combines them).

namespace platform {

enum class DrawMode : int {
    Invert = 6,   // not the surface
    Xor = 7,      // pen exclusive-or surface
    Mask = 9,     // pen and surface
    Copy = 13,    // the pen colour
    Merge = 15,   // pen or surface
};

// Run-time error 6 unless 1 <= code <= 16.  Codes without a name above are
// still the raster operation their number stands for.
DrawMode draw_mode_from_code(int code);

}  // namespace platform
