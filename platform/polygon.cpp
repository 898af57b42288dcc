#include "platform/polygon.h"

namespace platform {

std::vector<PointF> resolve_points(std::span<const PolyPoint> points, PointF last_point) {
    std::vector<PointF> resolved;
    resolved.reserve(points.size());
    PointF previous = last_point;
    for (const auto& given : points) {
        previous = given.relative ? PointF{previous.x + given.point.x, previous.y + given.point.y}
                                  : given.point;
        resolved.push_back(previous);
    }
    return resolved;
}

}  // namespace platform
