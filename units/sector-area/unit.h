#pragma once
#include "frame/unit.h"

namespace units::sector_area {
extern const frame::Unit unit;
}
