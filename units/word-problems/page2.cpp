// Exercise page 2, "練習1": seven word problems answered by a product of
// fractions, as a mixed number (whole part A, denominator B, numerator C)
// in FORM9.  A wrong answer restates the problem with whole numbers, as a
// 2nd-grade multiplication, and asks what to multiply.
#include "units/word-problems/pages.h"
#include "units/word-problems/word_problem.h"

namespace units::word_problems {
namespace {

using frame::CellRow;

const std::vector<frame::Ink> kInstructions = [] {
    std::vector<frame::Ink> inks{
        CellRow{4, 4, "次の問題をして答えのA,B,Cにあてはまる数を答えなさい｡"},
        CellRow{4, 5, "(答えが真分数の場合は、Aはとばして答えなさい｡)"}};
    for (frame::Ink& ink : frame::mixed_number_diagram()) inks.push_back(ink);
    return inks;
}();

constexpr std::string_view kWhatTimesWhat = "何と何をかければいいのかな？";
constexpr std::string_view kThatIs = "なるんだよ! 何と何をかければいいのかな？";

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .instructions = kInstructions,
    .labels = kBarLabels,
    .problems =
        {
            {.show = word_problem(1, {0, "1                          1",
                                      "5                          4", 37,
                                      "─ﾘｯﾄﾙ入りのかんジュースが2─本あります｡ジュースは何ﾘｯﾄﾙあるでしよう｡"},
                                  "ﾘｯﾄﾙ"),
             .keys = {"", "20", "9"},
             .hint = {"[3ﾘｯﾄﾙ入りのかんジュースが2本あります｡ジュースは何ﾘｯﾄﾙあるでしよう｡]って事に",
                      kThatIs}},
            {.show = word_problem(2, {0, "1", "4", 38,
                                      "─kg入りのひやむぎが3ふくろあります｡ひやむぎは全部で何kgでしょう｡"},
                                  "kg"),
             .keys = {"", "4", "3"},
             .hint = {"[2kg入りのひやむぎが3ふくろあります｡ひやむぎは全部で何kgでしょう｡]って事に",
                      kThatIs}},
            {.show = word_problem(3, {20, "4", "7", 38,
                                      "10ﾘｯﾄﾙ入りのとう油の─を使いました｡何ﾘｯﾄﾙ使ったのでしょう｡"},
                                  "ﾘｯﾄﾙ"),
             .keys = {"5", "7", "5"},
             .hint = {"[10ﾘｯﾄﾙ入りのとう油の2倍を使いました｡何ﾘｯﾄﾙ使ったのでしょう｡]って事になるんだよ!",
                      kWhatTimesWhat}},
            {.show = word_problem(4, {0, "5             3", "9             4", 37,
                                      "─kgのさとうの─は何kgでしよう｡"},
                                  "kg"),
             .keys = {"", "12", "5"},
             .hint = {"[2kgのさとうの4倍は何kgでしよう｡]って事になるんだよ!何と何をかければいいのかな？"}},
            {.show = word_problem(5, {0, "1           2", "6           7", 29,
                                      "1─kgの牛肉の─を使いました｡何kg使ったのでしようか｡"},
                                  "kg"),
             .keys = {"", "3", "1"},
             .hint = {"[2kgの牛肉の4倍を使いました｡何kg使ったのでしようか｡]って事になるんだよ!",
                      kWhatTimesWhat}},
            {.show = word_problem(
                 6, {0, "5", "8", 30,
                     "5─kmのマラソン大会で兄さんはコースの─まで走る事ができましたがさとる君は"},
                 "km",
                 {frame::ScaledText{{30, 180},
                                    "兄さんの─までしか走る事ができませんでした｡さとる君は何km走ったのでしょう｡"},
                  CellRow{41, 7, "7"}, CellRow{41, 8, "10"}, CellRow{12, 9, "4"},
                  CellRow{12, 10, "7"}}),
             .keys = {"2", "4", "1"},
             .hint = {"[2kmのマラソン大会で兄さんはコースの2倍まで走る事ができました｡さとる君は兄さんの",
                      "1倍まで走る事ができました｡さとる君は何km走ったのでしょう｡]って事になるんだよ!",
                      "何と何と何をかければいいのかな？"}},
            {.show = word_problem(7, {8, "2", "5", 38,
                                      "1時間に2─km歩く人が20分間歩くと何km進むでしょうか｡"},
                                  "km"),
             .keys = {"", "5", "4"},
             .hint = {"[1時間に2km歩く人が3時間歩くと何km進むでしょうか｡]って事になるんだよ!",
                      kWhatTimesWhat}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 430},
    .praise = {10, 17},
    .password = "川岸(かわぎし)",
    .lead = {CellRow{0, 17, "計算まちがいしてない?この問題を2年生の問題に直すと"}},
    .hint_cell = {0, 18},
};

}  // namespace units::word_problems
