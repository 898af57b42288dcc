// Exercise page 6, "練習3": six word problems. The pupil picks which of five
// expressions describes the problem (field 1 of the two-answer bar) and
// solves it (field 2).
#include <vector>

#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {
namespace {

using frame::CellRow;
using frame::Hint;
using frame::Mark;

// What a wrong answer hears: a right choice with a wrong answer is told so;
// a wrong choice hears the relation the problem rests on, or, for two
// typical wrong choices, why that expression does not fit.
const std::vector<Hint> kHints = {
    {.keys = {{.slot = 1, .key = 1, .alt_key = 2}},
     .show = {CellRow{0, 18, "                                                                                ", 7},
              CellRow{0, 18, "式は合ってるけど答えがちがうよ!"}}},
    {.problems = {1}, .show = {CellRow{10, 18, "そうかな? たて×横=面積 なんだよ!"}}},
    {.problems = {2}, .show = {CellRow{0, 18, "そうかな? はり金代＋くぎ代=代金 なんだよ!"}}},
    {.problems = {3},
     .show = {CellRow{0, 18, "そうかな? 1ふくろに入っている数×3ふくろ－食べた数=残り なんだよ!"}}},
    {.problems = {4}, .typed = {{1, "5"}},
     .show = {CellRow{0, 18, "それでは8を2でわっただけで 66-8を2でわったことにはならないんだよ!"}}},
    {.problems = {4}, .show = {CellRow{0, 18, "そうかな? ぼくの体重×2＋8kg=父の体重 なんだよ!"}}},
    {.problems = {5}, .typed = {{1, "2"}},
     .show = {CellRow{0, 18, "それでは10を9倍しただけで  +10全体を9倍したことにはならないんだよ!"},
              Mark{{207, 352}}}},
    {.problems = {5}, .show = {CellRow{0, 18, "そうかな? (ある数＋10)×9=135 なんだよ!"}}},
    {.problems = {6},
     .show = {CellRow{0, 18, "そうかな? 小使い÷2－チョコレート代=80円 なんだよ!"}}},
};

// Problem 1 asks its question (its first three rows) in a font of its own.
constexpr std::string_view kQuestionFace = "ＭＳ 明朝";

}  // namespace

