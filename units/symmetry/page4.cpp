// Exercise page 4, "練習2": problems 1 to 3 fill two blanks of a sentence
// with terms from a numbered list (two-answer bar); problems 4 to 16 ask
// whether a figure is line-symmetric, point-symmetric, both or neither.
#include "units/symmetry/pages.h"

namespace units::symmetry {
namespace {

using frame::BarLabel;
using frame::CellRow;
using frame::Coordinates;
using frame::ExerciseScreen;
using frame::Scoped;

constexpr int kRed = 2;

void letter_t(ExerciseScreen& s) {
    s.polygon({{100, 150}, {200, 150}, {200, 170}, {160, 170}, {160, 240}, {140, 240},
               {140, 170}, {100, 170}},
              kRed, kRed);
}

// Two triangles, drawn one unit a pixel.
void six_pointed_star(ExerciseScreen& s) {
    const Scoped pixels = s.coordinates(Coordinates::Pixels);
    s.polygon({{100, 170}, {200, 170}, {150, 240}}, kRed, kRed);
    s.polygon({{100, 220}, {200, 220}, {150, 150}}, kRed, kRed);
}

void letter_z(ExerciseScreen& s) {
    s.polygon({{100, 160}, {200, 160}, {200, 170}, {120, 220}, {200, 220}, {200, 230},
               {100, 230}, {100, 220}, {180, 170}, {100, 170}},
              kRed, kRed);
}

// Two hooks, drawn one unit a pixel; the lesson's coordinates come back
// after them as after the star, so the next figure stands in its place.
void two_hooks(ExerciseScreen& s) {
    const Scoped pixels = s.coordinates(Coordinates::Pixels);
    s.polygon({{150, 150}, {200, 150}, {200, 230}, {230, 230}, {230, 250}, {180, 250},
               {180, 170}, {150, 170}},
              kRed, kRed);
    s.polygon({{140, 240}, {140, 190}, {220, 190}, {220, 160}, {240, 160}, {240, 210},
               {160, 210}, {160, 240}},
              kRed, kRed);
}

void slanted_bar(ExerciseScreen& s) {
    s.polygon({{200, 150}, {130, 200}, {135, 210}, {205, 160}}, kRed, kRed);
    s.fill_box({170, 180}, {180, 250}, kRed);
}

const std::vector<CellRow> kTerms{
    CellRow{0, 5, "次のA,Bにあてはまる言葉を下の1から8の中から選んで番号で答えなさい｡"},
    CellRow{4, 11, "1,平行  2,点対称  3,対称の中心  4,垂直"},
    CellRow{4, 12, "5,線対称  6,対称の線  7,等しい  8,対称のじく"}};
const std::vector<CellRow> kKinds{
    CellRow{0, 5, "次の図形が線対称でもあり点対称でもあるなら1,線対称だけど点対称ではないなら2,"},
    CellRow{0, 6, "線対称ではないが点対称であるなら3,どちらでもないなら4と答えなさい｡"}};

std::vector<frame::Ink> inks(std::vector<CellRow> rows) { return {rows.begin(), rows.end()}; }

frame::Problem sentence(std::string_view first, std::string_view second, std::string_view a,
                        std::string_view b) {
    std::vector<frame::Ink> show{CellRow{0, 7, first}, CellRow{3, 8, second}};
    for (const CellRow& row : kTerms) show.push_back(row);
    return {.show = show, .instructions = false, .keys = {a, b}, .bar = "FORM9",
            .labels = {{{90, 3}, "答え A"}, {{298, 3}, "B"}}};
}

frame::Problem kind(std::string_view label, int row, frame::Figure draw, std::string_view key) {
    return {.show = {CellRow{4, row, label}}, .figure = draw, .keys = {key},
            .labels = {{{74, 3}, "答え"}}};
}

constexpr std::string_view kFoldAndTurn =
    "よく考えて!2つに折ったらぴったり重なるかな?ひっくりかえした時ぴったり重なるかな?";

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .label_font = frame::Font{"標準明朝", 16},
    .instructions = inks(kKinds),
    .problems =
        {
            sentence("(1)直線を折り目にして折ったとき両側がぴったり重なる形は( A )である｡",
                     "またその折り目の直線のことを( B )と言う｡", "5", "8"),
            sentence("(2)1つの点を中心にしてその形を180度回転するともとの形とぴったり重なる形は( A )で",
                     "ある｡またその点のことを( B )と言う｡", "2", "3"),
            sentence("(3)線対称の図形では対応する2つの点を直線で結ぶとその直線は対称のじくと( A )に",
                     "交わる｡またその交わる点から対応する2つの点までの長さは( B )｡", "4", "7"),
            kind("(4)", 7, letter_t, "2"),
            kind("(5)", 7, six_pointed_star, "1"),
            kind("(6)", 7, letter_z, "3"),
            kind("(7)", 7, two_hooks, "3"),
            kind("(8)", 7, slanted_bar, "4"),
            kind("(9)正方形", 8, nullptr, "1"),
            kind("(10)正三角形", 8, nullptr, "2"),
            kind("(11)長方形", 8, nullptr, "1"),
            kind("(12)ひし形", 8, nullptr, "1"),
            kind("(13)二等辺三角形", 8, nullptr, "2"),
            kind("(14)平行四辺形", 8, nullptr, "3"),
            kind("(15)正五角形", 8, nullptr, "2"),
            kind("(16)正八角形", 8, nullptr, "1"),
        },
    .end_hides = {"FORM3", "FORM7"},
    .feedback_from = {0, 320},
    .feedback_to = {640, 362},
    .praise = {10, 17},
    .password = "晴れる(はれる)",
    .lead = {},
    .hints =
        {
            {.problems = {1}, .show = {CellRow{0, 17, "そうかな?1ページのだん落1を見れば答えがわかるよ!"}}},
            {.problems = {2}, .show = {CellRow{0, 17, "そうかな?3ページのだん落1を見れば答えがわかるよ!"}}},
            {.problems = {3},
             .show = {CellRow{0, 17, "そうかな?1ページのだん落3をよく見れば答えがわかるよ!"}}},
            {.problems = {4, 16}, .show = {CellRow{0, 17, kFoldAndTurn}}},
        },
};

}  // namespace units::symmetry
