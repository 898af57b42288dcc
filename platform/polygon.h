#pragma once
// The points of a polyline or filled polygon: each given absolutely or as a
// step from the point before it.

#include <optional>
#include <span>
#include <vector>

#include "platform/logical_coordinates.h"

namespace platform {

struct PolyPoint {
    PointF point;
    bool relative = false;

    static PolyPoint at(float x, float y) { return {{x, y}, false}; }
    static PolyPoint step(float dx, float dy) { return {{dx, dy}, true}; }
};

// Which pen style a polyline uses: the surface's draw style, or solid.
enum class PolyStyle { Window, Solid };
// Which draw mode a polyline uses: the surface's, or copy.
enum class PolyMode { Current, Copy };

struct PolyOptions {
    PolyStyle style = PolyStyle::Window;
    PolyMode mode = PolyMode::Current;
    std::optional<int> fill;  // fill colour: closes and fills the polygon
};

// The logical points, steps resolved; a first point given as a step is a
// step from `last_point`.
std::vector<PointF> resolve_points(std::span<const PolyPoint> points, PointF last_point);

}  // namespace platform
