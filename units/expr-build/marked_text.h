#pragma once
// A problem's text as the exercise pages of this unit write it: its rows of
// cell text, then the letter marks in the blanks they leave, row by row.

#include <vector>

#include "frame/ink.h"

namespace units::expr_build {

// The letter marks of one row: its y and the x of each mark.
struct MarksInRow {
    float y = 0;
    std::vector<float> xs{};
};

std::vector<frame::Ink> marked_text(std::vector<frame::Ink> rows,
                                    const std::vector<MarksInRow>& marks);

}  // namespace units::expr_build
