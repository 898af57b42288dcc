#pragma once
// The pages of symmetry.

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace units::symmetry {

void draw_page1(frame::Page& p);
void draw_page3(frame::Page& p);

extern const frame::ExerciseSheet page2;
extern const frame::ExerciseSheet page4;

}  // namespace units::symmetry
