#pragma once
// The page modules: the separately called screens of the frame, found by
// name through the unit's module table (start-from dialogs, contents page,
// end-of-unit page, page-select screen, and `move`).

#include <string>
#include <string_view>

#include "frame/lesson.h"

namespace frame {

// "pag" followed by the digits of the page number: "pag3" for page 3.
std::string page_module_name(int page);

// Opens a module by name, compared without regard to case.  A name the
// table lacks, or the main module or `mainform`, is run-time error 36.
void open_module(Lesson& lesson, std::string_view name);

// The contents page as the start-up draws it (no common opening).
void draw_contents(Lesson& lesson);

}  // namespace frame
