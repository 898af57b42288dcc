#pragma once
// Flood fill: colours the pixels reachable from a start pixel, up, down,
// left and right, without crossing pixels of a border colour.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace platform {

// Fills from `start` up to pixels of `border` with `fill`.  Nothing happens
// when the start is off the image or is itself a border pixel.  Returns the
// rectangle of the filled pixels.
QRect flood_fill(QImage& image, QPoint start, QRgb border, QRgb fill);

}  // namespace platform
