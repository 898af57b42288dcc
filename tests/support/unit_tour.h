#pragma once
// A pupil's tour of a unit's shared screens: what the contents page, a
// page's start-from dialog and the page-select screen say, and the record
// the unit leaves at exit.

#include <QPoint>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/pupil.h"

// Cells print as (column, row) in test failures.
inline void PrintTo(const QPoint& cell, std::ostream* out) {
    *out << "(" << cell.x() << ", " << cell.y() << ")";
}

namespace harness {

// The texts drawn on the canvas since the pupil last forgot them, in order.
std::vector<std::string> canvas_texts(const Pupil& pupil);

// Every cell at which this text was drawn as cell text on the canvas, in
// order (column, row).
using Cells = std::vector<QPoint>;
Cells cells_of(const Pupil& pupil, std::string_view text);

// Opens the start-from dialog of a page through the page-select screen and
// gives the texts it drew.
std::vector<std::string> dialog_texts(Pupil& pupil, int page);

// Presses "exit" and gives the bytes of the rewritten record.
std::string record_after_exit(Pupil& pupil);

// Runs an answer bar's OK handler on the current page, as a click on its
// button would, and gives the request code it leaves: page × 10 + 2 right,
// + 3 wrong, the idle code when the handler gives no verdict.  The verdict is
// only looked at: the request is left idle afterwards.
int ok_verdict(Pupil& pupil, std::string_view ok_handler);

// Whether the texts hold this one.
bool holds(const std::vector<std::string>& texts, std::string_view text);

}  // namespace harness
