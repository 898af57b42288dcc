// Exercise page 2, "練習1": six expressions of fractions with ×, ÷, ＋ and
// －, and three word problems; every answer is a mixed number or a fraction
// in lowest terms, typed as whole part (A), denominator (B) and numerator (C).
#include "units/frac-decimal/digits.h"
#include "units/frac-decimal/pages.h"

namespace units::frac_decimal {
namespace {

using frame::CellRow;
using frame::FractionRows;
using frame::ScaledText;

// A word problem: two lines with the fractions' digits above and below the
// bars of the first, and the unit of the answer beside the answer diagram.
std::vector<frame::Ink> word_problem(std::string_view first, std::vector<frame::Ink> signs,
                                     std::initializer_list<Digits> fractions,
                                     std::string_view second, std::string_view unit) {
    return joined({{ScaledText{{0, 133}, first}}, signs, digits(123, 140, fractions),
                   {ScaledText{{24, 163}, second}, ScaledText{{166, 218}, unit}}});
}

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .instructions = {CellRow{0, 4, "次の計算をして答えのA,B,Cにあてはまる数を答えなさい｡"},
                     CellRow{0, 5, "(答えが真分数の場合は、Aはとばして答えなさい｡)"}},
    .show = frame::mixed_number_diagram(),
    .labels = {{{85, 3}, "答え A"}, {{220, 3}, "B"}, {{305, 3}, "C"}},
    .problems =
        {
            {.show = {FractionRows{5, "5     2     4", "8     3     9", {5, 143},
                                   "(1) － × － ÷ －"}},
             .keys = {"", "16", "15"}},
            {.show = {FractionRows{5, "4     2     5", "5     7     9", {5, 143},
                                   "(2) － ÷ － × －"}},
             .keys = {"1", "9", "5"}},
            {.show = {FractionRows{5, "3     7     2     3", "7     9     9     5", {5, 143},
                                   "(3) ─ × ─ － ─ × ─"}},
             .keys = {"", "5", "1"}},
            {.show = {FractionRows{5, "1     3     5     2", "2     4     6     3", {5, 143},
                                   "(4) － ÷ － ＋ － ÷ －"}},
             .keys = {"1", "12", "11"}},
            {.show = {FractionRows{5, "4     3     2     8", "9    10     3     9", {2, 143},
                                   "(5) ─ × ─ ＋ ─ ÷ ─"}},
             .keys = {"", "60", "53"}},
            {.show = {FractionRows{5, "1     9     3     8", "2    10     4    15", {2, 143},
                                   "(6) ─ ÷ ─ － ─ × ─"}},
             .keys = {"", "45", "7"}},
            {.show = word_problem(
                 "(7)きのう－ﾘｯﾄﾙのジュースの－を飲んで 今日は－ﾘｯﾄﾙ飲みました｡", {},
                 {{76, "3", "4"}, {220, "2", "5"}, {356, "1", "5"}},
                 "2日間で何ﾘｯﾄﾙ飲んだでしよう｡", "ﾘｯﾄﾙ"),
             .keys = {"", "2", "1"}},
            {.show = word_problem(
                 "(8)かずま君は－kgのねんどの－を じゅんこさんは－kgのねんどの－を", {},
                 {{108, "3", "5"}, {220, "1", "2"}, {372, "5", "8"}, {484, "1", "5"}},
                 "使いました｡かずま君はじゅんこさんより何kg多く使ったでしよう｡", "kg"),
             .keys = {"", "40", "7"}},
            {.show = word_problem(
                 "(9)たて－m,横－mで体積が－m の直方体の上に ─mのラップのしんを－に",
                 {ScaledText{{216, 131}, "3", {}, 12}},
                 {{60, "1", "4"}, {108, "1", "2"}, {196, "1", "6"}, {348, "3", "10", 343},
                  {500, "1", "3"}},
                 "切って立てました｡全部の高さは何mになるでしよう｡", "m"),
             .keys = {"1", "30", "13"}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 430},
    .praise = {10, 17},
    .password = "書記(しょき)",
    .lead = {},
    // The reminder to reduce stands where the praise does, so a later hint
    // of the problem writes over it and it over that one.
    .hints =
        {
            {.problems = {3}, .typed = {{2, "15"}, {3, "3"}},
             .show = {CellRow{10, 17, "答えはちゃんと約分してね!"}}},
            {.problems = {1, 2}, .show = {CellRow{0, 17, "そうかな?1ページのだん落1を見れば答えがわかるよ!"}}},
            {.problems = {3, 6}, .show = {CellRow{0, 17, "そうかな?1ページのだん落2を見れば答えがわかるよ!"}}},
            {.problems = {7},
             .show = joined({{CellRow{0, 19, "きのうは－×－ﾘｯﾄﾙ,今日は－ﾘｯﾄﾙ飲んだんだよ!"}},
                             digits(351, 371, {{68, "3   2", "4   5"}, {204, "1", "5"}})})},
            {.problems = {8},
             .show = joined({{CellRow{0, 19, "かずま君は－×－kg,じゅんこさんは－×－kg使ったんだよ!"}},
                             digits(351, 371, {{84, "3   1", "5   2"}, {268, "5   1", "8   5"}})})},
            {.problems = {9},
             .show = joined({{CellRow{0, 19, "直方体の高さは─÷─÷─mで ラップのしんの高さは─×─mだよ!"}},
                             digits(351, 371, {{116, "1   1   1", "6   4   2"},
                                               {390, "3   1", "10   3", 382}})})},
        },
};

}  // namespace units::frac_decimal
