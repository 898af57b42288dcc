#pragma once
#include "frame/unit.h"

namespace units::expr_solve_1 {
extern const frame::Unit unit;
}
