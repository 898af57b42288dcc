#pragma once
// The balance of explanation page 1: two pans hanging from a beam over a
// post on a base.  It is composed on the hidden drawing window and comes to
// the board in one block copy, so the board never shows it half drawn.

#include "frame/explanation_page.h"

namespace units::expr_solve_1 {

// A pan: a flat bottom with sloping rims, its left rim's top at `at`.
void draw_pan(frame::Drawing& d, frame::PointF at, int colour);

// The whole balance, every point moved by `offset`, in one colour.  The
// block copied is 280 × 220 pixels from the balance's top-left corner, so
// it also brings what the hidden window holds just below the balance.
void draw_balance(frame::Page& p, frame::PointF offset, int colour = 1);

}  // namespace units::expr_solve_1
