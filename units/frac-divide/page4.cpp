// Exercise page 4, "練習2": five divisions, two of them a fraction divided
// by a whole number, answered as mixed numbers in lowest terms.
#include "units/frac-divide/division_sheet.h"
#include "units/frac-divide/pages.h"

namespace units::frac_divide {

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .bar = "FORM12",
    .instructions = division_instructions(),
    .labels = answer_labels(),
    .problems =
        {
            division("(1)", {5, "2     5", "3     6", {35, 143}, "－ ÷ －"}, {"", "5", "4"},
                     kBackToPage1Paragraph2),
            division("(2)", {10, "3", "7", {35, 143}, "6 ÷ －"}, {"14", "", ""},
                     kBackToPage1Paragraph3),
            division("(3)", {5, "1", "2", {35, 143}, "－ ÷ 5"}, {"", "10", "1"},
                     kBackToPage3Paragraph2),
            division("(4)", {5, "3", "4", {35, 143}, "－ ÷ 6"}, {"", "8", "1"},
                     kBackToPage3Paragraph2),
            division("(5)", {5, "1     3     7", "2     5     8", {28, 143}, "1－ ÷ － ÷ －"},
                     {"2", "7", "6"}, kBackToPage1Paragraph5),
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 420},
    .praise = {10, 17},
    .password = "灯台(とうだい)",
    .lead = {},
    .hint_cell = {0, 17},
};

}  // namespace units::frac_divide
