#pragma once
#include "frame/unit.h"

namespace units::ratio_value {
extern const frame::Unit unit;
}
