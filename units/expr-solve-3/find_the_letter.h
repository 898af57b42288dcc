#pragma once
// The question of the exercise problems that give an equation: the equation
// on row 7, then the question above it on row 5.

#include <string_view>
#include <vector>

#include "frame/ink.h"

namespace units::expr_solve_3 {

inline std::vector<frame::Ink> find_the_letter(std::string_view equation) {
    return {frame::CellRow{5, 7, equation}, frame::CellRow{5, 5, "次の式のχの値を求めなさい｡"}};
}

}  // namespace units::expr_solve_3
