#pragma once
// The start-up of a lesson program: window set, folders, pictures, the
// pupil's progress and the contents page, in this order.

#include "frame/lesson.h"

namespace frame {

void start_up(Lesson& lesson);

// The lesson palette on a surface: index, then green, red, blue, in the
// order the start-up sets them.
void set_lesson_palette(platform::Surface& surface);

}  // namespace frame
