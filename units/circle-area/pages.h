#pragma once
// The pages of circle-area.

#include <string_view>

#include "frame/exercise_page.h"
#include "frame/explanation_page.h"

namespace units::circle_area {

void draw_page1(frame::Page& p);
void draw_page2(frame::Page& p);

extern const frame::ExerciseSheet page3;
extern const frame::ExerciseSheet page4;

// The hint of every problem that has no hint of its own.
constexpr std::string_view kSeePage2 =
    "計算まちがいしてない?2ページのだん落1を見れば答えがわかるよ!";

// What both exercise pages share: figures in pixels, the area in c㎡ on
// the single-answer bar, praise and hints on the bottom row.
inline frame::ExerciseSheet circle_sheet(frame::ExerciseSheet sheet) {
    sheet.coordinates = frame::Coordinates::Pixels;
    sheet.labels = {{{74, 3}, "答え"}, {{200, 3}, "c㎡"}};
    sheet.feedback_from = {0, 430};
    sheet.feedback_to = {640, 480};
    sheet.praise = {10, 23};
    sheet.lead = {};
    return sheet;
}

}  // namespace units::circle_area
