#include "frame/pause.h"

#include <chrono>
#include <string>

#include "frame/page_abandon.h"
#include "platform/run_error.h"

namespace frame {
namespace {

using namespace std::chrono_literals;

void open_narration(Lesson& lesson, std::string_view file) {
    lesson.io.sound.send("open " + std::string(file) + " alias wave1");
}

}  // namespace

void abandon_if_pupil_acted(Lesson& lesson) {
    lesson.io.windows.read_input();
    if (lesson.interrupted) throw ProgramEnds{1};
    if (lesson.queue.pending()) {
        lesson.request = kIdle;
        throw PageAbandoned{};
    }
}

void pause(Lesson& lesson, int n) {
    if (n < 0 || n > 65535) throw platform::RunError(platform::ErrorNumber::BadArgument);
    abandon_if_pupil_acted(lesson);
    if (lesson.fast_forward_applies && lesson.current_paragraph < lesson.start_paragraph) return;
    lesson.io.clock.sleep(n * 10ms);
}

void narrate_in_background(Lesson& lesson, std::string_view file) {
    abandon_if_pupil_acted(lesson);
    open_narration(lesson, file);
    lesson.io.sound.send("play wave1");
    lesson.io.clock.sleep(200ms);
}

void narrate_to_end(Lesson& lesson, std::string_view file) {
    abandon_if_pupil_acted(lesson);
    open_narration(lesson, file);
    lesson.io.sound.send("play wave1 notify wait");
    lesson.io.sound.send("close wave1");
}

}  // namespace frame
