#pragma once
// The circle cut into ever more sectors and laid out as near-rectangles.

#include "frame/explanation_page.h"

namespace units::circle_area {

void lay_out_sectors(frame::Page& p);

}  // namespace units::circle_area
