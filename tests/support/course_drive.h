#pragma once
// A temporary course folder for one unit: the drive C: of the programs, laid
// out like the real one (base folder, data folder with pictures, the unit
// folder with "NO.BAS", and the progress record).

#include <filesystem>
#include <string>

#include "frame/unit.h"

namespace harness {

class CourseDrive {
public:
    // The record holds `record` when given, else all flags 0 in the unit's format.
    CourseDrive(const frame::Unit& unit, const std::string* record = nullptr);
    // The drive of the unit that another CourseDrive laid out at `root` (in
    // another process, say); it stays when this one goes.
    CourseDrive(const frame::Unit& unit, const std::filesystem::path& root);
    ~CourseDrive();
    CourseDrive(const CourseDrive&) = delete;
    CourseDrive& operator=(const CourseDrive&) = delete;

    const std::filesystem::path& root() const { return root_; }
    const std::filesystem::path& drive_c() const { return drive_c_; }
    const std::filesystem::path& unit_folder() const { return unit_folder_; }
    const std::filesystem::path& record() const { return record_; }
    const std::filesystem::path& base_folder() const { return base_folder_; }
    std::string record_bytes() const;

private:
    bool owned_;
    std::filesystem::path root_;
    std::filesystem::path drive_c_;
    std::filesystem::path base_folder_;
    std::filesystem::path unit_folder_;
    std::filesystem::path record_;
};

// The progress record of the unit with the given flags (in its format).
std::string record_with(const frame::Unit& unit, const frame::PassFlags& flags);

}  // namespace harness
