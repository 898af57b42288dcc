// Exercise page 4, "練習2": six equations letter ÷ number ＝ number (the last
// two written the other way round); the pupil types the value of the letter.
#include "units/expr-solve-1/pages.h"

namespace units::expr_solve_1 {

using frame::CellRow;
using frame::Mark;
namespace {

// Where page 2 carries a division across, from either side of the "＝".
constexpr std::string_view kLetterOnTheLeft =
    "計算まちがいしてない?2ページのだん落2を見れば答えがわかるよ!";
constexpr std::string_view kLetterOnTheRight =
    "計算まちがいしてない?2ページのだん落4を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .instructions = {CellRow{0, 5, "つぎの  を求めましょう｡"}, Mark{{53, 104}}},
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = {CellRow{0, 6, "(1)    ÷ 7 = 16"}, Mark{{37, 123}}}, .keys = {"112"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(2)    ÷ 41 = 6"}, Mark{{37, 123}}}, .keys = {"246"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(3)    ÷ 29 = 58"}, Mark{{37, 123}}}, .keys = {"1682"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(4)    ÷ 8.7 = 3.5"}, Mark{{37, 123}}}, .keys = {"30.45"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(5)  5 =    ÷ 74"}, Mark{{77, 123}}}, .keys = {"370"},
             .hint = {kLetterOnTheRight}},
            {.show = {CellRow{0, 6, "(6) 11 =    ÷ 17"}, Mark{{77, 123}}}, .keys = {"187"},
             .hint = {kLetterOnTheRight}},
        },
    .end_hides = {"FORM3", "FORM7"},
    .feedback_from = {0, 320},
    .feedback_to = {640, 412},
    .praise = {0, 17},
    .password = "電車(でんしゃ)",
    .lead = {},
    .hint_cell = {0, 17},
};

}  // namespace units::expr_solve_1
