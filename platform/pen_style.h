#pragma once
// The pen of lines, box outlines, polylines and arcs: solid, dashed, dotted
// or a dash-dot pattern, always one pixel wide.

#include <QPen>
#include <QRgb>

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

// A one-pixel pen of the colour in the style.
QPen make_pen(QRgb colour, PenStyle style);

}  // namespace platform
