// Exercise page 3, "練習1": six equations letter × number ＝ number (the last
// two written the other way round); the pupil types the value of the letter.
#include "units/expr-solve-1/pages.h"

namespace units::expr_solve_1 {

using frame::CellRow;
using frame::Mark;
namespace {

// Where page 2 solves a multiplication on each side of the "＝".
constexpr std::string_view kLetterOnTheLeft =
    "計算まちがいしてない?2ページのだん落3を見れば答えがわかるよ!";
constexpr std::string_view kLetterOnTheRight =
    "計算まちがいしてない?2ページのだん落4を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page3{
    .page = 3,
    .header = "練習1                                3ﾍﾟｰｼﾞ",
    .instructions = {CellRow{0, 5, "つぎの  を求めましょう｡"}, Mark{{53, 104}}},
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = {CellRow{0, 6, "(1)    × 23 = 276"}, Mark{{37, 123}}}, .keys = {"12"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(2)    × 71 = 284"}, Mark{{37, 123}}}, .keys = {"4"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(3)    × 47 = 2773"}, Mark{{37, 123}}}, .keys = {"59"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(4)    × 3.8 = 24.32"}, Mark{{37, 123}}}, .keys = {"6.4"},
             .hint = {kLetterOnTheLeft}},
            {.show = {CellRow{0, 6, "(5)  296 =    × 8"}, Mark{{93, 123}}}, .keys = {"37"},
             .hint = {kLetterOnTheRight}},
            {.show = {CellRow{0, 6, "(6) 1131 =    × 13"}, Mark{{93, 123}}}, .keys = {"87"},
             .hint = {kLetterOnTheRight}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 402},
    .praise = {0, 17},
    .password = "野原(のはら)",
    .lead = {},
    .hint_cell = {0, 17},
};

}  // namespace units::expr_solve_1
