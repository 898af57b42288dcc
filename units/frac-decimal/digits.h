#pragma once
// The fractions of the exercise pages' texts and hints: a text line leaves
// "－" or "─" for a fraction's bar, and its digits stand above and below it
// as scaled texts.

#include <initializer_list>
#include <string_view>
#include <vector>

#include "frame/ink.h"

namespace units::frac_decimal {

struct Digits {
    float x = 0;                  // the numerator's x, and the denominator's unless given
    std::string_view top{};
    std::string_view bottom{};
    float bottom_x = 0;           // 0: as the numerator
};

// Each numerator at top_y, then its denominator at bottom_y.
std::vector<frame::Ink> digits(float top_y, float bottom_y,
                               std::initializer_list<Digits> fractions);

// Ink lists one after the other.
std::vector<frame::Ink> joined(std::initializer_list<std::vector<frame::Ink>> parts);

}  // namespace units::frac_decimal
