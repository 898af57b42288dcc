#pragma once
// The five-answer bar both exercise pages answer in: the ratio A : B, and
// its value as a whole part C with E over D.

#include <array>
#include <string_view>
#include <vector>

#include "frame/exercise_page.h"

namespace units::ratio_value {

inline constexpr std::string_view kFiveAnswerBar = "FORM9";

inline const std::vector<frame::BarLabel> kFiveAnswerLabels{
    {{37, 3}, "答え A"}, {{147, 3}, "B"}, {{211, 3}, "C"}, {{275, 3}, "D"}, {{340, 3}, "E"}};

// A ratio to simplify, written at cell (4,8) under the sheet's instructions:
// keys A : B, then C, D, E of its value C E/D ("" demands an empty field).
inline frame::Problem ratio_problem(std::string_view text, std::array<std::string_view, 7> keys,
                                    std::string_view hint) {
    return {.show = {frame::CellRow{4, 8, text}}, .keys = keys, .hint = {hint}};
}

}  // namespace units::ratio_value
