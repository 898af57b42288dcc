#pragma once
// A circle of radius 50 cut into equal sectors, and its sectors fanned out
// as a near-rectangle beside it: the drawing routines of page 1's first
// paragraph.  Arcs run clockwise from 3 o'clock, so a slice around 0.75
// opens upward and one around 0.25 downward.

#include <array>
#include <vector>

#include "frame/explanation_page.h"

namespace units::circle_area {

using frame::PointF;

// One of the four places of the demonstration: column p, row q.
struct Cell {
    int p = 0;
    int q = 0;
    float left() const { return 310.f * static_cast<float>(p); }
    PointF centre() const { return {50 + left(), 100 + 150.f * static_cast<float>(q)}; }
};

// Where the cut lines of a circle meet it, as offsets from the centre (x
// right, y up): points 0 .. last, `degrees` apart from the leftmost point,
// turning first downward on the canvas; rounded to whole numbers.
std::vector<PointF> cut_offsets(float radius, float degrees, int last);

// Cuts the circle of the cell into last + 1 sectors (yellow upper half,
// cyan lower half, white cut lines) and slides a copy of it away to the
// right.  Gives the cut points on the canvas.
std::vector<PointF> cut_circle(frame::Page& p, Cell cell, float degrees, int last);

// Which cut points the four outer wedges hang from, and the arcs of the six
// slices of the fan.
struct Fan {
    std::array<int, 4> k{};
    std::array<float, 8> a{};
};

// Clears the layout area right of the circle and draws the six slices of
// the fan: two outer wedges each side and a bow-tie in the middle.  Gives
// the apexes of the outer wedges.
std::array<PointF, 4> fan_out(frame::Page& p, Cell cell, const std::vector<PointF>& cuts,
                              const Fan& fan);

// A filled slice of radius 50 with a white outline.
void slice(frame::Page& p, PointF apex, float from, float to, int fill);

}  // namespace units::circle_area
