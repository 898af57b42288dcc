#pragma once
// The answer diagram of the ratio pages: "答え  比  A : B" with a box for A
// and for B, and the value of the ratio "比の値  C ─" as a mixed number with
// a box for C and for E over D.

#include <vector>

#include "frame/ink.h"

namespace frame {

std::vector<Ink> ratio_diagram();

}  // namespace frame
