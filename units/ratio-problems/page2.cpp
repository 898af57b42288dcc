// Exercise page 2, "練習1": eight problems on ratios of fractions.  Problems
// 1 to 7 ask for the simplified ratio A : B and its value C D/E on the
// five-answer bar; problem 8 matches each of three ratios with its two equal
// ones among six, on the six-answer bar, pair by pair in the keys' order.
#include "frame/ratio_diagram.h"
#include "units/ratio-problems/pages.h"

namespace units::ratio_problems {
namespace {

using frame::BarLabel;
using frame::CellRow;
using frame::Ink;
using frame::ScaledText;
using frame::PointF;

const std::vector<Ink> kInstruction{
    CellRow{0, 4, "次の比をかんたんにした比と､比の値を求め答えのA～Eにあてはまる数を入力しなさい｡"},
    CellRow{0, 5, "(比の値が真分数の場合､Cはとばして答えなさい｡また比の値が整数の場合､D,Eは"},
    CellRow{1, 6, "とばして答えなさい｡)"},
};

std::vector<Ink> with(std::vector<Ink> inks, const std::vector<Ink>& more) {
    inks.insert(inks.end(), more.begin(), more.end());
    return inks;
}

// A ratio of fractions as its numerator row, its denominator row and the
// row of bars between them; then the instruction and the answer diagram.
struct FractionRatio {
    std::string_view top{};
    std::string_view bottom{};
    std::string_view bars = "－ : －";
    PointF bottom_at{90, 180};
    PointF bars_at{86, 170};
};

std::vector<Ink> ratio_problem(const FractionRatio& r) {
    return with(with({ScaledText{{50, 160}, r.top}, ScaledText{r.bottom_at, r.bottom},
                      ScaledText{r.bars_at, r.bars}},
                     kInstruction),
                frame::ratio_diagram());
}

// Problem 8's nine labels A to C and 1 to 6, each in a frame, column by column.
void frame_the_labels(frame::ExerciseScreen& s) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) s.text({16 + 192.f * i, 142 + 30.f * j}, "□");
}

const std::vector<BarLabel> kRatioLabels{
    {{37, 3}, "答え A"}, {{147, 3}, "B"}, {{211, 3}, "C"}, {{275, 3}, "D"}, {{340, 3}, "E"}};
const std::vector<BarLabel> kMatchLabels{{{28, 3}, "答え A─"}, {{115, 3}, "───"},
                                         {{202, 3}, "B─"},     {{243, 3}, "───"},
                                         {{329, 3}, "C─"},     {{377, 3}, "───"}};

constexpr std::string_view kSeePage1 = "そうかな?1ページのだん落1を見れば答えがわかるよ!";

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .problems =
        {
            {.show = ratio_problem({"(1)  1    2", "6    3"}),
             .keys = {"1", "4", "", "4", "1"}, .labels = kRatioLabels, .hint = {kSeePage1}},
            {.show = ratio_problem({"(2)  1    1", "8    6"}),
             .keys = {"3", "4", "", "4", "3"}, .labels = kRatioLabels, .hint = {kSeePage1}},
            {.show = ratio_problem({"(3)       2", "7", "1 : －", {130, 180}, {94, 170}}),
             .keys = {"7", "2", "3", "2", "1"}, .labels = kRatioLabels, .hint = {kSeePage1}},
            {.show = ratio_problem({"(4)  2    5", "9    6"}),
             .keys = {"4", "15", "", "15", "4"}, .labels = kRatioLabels, .hint = {kSeePage1}},
            {.show = ratio_problem({"(5)  3    2", "4    5"}),
             .keys = {"15", "8", "1", "8", "7"}, .labels = kRatioLabels, .hint = {kSeePage1}},
            {.show = ratio_problem({"(6)  1    1", "2    6"}),
             .keys = {"3", "1", "3", "", ""}, .labels = kRatioLabels, .hint = {kSeePage1}},
            {.show = with({CellRow{0, 5, "(7)はるかさんは7月中に夏休みの算数プリントの宿題の－を仕上げ えりかさんは－を"},
                           CellRow{3, 7, "仕上げました｡この時の2人の仕上がり具合の比をかんたんな整数にし 比の値を求め"},
                           CellRow{3, 9, "答えのA～Eにあてはまる数を入力しなさい｡"},
                           ScaledText{{404, 84}, "2"}, ScaledText{{404, 104}, "3"},
                           ScaledText{{588, 84}, "1"}, ScaledText{{588, 104}, "2"}},
                          frame::ratio_diagram()),
             .keys = {"4", "3", "1", "3", "1"}, .labels = kRatioLabels, .hint = {kSeePage1}},
            {.show = {CellRow{0, 5, "(8)次のA～Cの比と等しい比を後の1～6の中からそれぞれ2つ見つけ 線で結びましょう｡"},
                      ScaledText{{20, 141},
                                 "A  ─ : ─  ･         ･ 1  3 : 2    ･         ･ 4  0.18 : 0.2"},
                      ScaledText{{20, 171},
                                 "B  5.4 : 3.6･         ･ 2  ─ : ─  ･         ･ 5  90 : 75"},
                      ScaledText{{20, 200},
                                 "C  6 : 5    ･         ･ 3  9 : 10   ･         ･ 6  ─ : ─"},
                      ScaledText{{50, 130}, "3    5"}, ScaledText{{50, 150}, "8   12"},
                      ScaledText{{240, 160}, "2    5"}, ScaledText{{240, 180}, "3    9"},
                      ScaledText{{432, 190}, "1    1"}, ScaledText{{432, 210}, "4    6"}},
             .figure = frame_the_labels,
             .keys = {"3", "4", "1", "6", "2", "5"}, .bar = "FORM10", .labels = kMatchLabels,
             .hint = {"そうかな?それぞれの比の値を求めてみると答えがわかるよ!"}},
        },
    .feedback_from = {0, 340},
    .feedback_to = {640, 422},
    .praise = {10, 18},
    .password = "牧場(ぼくじょう)",
    .lead = {},
    .hint_cell = {0, 18},
};

}  // namespace units::ratio_problems
