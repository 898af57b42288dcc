#include "frame/exit_routine.h"

#include "frame/page_abandon.h"
#include "frame/record_files.h"
#include "platform/run_error.h"

namespace frame {
namespace {

void stop_narration(Lesson& lesson) { lesson.io.sound.send("close wave1"); }

}  // namespace

// The record is saved before the narration is stopped: the sound layer may
// keep the program waiting as it closes a sound, and by then the pupil's
// passes must be in the record.  Where the record cannot be saved, the
// narration still stops before the error is reported.
void run_exit_routine(Lesson& lesson) {
    lesson.canvas().clear();
    try {
        save_progress(lesson);
    } catch (...) {
        stop_narration(lesson);
        throw;
    }
    stop_narration(lesson);
    lesson.io.drive.change_folder(lesson.base_folder);
    const auto folder = lesson.io.drive.host_current_folder();
    if (!lesson.io.launcher.start(lesson.io.drive.to_host("ﾎﾟｺﾄﾐﾙ1.exe"), folder))
        throw platform::RunError(platform::ErrorNumber::FileNotFound);
    throw ProgramEnds{0};
}

}  // namespace frame
