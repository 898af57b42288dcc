#include "units/frac-decimal/fraction_rows.h"

namespace units::frac_decimal {

void draw_fraction_row(frame::Drawing& d, const FractionRow& row, int colour) {
    const float dx = row.digits_x - row.at.x;
    d.fraction(row.at, {.bars = row.bars, .top = row.top, .bottom = row.bottom,
                        .top_at = {dx, -10}, .bottom_at = {dx, 10}},
               colour);
}

}  // namespace units::frac_decimal
