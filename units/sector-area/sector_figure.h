#pragma once
// One sector of radius 80 centred at x 164, its angle marked and its radius
// measured by a dotted arc: the figure of the exercise problems.  Arcs run
// clockwise from 3 o'clock in fractions of a turn.

#include <string_view>

#include "frame/drawing.h"

namespace units::sector_area {

using frame::PointF;

// The dotted arc that spans a measured length: an ellipse part.
struct MeasuringArc {
    PointF centre{};
    float radius = 0;
    float aspect = 1;
    float from = 0;
    float to = 0.5f;
};

struct Label {
    std::string_view text{};
    PointF at{};
};

struct Sector {
    float centre_y = 0;
    float from = 0;
    float to = 0;
    Label angle{};
    Label radius{};
    MeasuringArc measure{};
};

// The dotted arc alone, in white.
void draw_measure(frame::Drawing& d, const MeasuringArc& arc);

// Page 3: a white outline around the background, the arc in red when asked;
// the angle label 3 to the left of its place.
void draw_outlined_sector(frame::Drawing& d, const Sector& s, bool red_arc);

// Page 5: a red sector, the diameter drawn when asked.
void draw_red_sector(frame::Drawing& d, const Sector& s, bool diameter);

}  // namespace units::sector_area
