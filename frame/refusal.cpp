#include "frame/refusal.h"

namespace frame {

void refuse_number(Lesson& lesson, std::string_view message) {
    lesson.io.boxes.show({.title = "", .text = std::string(message),
                          .icon = platform::MessageIcon::Question},
                         lesson.form("MAINFORM").window_widget());
    lesson.form("FORM3").edit("EDIT1").focus();
    lesson.request = kIdle;
}

}  // namespace frame
