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

QPointF exact_pixel(PointF logical, const LogicalWindow& window, const Viewport& viewport) {
    return {map_axis(logical.x, window.x1, window.x2, viewport.x1, viewport.x2),
            map_axis(logical.y, window.y1, window.y2, viewport.y1, viewport.y2)};
}

QPoint to_pixel(PointF logical, const LogicalWindow& window, const Viewport& viewport) {
    const QPointF exact = exact_pixel(logical, window, viewport);
    return {nearest_pixel(static_cast<float>(exact.x())),
            nearest_pixel(static_cast<float>(exact.y()))};
}

}  // namespace platform
