#pragma once
// Where every page and page module puts the page canvas before it draws.

#include <QSize>

#include "frame/lesson.h"

namespace frame {

// Moves the canvas to the unit's home position (fixed, or 22 pixels below
// the blackboard tag) and gives it the client size.
void place_canvas(Lesson& lesson, QSize client);

}  // namespace frame