const frame::ExerciseSheet page6{
    .page = 6,
    .header = "練習3                                6ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .labels = {{{109, 3}, "式"}, {{256, 3}, "答え"}},
    .problems =
        {
            {.show =
                 {
                     CellRow{0, 4, "(1)たての長さが6cmで面積が48c㎡の長方形の紙があります｡横の長さは何cmでしょう｡", {}, kQuestionFace},
                     CellRow{3, 5, "横の長さを  cmとして式をたてると式は下の1から5番のどれになりますか｡", {}, kQuestionFace},
                     Mark{{109, 105}},
                     CellRow{3, 6, "また式をとくと答えは何cmですか｡", {}, kQuestionFace},
                     CellRow{3, 8, " 1, 6＋  =48    2, 48－6=      3, 6×  =48"},
                     Mark{{85, 161}}, Mark{{229, 161}}, Mark{{323, 161}},
                     CellRow{3, 9, " 4, 6÷  =48    5, 48÷6="},
                     Mark{{85, 180}}, Mark{{229, 180}},
                 },
             .keys = {"3", "5", "8"},
             .labels = {{{368, 3}, "cm"}}},
            {.show =
                 {
                     CellRow{0, 4, "(2)150円のはり金とくぎを買ったら代金は230円でした｡くぎの代金はいくらですか｡"},
                     CellRow{3, 5, "くぎの代金を  円として式をたてると式は下の1から5番のどれになりますか｡"},
                     Mark{{125, 105}},
                     CellRow{3, 6, "また式をとくと答えは何円ですか｡"},
                     CellRow{3, 8, " 1, 230＋  =150   2, 230＋150=     3, 150＋  =230"},
                     Mark{{100, 161}}, Mark{{268, 161}}, Mark{{371, 161}},
                     CellRow{3, 9, " 4, 230÷  =150   5, 150×  =230"},
                     Mark{{100, 180}}, Mark{{235, 180}},
                 },
             .keys = {"3", "3", "80"},
             .labels = {{{368, 3}, "円"}}},
            {.show =
                 {
                     CellRow{0, 4, "(3)みかんを3ふくろ買って9こ食べたら27こ残りました｡みかんは1ふくろ何こ入りですか｡"},
                     CellRow{3, 5, "1ふくろ  こ入りとして式をたてると式は下の1から5番のどれになりますか｡"},
                     Mark{{84, 105}},
                     CellRow{3, 6, "また式をとくと答えは何こですか｡"},
                     CellRow{3, 8, "   1, 27－9×3=    2,   ×3－9=27  3, 9×3－  =27"},
                     Mark{{149, 161}}, Mark{{205, 161}}, Mark{{380, 161}},
                     CellRow{3, 9, "   4, 27－　×3=9  5, 27－  =9×3"},  // one full-width blank in 4
                     Mark{{108, 180}}, Mark{{235, 180}},
                 },
             .keys = {"2", "2", "12"},
             .labels = {{{368, 3}, "こ"}}},
            {.show =
                 {
                     CellRow{0, 4, "(4)父の体重はぼくの体重の2倍より8kg重くて66kgです｡ぼくの体重は何kgでしょう｡"},
                     CellRow{3, 5, "ぼくの体重を  kgとして式をたてると式は下の1から5番のどれになりますか｡"},
                     Mark{{125, 105}},
                     CellRow{3, 6, "また式をとくと答えは何kgですか｡"},
                     CellRow{3, 8, "1,   ×2＋8=66  2, 66×2－8=    3, 66＋8÷2="},
                     Mark{{53, 161}}, Mark{{253, 161}}, Mark{{381, 161}},
                     CellRow{3, 9, "4, 66÷2－8=    5, 66－8÷2="},
                     Mark{{125, 180}}, Mark{{253, 180}},
                 },
             .keys = {"1", "1", "29"},
             .labels = {{{368, 3}, "kg"}}},
            {.show =
                 {
                     CellRow{0, 4, "(5)ある数に10を足して それに9をかけると135になりました｡"},
                     CellRow{3, 5, "ある数を  として式をたてると式は下の1から5番のどれになりますか｡"},
                     Mark{{93, 105}},
                     CellRow{3, 6, "また式をとくと答えはいくつですか｡"},
                     CellRow{3, 8, "1,   ＋9×10=135  2,   ＋10×9=135  3, (  ＋9)×10=135"},
                     Mark{{53, 161}}, Mark{{197, 161}}, Mark{{349, 161}},
                     CellRow{3, 9, "4, (  ＋10)÷9=135  5, (  ＋10)×9=135"},
                     Mark{{61, 180}}, Mark{{221, 180}},
                 },
             .keys = {"5", "5", "5"}},
            {.show =
                 {
                     CellRow{0, 4, "(6)ひろき君は父からもらった小使いを妹と半分ずつして170円のチョコレートを買ったら"},
                     CellRow{3, 5, "80円残りました｡父からもらった小使いはいくらだったでしょうか｡"},
                     CellRow{3, 6, "父からもらった小使いを  円として式をたてると下の1から5番のどれになりますか｡"},
                     Mark{{205, 124}},
                     CellRow{3, 7, "また式をとくと答えは何円ですか｡"},
                     CellRow{3, 9, "1,   ×2－170=80    2, 80×2＋170=      3, 80－170÷2="},
                     Mark{{53, 180}}, Mark{{301, 180}}, Mark{{461, 180}},
                     CellRow{3, 10, "4,   ÷2－170=80    5,   ÷170－2=80"},
                     Mark{{53, 199}}, Mark{{213, 199}},
                 },
             .keys = {"4", "4", "500"},
             .labels = {{{368, 3}, "円"}}},
        },
    .feedback_from = {0, 340},
    .feedback_to = {640, 465},
    .praise = {28, 18},
    .password = "歌手(かしゅ)",
    .hint_clear = frame::Area{{0, 340}, {640, 465}},
    .lead = {},
    .hints = kHints,
};

}  // namespace units::expr_solve_2
