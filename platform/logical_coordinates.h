#pragma once
// A point in logical coordinates, and the logical rectangle a surface maps
// onto its viewport (coordinates.h maps them to pixels).  Plain values, so
// that what draws with them need not see the raster.

namespace platform {

// A point in logical coordinates (or, on an off-screen bitmap, in pixels).
struct PointF {
    float x = 0;
    float y = 0;
};

// The logical rectangle: (x1,y1) maps to the viewport's top-left pixel and
// (x2,y2) to its bottom-right one; y grows downwards.
struct LogicalWindow {
    float x1 = 0;
    float y1 = 0;
    float x2 = 639;
    float y2 = 479;
};

}  // namespace platform
