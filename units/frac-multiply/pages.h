#pragma once
// The pages of frac-multiply.

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace units::frac_multiply {

void draw_page1(frame::Page& p);
void draw_page3(frame::Page& p);

extern const frame::ExerciseSheet page2;
extern const frame::ExerciseSheet page4;

// Narration m after "close wave1", with the pause said with it.
inline void say(frame::Page& p, int m, int pause_after = 0) {
    p.narrate(m, frame::Close::Yes, frame::Narration::Background, pause_after);
}

}  // namespace units::frac_multiply
