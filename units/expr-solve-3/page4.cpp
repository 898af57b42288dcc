// Exercise page 4, "練習2": eight equations with all four operations and
// two word problems; the pupil finds the letter.  A hint tells the move that
// solves the equation, sends the pupil to a paragraph of page 1 or 3, or
// writes the word problem as an equation.
#include "units/expr-solve-3/find_the_letter.h"
#include "units/expr-solve-3/pages.h"

namespace units::expr_solve_3 {

using frame::CellRow;

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = find_the_letter("(1)χ÷１６＝１２"), .keys = {"192"},
             .hint = {"計算まちがいしてない?÷16を×16に変えて右辺に移動するんだよ!"}},
            {.show = find_the_letter("(2)χ×１８＝５２２"), .keys = {"29"},
             .hint = {"計算まちがいしてない?×18を÷18に変えて右辺に移動するんだよ!"}},
            {.show = find_the_letter("(3)９２４÷χ＝２１"), .keys = {"44"},
             .hint = {"計算まちがいしてない?3ページのだん落2を見れば答えがわかるはずよ!"}},
            {.show = find_the_letter("(4)４３＋χ＝１１６"), .keys = {"73"},
             .hint = {"計算まちがいしてない?1ページのだん落5を見れば答えがわかるはずよ!"}},
            {.show = find_the_letter("(5)χ－２５＝６３"), .keys = {"88"},
             .hint = {"計算まちがいしてない?－25を＋25に変えて右辺に移動するんだよ!"}},
            {.show = find_the_letter("(6)３３×χ＝１５１８"), .keys = {"46"},
             .hint = {"計算まちがいしてない?1ページのだん落4を見れば答えがわかるはずよ!"}},
            {.show = find_the_letter("(7)χ＋１０８＝３２２"), .keys = {"214"},
             .hint = {"計算まちがいしてない?＋108を－108に変えて右辺に移動するんだよ!"}},
            {.show = find_the_letter("(8)２１６－χ＝７４"), .keys = {"142"},
             .hint = {"計算まちがいしてない?3ページのだん落3を見れば答えがわかるはずよ!"}},
            {.show = {CellRow{0, 6, "(9)2520をある数でわったら35になりました｡ある数はいくつでしょう｡"}},
             .keys = {"72"},
             .hint = {"計算まちがいしてない?この問題を式にすると 2520÷χ=35 になるんだよ!"}},
            {.show = {CellRow{0, 6, "(10)521からある数を引いたら354になりました｡ある数はいくつでしょう｡"}},
             .keys = {"167"},
             .hint = {"計算まちがいしてない?この問題を式にすると 521－χ=354 になるんだよ!"}},
        },
    .feedback_from = {0, 340},
    .feedback_to = {640, 480},
    .praise = {10, 18},
    .password = "麦茶(むぎちゃ)",
    .lead = {},
    .hint_cell = {0, 18},
};

}  // namespace units::expr_solve_3
