#pragma once
// The letter that stands for the sought number: two small arcs side by side,
// drawn wherever a text leaves two blanks for it.

#include "platform/surface.h"

namespace frame {

void draw_letter_mark(platform::Surface& surface, platform::PointF at, int colour = 7);

}  // namespace frame
