#pragma once
// What every page module does first, and how the modules that want input
// open the entry bar.

#include <QSize>
#include <string_view>

#include "frame/lesson.h"

namespace frame {

// Canvas at its home position, font "標準明朝" 16, text colour 7, the client size.
void open_screen(Lesson& lesson, QSize client);

// Shows the entry bar, clears it, draws the label around EDIT1 and gives
// EDIT1 the focus.
void open_entry_bar(Lesson& lesson, std::string_view label, platform::PointF at);

}  // namespace frame
