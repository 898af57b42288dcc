#pragma once
#include "frame/unit.h"

namespace units::frac_multiply {
extern const frame::Unit unit;
}
