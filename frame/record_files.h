#pragma once
// Reading the pupil's progress at start-up and writing it at exit.

#include "frame/lesson.h"

namespace frame {

// Reads "NO.BAS" and the progress record "C:\DI1" + name into the pass flags.
void load_progress(Lesson& lesson);

// Rewrites the progress record from the pass flags.  The old record stays
// whole until the new one is complete.
void save_progress(Lesson& lesson);

}  // namespace frame
