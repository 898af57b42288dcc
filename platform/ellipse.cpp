#include "platform/ellipse.h"

#include <algorithm>
#include <cmath>

#include "platform/run_error.h"

namespace platform {
namespace {

constexpr float kSixteenthsPerTurn = 360.0f * 16.0f;

float wrapped(float fraction) { return fraction == 1.0f ? 0.0f : fraction; }

}  // namespace

void check_turn(float fraction) {
    if (!(fraction >= 0.0f && fraction <= 1.0f)) throw RunError(ErrorNumber::BadArgument);
}

ArcSweep arc_sweep(float start, float end) {
    check_turn(start);
    check_turn(end);
    const float from = wrapped(start);
    const float to = wrapped(end);
    if (from == to) return {};
    float length = to - from;
    if (length < 0) length += 1.0f;
    return {false, -static_cast<int>(std::lround(from * kSixteenthsPerTurn)),
            -static_cast<int>(std::lround(length * kSixteenthsPerTurn))};
}

QRect ellipse_frame(QPoint corner, QPoint opposite) {
    const int left = std::min(corner.x(), opposite.x());
    const int top = std::min(corner.y(), opposite.y());
    return {left, top, std::abs(opposite.x() - corner.x()), std::abs(opposite.y() - corner.y())};
}

}  // namespace platform
