#pragma once
// Every unit of the course, in course order.

#include <span>

#include "frame/unit.h"

namespace units {

std::span<const frame::Unit* const> course_units();

}  // namespace units
