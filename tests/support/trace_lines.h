#pragma once
// One readable line per thing a pupil sees or hears, for page traces:
//
//   MAINFORM text (80,70) c7 "次の  を求めましょう｡" x1y1 標準明朝16 copy
//   MAINFORM cell (0,6) c7 bg0 "(1)    × 13 = 702" 標準明朝16
//   MAINFORM arc (116,80) r3 a2.2 t0.59-0.38 c7 copy solid
//   MAINFORM fillbox (0,0)-(640,490) c0 copy solid
//   FORM6 picture "\ﾎﾟｺ2.BMP" (5,25) copy
//   FORM9 window shown (0,414) 642x29
//   sleep 3000ms
//   sound "open SOUND1.WAV alias wave1"
//
// Positions are the logical values the program passed, numbers as short as
// they can be written; cN is a palette index.

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "platform/surface.h"

namespace harness {

// What the program calls a picture or a surface, for lines that name one.
struct TraceNames {
    std::function<std::string(const platform::Picture*)> picture;
    std::function<std::string(const platform::Surface*)> surface;
};

std::string drawing_line(std::string_view surface, const platform::DrawCall& drawing,
                         const TraceNames& names);
std::string window_line(std::string_view form, bool shown, QPoint at, QSize client);
std::string sleep_line(std::chrono::milliseconds length);
std::string sound_line(std::string_view command);

}  // namespace harness
