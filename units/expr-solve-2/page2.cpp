// Exercise page 2, "練習1": eight one-step equations; the pupil types the
// value of the letter into the single-answer bar.
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {

using frame::CellRow;
using frame::Mark;
namespace {

// Hints that point back to the explanations of "文字式をとく 1" or of page 1.
constexpr std::string_view kEarlierUnitParagraph2 =
    "ヒントは[文字式をとく1]の2ページのだん落2にあるよ!";
constexpr std::string_view kEarlierUnitParagraph3 =
    "ヒントは[文字式をとく1]の2ページのだん落3にあるよ!";
constexpr std::string_view kEarlierUnitParagraph4 =
    "ヒントは[文字式をとく1]の2ページのだん落4にあるよ!";

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .instructions = {CellRow{0, 5, "つぎの  を求めましょう｡"}, Mark{{53, 104}}},
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = {CellRow{0, 6, "(1)    × 13 = 702"}, Mark{{37, 123}}}, .keys = {"54"},
             .hint = {kEarlierUnitParagraph3}},
            {.show = {CellRow{0, 6, "(2)    ÷ 67 = 17"}, Mark{{37, 123}}}, .keys = {"1139"},
             .hint = {kEarlierUnitParagraph2}},
            {.show = {CellRow{0, 6, "(3)    ＋ 37 = 153"}, Mark{{37, 123}}}, .keys = {"116"},
             .hint = {"1ページのだん落1を見れば答えがわかるよ!"}},
            {.show = {CellRow{0, 6, "(4)    － 18 = 49"}, Mark{{37, 123}}}, .keys = {"67"},
             .hint = {"1ページのだん落2を見れば答えがわかるよ!"}},
            {.show = {CellRow{0, 6, " (5)  504 =    × 6"}, Mark{{103, 123}}}, .keys = {"84"},
             .hint = {kEarlierUnitParagraph4}},
            {.show = {CellRow{0, 6, " (6) 2154 =    － 740"}, Mark{{103, 123}}}, .keys = {"2894"},
             .hint = {kEarlierUnitParagraph4}},
            {.show = {CellRow{0, 6, " (7)  416 =    ÷ 7"}, Mark{{103, 123}}}, .keys = {"2912"},
             .hint = {kEarlierUnitParagraph4}},
            {.show = {CellRow{0, 6, " (8) 1589 =    ＋ 887"}, Mark{{103, 123}}}, .keys = {"702"},
             .hint = {kEarlierUnitParagraph4}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 460},
    .praise = {0, 17},
    .password = "貯水(ちょすい)",
};

}  // namespace units::expr_solve_2
