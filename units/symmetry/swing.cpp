#include "units/symmetry/swing.h"

#include <cmath>

namespace units::symmetry {
namespace {

// The degree factor of the lessons' angle conversion, in single precision.
constexpr float kDegree = 0.0174532f;

float whole(double v) { return static_cast<float>(std::nearbyint(v)); }

}  // namespace

Offset swing(float radius, float doubled_angle) {
    const float theta = doubled_angle / 2 * kDegree;
    const double r = radius;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    return {whole(r - 2 * r * c * c), whole(2 * r * c * s)};
}

FoldTable fold_table(float radius, float alpha) {
    FoldTable table{};
    for (int i = 0; i < kFrames; ++i) table[i] = swing(radius, 180 - 20.0f * i - alpha);
    return table;
}

Path swing_path(frame::PointF centre, float radius, float first, float by) {
    Path path{};
    for (int i = 0; i < kFrames; ++i) {
        const Offset o = swing(radius, first + by * i);
        path[i] = {centre.x + o.dx, centre.y - o.dy};
    }
    return path;
}

Path turn_path(frame::PointF centre, float alpha, float radius) {
    return swing_path(centre, radius, 180 - alpha, 20);
}

}  // namespace units::symmetry
