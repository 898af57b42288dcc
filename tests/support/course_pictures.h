#pragma once
// The course's own pictures, as the picture maker drew them, laid on a
// course drive in place of its plain stand-ins: the data-folder pictures in
// the data folder and the unit's pictures in its folder, as a laid-out
// course holds them.

#include <filesystem>

#include "frame/unit.h"
#include "tests/support/course_drive.h"

namespace harness {

// Copies the pictures from `pictures` (the folder the picture maker wrote);
// a picture that cannot be copied is a std::runtime_error.
void lay_course_pictures(const CourseDrive& drive, const frame::Unit& unit,
                         const std::filesystem::path& pictures);

}  // namespace harness
