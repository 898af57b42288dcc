#pragma once
// Logical coordinates of a drawing surface and their pixels.  A page is drawn
// in a logical rectangle (x 0..639, y 0..568 on the page canvas) that maps
// onto a pixel rectangle of the window, the viewport.

#include <QPoint>
#include <QPointF>

#include "platform/logical_coordinates.h"

namespace platform {

// A pixel rectangle, both corners included.
struct Viewport {
    int x1 = 0;
    int y1 = 0;
    int x2 = 639;
    int y2 = 479;
};

// Pixels further than this from the origin are held at this distance, so
// that absurd positions draw off the surface instead of overflowing.
inline constexpr int kFarthestPixel = 16000;

// Rounds to the nearest whole pixel, ties to even, held within kFarthestPixel.
int nearest_pixel(float value);

// Where a logical point falls among the pixels, not rounded, computed in
// single precision.
QPointF exact_pixel(PointF logical, const LogicalWindow& window, const Viewport& viewport);

// The pixel of a logical point: its exact pixel rounded.
QPoint to_pixel(PointF logical, const LogicalWindow& window, const Viewport& viewport);

}  // namespace platform
