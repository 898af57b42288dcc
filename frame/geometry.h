#pragma once
// Points and rectangles of the pages, in logical coordinates (or, on a work
// picture, in pixels): all the geometry a unit writes its pages with.

#include "platform/logical_coordinates.h"

namespace frame {

using platform::PointF;

// The width and height of a block of pixels: a work picture, a copy.
struct Size {
    int width = 0;
    int height = 0;
};

// A rectangle by two opposite corners, both inside it.
struct Area {
    PointF from{};
    PointF to{};
};

}  // namespace frame
