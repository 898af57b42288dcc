// Exercise page 4, "練習2": eight two-step equations; the pupil types the
// value of the letter into the single-answer bar. Every hint sends the pupil
// to a paragraph of page 3.
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {

using frame::CellRow;
using frame::Mark;
namespace {

constexpr std::string_view kParagraph1 = "だん落1を見れば答えがわかるよ!";
constexpr std::string_view kParagraph2 = "だん落2を見れば答えがわかるよ!";
constexpr std::string_view kParagraph3 = "だん落3を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .instructions = {CellRow{0, 5, "つぎの  を求めましょう｡"}, Mark{{53, 104}}},
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = {CellRow{0, 6, "(1)    × 5 － 92 = 93"}, Mark{{37, 123}}}, .keys = {"37"},
             .hint = {kParagraph2}},
            {.show = {CellRow{0, 6, "(2)    ÷ 7 ＋ 33 = 84"}, Mark{{37, 123}}}, .keys = {"357"},
             .hint = {kParagraph1}},
            {.show = {CellRow{0, 6, "(3)    × 2 ＋ 55 = 201"}, Mark{{37, 123}}}, .keys = {"73"},
             .hint = {kParagraph1}},
            {.show = {CellRow{0, 6, "(4)    ÷ 1.5 － 8 = 13"}, Mark{{37, 123}}}, .keys = {"31.5"},
             .hint = {kParagraph2}},
            {.show = {CellRow{0, 6, "(5)  150 =    × 4 － 74"}, Mark{{93, 123}}}, .keys = {"56"},
             .hint = {kParagraph3}},
            {.show = {CellRow{0, 6, "(6)  25 ＋    － 39 = 174"}, Mark{{93, 123}}}, .keys = {"188"},
             .hint = {kParagraph2}},
            {.show = {CellRow{0, 6, "(7)  321 =    × 3 ＋ 63"}, Mark{{93, 123}}}, .keys = {"86"},
             .hint = {kParagraph3}},
            {.show = {CellRow{0, 6, "(8)     × 44 ＋ 63 = 283"}, Mark{{37, 123}}}, .keys = {"5"},
             .hint = {kParagraph1}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 498},
    .praise = {0, 17},
    .password = "泳ぐ(およぐ)",
    .lead = {CellRow{0, 17, "計算まちがいしてない?3ページの"}},
    .hint_cell = {30, 17},
};

}  // namespace units::expr_solve_2
