#pragma once
#include "frame/unit.h"

namespace units::circle_area {
extern const frame::Unit unit;
}
