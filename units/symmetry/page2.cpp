// Exercise page 2, "練習1": is the figure line-symmetric, and how many axes
// does it have?  Problems 1 to 6 draw the figure, 7 to 14 name it; problem
// 15 asks which point and side of a kite match a given one.
#include "units/symmetry/pages.h"

namespace units::symmetry {
namespace {

using frame::BarLabel;
using frame::CellRow;
using frame::Coordinates;
using frame::ExerciseScreen;
using frame::ScaledText;
using frame::Scoped;

constexpr int kRed = 2;

void half_disc(ExerciseScreen& s) { s.pie({100, 220}, 50, kRed, kRed, 0.5f, 1); }

// A bar with two half rings on its right side.
void letter_b(ExerciseScreen& s) {
    for (const float y : {175.0f, 225.0f}) {
        s.pie({100, y}, 30, kRed, kRed, 0.75f, 0.25f);
        s.pie({100, y}, 10, 0, 0, 0.75f, 0.25f);
    }
    s.fill_box({100, 145}, {80, 255}, kRed);
}

void letter_f(ExerciseScreen& s) {
    s.polygon({{100, 145}, {100, 255}, {120, 255}, {120, 200}, {170, 200}, {170, 180},
               {120, 180}, {120, 165}, {170, 165}, {170, 145}, {100, 145}},
              kRed, kRed);
}

void zigzag(ExerciseScreen& s) {
    s.polygon({{85, 145}, {200, 145}, {160, 185}, {205, 230}, {190, 245}, {145, 200},
               {100, 245}, {85, 230}, {150, 165}, {85, 165}},
              kRed, kRed);
}

// Four petals, each 10 by 25 across its length, drawn one unit a pixel.
void flower(ExerciseScreen& s) {
    const Scoped pixels = s.coordinates(Coordinates::Pixels);
    s.disc({100, 145}, 10, kRed, kRed, 2.5f);
    s.disc({100, 195}, 10, kRed, kRed, 2.5f);
    s.disc({75, 170}, 25, kRed, kRed, 0.4f);
    s.disc({125, 170}, 25, kRed, kRed, 0.4f);
}

// A lens of two arcs filled red, a tail and an eye.
void fish(ExerciseScreen& s) {
    s.arc({150, 230}, 50, kRed, 0.6f, 0.9f);
    s.arc({150, 170}, 50, kRed, 0.1f, 0.4f);
    s.flood_fill({150, 200}, {255, 0, 0}, {255, 0, 0});
    s.polygon({{180, 200}, {220, 170}, {200, 230}}, kRed, kRed);
    s.disc({135, 190}, 3, 0, 0);
}

// A kite ABCD with its axis AC, and the numbered choices.
void kite(ExerciseScreen& s) {
    s.draw({CellRow{0, 4, "(15)次の図形で点A,Cを通る直線を対称のじくとした時 点Bに対応する点はどれですか｡"},
            CellRow{4, 5, "また辺CDに対応する辺はどれですか｡下の1から8の中から選んで番号で答えなさい｡"},
            ScaledText{{98, 121}, "A", {}, 12}, ScaledText{{98, 238}, "C", {}, 12},
            ScaledText{{44, 160}, "B                 D", {}, 12}});
    s.polygon({{100, 135}, {50, 165}, {100, 235}, {150, 165}}, kRed, kRed);
    s.draw({CellRow{30, 7, "1,点A   2,点B   3,点C   4,点D"},
            CellRow{30, 8, "5,辺AB  6,辺CB  7,辺CD  8,辺AD"}});
}

const std::vector<BarLabel> kAxisLabels{
    {{25, 3}, "答え 線対称かどうか"}, {{250, 3}, "対称のじく"}, {{374, 3}, "本"}};

frame::Problem figure(std::string_view label, frame::Figure draw, std::string_view yes_no,
                      std::string_view axes) {
    return {.show = {CellRow{0, 8, label}}, .figure = draw, .keys = {yes_no, axes},
            .labels = kAxisLabels};
}

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .label_font = frame::Font{"標準明朝", 12},
    .instructions =
        {CellRow{0, 5, "次の図形は線対称ですか｡線対称なら1,そうでなければ2と答えなさい｡また対称のじくは"},
         CellRow{0, 6, "何本あるか答えなさい｡"}},
    .problems =
        {
            figure("(1)", half_disc, "1", "1"),
            figure("(2)", letter_b, "1", "1"),
            figure("(3)", letter_f, "2", "0"),
            figure("(4)", zigzag, "2", "0"),
            figure("(5)", flower, "1", "4"),
            figure("(6)", fish, "2", "0"),
            figure("(7) 正方形", nullptr, "1", "4"),
            figure("(8) 正三角形", nullptr, "1", "3"),
            figure("(9) 長方形", nullptr, "1", "2"),
            figure("(10) ひし形", nullptr, "1", "2"),
            figure("(11) 二等辺三角形", nullptr, "1", "1"),
            figure("(12) 平行四辺形", nullptr, "2", "0"),
            figure("(13) 正五角形", nullptr, "1", "5"),
            figure("(14) 正六角形", nullptr, "1", "6"),
            {.figure = kite, .instructions = false, .keys = {"4", "6"},
             .labels = {{{19, 3}, "答え 点Bに対応する点"}, {{210, 3}, "辺CDに対応する辺"}}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 362},
    .praise = {10, 17},
    .password = "風船(ふうせん)",
    .hint_clear = frame::Area{{0, 320}, {640, 362}},
    .lead = {},
    .hints =
        {
            {.problems = {15},
             .show = {CellRow{0, 17, "そうかな?1ページのだん落2を見れば答えがわかるよ!"}}},
            {.keys = {{2, 2}},
             .show = {CellRow{0, 17, "そうかな?1ページのだん落1を見れば答えがわかるよ!"}}},
            {.show = {frame::Echo{0, 17, "よく考えて!この形をぴったり2つ折りにする方法は", 2,
                                  "通りじゃないよ!"}}},
        },
};

}  // namespace units::symmetry
