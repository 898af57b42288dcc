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

inline constexpr std::string_view kUp = "上指.BMP";
inline constexpr std::string_view kDown = "下指.BMP";

inline void erase(frame::Page& p, frame::PointF from, frame::PointF to) {
    p.fill_box(from, to, 0);
}

// A balance with the same number on both pans, level.
inline void level_balance(frame::Page& p, float y, std::string_view pans) {
    p.picture("天秤1.BMP", {300, y});
    p.text({320, y + 40}, pans);
}

// The close of both explanation pages: the hand leaves the sentence's box at
// (246, hand_y), follows a green arrow to the expression, and the rule
// "set it up as in the grade before" is written beside a second arrow.
inline void same_as_before(frame::Page& p, float hand_y, std::string_view grade_line) {
    p.line({380, 50}, {450, 50}, kGreen);
    p.polyline({{445, 45}, {450, 50}, {445, 55}}, kGreen);
    p.move_picture(kUp, {{246, hand_y}, {266, hand_y + 20}}, {490, 60});  p.pause(100);
    p.move_picture(kUp, {{490, 60}, {510, 80}}, {490, 370});  p.pause(200);
    p.text({440, 180}, grade_line, kGreen);
    p.text({440, 200}, "様に式をたてよう", kGreen);
    p.line({490, 60}, {490, 330}, kGreen);
    p.polyline({{485, 325}, {490, 330}, {495, 325}}, kGreen);  p.pause(500);
    erase(p, {490, 370}, {510, 390});  p.say(14);
}

}  // namespace units::word_problems
