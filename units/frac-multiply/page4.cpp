// Exercise page 4, "練習2": four products of a fraction and a whole number,
// then seven quantities in a small unit written as a fraction of the larger
// one; answered as a mixed number (A, B, C) in FORM12, a whole number with B
// and C left empty.
#include "units/frac-multiply/pages.h"

namespace units::frac_multiply {
namespace {

using frame::CellRow;
using frame::FractionRows;
using frame::Ink;
using frame::Problem;
using frame::ScaledText;

const std::vector<Ink> kInstructions = [] {
    std::vector<Ink> inks{
        CellRow{4, 4, "次の計算をして答えのA,B,Cにあてはまる数を答えなさい｡"},
        CellRow{4, 5, "(答えが真分数の場合はAはとばして答えなさい｡また答え"},
        CellRow{4, 6, "が整数の場合はB,Cはとばして答えなさい｡)"}};
    const frame::MixedNumberBoxes boxes{.a_from = {121, 219}, .a_to = {137, 240},
                                        .c_from = {141, 209}, .c_to = {157, 225},
                                        .b_from = {141, 230}, .b_to = {157, 247}};
    for (Ink& ink : frame::mixed_number_diagram(boxes)) inks.push_back(ink);
    return inks;
}();

constexpr std::string_view kParagraph1 = "そうかな?3ページのだん落1を見れば答えがわかるよ!";
constexpr std::string_view kParagraph2 = "そうかな?3ページのだん落2を見れば答えがわかるよ!";

// A quantity to be written in the larger unit: the question, the unit right
// of the answer template, the keys and the hint.
Problem conversion(std::string_view number, std::string_view question, std::string_view unit,
                   std::array<std::string_view, 7> keys, std::string_view hint) {
    return {.show = {CellRow{0, 4, number}, ScaledText{{38, 143}, question},
                     ScaledText{{166, 218}, unit}},
            .keys = keys, .hint = {hint}};
}

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .bar = "FORM12",
    .instructions = kInstructions,
    .labels = {{{58, 3}, "答え A"}, {{248, 3}, "B"}, {{401, 3}, "C"}},
    .problems =
        {
            {.show = {CellRow{0, 4, "(1)"}, FractionRows{5, "2", "5", {38, 143}, "─ × 2"}},
             .keys = {"", "5", "4"}, .hint = {kParagraph1}},
            {.show = {CellRow{0, 4, "(2)"}, FractionRows{5, "5", "6", {38, 143}, "─ × 7"}},
             .keys = {"5", "6", "5"}, .hint = {kParagraph1}},
            {.show = {CellRow{0, 4, "(3)"}, FractionRows{5, "     5", "     8", {38, 143}, "4 × －"}},
             .keys = {"2", "2", "1"}, .hint = {kParagraph2}},
            {.show = {CellRow{0, 4, "(4)"}, FractionRows{5, "     2", "     3", {38, 143}, "9 × －"}},
             .keys = {"6"}, .hint = {kParagraph2}},
            conversion("(5)", "600gは分数にすると何kgでしょう｡", "kg", {"", "5", "3"},
                       "1gは1kgを1000こに分けた内の1つだから600gは1000こに分けた内の600だよ!"),
            conversion("(6)", "520ﾐﾘﾘｯﾄﾙは分数にすると何ﾘｯﾄﾙでしょう｡", "ﾘｯﾄﾙ", {"", "25", "13"},
                       "1ﾐﾘﾘｯﾄﾙは1ﾘｯﾄﾙを1000こに分けた内の1つだから520ﾐﾘﾘｯﾄﾙは1000こに分けた内の520だよ!"),
            conversion("(7)", "45mは分数にすると何kmでしょう｡", "km", {"", "200", "9"},
                       "1mは1kmを1000こに分けた内の1つだから45mは1000こに分けた内の45だよ!"),
            conversion("(8)", "175cmは分数にすると何mでしょう｡", "m", {"1", "4", "3"},
                       "1cmは1mを100こに分けた内の1つだから175cmは100こに分けた内の175だよ!"),
            conversion("(9)", "40分は分数にすると何時間でしょう｡", "時間", {"", "3", "2"},
                       "1分は1時間を60こに分けた内の1つだから40分は60こに分けた内の40だよ!"),
            conversion("(10)", "90分は分数にすると何時間でしょう｡", "時間", {"1", "2", "1"},
                       "1分は1時間を60こに分けた内の1つだから90分は60こに分けた内の90だよ!"),
            conversion("(11)", "80秒は分数にすると何分でしょう｡", "分", {"1", "3", "1"},
                       "1秒は1分を60こに分けた内の1つだから80秒は60こに分けた内の80だよ!"),
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 420},
    .praise = {10, 17},
    .password = "雪山(ゆきやま)",
    .lead = {},
    .hint_cell = {0, 17},
};

}  // namespace units::frac_multiply
