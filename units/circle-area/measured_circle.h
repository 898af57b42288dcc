#pragma once
// A circle as the pages of this unit measure it: a red disc, a white radius
// (or diameter), a dotted arc spanning that length and the length beside it
// in the small font.

#include <string_view>

#include "frame/drawing.h"

namespace units::circle_area {

// The dotted arc that spans a measured length: an ellipse part from `from`
// to `to`, in fractions of a turn.
struct MeasuringArc {
    frame::PointF centre{};
    float radius = 0;
    float aspect = 1;
    float from = 0;
    float to = 0.5f;
};

struct MeasuredCircle {
    frame::PointF centre{};
    float radius = 0;
    frame::PointF line_from{};     // the radius or diameter drawn
    frame::PointF line_to{};
    MeasuringArc arc{};
    std::string_view length{};     // "5cm"
    frame::PointF length_at{};
};

void draw_disc(frame::Drawing& d, const MeasuredCircle& c);
void draw_measure(frame::Drawing& d, const MeasuringArc& arc, std::string_view length,
                  frame::PointF length_at);
void draw_measured_circle(frame::Drawing& d, const MeasuredCircle& c);

}  // namespace units::circle_area
