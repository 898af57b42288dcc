#pragma once
#include "frame/unit.h"

namespace units::frac_divide {
extern const frame::Unit unit;
}
