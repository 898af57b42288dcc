#include "frame/screen_opening.h"

#include "frame/canvas_home.h"

namespace frame {

void open_screen(Lesson& lesson, QSize client) {
    platform::Surface& canvas = lesson.canvas();
    place_canvas(lesson, client);
    canvas.set_font("標準明朝", 16);
    canvas.set_text_colour(7);
    if (lesson.unit.modules_reset_logical_window) canvas.set_logical_window(0, 0, 639, 568);
}

void open_entry_bar(Lesson& lesson, std::string_view label, platform::PointF at) {
    platform::Form& bar = lesson.form("FORM3");
    bar.show();
    bar.surface().clear();
    bar.surface().draw_scaled_text(at, label, 1, 1);
    lesson.field("EDIT1").focus();
}

}  // namespace frame
