#pragma once
#include "frame/unit.h"

namespace units::expr_solve_2 {
extern const frame::Unit unit;
}
