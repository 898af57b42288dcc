// Exercise page 4, "練習2": two circles given by their diameter, then two
// red regions: a square with its inscribed circle cut out, a circle with its
// inscribed square cut out.
#include <array>

#include "units/circle-area/measured_circle.h"
#include "units/circle-area/pages.h"

namespace units::circle_area {
namespace {

using frame::CellRow;
using frame::ExerciseScreen;

constexpr std::string_view kCircleArea = "次の円の面積を求めなさい｡";
constexpr std::string_view kRedArea = "次の赤い部分の面積を求めなさい｡";

constexpr MeasuredCircle kWide{
    {120, 250}, 110, {10, 250}, {230, 250}, {{120, 250}, 110, 0.1f, 0, 0.5f}, "22cm", {110, 272}};
constexpr MeasuredCircle kTall{
    {100, 250}, 80, {100, 170}, {100, 330}, {{100, 250}, 10, 8, 0.75f, 0.25f}, "16cm", {112, 240}};

void wide_circle(ExerciseScreen& s) { draw_measured_circle(s, kWide); }
void tall_circle(ExerciseScreen& s) { draw_measured_circle(s, kTall); }

// The corners of a box marked as right angles: a small box in each.
void right_angles(ExerciseScreen& s, std::initializer_list<frame::PointF> corners) {
    for (frame::PointF c : corners) s.box(c, {c.x + 5, c.y + 5}, 7);
}

// A red square with its inscribed circle cut out; measured along its bottom.
void square_less_circle(ExerciseScreen& s) {
    s.fill_box({50, 200}, {130, 280}, 7, 2);
    right_angles(s, {{50, 200}, {125, 200}, {50, 275}, {125, 275}});
    s.disc({90, 240}, 40, 7, 0);
    draw_measure(s, {{90, 280}, 40, 0.2f, 0, 0.5f}, "8cm", {80, 290});
}

// A red circle with its inscribed square cut out; measured along the
// vertical diagonal.
void circle_less_square(ExerciseScreen& s) {
    s.disc({150, 200}, 60, 7, 2);
    s.polygon({{150, 140}, {90, 200}, {150, 260}, {210, 200}, {150, 140}}, 7, 0);
    s.line({150, 140}, {150, 260}, 7);
    s.line({90, 200}, {210, 200}, 7);
    right_angles(s, {{145, 195}});
    draw_measure(s, {{150, 200}, 10, 6, 0.75f, 0.25f}, "6cm", {162, 185});
}

frame::Problem problem(std::string_view number, std::string_view task, frame::Figure figure,
                       std::string_view key) {
    return {.show = {CellRow{4, 4, task}, CellRow{0, 4, number}}, .figure = figure, .keys = {key}};
}

}  // namespace

const frame::ExerciseSheet page4 = circle_sheet({
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .problems = {problem("(1)", kCircleArea, wide_circle, "379.94"),
                 problem("(2)", kCircleArea, tall_circle, "200.96"),
                 problem("(3)", kRedArea, square_less_circle, "13.76"),
                 problem("(4)", kRedArea, circle_less_square, "10.26")},
    .password = "花火(はなび)",
    .reward = {5, 7},
    .hints = {{.problems = {4},
               .show = {CellRow{0, 23, "赤い部分は円から正方形を引いたものだよ!正方形はひし形のなかまだよ!"}}},
              {.show = {CellRow{0, 23, kSeePage2}}}},
});

}  // namespace units::circle_area
