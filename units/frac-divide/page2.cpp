// Exercise page 2, "練習1": six divisions by fractions, with whole and
// mixed numbers, answered as mixed numbers in lowest terms.
#include "units/frac-divide/division_sheet.h"
#include "units/frac-divide/pages.h"

namespace units::frac_divide {

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .bar = "FORM12",
    .instructions = division_instructions(),
    .labels = answer_labels(),
    .problems =
        {
            division("(1)", {5, "2     3", "7     5", {38, 143}, "─ ÷ ─"}, {"", "21", "10"},
                     kBackToPage1Paragraph1),
            division("(2)", {9, "4", "9", {21, 143}, "10 ÷ ─"}, {"22", "2", "1"},
                     kBackToPage1Paragraph3),
            division("(3)", {5, "2     1", "5     3", {29, 143}, "1─ ÷ ─"}, {"4", "5", "1"},
                     kBackToPage1Paragraph4),
            division("(4)", {5, "6      1", "7      4", {35, 143}, "－ ÷ 2－"}, {"", "21", "8"},
                     kBackToPage1Paragraph4),
            division("(5)", {5, "2      1", "5      3", {29, 143}, "2─ ÷ 3─"}, {"", "25", "18"},
                     kBackToPage1Paragraph4),
            division("(6)", {5, "4     1     4", "7     2     9", {38, 143}, "─ ÷ ─ ÷ ─"},
                     {"2", "7", "4"}, kBackToPage1Paragraph5),
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 472},
    .praise = {10, 17},
    .password = "草原(そうげん)",
    .lead = {},
    .hint_cell = {0, 17},
};

}  // namespace units::frac_divide
