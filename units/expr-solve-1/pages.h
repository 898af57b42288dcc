#pragma once
// The pages of expr-solve-1.

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace units::expr_solve_1 {

void draw_page1(frame::Page& p);
void draw_page2(frame::Page& p);

extern const frame::ExerciseSheet page3;
extern const frame::ExerciseSheet page4;

}  // namespace units::expr_solve_1
