#pragma once
#include "frame/unit.h"

namespace units::ratio_problems {
extern const frame::Unit unit;
}
