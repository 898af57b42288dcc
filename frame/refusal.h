#pragma once
// A number the pupil typed that no page has: a message box, the focus back
// to the entry field, and the program waits for another number.

#include <string_view>

#include "frame/lesson.h"

namespace frame {

void refuse_number(Lesson& lesson, std::string_view message);

}  // namespace frame
