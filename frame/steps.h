#pragma once
// The one animation loop of the explanation pages: from `from` to `to` by
// `by`, an element drawn at each step with a pause after it, and a rule for
// what of it is erased.  Blink, move, row copy and drift are its presets.

#include <functional>
#include <optional>

#include "frame/drawing.h"

namespace frame {

enum class Erase {
    None,        // every step stays
    Alternate,   // drawn in colour (i mod 2) × colour: off on even steps (a blink)
    After,       // erased after its pause (a drift)
    AllButLast,  // erased after its pause, the last step stays (a row copy)
    Previous,    // the step before erased just before this one is drawn (a move)
    Box,         // a box cleared in colour 0 before each step (a slide, a fold)
};

struct Steps {
    float from = 0;
    float to = 0;
    float by = 1;
    int pause = 15;
    int colour = 7;
    Erase erase = Erase::None;
    PointF box_from{};  // Erase::Box: the box cleared
    PointF box_to{};
};

// Draws the element of step i in a colour; erasing draws it in colour 0.
using DrawStep = std::function<void(float i, int colour)>;

// The steps i = from, from + by, ... up to `to`, counted so that a
// fractional step lands on `to` too.
int step_count(const Steps& steps);

}  // namespace frame
