// Exercise page 3, "練習1": the areas of four sectors, the length of an arc
// and the length round a sector.
#include <array>

#include "units/sector-area/exercise_sheet.h"
#include "units/sector-area/pages.h"
#include "units/sector-area/sector_figure.h"

namespace units::sector_area {
namespace {

using frame::CellRow;

constexpr std::string_view kArea = "次のおうぎ形の面積を求めなさい｡";

constexpr MeasuringArc kUp(float y) { return {{164, y - 40}, 8, 5, 0.75f, 0.25f}; }
constexpr MeasuringArc kDown(float y) { return {{164, y + 40}, 8, 5, 0.75f, 0.25f}; }
constexpr MeasuringArc kRight(float y) { return {{204, y}, 40, 0.2f, 0.5f, 1}; }

constexpr std::array<Sector, 6> kSectors = {{
    {230, 0.5f, 0.75f, {"90ﾟ", {149, 212}}, {"22cm", {174, 180}}, kUp(230)},
    {180, 0, 0.167f, {"60ﾟ", {176, 186}}, {"5cm", {194, 165}}, kRight(180)},
    {140, 0.25f, 0.361f, {"40ﾟ", {151, 156}}, {"15cm", {174, 170}}, kDown(140)},
    {230, 0.5f, 1, {"180ﾟ", {158, 209}}, {"40cm", {150, 242}}, {{164, 230}, 80, 0.13f, 0, 0.5f}},
    {140, 0.25f, 0.375f, {"45ﾟ", {151, 156}}, {"10cm", {174, 170}}, kDown(140)},
    {180, 0, 0.2f, {"72ﾟ", {176, 186}}, {"25cm", {194, 165}}, kRight(180)},
}};

void sector(frame::ExerciseScreen& s) {
    const int k = s.problem_number();
    const frame::Scoped face = s.font(kMincho);
    draw_outlined_sector(s, kSectors.at(static_cast<std::size_t>(k - 1)), k == 5);
}

frame::Problem problem(std::string_view instruction, std::string_view number,
                       std::string_view key, std::string_view unit) {
    return {.show = problem_texts(instruction, number), .figure = sector, .keys = {key},
            .labels = {{{204, 3}, unit}}};
}

constexpr std::string_view kSeeParagraph1 =
    "計算まちがいしてない?2ページのだん落1を見れば答えがわかるよ!";
constexpr std::string_view kSeeParagraph2 =
    "計算まちがいしてない?2ページのだん落2を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page3 = sector_sheet({
    .page = 3,
    .header = "練習1                                3ﾍﾟｰｼﾞ",
    .labels = {{{86, 3}, "答え"}},
    .problems = {problem(kArea, "(1)", "379.94", "c㎡"), problem(kArea, "(2)", "13.08", "c㎡"),
                 problem(kArea, "(3)", "78.5", "c㎡"), problem(kArea, "(4)", "628", "c㎡"),
                 problem("次の赤い曲線の長さを求めなさい｡", "(5)", "7.85", "cm"),
                 problem("次のおうぎ形のまわりの長さを求めなさい｡", "(6)", "81.4", "cm")},
    .feedback_from = {0, 340},
    .feedback_to = {640, 385},
    .praise = {28, 18},
    .password = "石段(いしだん)",
    .hints = {{.problems = {1, 4}, .show = {CellRow{0, 18, kSeeParagraph1, {}, kMincho}}},
              {.problems = {5, 6}, .show = {CellRow{0, 18, kSeeParagraph2, {}, kMincho}}}},
});

}  // namespace units::sector_area
