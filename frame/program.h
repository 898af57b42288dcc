#pragma once
// A whole lesson program: start-up, the event loop, and the ways it ends.

#include "frame/event_loop.h"
#include "frame/lesson.h"
#include "platform/run_error.h"

namespace frame {

class LessonProgram {
public:
    LessonProgram(const Unit& unit, Services io, platform::EventQueue& queue);

    // The start-up; a failure is reported and ends the program.
    void start();
    // One turn of the event loop (see loop_turn).  False when the program has
    // ended, or found nothing to do without blocking.
    bool turn(Wait wait);

    bool ended() const { return ended_; }
    int exit_code() const { return exit_code_; }
    Lesson& lesson() { return lesson_; }

private:
    template <typename Step> void guarded(Step step);
    void report(const platform::RunError& error);
    void interrupt();

    Lesson lesson_;
    bool ended_ = false;
    int exit_code_ = 0;
};

// The pupil's program: real windows, sound, clock, message boxes and drive.
int lesson_main(int argc, char** argv, const Unit& unit);

}  // namespace frame
