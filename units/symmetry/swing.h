#pragma once
// The paths of the fold and turn animations: every moving corner swings
// half a turn along a circle of its own, in ten frames of 20 degrees.

#include <array>

#include "frame/geometry.h"

namespace units::symmetry {

inline constexpr int kFrames = 10;  // frame 0 at rest, frame 9 half a turn on

// A step from a circle's centre to a point on it, in whole units (y up).
struct Offset {
    float dx = 0;
    float dy = 0;
};

// The point at angle 180° − φ on a circle of the radius, as the lessons
// compute it: half the angle in radians with a single-precision degree
// factor, dx = R − 2R·cos², dy = 2R·cos·sin, each rounded to the nearest
// whole number (ties to even).
Offset swing(float radius, float doubled_angle);

using FoldTable = std::array<Offset, kFrames>;
using Path = std::array<frame::PointF, kFrames>;

// The steps of a folding corner: frame i at φ = 180 − 20i − α.
FoldTable fold_table(float radius, float alpha);

// A corner turned about a centre: at angle α at rest, 20 degrees further
// clockwise each frame (φ = 180 − α + 20i).
Path turn_path(frame::PointF centre, float alpha, float radius);

// A corner on a circle about a centre, at φ = first + by × frame.
Path swing_path(frame::PointF centre, float radius, float first, float by);

}  // namespace units::symmetry
