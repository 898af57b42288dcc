#pragma once
// The pen of lines, box outlines, polylines and arcs: always one pixel wide,
// in a pen style.

#include <QPen>
#include <QRgb>

#include "platform/pen_style.h"

namespace platform {

// A one-pixel pen of the colour in the style.
QPen make_pen(QRgb colour, PenStyle style);

}  // namespace platform
