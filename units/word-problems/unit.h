#pragma once
#include "frame/unit.h"

namespace units::word_problems {
extern const frame::Unit unit;
}
