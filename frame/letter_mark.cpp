#include "frame/letter_mark.h"

namespace frame {

void draw_letter_mark(platform::Surface& surface, platform::PointF at, int colour) {
    constexpr float radius = 3;
    constexpr float aspect = 2.2f;
    surface.draw_arc(at, radius, colour, aspect, 0.59f, 0.38f);               // open on its left
    surface.draw_arc({at.x + 6, at.y}, radius, colour, aspect, 0.09f, 0.89f); // open on its right
}

}  // namespace frame
