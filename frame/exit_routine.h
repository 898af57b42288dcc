#pragma once
// The end of a unit: the record rewritten, the narration stopped, the
// launcher started.

#include "frame/lesson.h"

namespace frame {

[[noreturn]] void run_exit_routine(Lesson& lesson);

}  // namespace frame
