#pragma once
// The page routines a request code reaches.

#include "frame/lesson.h"

namespace frame {

// Page × 10 + 1 draws the page, + 2 and + 3 judge an answer on an exercise
// page; any code the unit does not serve does nothing.
void run_page_routine(Lesson& lesson, int request);

}  // namespace frame
