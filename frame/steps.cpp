#include "frame/steps.h"

#include <cmath>

namespace frame {

int step_count(const Steps& steps) {
    if (steps.by == 0) return 1;
    constexpr float kSlack = 1e-4f;  // a step of 0.05 still reaches its end
    const float spans = (steps.to - steps.from) / steps.by;
    return spans < -kSlack ? 0 : static_cast<int>(std::floor(spans + kSlack)) + 1;
}

}  // namespace frame
