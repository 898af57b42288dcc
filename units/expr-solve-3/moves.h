#pragma once
// The two moves both explanation pages make with an equation on the board:
// it is copied one row down, and the two numbers of a term change places
// around their sign.

#include <string_view>

#include "frame/explanation_page.h"

namespace units::expr_solve_3 {

// The equation stays at its place while a copy of it slides 40 down, the
// area around both cleared before each step.
struct CopyDown {
    std::string_view equation;
    frame::PointF at;
    frame::PointF clear_from, clear_to;
};
void copy_down(frame::Page& p, const CopyDown& c);

// The left and the right number of a term travel 48 towards each other's
// place on their row while the sign between them stays.
struct Swap {
    frame::PointF area_from, area_to;  // cleared before each step
    std::string_view sign;
    float sign_x;
    std::string_view left;
    float left_x;
    std::string_view right;
    float right_x;
    float row;
};
void swap(frame::Page& p, const Swap& s);

// The pointing hand, 20 × 20, and its erasing.
void hand(frame::Page& p, frame::PointF at);
void hand_away(frame::Page& p, frame::PointF at);

}  // namespace units::expr_solve_3
