#pragma once
// The pages of frac-multiply.

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace units::frac_multiply {

void draw_page1(frame::Page& p);
void draw_page3(frame::Page& p);

extern const frame::ExerciseSheet page2;
extern const frame::ExerciseSheet page4;


}  // namespace units::frac_multiply
