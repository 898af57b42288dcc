#include "units/sector-area/sector_figure.h"

namespace units::sector_area {
namespace {

constexpr float kCentreX = 164;
constexpr float kRadius = 80;

void angle_mark(frame::Drawing& d, PointF centre, const Sector& s) {
    d.arc(centre, 10, 7, s.from, s.to);
}

}  // namespace

void draw_measure(frame::Drawing& d, const MeasuringArc& arc) {
    const frame::Scoped dotted = d.pen(frame::PenStyle::Dotted);
    d.arc(arc.centre, arc.radius, 7, arc.from, arc.to, arc.aspect);
}

void draw_outlined_sector(frame::Drawing& d, const Sector& s, bool red_arc) {
    const PointF centre{kCentreX, s.centre_y};
    d.pie(centre, kRadius, 7, 0, s.from, s.to);
    if (red_arc) d.arc(centre, kRadius, 2, s.from, s.to);
    angle_mark(d, centre, s);
    {
        const frame::Scoped small = d.font_size(12);
        d.text({s.angle.at.x - 3, s.angle.at.y}, s.angle.text);
        draw_measure(d, s.measure);
    }
    const frame::Scoped small = d.font_size(13);
    d.text(s.radius.at, s.radius.text);
}

void draw_red_sector(frame::Drawing& d, const Sector& s, bool diameter) {
    const PointF centre{kCentreX, s.centre_y};
    d.pie(centre, kRadius, 2, 2, s.from, s.to);
    angle_mark(d, centre, s);
    const frame::Scoped small = d.font_size(13);
    d.text(s.angle.at, s.angle.text);
    draw_measure(d, s.measure);
    if (diameter) d.line({84, 230}, {244, 230}, 7);
    d.text(s.radius.at, s.radius.text);
}

}  // namespace units::sector_area
