#pragma once
#include "frame/unit.h"

namespace units::expr_build {
extern const frame::Unit unit;
}
