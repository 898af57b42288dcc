#include "units/expr-solve-1/balance.h"

namespace units::expr_solve_1 {

using frame::PointF;
using frame::step;

void draw_pan(frame::Drawing& d, PointF at, int colour) {
    d.polyline({{at}, step(10, 10), step(90, 0), step(10, -10)}, colour);
}

void draw_balance(frame::Page& p, PointF offset, int colour) {
    const auto at = [&](float x, float y) { return PointF{x + offset.x, y + offset.y}; };
    frame::Drawing hidden = p.hidden();
    hidden.fill_box(at(80, 170), at(360, 390), 0);
    hidden.fill_box(at(140, 235), at(280, 240), colour, 0);  // the beam
    hidden.fill_box(at(207, 230), at(213, 260), colour, 0);  // the post, over the beam
    hidden.polyline({{at(160, 260)}, step(-30, 30), step(160, 0), step(-30, -30), {at(160, 260)}},
                    colour);  // the base
    draw_pan(hidden, at(80, 205), colour);
    hidden.line(at(140, 215), at(140, 235), colour);
    draw_pan(hidden, at(230, 205), colour);
    hidden.line(at(280, 215), at(280, 235), colour);

    const frame::Size block{280, 220};
    frame::Drawing transfer = p.work_picture(0, block);
    transfer.copy({0, 0}, block, hidden, at(80, 170));
    p.copy(at(80, 170), block, transfer, {0, 0});
    p.free_work_picture(0);
}

}  // namespace units::expr_solve_1
