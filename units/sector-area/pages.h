#pragma once
// The pages of sector-area.

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace units::sector_area {

void draw_page1(frame::Page& p);
void draw_page2(frame::Page& p);
void draw_page4(frame::Page& p);

extern const frame::ExerciseSheet page3;
extern const frame::ExerciseSheet page5;

}  // namespace units::sector_area
