#pragma once
#include "frame/unit.h"

namespace units::symmetry {
extern const frame::Unit unit;
}
