// Explanation page 3.
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {

void draw_page3(frame::Page& p) {
    p.open({.paragraphs = 2, .band_right = 305, .title = "page 3"});
    p.end({380, 390});
}

}  // namespace units::expr_solve_2
