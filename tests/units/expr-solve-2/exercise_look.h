#pragma once
// What the pupil sees of an exercise page: the texts in their cells and the
// labels on the answer bars.

#include <string_view>

#include "tests/support/pupil.h"

namespace harness {

// The colour a cell text was last drawn in at a cell of the canvas, or -1
// when it never was.
inline int cell_colour(const Pupil& pupil, std::string_view text, int column, int row) {
    int colour = -1;
    for (const WatchedText& drawn : pupil.texts())
        if (drawn.form == "MAINFORM" && drawn.text.kind == platform::DrawnText::Kind::Cell &&
            drawn.text.text == text && drawn.text.column == column && drawn.text.row == row)
            colour = drawn.text.colour;
    return colour;
}

// Whether a label was drawn on a form at a point.
inline bool labelled(const Pupil& pupil, std::string_view form, std::string_view text,
                     platform::PointF at) {
    for (const WatchedText& drawn : pupil.texts())
        if (drawn.form == form && drawn.text.text == text && drawn.text.at.x == at.x &&
            drawn.text.at.y == at.y)
            return true;
    return false;
}

// The pass flags of an exercise page.
inline const std::vector<int>& flags_of(Pupil& pupil, int page) {
    frame::Lesson& lesson = pupil.lesson();
    return lesson.pass_flags.at(lesson.unit.exercise_index(page));
}

}  // namespace harness
