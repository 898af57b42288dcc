#include "frame/program.h"

#include <QApplication>

#include <new>
#include <string>

#include "frame/page_abandon.h"
#include "frame/start_up.h"
#include "platform/run_error.h"
#include "platform/sound_thread.h"

namespace frame {
namespace {

std::string program_title(const Unit& unit) { return std::string(unit.name) + ".EXE"; }


}  // namespace

LessonProgram::LessonProgram(const Unit& unit, Services io, platform::EventQueue& queue)
    : lesson_(unit, io, queue) {
    io.windows.on_interrupt([this] { lesson_.interrupted = true; });
}

template <typename Step> void LessonProgram::guarded(Step step) {
    if (ended_) return;
    try {
        step();
    } catch (const ProgramEnds& end) {
        if (lesson_.interrupted) interrupt();
        ended_ = true;
        exit_code_ = end.exit_code;
    } catch (const platform::RunError& error) {
        report(error);
    } catch (const std::bad_alloc&) {
        report(platform::RunError(platform::ErrorNumber::OutOfMemory));  // memory ran out: error 7
    } catch (const std::exception&) {
        lesson_.io.boxes.show({.title = "",
                               .text = "続行不可能なエラーが発生しました " +
                                       std::string(lesson_.module) + " [0行]",
                               .icon = platform::MessageIcon::Error,
                               .system_modal = true},
                              nullptr);
        ended_ = true;
        exit_code_ = 1;
    }
}

void LessonProgram::start() {
    guarded([this] { start_up(lesson_); });
}

bool LessonProgram::turn(Wait wait) {
    bool acted = false;
    guarded([&] { acted = loop_turn(lesson_, wait); });
    return acted && !ended_;
}

// The run-time error report: closing it ends the program, with no record
// written and no launcher started.
void LessonProgram::report(const platform::RunError& error) {
    const std::string text = "\n" + std::string(lesson_.module) + " [" +
                             std::to_string(error.where().line()) + "行]:エラー[" +
                             std::to_string(error.number()) + "]";
    lesson_.io.boxes.show({.title = program_title(lesson_.unit), .text = text,
                           .icon = platform::MessageIcon::Warning, .help_button = true},
                          nullptr);
    ended_ = true;
    exit_code_ = 1;
}

// Ctrl+C on a form of the program: the program stops where it is.
void LessonProgram::interrupt() {
    const std::string text = "\n中断しました " + std::string(lesson_.module) +
                             "[0行] \n任意のキーを押してください";
    lesson_.io.boxes.show({.title = program_title(lesson_.unit), .text = text,
                           .icon = platform::MessageIcon::Warning},
                          nullptr);
}

int lesson_main(int argc, char** argv, const Unit& unit) {
    QApplication application(argc, argv);
    platform::QtMessageBoxes boxes;
    try {
        platform::DriveView drive = platform::DriveView::from_working_folder();
        platform::EventQueue queue;
        platform::RealClock clock;
        platform::SoundThread audio;
        // A narration file the drive refuses is silent, like a missing one.
        platform::SoundDevice sound(audio, clock, [&drive](std::string_view file) {
            return drive.find(file);
        });
        platform::ProcessLauncher launcher;
        const HandlerTable handlers = handlers_of(unit);
        auto windows = platform::make_window_set(
            queue, [&handlers](std::string_view name) { return handlers.contains(name); },
            form_resources(unit));
        LessonProgram program(unit, {*windows, sound, clock, boxes, drive, launcher}, queue);
        program.start();
        while (program.turn(Wait::Block)) {}
        // The sound thread's end ends any wait of its own for the sound
        // server: a server that stopped answering does not hold up the exit.
        return program.exit_code();
    } catch (const platform::RunError& error) {
        boxes.show({.title = program_title(unit),
                    .text = "\nmain [" + std::to_string(error.where().line()) + "行]:エラー[" +
                            std::to_string(error.number()) + "]",
                    .icon = platform::MessageIcon::Warning},
                   nullptr);
        return 1;
    }
}

}  // namespace frame
