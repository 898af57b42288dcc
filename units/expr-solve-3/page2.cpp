// Exercise page 2, "練習1": four questions on the parts of an equation,
// answered by the number of a choice, then six equations and word problems
// whose letter the pupil finds.  Every hint sends the pupil back to a
// paragraph of page 1, or tells the move that solves the equation.
#include "units/expr-solve-3/find_the_letter.h"
#include "units/expr-solve-3/pages.h"

namespace units::expr_solve_3 {
namespace {

using frame::CellRow;

constexpr std::string_view kSigns = "1. ＋　   2. －　   3. ×　   4. ÷";

constexpr std::string_view kSides = "そうかな?1ページのだん落1を見れば答えがわかるはずよ!";
constexpr std::string_view kSignNames = "そうかな?1ページのだん落3を見れば答えがわかるはずよ!";
// Paragraph 4 solves a multiplication, paragraph 5 an addition.
constexpr std::string_view kTimes = "計算まちがいしてない?1ページのだん落4を見れば答えがわかるはずよ!";
constexpr std::string_view kPlus = "計算まちがいしてない?1ページのだん落5を見れば答えがわかるはずよ!";

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = {CellRow{0, 5, "(1)次の式で右辺はどれですか｡下の1～5の中から選んで番号で答えなさい｡"},
                      CellRow{3, 7, "３×χ＋４＝６×χ－２"},
                      CellRow{3, 9, "1. ３×χ   2. ３×χ＋４   3. χ＋４＝６×χ   4. ６×χ   5. ６×χ－２"}},
             .keys = {"5"}, .hint = {kSides}},
            {.show = {CellRow{0, 5, "(2)次の式で左辺はどれですか｡下の1～5の中から選んで番号で答えなさい｡"},
                      CellRow{3, 7, "２＋５×χ＝７－８×χ"},
                      CellRow{3, 9, "1. ２＋５   2. ２＋５×χ   3. ５×χ＝７   4. ７－８   5. ７－８×χ"}},
             .keys = {"2"}, .hint = {kSides}},
            {.show = {CellRow{0, 5, "(3)次の式の8に付いている符号は何ですか｡下の1～4の中から選んで番号で答えなさい｡"},
                      CellRow{3, 7, "χ－８＋５＝４"}, CellRow{3, 9, kSigns}},
             .keys = {"2"}, .hint = {kSignNames}},
            {.show = {CellRow{0, 5, "(4)次の式の2に付いている符号は何ですか｡下の1～4の中から選んで番号で答えなさい｡"},
                      CellRow{3, 7, "χ＋６＝χ÷２－７"}, CellRow{3, 9, kSigns}},
             .keys = {"4"}, .hint = {kSignNames}},
            {.show = find_the_letter("(5)４１＋χ＝７０"), .keys = {"29"}, .hint = {kPlus}},
            {.show = find_the_letter("(6)χ＋２６＝５１"), .keys = {"25"},
             .hint = {"計算まちがいしてない?+26を-26に変えて右辺に移動するんだよ!"}},
            {.show = find_the_letter("(7)χ×６＝２４"), .keys = {"4"},
             .hint = {"計算まちがいしてない?×6を÷6に変えて右辺に移動するんだよ!"}},
            {.show = find_the_letter("(8)１９×χ＝４３７"), .keys = {"23"}, .hint = {kTimes}},
            {.show = {CellRow{0, 5, "(9)16にある数をかけたら240になりました｡ある数はいくつでしょう｡"}},
             .keys = {"15"}, .hint = {kTimes}},
            {.show = {CellRow{0, 5, "(10)37にある数を足したら141になりました｡ある数はいくつでしょう｡"}},
             .keys = {"104"}, .hint = {kPlus}},
        },
    .feedback_from = {0, 340},
    .feedback_to = {640, 490},
    .praise = {20, 17},
    .password = "白波(しらなみ)",
    .hint_clear = frame::Area{{0, 340}, {640, 490}},
    .lead = {},
    .hint_cell = {0, 18},
};

}  // namespace units::expr_solve_3
