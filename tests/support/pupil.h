#pragma once
// The headless pupil: runs a whole unit in-process on the offscreen
// platform with the test clock, the recording sound device, scripted
// message boxes and a temporary course folder, and acts as a pupil would.

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/program.h"
#include "platform/audio_backend_recording.h"
#include "tests/support/course_drive.h"
#include "tests/support/trace.h"
#include "tests/support/watched_windows.h"

namespace harness {

// The navigation buttons by what they say.
enum class Nav { Befor = 1, Last = 2, Next = 3, Where = 4, Head = 5, Top = 6, Exit = 7 };

struct LauncherStart {
    std::filesystem::path program;
    std::filesystem::path folder;
};

class RecordingLauncher : public platform::Launcher {
public:
    bool start(const std::filesystem::path& program, const std::filesystem::path& folder) override {
        starts.push_back({program, folder});
        return std::filesystem::exists(program);
    }
    std::vector<LauncherStart> starts;
};

class Pupil {
public:
    // Starts the unit and runs it until it waits for the pupil.  With a
    // record, the progress record holds those bytes at start-up; a change to
    // the course drive is made before the program starts.
    using DriveChange = std::function<void(const CourseDrive&)>;
    explicit Pupil(const frame::Unit& unit, std::optional<std::string> record = {},
                   const DriveChange& change_drive = {});
    // On a course drive that other pupils (copies of a unit) may share.
    Pupil(const frame::Unit& unit, std::shared_ptr<const CourseDrive> drive);
    ~Pupil();

    // Acting.  Each runs the program until it is idle again.
    Pupil& press(Nav button);
    Pupil& click(std::string_view control);          // a push or bitmap button by name
    Pupil& type(std::string_view field, std::string_view text);  // replaces the field's text
    // A key on a focused control, with Ctrl or Shift held if asked.
    Pupil& key(std::string_view control, int qt_key, Qt::KeyboardModifiers held = {});
    Pupil& click_tag();                                // mouse-down on the blackboard tag
    Pupil& ok();                                       // the shown bar's "O  K"
    Pupil& answer(std::span<const std::string_view> texts);  // fields of the shown bar, then OK
    Pupil& answer(std::initializer_list<std::string_view> texts) {
        return answer(std::span<const std::string_view>(texts.begin(), texts.size()));
    }
    // "where", the page number, "O  K", then the start number and "O  K".
    Pupil& open(int page, std::string_view start);
    void run_until_idle();

    // Looking.
    bool ended() const { return program_->ended(); }
    int exit_code() const { return program_->exit_code(); }
    bool shows_text(std::string_view text) const;    // drawn on the canvas in a colour other than 0
    const std::vector<WatchedText>& texts() const { return windows_->texts(); }
    void forget_texts() { windows_->forget_texts(); }
    int colour_at(QPoint pixel) const;               // canvas palette index
    int colour_at(std::string_view form, QPoint pixel) const;
    QImage screenshot() const { return windows_->screenshot(); }
    const std::vector<std::string>& sound_commands() const { return audio_.commands(); }
    // Told of each sound command as it is sent, before the sound device acts.
    void on_sound_command(std::function<void(std::string_view)> sent) { audio_.on_command(std::move(sent)); }
    const std::vector<platform::MessageBoxRequest>& boxes() const { return boxes_.shown(); }
    const std::vector<LauncherStart>& launcher_starts() const { return launcher_.starts; }
    const CourseDrive& drive() const { return *drive_; }
    platform::TestClock& clock() { return clock_; }
    platform::WindowSet& windows() { return *windows_; }
    frame::Lesson& lesson() { return program_->lesson(); }
    std::string shown_bar() const;                   // the answer bar on top, or ""

    // Told of each drawing on any form from now on, instead of a trace.
    void watch_drawing(FormDrawn drawn) { windows_->on_drawing(std::move(drawn)); }

    // Tracing (trace.h): from start_trace() on, a line for everything drawn,
    // every window change, sleep and sound command.
    void start_trace();
    const std::vector<std::string>& trace_lines() { return trace_->lines(); }

private:
    platform::Form& form_holding(std::string_view control);

    std::shared_ptr<const CourseDrive> drive_;
    platform::DriveView view_;
    platform::EventQueue queue_;
    platform::TestClock clock_;
    platform::RecordingAudioBackend audio_;
    platform::SoundDevice sound_;
    platform::ScriptedMessageBoxes boxes_;
    RecordingLauncher launcher_;
    std::unique_ptr<WatchedWindows> windows_;
    std::unique_ptr<frame::LessonProgram> program_;
    std::unique_ptr<Trace> trace_;  // last: it stops watching before the rest goes
};

}  // namespace harness
