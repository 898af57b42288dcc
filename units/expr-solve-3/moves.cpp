#include "units/expr-solve-3/moves.h"

namespace units::expr_solve_3 {

using frame::Erase;

void copy_down(frame::Page& p, const CopyDown& c) {
    p.steps({.from = 0, .to = 8, .pause = 10, .erase = Erase::Box, .box_from = c.clear_from,
             .box_to = c.clear_to},
            [&](float i, int colour) {
                p.text(c.at, c.equation, colour);
                p.text({c.at.x, c.at.y + 5 * i}, c.equation, colour);
            });
}

void swap(frame::Page& p, const Swap& s) {
    p.steps({.from = 0, .to = 6, .pause = 15, .erase = Erase::Box, .box_from = s.area_from,
             .box_to = s.area_to},
            [&](float i, int colour) {
                p.text({s.sign_x, s.row}, s.sign, colour);
                p.text({s.left_x + 8 * i, s.row}, s.left, colour);
                p.text({s.right_x - 8 * i, s.row}, s.right, colour);
            });
}

void hand(frame::Page& p, frame::PointF at) { p.picture("上指.BMP", at); }

void hand_away(frame::Page& p, frame::PointF at) {
    p.fill_box(at, {at.x + 20, at.y + 20}, 0);
}

}  // namespace units::expr_solve_3
