#include "tests/support/trace.h"

namespace harness {
namespace {

std::string bitmap_name(std::size_t index) { return "BITMAP" + std::to_string(index + 1); }

}  // namespace

Trace::Trace(WatchedWindows& windows, frame::Lesson& lesson, platform::TestClock& clock,
             platform::RecordingAudioBackend& audio)
    : windows_(windows), lesson_(lesson), clock_(clock), audio_(audio),
      names_{[this](const platform::Picture* p) { return picture_name(p); },
             [this](const platform::Surface* s) { return surface_name(s); }} {
    for (const std::string& form : windows_.built()) {
        const platform::Form& window = windows_.form(form);
        windows_seen_[form] =
            window_line(form, window.is_visible(), window.position(), window.client_size());
    }
    windows_.on_drawing([this](std::string_view form, const platform::DrawCall& drawing) {
        add(drawing_line(form, drawing, names_));
    });
    for (std::size_t i = 0; i < lesson_.bitmap_objects.size(); ++i)
        lesson_.bitmap_objects[i].on_draw([this, i](const platform::DrawCall& drawing) {
            add(drawing_line(bitmap_name(i), drawing, names_));
        });
    clock_.on_sleep([this](std::chrono::milliseconds length) { add(sleep_line(length)); });
    audio_.on_command([this](std::string_view command) { add(sound_line(command)); });
}

Trace::~Trace() {
    windows_.on_drawing({});
    for (platform::Surface& bitmap : lesson_.bitmap_objects) bitmap.on_draw({});
    clock_.on_sleep({});
    audio_.on_command({});
}

const std::vector<std::string>& Trace::lines() {
    note_window_changes();
    return lines_;
}

void Trace::add(std::string line) {
    note_window_changes();
    lines_.push_back(std::move(line));
}

// A line for each window that moved, changed its size, or was shown or
// hidden since the last line.
void Trace::note_window_changes() {
    for (const std::string& form : windows_.built()) {
        const platform::Form& window = windows_.form(form);
        std::string now =
            window_line(form, window.is_visible(), window.position(), window.client_size());
        std::string& seen = windows_seen_[form];
        if (now == seen) continue;
        seen = now;
        lines_.push_back(std::move(now));
    }
}

std::string Trace::picture_name(const platform::Picture* picture) const {
    for (const auto& [name, loaded] : lesson_.pictures)
        if (&loaded == picture) return name;
    return std::to_string(picture->size().width()) + "x" + std::to_string(picture->size().height());
}

std::string Trace::surface_name(const platform::Surface* surface) const {
    for (const std::string& form : windows_.built())
        if (&windows_.form(form).surface() == surface) return form;
    for (std::size_t i = 0; i < lesson_.bitmap_objects.size(); ++i)
        if (&lesson_.bitmap_objects[i] == surface) return bitmap_name(i);
    return "?";
}

}  // namespace harness
