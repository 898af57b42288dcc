#pragma once
// The screens the page modules draw.

#include "frame/lesson.h"

namespace frame {

void open_contents(Lesson& lesson);          // pag0
void draw_page_select(Lesson& lesson);       // site
void draw_end_of_unit(Lesson& lesson);       // the unit's end page module
void draw_explanation_dialog(Lesson& lesson, int page);
void draw_exercise_dialog(Lesson& lesson, int page);

}  // namespace frame
