#pragma once
// Handlers of the entry bar: the field EDIT1 and its "O  K" button.

#include "frame/lesson.h"

namespace frame {

void on_entry_change(Lesson& lesson, platform::Form& raised_by);  // EDIT1_CHANGE
void on_entry_ok(Lesson& lesson, platform::Form& raised_by);      // BUTTON1_ON

// The number a typed start text stands for, as a 16-bit whole number:
// rounded to the nearest (ties to even); a number beyond the 16-bit range
// becomes one that no page accepts, so the page's own check answers.
std::int16_t start_number(std::string_view typed);

}  // namespace frame
