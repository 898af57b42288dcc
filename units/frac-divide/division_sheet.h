#pragma once
// What both exercise pages of frac-divide share: a problem is one division
// in fraction rows, answered as a mixed number (A whole part, B denominator,
// C numerator) on the three-answer bar, under the same instructions and
// answer diagram.

#include <array>
#include <string_view>
#include <vector>

#include "frame/exercise_page.h"

namespace units::frac_divide {

// The problem labelled "(k)" at cell (0,4): its division and keys A, B, C
// (an empty key wants the field left empty) and its hint, in full.
frame::Problem division(std::string_view label, const frame::FractionRows& rows,
                        const std::array<std::string_view, 3>& keys, std::string_view hint);

// The three instruction rows and the answer diagram, after the division.
const std::vector<frame::Ink>& division_instructions();

// "答え A", "B" and "C" on the three-answer bar.
const std::vector<frame::BarLabel>& answer_labels();

// The hint that sends the pupil back to a paragraph of an explanation page.
constexpr std::string_view kBackToPage1Paragraph1 =
    "計算まちがいしてない?1ページのだん落1を見ればきっと答えがわかるよ!";
constexpr std::string_view kBackToPage1Paragraph2 =
    "計算まちがいしてない?1ページのだん落2を見ればきっと答えがわかるよ!";
constexpr std::string_view kBackToPage1Paragraph3 =
    "計算まちがいしてない?1ページのだん落3を見ればきっと答えがわかるよ!";
constexpr std::string_view kBackToPage1Paragraph4 =
    "計算まちがいしてない?1ページのだん落4を見ればきっと答えがわかるよ!";
constexpr std::string_view kBackToPage1Paragraph5 =
    "計算まちがいしてない?1ページのだん落5を見ればきっと答えがわかるよ!";
constexpr std::string_view kBackToPage3Paragraph2 =
    "計算まちがいしてない?3ページのだん落2を見ればきっと答えがわかるよ!";

}  // namespace units::frac_divide
