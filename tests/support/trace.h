#pragma once
// A pupil's session as a list of lines (trace_lines.h): from its start on,
// everything the program draws on any of its surfaces, every move, resize,
// show or hide of a window, every sleep of the clock and every command sent
// to the sound device, in the order they happen.

#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "frame/lesson.h"
#include "platform/audio_backend_recording.h"
#include "platform/clock.h"
#include "tests/support/trace_lines.h"
#include "tests/support/watched_windows.h"

namespace harness {

class Trace {
public:
    // Watches the windows, the lesson's off-screen bitmaps, the clock and the
    // sound back end until the trace is destroyed.
    Trace(WatchedWindows& windows, frame::Lesson& lesson, platform::TestClock& clock,
          platform::RecordingAudioBackend& audio);
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    // The lines so far, a window's last change included.
    const std::vector<std::string>& lines();

private:
    void add(std::string line);
    void note_window_changes();
    std::string picture_name(const platform::Picture* picture) const;
    std::string surface_name(const platform::Surface* surface) const;

    WatchedWindows& windows_;
    frame::Lesson& lesson_;
    platform::TestClock& clock_;
    platform::RecordingAudioBackend& audio_;
    TraceNames names_;
    std::map<std::string, std::string, std::less<>> windows_seen_;  // form -> its window line
    std::vector<std::string> lines_;
};

}  // namespace harness
