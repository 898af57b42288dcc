// Exercise page 3, "練習1": the areas of four circles, each given by its
// radius.
#include <array>

#include "units/circle-area/measured_circle.h"
#include "units/circle-area/pages.h"

namespace units::circle_area {
namespace {

using frame::CellRow;

constexpr std::array<MeasuredCircle, 4> kCircles = {{
    {{100, 200}, 50, {100, 200}, {150, 200}, {{125, 200}, 25, 0.31f, 0, 0.5f}, "5cm", {120, 210}},
    {{100, 250}, 100, {0, 250}, {100, 250}, {{50, 250}, 50, 0.16f, 0, 0.5f}, "10cm", {40, 260}},
    {{100, 250}, 60, {100, 250}, {100, 190}, {{100, 220}, 10, 3, 0.75f, 0.25f}, "6cm", {110, 210}},
    {{140, 230}, 130, {140, 230}, {270, 230}, {{205, 230}, 65, 0.2f, 0, 0.5f}, "13cm", {195, 252}},
}};

void circle(frame::ExerciseScreen& s) {
    draw_measured_circle(s, kCircles.at(static_cast<std::size_t>(s.problem_number() - 1)));
}

frame::Problem problem(std::string_view number, std::string_view key) {
    return {.show = {CellRow{0, 4, number}}, .figure = circle, .keys = {key}};
}

}  // namespace

const frame::ExerciseSheet page3 = circle_sheet({
    .page = 3,
    .header = "練習1                                3ﾍﾟｰｼﾞ",
    .before_number_test = {CellRow{4, 4, "次の円の面積を求めなさい｡"}},
    .problems = {problem("(1)", "78.5"), problem("(2)", "314"), problem("(3)", "113.04"),
                 problem("(4)", "530.66")},
    .password = "夕日(ゆうひ)",
    .reward = {2, 7},
    .hints = {{.show = {CellRow{0, 23, kSeePage2}}}},
});

}  // namespace units::circle_area
