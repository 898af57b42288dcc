#include "units/frac-decimal/digits.h"

namespace units::frac_decimal {

std::vector<frame::Ink> digits(float top_y, float bottom_y,
                               std::initializer_list<Digits> fractions) {
    std::vector<frame::Ink> inks;
    for (const Digits& f : fractions) {
        inks.push_back(frame::ScaledText{{f.x, top_y}, f.top});
        const float bottom_x = f.bottom_x == 0 ? f.x : f.bottom_x;
        inks.push_back(frame::ScaledText{{bottom_x, bottom_y}, f.bottom});
    }
    return inks;
}

std::vector<frame::Ink> joined(std::initializer_list<std::vector<frame::Ink>> parts) {
    std::vector<frame::Ink> inks;
    for (const std::vector<frame::Ink>& part : parts)
        inks.insert(inks.end(), part.begin(), part.end());
    return inks;
}

}  // namespace units::frac_decimal
