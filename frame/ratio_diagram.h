#pragma once
// The answer diagram of the ratio pages: "答え  比  A : B" with a box for A
// and for B, and the ratio's value "比の値  C ─" as a mixed number with a
// box for its whole part C, its numerator E and its denominator D.
#include <vector>

#include "frame/ink.h"

namespace frame {

std::vector<Ink> ratio_diagram();

}  // namespace frame
