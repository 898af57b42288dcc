#pragma once
// The main event loop: the only loop of a lesson program.

#include "frame/lesson.h"

namespace frame {

enum class Wait { Block, DoNotBlock };

// One turn of the loop: wait until one handler has run, run a further
// pending one after the pre-handler reset, then act on the request code.
// With Wait::DoNotBlock a turn that finds no event does nothing and returns
// false (the test harness uses it to run a program until it is idle).
bool loop_turn(Lesson& lesson, Wait wait);

// Acts on the request code: opens a page, judges an answer, ends the unit.
void dispatch(Lesson& lesson);

}  // namespace frame
