// Exercise page 5, "練習2": three sectors larger than a semicircle, then five
// red regions made of semicircles, squares and quarter circles.
#include <array>

#include "units/sector-area/exercise_sheet.h"
#include "units/sector-area/pages.h"
#include "units/sector-area/sector_figure.h"

namespace units::sector_area {
namespace {

using frame::CellRow;
using frame::ExerciseScreen;

constexpr std::string_view kSectorArea = "次のおうぎ形の面積を求めなさい｡";
constexpr std::string_view kRedArea = "次の赤い部分の面積を求めなさい｡";

constexpr std::array<Sector, 3> kSectors = {{
    {230, 0.75f, 0.583f, {"300ﾟ", {154, 247}}, {"6cm", {174, 180}},
     {{164, 190}, 8, 5, 0.75f, 0.25f}},
    {230, 0.556f, 0.5f, {"340ﾟ", {177, 225}}, {"7cm", {114, 240}},
     {{124, 230}, 40, 0.2f, 0, 0.5f}},
    {230, 0.25f, 1, {"270ﾟ", {158, 209}}, {"8cm", {150, 247}}, {{164, 230}, 80, 0.2f, 0, 0.5f}},
}};

void sector(ExerciseScreen& s) {
    const int k = s.problem_number();
    const frame::Scoped face = s.font(kMincho);
    draw_red_sector(s, kSectors.at(static_cast<std::size_t>(k - 1)), k == 3);
}

// A length measured by a dotted arc, its label in the small font.
void measure(ExerciseScreen& s, const MeasuringArc& arc, std::string_view length, PointF at) {
    draw_measure(s, arc);
    const frame::Scoped small = s.font_size(13);
    s.text(at, length);
}

// A red area cut out of the red: white outline, background inside.
void cut_out(ExerciseScreen& s, PointF centre, float radius, float from, float to) {
    s.pie(centre, radius, 7, 0, from, to);
}

void three_half_circles(ExerciseScreen& s) {
    const frame::Scoped face = s.font(kMincho);
    s.pie({160, 230}, 80, 2, 2, 0.5f, 1);
    cut_out(s, {120, 230}, 40, 0.5f, 1);
    cut_out(s, {200, 230}, 40, 0.5f, 1);
    measure(s, {{120, 230}, 40, 0.2f, 0, 0.5f}, "6cm", {110, 240});
    measure(s, {{200, 230}, 40, 0.2f, 0, 0.5f}, "6cm", {190, 240});
}

void right_angles(ExerciseScreen& s) {
    s.box({160, 230}, {155, 225}, 7);
    s.box({85, 230}, {80, 225}, 7);
    s.box({160, 155}, {155, 150}, 7);
}

// A red square of the given side with the quarter circle on its lower right
// corner cut out.
void square_less_quarter(ExerciseScreen& s, std::string_view side) {
    s.fill_box({160, 230}, {80, 150}, 7, 2);
    cut_out(s, {160, 230}, 79, 0.5f, 0.75f);
    measure(s, {{160, 190}, 8, 5, 0.75f, 0.25f}, side, {170, 180});
}

void square_less_quarter(ExerciseScreen& s) {
    const frame::Scoped face = s.font(kMincho);
    square_less_quarter(s, "9cm");
    right_angles(s);
}

void sector_less_sector(ExerciseScreen& s) {
    const frame::Scoped face = s.font(kMincho);
    measure(s, {{236, 230}, 76, 0.54f, 0.5f, 0.75f}, "10cm", {180, 185});
    s.pie({160, 230}, 160, 2, 2, 0.917f, 1);
    cut_out(s, {160, 230}, 80, 0.917f, 1);
    s.arc({160, 230}, 20, 7, 0.917f, 1);
    {
        const frame::Scoped small = s.font_size(13);
        s.text({185, 215}, "30ﾟ");
    }
    measure(s, {{240, 230}, 80, 0.12f, 0, 0.5f}, "20cm", {230, 243});
}

void square_less_quarter_plus_quarter(ExerciseScreen& s) {
    const frame::Scoped face = s.font(kMincho);
    square_less_quarter(s, "8cm");
    s.pie({160, 230}, 40, 7, 2, 0.5f, 0.75f);
    measure(s, {{140, 230}, 20, 0.4f, 0, 0.5f}, "4cm", {130, 240});
    right_angles(s);
}

void half_circle_less_two(ExerciseScreen& s) {
    const frame::Scoped face = s.font(kMincho);
    s.pie({160, 230}, 70, 2, 2, 0.5f, 1);
    cut_out(s, {110, 230}, 20, 0.5f, 1);
    cut_out(s, {180, 230}, 50, 0.5f, 1);
    measure(s, {{110, 230}, 20, 0.4f, 0, 0.5f}, "4cm", {105, 240});
    measure(s, {{180, 230}, 50, 0.16f, 0, 0.5f}, "10cm", {170, 240});
}

// The second key is accepted as well; it is the key itself unless the
// problem names another.
frame::Problem problem(std::string_view instruction, std::string_view number, frame::Figure figure,
                       std::string_view key, std::string_view also = {}) {
    return {.show = problem_texts(instruction, number), .figure = figure,
            .keys = {key, also.empty() ? key : also}};
}

constexpr std::string_view kSeePage4 =
    "計算まちがいしてない?わからない時は4ページのだん落1を見れば答えがわかるよ!";

frame::Hint hint(int first, int last, std::string_view text) {
    return {.problems = {first, last}, .show = {CellRow{0, 22, text, {}, kMincho}}};
}

}  // namespace

// Problem 5 rounds 81 − 63.585 = 17.415 half up to "17.42"; "17.41" comes
// from rounding the quarter circle first.  Both are right.
const frame::ExerciseSheet page5 = sector_sheet({
    .page = 5,
    .header = "練習2                                5ﾍﾟｰｼﾞ",
    .labels = {{{86, 3}, "答え"}, {{204, 3}, "c㎡"}},
    .problems = {problem(kSectorArea, "(1)", sector, "94.2"),
                 problem(kSectorArea, "(2)", sector, "145.31"),
                 problem(kSectorArea, "(3)", sector, "37.68"),
                 problem(kRedArea, "(4)", three_half_circles, "28.26"),
                 problem(kRedArea, "(5)", square_less_quarter, "17.41", "17.42"),
                 problem(kRedArea, "(6)", sector_less_sector, "78.5"),
                 problem(kRedArea, "(7)", square_less_quarter_plus_quarter, "26.32"),
                 problem(kRedArea, "(8)", half_circle_less_two, "31.4")},
    .feedback_from = {0, 415},
    .feedback_to = {640, 490},
    .praise = {28, 22},
    .password = "手紙(てがみ)",
    .hints = {hint(1, 3, kSeePage4), hint(4, 0, "計算まちがいしてない?半円が3つ重なってるんだよ!"),
              hint(5, 0, "計算まちがいしてない?正方形からおうぎ形が切り取ってあるんだよ!"),
              hint(6, 0, "計算まちがいしてない?おうぎ形からおうぎ形が切り取ってあるんだよ!"),
              hint(7, 8, "計算まちがいしてるよ!半径はあっているかな?")},
});

}  // namespace units::sector_area
