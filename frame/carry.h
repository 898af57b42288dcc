#pragma once
// A term carried across the "＝" of an equation, as the pages that solve for
// the letter show it: lifted 20 above its row, carried sideways over the
// "＝", its sign blinking into the opposite one there, then carried on and
// set down on the other side.  Every stretch is a move (steps of 4, pause 8,
// frame/explanation_page.h); what a page says or waits for between the
// stretches stays on the page.

#include <string_view>

#include "frame/explanation_page.h"

namespace frame {

struct Carry {
    std::string_view term{};         // as it stands in its row: "＋ 83"
    PointF from{};                   // where it stands
    float over = 48;                 // sideways to the "＝" (and one step more); < 0: left
    std::string_view sign{};         // blinks away over the "＝" (the last blink erases it)
    std::string_view turned_sign{};  // blinks in there and stays
    int last_blink = 8;              // of the sign: even
    std::string_view turned{};       // the term carried on: "－ 83"
    float on = 60;                   // sideways again, the same way; 0: set down at once
    int colour = 7;
};

// Up 20, then sideways over the "＝".
void lift_over(Page& p, const Carry& c);
// The sign turned where the term crossed.
void turn_sign(Page& p, const Carry& c);
// The turned term carried on, then 20 down into the row, with `along` drawn
// at each step of the way down.
void set_down(Page& p, const Carry& c, const DrawAtOffset& along = {});

}  // namespace frame
