#include "units/circle-area/measured_circle.h"

namespace units::circle_area {

void draw_disc(frame::Drawing& d, const MeasuredCircle& c) {
    d.disc(c.centre, c.radius, 2, 2);
    d.line(c.line_from, c.line_to, 7);
}

void draw_measure(frame::Drawing& d, const MeasuringArc& arc, std::string_view length,
                  frame::PointF length_at) {
    {
        const frame::Scoped dotted = d.pen(frame::PenStyle::Dotted);
        d.arc(arc.centre, arc.radius, 7, arc.from, arc.to, arc.aspect);
    }
    const frame::Scoped small = d.font_size(13);
    d.text(length_at, length, 7);
}

void draw_measured_circle(frame::Drawing& d, const MeasuredCircle& c) {
    draw_disc(d, c);
    draw_measure(d, c.arc, c.length, c.length_at);
}

}  // namespace units::circle_area
