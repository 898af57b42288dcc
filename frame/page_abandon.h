#pragma once
// Leaving a page routine early.  The pause and narration routines throw it
// when the pupil has acted; only the event loop catches it, so the page and
// every routine between are left without finishing.

namespace frame {

struct PageAbandoned {};

// The program ends: after the exit routine, or when the page canvas window
// is gone.  Only the program's outermost routine catches it.
struct ProgramEnds {
    int exit_code = 0;
};

}  // namespace frame
