#pragma once
// A pupil's tour of every screen of a unit, each written as a PNG of every
// visible window at its screen position, under a name that says what it is:
//
//   p00-contents.png, p00-page-select.png
//   pNN-dialog.png                  the page's start-from dialog
//   pNN-end.png                     an explanation page drawn whole from paragraph 1,
//                                   or an exercise page's end after its last problem
//   pNN-qMM-problem.png             problem MM as it is shown
//   pNN-qMM-hint.png                after a wrong answer
//   pNN-qMM-hint-tKK.png            after the typed text that chooses hint KK of the sheet's table
//   pNN-qMM-praise.png              after the right answer
//   pNN-password.png                the reward after the page's last problem passes
//   pNN-unit-end.png                the end-of-unit page (NN: the page after the last)

#include <filesystem>
#include <ostream>

#include "frame/unit.h"
#include "tests/support/pupil.h"

namespace tour {

struct Count {
    int written = 0;
    int missed = 0;  // screens the tour could not reach, each told of
};

// Runs the unit headless, its course drive changed by `change_drive` before it
// starts, and writes its screens into the folder (which must exist); every
// screen it cannot reach, or cannot write, is told of on `missed`.
Count tour_unit(const frame::Unit& unit, const std::filesystem::path& folder, std::ostream& missed,
                const harness::Pupil::DriveChange& change_drive);

}  // namespace tour
