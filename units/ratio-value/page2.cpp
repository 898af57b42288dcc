// Exercise page 2, "練習1": seven ratios of whole numbers, each simplified and
// its value written as a mixed number; the seventh is a word problem.
#include "frame/ratio_diagram.h"
#include "units/ratio-value/five_answer_bar.h"
#include "units/ratio-value/pages.h"

namespace units::ratio_value {
namespace {

using frame::CellRow;

constexpr std::string_view kSeeParagraph2 = "そうかな?1ページのだん落2を見れば答えがわかるよ!";
constexpr std::string_view kSeeParagraph3 = "そうかな?1ページのだん落3を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .bar = kFiveAnswerBar,
    .instructions =
        {CellRow{0, 4, "次の比をかんたんにした比と比の値を求め､答えのA～Eにあてはまる数を入力しなさい｡"},
         CellRow{0, 5, "(比の値が真分数の場合､Cはとばして答えなさい。)"}},
    .show = frame::ratio_diagram(),
    .labels = kFiveAnswerLabels,
    .problems =
        {
            ratio_problem("(1)  3 : 9", {"1", "3", "", "3", "1"}, kSeeParagraph2),
            ratio_problem("(2)  4 : 18", {"2", "9", "", "9", "2"}, kSeeParagraph2),
            ratio_problem("(3)  32 : 56", {"4", "7", "", "7", "4"}, kSeeParagraph2),
            ratio_problem("(4)  36 : 24", {"3", "2", "1", "2", "1"}, kSeeParagraph2),
            ratio_problem("(5)  64 : 120", {"8", "15", "", "15", "8"}, kSeeParagraph2),
            ratio_problem("(6)  114 : 42", {"19", "7", "2", "7", "5"}, kSeeParagraph2),
            {.show = {CellRow{0, 5, "(7)光保育園の園児は117人 青空保育園の園児は72人です｡2つの保育園の園児数の"},
                      CellRow{3, 6, "比と比の値を求め 答えのA～Eにあてはまる数を求めなさい｡"}},
             .instructions = false,
             .keys = {"13", "8", "1", "8", "5"},
             .hint = {kSeeParagraph3}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 422},
    .praise = {10, 17},
    .password = "優しい(やさしい)",
    .lead = {},
    .hint_cell = {0, 17},
};

}  // namespace units::ratio_value
