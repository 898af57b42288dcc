// Exercise page 4, "練習2": seven ratios of decimals, each simplified to whole
// numbers and its value written as a mixed number; the seventh is a word
// problem.
#include "frame/ratio_diagram.h"
#include "units/ratio-value/five_answer_bar.h"
#include "units/ratio-value/pages.h"

namespace units::ratio_value {
namespace {

using frame::CellRow;

constexpr std::string_view kSeePage3 = "そうかな?3ページのだん落1を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .bar = kFiveAnswerBar,
    .instructions =
        {CellRow{0, 4, "次の比をかんたんにし､比の値を求め 答えのA～Eにあてはまる数を答えなさい｡"},
         CellRow{0, 5, "(比の値が真分数の場合､Cはとばして答えなさい｡また比の値が整数の場合､D,Eは"},
         CellRow{1, 6, "とばして答えなさい｡)"}},
    .show = frame::ratio_diagram(),
    .labels = kFiveAnswerLabels,
    .problems =
        {
            ratio_problem("(1)  0.7 : 1.3", {"7", "13", "", "13", "7"}, kSeePage3),
            ratio_problem("(2)  0.8 : 1.2", {"2", "3", "", "3", "2"}, kSeePage3),
            ratio_problem("(3)  6.4 : 2.4", {"8", "3", "2", "3", "2"}, kSeePage3),
            ratio_problem("(4)  0.6 : 0.12", {"5", "1", "5", "", ""}, kSeePage3),
            ratio_problem("(5)  1.8 : 15", {"3", "25", "", "25", "3"}, kSeePage3),
            ratio_problem("(6)  1.61 : 0.21", {"23", "3", "7", "3", "2"}, kSeePage3),
            {.show = {CellRow{0, 5, "(7)木村さんの家には1.2haの田と 0.3haの畑があります｡田と畑の面積の比と"},
                      CellRow{3, 6, "比の値を求め 答えのA～Eにあてはまる数を答えなさい｡"}},
             .instructions = false,
             .keys = {"4", "1", "4", "", ""},
             .hint = {kSeePage3}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 420},
    .praise = {10, 17},
    .password = "名札(なふだ)",
    .lead = {},
    .hint_cell = {0, 17},
};

}  // namespace units::ratio_value
