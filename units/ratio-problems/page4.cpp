// Exercise page 4, "練習2": equal ratios and sharing in a ratio.  Problems
// 1 to 4 complete an equality of ratios; 5 to 8 are word problems.  The bar
// goes with the number of answers: one field for 1, 2, 3 and 5, two for 4
// and 7, three for 6 and 8.  Problem 6's hint says what comes next when the
// ratio was typed right.
#include "units/ratio-problems/pages.h"

namespace units::ratio_problems {
namespace {

using frame::BarLabel;
using frame::CellRow;
using frame::ScaledText;

const CellRow kFindTheBox{0, 5, "次の□にあてはまる数を答えなさい｡"};

const std::vector<BarLabel> kAnswer{{{74, 3}, "答え"}};
const frame::Area kFeedbackArea{{0, 320}, {640, 420}};

constexpr std::string_view kSeeParagraph1 = "そうかな?3ページのだん落1を見れば答えがわかるよ!";
constexpr std::string_view kSeeParagraph2 = "そうかな?3ページのだん落2を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .problems =
        {
            {.show = {CellRow{4, 7, "(1)  7 : 4 ＝ 28 : □"}, kFindTheBox},
             .keys = {"16"}, .labels = kAnswer, .hint = {kSeeParagraph1}},
            {.show = {CellRow{4, 7, "(2)  5 : 6 ＝ □ : 84"}, kFindTheBox},
             .keys = {"70"}, .labels = kAnswer, .hint = {kSeeParagraph1}},
            {.show = {CellRow{4, 7, "(3)  2.2 : □ ＝ 5.5 : 7.75"}, kFindTheBox},
             .keys = {"3.1"}, .labels = kAnswer, .hint = {kSeeParagraph1}},
            {.show = {CellRow{3, 7, "(4)  ─ : ─ ＝ 8 : 7"},
                      ScaledText{{68, 121}, "A    1"}, ScaledText{{68, 141}, "B    4"},
                      ScaledText{{64, 122}, "□"}, ScaledText{{64, 142}, "□"},
                      CellRow{0, 5, "次のA,Bにあてはまる数を答えなさい｡"}},
             .keys = {"2", "7"}, .bar = "FORM11", .labels = {{{82, 3}, "答え A"}, {{318, 3}, "B"}},
             .hint = {kSeeParagraph1}},
            {.show = {CellRow{0, 5, "(5)6年生の花だんは たてと横の長さの比が4:9の長方形で たての長さは3.2mです｡"},
                      CellRow{3, 6, "横の長さは何mでしょう｡"}},
             .keys = {"7.2"}, .labels = {{{74, 3}, "答え"}, {{206, 3}, "m"}},
             .hint = {kSeeParagraph1}},
            {.show = {CellRow{0, 5, "(6)先週の土曜日と日曜日に図書館の利用者数を調べたら土曜日は日曜日の80%でした｡"},
                      CellRow{3, 6, "土曜日と日曜日の利用者数の比はかんたんにするといくつになりますか｡"},
                      CellRow{10, 8, "答え  A : B"},
                      CellRow{3, 11, "また土曜日の利用者数が144人だったら日曜日の利用者数は何人でしょう｡"},
                      CellRow{10, 13, "答え  C  人"}},
             .keys = {"4", "5", "180"}, .bar = "FORM12",
             .labels = {{{58, 3}, "答え A"}, {{248, 3}, "B"}, {{401, 3}, "C"}}},
            {.show = {CellRow{0, 5, "(7)やお安商店ではきのうの売上は48400円で野菜とくだものの比は7:4でした｡"},
                      CellRow{3, 6, "野菜とくだものの売上はそれぞれいくらずつだったのでしょうか｡"}},
             .keys = {"30800", "17600"}, .bar = "FORM11",
             .labels = {{{59, 3}, "答え 野菜"}, {{210, 3}, "円"}, {{261, 3}, "くだもの"},
                        {{402, 3}, "円"}},
             .hint = {kSeeParagraph2}},
            {.show = {CellRow{0, 5, "(8)高速道路の坂下インターチェンジでは6月の利用台数は8368台で 普通車と大型車と"},
                      CellRow{3, 6, "特大車の比は8:5:3でした｡普通車と大型車と特大車の利用台数はそれぞれ何台ずつ"},
                      CellRow{3, 7, "だったのでしょうか｡"}},
             .keys = {"4184", "2615", "1569"}, .bar = "FORM12",
             .labels = {{{16, 3}, "答え 普通車"}, {{164, 3}, "台"}, {{207, 3}, "大型車"},
                        {{308, 3}, "台"}, {{357, 3}, "特大車"}, {{460, 3}, "台"}},
             .hint = {kSeeParagraph2}},
        },
    .feedback_from = kFeedbackArea.from,
    .feedback_to = kFeedbackArea.to,
    .praise = {10, 17},
    .password = "小川(おがわ)",
    .lead = {},
    .hint_cell = {0, 17},
    .hints =
        {
            {.problems = {6}, .keys = {{1, 1}, {2, 2}},
             .show = {CellRow{0, 17, "4:5＝144:□になるんだよ!□はいくつかな?"}},
             .clear = kFeedbackArea},
            {.problems = {6},
             .show = {CellRow{0, 17, "土曜日は日曜日の80%ってことは土曜日と日曜日の比は 80%:100% になるんだよ!"}},
             .clear = kFeedbackArea},
        },
};

}  // namespace units::ratio_problems
