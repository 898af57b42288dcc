#pragma once
#include "frame/unit.h"

namespace units::frac_decimal {
extern const frame::Unit unit;
}
