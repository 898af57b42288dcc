#include "frame/canvas_home.h"

namespace frame {

void place_canvas(Lesson& lesson, QSize client) {
    QPoint home{0, 22};
    if (lesson.unit.canvas_home == CanvasHome::BelowTag)
        home = lesson.form("FORM4").position() + QPoint{0, 22};
    platform::Form& canvas = lesson.form("MAINFORM");
    canvas.move_to(home);
    canvas.set_client_size(client);
}

}  // namespace frame
