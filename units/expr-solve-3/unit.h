#pragma once
#include "frame/unit.h"

namespace units::expr_solve_3 {
extern const frame::Unit unit;
}
