#pragma once
// The table of two changing quantities that exercise page 2 draws under a
// problem: a grid of two rows, the first five counts along the top, and the
// problem's own row labels and bottom row.

#include "frame/exercise_page.h"

namespace units::expr_build {

struct RelationTable {
    frame::ScaledText top_label{};
    frame::ScaledText bottom_label{};
    frame::ScaledText bottom_row{};
};

void draw_relation_table(frame::ExerciseScreen& screen, const RelationTable& table);

}  // namespace units::expr_build
