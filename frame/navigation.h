#pragma once
// Handlers of the navigation bar's seven buttons.

#include "frame/lesson.h"

namespace frame {

void on_befor(Lesson& lesson, platform::Form& raised_by);  // BMPBUTTON1_ON
void on_last(Lesson& lesson, platform::Form& raised_by);   // BMPBUTTON2_ON
void on_next(Lesson& lesson, platform::Form& raised_by);   // BMPBUTTON3_ON
void on_where(Lesson& lesson, platform::Form& raised_by);  // BMPBUTTON4_ON
void on_head(Lesson& lesson, platform::Form& raised_by);   // BMPBUTTON5_ON
void on_top(Lesson& lesson, platform::Form& raised_by);    // BMPBUTTON6_ON
void on_exit(Lesson& lesson, platform::Form& raised_by);   // BMPBUTTON7_ON

}  // namespace frame
