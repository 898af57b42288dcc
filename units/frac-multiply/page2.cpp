// Exercise page 2, "練習1": six products of fractions, answered as a mixed
// number (whole part A, denominator B, numerator C) in FORM12.  Every hint
// sends the pupil to a paragraph of page 1; numerator and denominator typed
// the wrong way round are told so.
#include "units/frac-multiply/pages.h"

namespace units::frac_multiply {
namespace {

using frame::CellRow;
using frame::FractionRows;
using frame::Ink;

// The hints share row 17 but start at different columns: the row is blanked
// first so that no longer hint before stands on behind a shorter one.
const CellRow kBlankRow17{
    0, 17, "                                                                                "};

const std::vector<Ink> kInstructions = [] {
    std::vector<Ink> inks{CellRow{4, 4, "次の計算をして答えのA,B,Cにあてはまる数を答えなさい｡"},
                          CellRow{4, 5, "(答えが真分数の場合はAはとばして答えなさい｡)"}};
    for (Ink& ink : frame::mixed_number_diagram()) inks.push_back(ink);
    return inks;
}();

constexpr std::string_view kParagraph1 = "そうかな?1ページのだん落1を見れば答えがわかるよ!";
constexpr std::string_view kParagraph2 = "そうかな?1ページのだん落2を見れば答えがわかるよ!";
constexpr std::string_view kParagraph3 = "そうかな?1ページのだん落3を見れば答えがわかるよ!";

// B and C exchanged: the pupil typed the denominator as the numerator.
const frame::Hint kExchanged{.keys = {{1, 1}, {2, 3}, {3, 2}},
                             .show = {kBlankRow17, CellRow{5, 17, "BとCが逆だよ!"}}};

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .bar = "FORM12",
    .instructions = kInstructions,
    .labels = {{{58, 3}, "答え A"}, {{248, 3}, "B"}, {{401, 3}, "C"}},
    .problems =
        {
            {.show = {CellRow{0, 4, "(1)"}, FractionRows{5, "5     1", "6     3", {37, 143}, "－ × －"}},
             .keys = {"", "18", "5"}, .hint = {kParagraph1}},
            {.show = {CellRow{0, 4, "(2)"}, FractionRows{5, "4     3", "7     8", {37, 143}, "－ × －"}},
             .keys = {"", "14", "3"}, .hint = {kParagraph1}},
            {.show = {CellRow{0, 4, "(3)"}, FractionRows{5, "3     4", "5     9", {37, 143}, "－ × －"}},
             .keys = {"", "15", "4"}, .hint = {kParagraph1}},
            {.show = {CellRow{0, 4, "(4)"}, FractionRows{5, "1     3", "2     4", {29, 143}, "2─ × ─"}},
             .keys = {"1", "8", "7"}, .hint = {kParagraph2}},
            {.show = {CellRow{0, 4, "(5)"},
                      FractionRows{5, "7      3", "10     4", {38, 143}, "─ × 3─"}},
             .keys = {"2", "8", "5"}, .hint = {kParagraph2}},
            {.show = {CellRow{0, 4, "(6)"},
                      FractionRows{5, "4     2     6", "5     3     7", {37, 143}, "－ × － × －"}},
             .keys = {"", "35", "16"}, .hint = {kParagraph3}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 472},
    .praise = {10, 17},
    .password = "机上(きじょう)",
    .lead = {kBlankRow17},
    .hint_cell = {0, 17},
    .hints = {kExchanged},
};

}  // namespace units::frac_multiply
