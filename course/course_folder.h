#pragma once
// A runnable course folder on the host: drive C: as the folder drive_c, the
// base folder SANSU with the shared pictures in "da" and the launcher, one
// folder per unit under ROKU1 holding "NO.BAS", the unit's pictures and its
// sounds (narration "SOUNDn.WAV" and the jingle "SOUND80.WAV"), and
// the pupil's progress records in DI1.  Laying out again refreshes everything
// but the progress records, which keep the pupil's passes.

#include <filesystem>
#include <span>
#include <string>

#include "frame/unit.h"

namespace course {

struct CourseFolder {
    std::filesystem::path root;      // the folder given by the teacher
    std::filesystem::path pictures;  // where the built course pictures lie
    std::filesystem::path sounds;    // where the built sounds lie, one folder per unit name
};

// The host folder of a unit, e.g. DEST/drive_c/SANSU/ROKU1/ES2.
std::filesystem::path unit_folder(const CourseFolder& course, const frame::Unit& unit);

// The host path of the unit's progress record, e.g. DEST/drive_c/DI1/ES2.DAT.
std::filesystem::path record_file(const CourseFolder& course, const frame::Unit& unit);

// The record name that "NO.BAS" gives, e.g. "\ES2.DAT".
std::string record_name(const frame::Unit& unit);

// Lays out the whole course and writes DEST/units.txt.  A unit whose folder is
// unfit, or a picture or sound that cannot be copied, stops the layout with a
// std::runtime_error that says what is wrong.
void lay_out(const CourseFolder& course, std::span<const frame::Unit* const> units);

}  // namespace course
