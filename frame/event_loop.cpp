#include "frame/event_loop.h"

#include "frame/exit_routine.h"
#include "frame/handlers.h"
#include "frame/page_abandon.h"
#include "frame/page_routines.h"

namespace frame {
namespace {

void run_handler(Lesson& lesson, const platform::Event& event) {
    const auto handler = lesson.handlers.find(event.handler);
    if (handler == lesson.handlers.end()) return;
    ModuleScope scope(lesson, "mainform");
    handler->second(lesson, lesson.form(event.form));
}

void read_input(Lesson& lesson, Wait wait) {
    if (wait == Wait::Block)
        lesson.io.windows.wait_for_event();
    else
        lesson.io.windows.read_input();
    if (lesson.io.windows.canvas_closed()) throw ProgramEnds{};
    if (lesson.interrupted) throw ProgramEnds{1};
}

bool wait_and_run(Lesson& lesson, Wait wait) {
    if (!lesson.queue.pending()) read_input(lesson, wait);
    auto event = lesson.queue.pop();
    if (!event) return false;
    run_handler(lesson, *event);
    return true;
}

void run_one(Lesson& lesson) {
    if (!lesson.queue.pending()) read_input(lesson, Wait::DoNotBlock);
    if (auto event = lesson.queue.pop()) run_handler(lesson, *event);
}

// Before a further handler of the same turn: the narration stops, and in
// some units the canvas gets its coordinates and copy mode back.
void pre_handler_reset(Lesson& lesson) {
    lesson.io.sound.send("close wave1");
    const auto reset = lesson.unit.pre_handler_reset;
    if (reset == PreHandlerReset::SoundAndCanvas) {
        lesson.canvas().set_logical_window(0, 0, 639, 568);
        lesson.canvas().set_draw_mode(13);
    } else if (reset == PreHandlerReset::SoundAndDrawMode) {
        lesson.canvas().set_draw_mode(13);
    }
}

}  // namespace

bool loop_turn(Lesson& lesson, Wait wait) {
    if (!wait_and_run(lesson, wait)) return false;
    if (lesson.queue.pending()) {
        pre_handler_reset(lesson);
        run_one(lesson);
    }
    dispatch(lesson);
    return true;
}

void dispatch(Lesson& lesson) {
    if (lesson.request == kEndOfUnit) run_exit_routine(lesson);  // never returns
    try {
        run_page_routine(lesson, lesson.request);
    } catch (const PageAbandoned&) {
        lesson.request = kIdle;
        lesson.module = "main";
        lesson.fast_forward_applies = false;
    }
}

}  // namespace frame
