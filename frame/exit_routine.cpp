#include "frame/exit_routine.h"

#include "frame/page_abandon.h"
#include "frame/record_files.h"
#include "platform/run_error.h"

namespace frame {

void run_exit_routine(Lesson& lesson) {
    lesson.io.sound.send("close wave1");
    lesson.canvas().clear();
    save_progress(lesson);
    lesson.io.drive.change_folder(lesson.base_folder);
    const auto folder = lesson.io.drive.host_current_folder();
    if (!lesson.io.launcher.start(lesson.io.drive.to_host("ﾎﾟｺﾄﾐﾙ1.exe"), folder))
        throw platform::RunError(platform::ErrorNumber::FileNotFound);
    throw ProgramEnds{0};
}

}  // namespace frame
