#pragma once
// The pages of word-problems, and the few drawing habits the two
// explanation pages share: a box painted black removes what stood in it.

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace units::word_problems {

void draw_page1(frame::Page& p);
void draw_page3(frame::Page& p);

extern const frame::ExerciseSheet page2;
extern const frame::ExerciseSheet page4;

inline constexpr int kRed = 2;
inline constexpr int kGreen = 4;

inline void erase(frame::Page& p, frame::PointF from, frame::PointF to) {
    p.fill_box(from, to, 0);
}

// A picture taken away by its box, another put in its place.
inline void swap_picture(frame::Page& p, frame::PointF from, frame::PointF to,
                         std::string_view name, frame::PointF at) {
    erase(p, from, to);
    p.picture(name, at);
}

// A balance with the same number on both pans, level.
inline void level_balance(frame::Page& p, float y, std::string_view pans) {
    p.picture("天秤1.BMP", {300, y});
    p.text({320, y + 40}, pans);
}

}  // namespace units::word_problems
