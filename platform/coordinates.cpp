#include "platform/coordinates.h"

#include <cmath>

namespace platform {
namespace {

float map_axis(float value, float from1, float from2, int to1, int to2) {
    return static_cast<float>(to1) +
           (value - from1) * static_cast<float>(to2 - to1) / (from2 - from1);
}

}  // namespace

int nearest_pixel(float value) {
    if (std::isnan(value)) return kFarthestPixel;
    const float rounded = std::nearbyint(value);
    constexpr float kLimit = static_cast<float>(kFarthestPixel);
    if (rounded > kLimit) return kFarthestPixel;
    if (rounded < -kLimit) return -kFarthestPixel;
    return static_cast<int>(rounded);
}

QPoint to_pixel(PointF logical, const LogicalWindow& window, const Viewport& viewport) {
    return {nearest_pixel(map_axis(logical.x, window.x1, window.x2, viewport.x1, viewport.x2)),
            nearest_pixel(map_axis(logical.y, window.y1, window.y2, viewport.y1, viewport.y2))};
}

}  // namespace platform
