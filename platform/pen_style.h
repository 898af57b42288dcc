#pragma once
// The pen styles of lines, box outlines, polylines and arcs: solid, dashed,
// dotted or a dash-dot pattern (pen.h makes the pen).

namespace platform {

enum class PenStyle : int {
    Solid = 0,
    Dashed = 1,
    Dotted = 2,
    DashDot = 3,
    DashDotDot = 4,
};

// Run-time error 6 unless 0 <= code <= 6.  Codes 5 and 6 draw solid.
PenStyle pen_style_from_code(int code);

}  // namespace platform
