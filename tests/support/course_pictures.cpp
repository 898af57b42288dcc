#include "tests/support/course_pictures.h"

#include <stdexcept>
#include <string>

#include "course/picture_catalogue.h"

namespace harness {
namespace {

namespace fs = std::filesystem;

void copy_picture(const fs::path& pictures, std::string_view name, const fs::path& folder) {
    std::error_code error;
    fs::copy_file(pictures / std::string(name), folder / std::string(name),
                  fs::copy_options::overwrite_existing, error);
    if (error)
        throw std::runtime_error("cannot copy the picture " + std::string(name) + " from " +
                                 pictures.string() + ": " + error.message());
}

}  // namespace

void lay_course_pictures(const CourseDrive& drive, const frame::Unit& unit,
                         const fs::path& pictures) {
    for (const course::PictureFile& file : course::kPictureFiles)
        if (file.folder == course::Folder::Data)
            copy_picture(pictures, file.name, drive.base_folder() / "da");
    for (std::string_view name : unit.folder_pictures) copy_picture(pictures, name, drive.unit_folder());
}

}  // namespace harness
