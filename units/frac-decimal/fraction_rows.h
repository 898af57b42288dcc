#pragma once
// The fractions of the explanation pages: a row of bars and signs, its
// numerators 10 above it and its denominators 10 below, both rows starting
// at one x.

#include <string_view>

#include "frame/drawing.h"

namespace units::frac_decimal {

struct FractionRow {
    frame::PointF at{};            // the bars and signs
    std::string_view bars{};
    float digits_x = 0;            // where both digit rows start
    std::string_view top{};
    std::string_view bottom{};
};

void draw_fraction_row(frame::Drawing& d, const FractionRow& row, int colour = 7);

}  // namespace units::frac_decimal
