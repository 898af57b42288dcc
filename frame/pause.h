#pragma once
// Waiting and narration: the routines at which a page looks for the pupil's
// actions and is abandoned when one is pending.

#include <string_view>

#include "frame/lesson.h"

namespace frame {

// Reads the window input that waits and abandons the page when an event is
// pending (the page routine is left through PageAbandoned).
void abandon_if_pupil_acted(Lesson& lesson);

// Waits n × 10 ms (n from 0 to 65535), handling no input.  Skipped while an
// explanation page fast-forwards through paragraphs before the start paragraph.
void pause(Lesson& lesson, int n);

// Starts a narration file and returns after 200 ms while it plays on.
void narrate_in_background(Lesson& lesson, std::string_view file);

// Plays a narration file to its end, then closes it.
void narrate_to_end(Lesson& lesson, std::string_view file);

}  // namespace frame
