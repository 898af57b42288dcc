// Exercise page 4, "練習2": seven word problems answered by a quotient with
// fractions, as a mixed number (whole part A, denominator B, numerator C)
// or a whole number in A alone, in FORM9.  A wrong answer restates the
// problem with whole numbers, as a 3rd-grade division, and asks what to
// divide by what.
#include "units/word-problems/pages.h"
#include "units/word-problems/word_problem.h"

namespace units::word_problems {
namespace {

using frame::CellRow;
using frame::ScaledText;

constexpr std::string_view kSquareFace = "ＭＳ 明朝";  // the face that has ㎡

const std::vector<frame::Ink> kInstructions = [] {
    std::vector<frame::Ink> inks{
        CellRow{4, 4, "次の問題をして答えのA,B,Cにあてはまる数を答えなさい｡"},
        CellRow{4, 5, "(答えが真分数の場合は、Aはとばして答えなさい｡また答えが整数の場合は、"},
        CellRow{4, 6, "B,Cはとばして答えなさい｡)"}};
    const frame::MixedNumberBoxes boxes{.a_from = {121, 219}, .a_to = {137, 240},
                                        .c_from = {141, 209}, .c_to = {157, 225},
                                        .b_from = {141, 230}, .b_to = {157, 247}};
    for (frame::Ink& ink : frame::mixed_number_diagram(boxes)) inks.push_back(ink);
    return inks;
}();

constexpr std::string_view kThatIs = "なるんだよ! 何を何で割ったらいいのかな？";
constexpr std::string_view kWhatByWhat = "何を何で割ったらいいのかな？";
constexpr std::string_view kThatIsLong = "って事になるんだよ! 何を何で割ったらいいのかな？";

const frame::CellRow kLead{0, 17, "計算まちがいしてない?この問題を3年生の問題に直すと"};

// The rectangle's sentence needs the face with ㎡: the sentence and the
// label are drawn here, in that face for the sentence alone.
void rectangle_sentence(frame::ExerciseScreen& s) {
    {
        const frame::Scoped face = s.font(kSquareFace);
        s.text({35, 143}, "たての長さが2─mで面積が4─㎡の長方形の横の長さは何mでしょう｡");
    }
    s.text({166, 218}, "m");
}

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .instructions = kInstructions,
    .labels = kBarLabels,
    .problems =
        {
            {.show = word_problem(1, {8, "3", "4", 35,
                                      "リボンを─m買ったら150円でした｡このリボン1mのねだんはいくらでしよう｡"},
                                  "円"),
             .keys = {"200", "", ""},
             .hint = {"[リボンを3m買ったら150円でした｡このリボン1mのねだんはいくらでしよう｡]",
                      kThatIsLong}},
            {.show = word_problem(2, {22, "5     1", "9     2", 35,
                                      "ぼくの体重は父の体重の─で42─kgです｡父の体重は何kgでしよう｡"},
                                  "kg"),
             .keys = {"76", "2", "1"},
             .hint = {"[ぼくの体重は父の体重の2倍で84kgです｡父の体重は何kgでしよう｡]って事に",
                      kThatIs}},
            {.show = word_problem(3, {13, "3", "5", 35,
                                      "12mのはり金を─mずつに分けると何本とれるでしょう｡"},
                                  "本"),
             .keys = {"20", "", ""},
             .hint = {"[12mのはり金を3mずつに分けると何本とれるでしょう｡]って事になるんだよ!",
                      kWhatByWhat}},
            {.show = {CellRow{0, 4, "(4)"}, CellRow{18, 7, "2           1"},
                      CellRow{18, 8, "5           2"}},
             .figure = rectangle_sentence,
             .keys = {"1", "8", "7"}},
            {.show = word_problem(5, {11, "9", "10", 40,
                                      "3個の重さが─kgのボール1個の重さは何kgでしょう｡"},
                                  "kg"),
             .keys = {"", "10", "3"},
             .hint = {"[3個の重さが6kgのボール1個の重さは何kgでしょう｡]って事になるんだよ!",
                      kWhatByWhat}},
            {.show = word_problem(6, {0, "1", "4", 27,
                                      "2─ﾘｯﾄﾙのジュースを12人で分けると1人何ﾘｯﾄﾙずつになるでしょう｡"},
                                  "ﾘｯﾄﾙ"),
             .keys = {"", "16", "3"},
             .hint = {"[24ﾘｯﾄﾙのジュースを12人で分けると1人何ﾘｯﾄﾙずつになるでしょう｡]",
                      kThatIsLong}},
            {.show = word_problem(7, {7, "1       4           1", "8       5           4", 35,
                                      "たてが1─m,横が─mで体積が2─m の直方体の高さは何mでしよう｡"},
                                  "m", {ScaledText{{276, 141}, "3", {}, 12}}),
             .keys = {"2", "2", "1"}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 390},
    .praise = {10, 17},
    .password = "砂浜(すなはま)",
    .lead = {kLead},
    .hint_cell = {0, 18},
    .hints =
        {
            {.problems = {4},
             .show = {kLead,
                      CellRow{0, 18, "[たての長さが2mで面積が6㎡の長方形の横の長さは何mでしょう｡]って事に",
                              {}, kSquareFace},
                      CellRow{0, 19, kThatIs, {}, kSquareFace}}},
            {.problems = {7},
             .show = {kLead,
                      CellRow{0, 18, "[たてが1m,横が3mで体積が6m の直方体の高さは何mでしよう｡]って事に"},
                      CellRow{0, 19, kThatIs}, ScaledText{{208, 341}, "3", 2, 11}}},
        },
};

}  // namespace units::word_problems
