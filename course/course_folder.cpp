#include "course/course_folder.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <stdexcept>

#include "course/picture_catalogue.h"
#include "frame/progress_record.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace course {
namespace {

constexpr char kLauncherName[] = "ﾎﾟｺﾄﾐﾙ1.exe";

// The launcher stand-in only notes each start in launcher.log beside it.
constexpr char kLauncherScript[] =
    "#!/bin/sh\n"
    "# Stands in for the course launcher, which a lesson program starts when\n"
    "# the pupil leaves a unit.  It only notes each start in launcher.log.\n"
    "echo \"started $(date '+%Y-%m-%d %H:%M:%S')\" >> \"$(dirname \"$0\")/launcher.log\"\n";

fs::path drive_c(const CourseFolder& course) { return course.root / "drive_c"; }
fs::path base_folder(const CourseFolder& course) { return drive_c(course) / "SANSU"; }
// Host file names are UTF-8, byte for byte.
fs::path host_name(std::string_view utf8) { return fs::path(std::string(utf8)); }

void make_folder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
        throw std::runtime_error("cannot create the folder " + folder.string());
}

void write_file(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void copy_picture(const CourseFolder& course, std::string_view name, const fs::path& folder) {
    const fs::path from = course.pictures / host_name(name);
    if (!fs::is_regular_file(from))
        throw std::runtime_error("the picture " + from.string() +
                                 " is missing; build the target course_pictures first");
    std::error_code error;
    fs::copy_file(from, folder / host_name(name), fs::copy_options::overwrite_existing, error);
    if (error) throw std::runtime_error("cannot copy " + from.string() + ": " + error.message());
}

// Copies the unit's built sounds, if it has any, over those in its folder.
void copy_sounds(const CourseFolder& course, const frame::Unit& unit, const fs::path& folder) {
    const fs::path from = course.sounds / host_name(unit.name);
    if (!fs::is_directory(from)) return;
    for (const fs::directory_entry& sound : fs::directory_iterator(from)) {
        if (!sound.is_regular_file() || sound.path().extension() != ".WAV") continue;
        std::error_code error;
        fs::copy_file(sound.path(), folder / sound.path().filename(),
                      fs::copy_options::overwrite_existing, error);
        if (error)
            throw std::runtime_error("cannot copy " + sound.path().string() + ": " +
                                     error.message());
    }
}

// A unit folder is one name of one to four characters, so that a program
// started in it finds the base folder two levels up.
void check_folder_name(const frame::Unit& unit) {
    const std::string_view folder = unit.folder;
    const auto characters = std::count_if(folder.begin(), folder.end(),
                                          [](char c) { return (c & 0xC0) != 0x80; });
    const bool plain = folder.find_first_of("\\/:*?\"<>| .") == std::string_view::npos;
    if (characters < 1 || characters > 4 || !plain)
        throw std::runtime_error("the unit " + std::string(unit.name) + " has the folder name \"" +
                                 std::string(folder) +
                                 "\"; a unit folder needs a plain name of one to four characters");
}

void check_unique_folders(std::span<const frame::Unit* const> units) {
    std::set<std::string_view> seen;
    for (const frame::Unit* unit : units)
        if (!seen.insert(unit->folder).second)
            throw std::runtime_error("two units share the folder " + std::string(unit->folder) +
                                     ", and so would share one progress record");
}

void lay_out_base(const CourseFolder& course) {
    const fs::path data = base_folder(course) / "da";
    make_folder(data);
    for (const PictureFile& picture : kPictureFiles)
        if (picture.folder == Folder::Data) copy_picture(course, picture.name, data);
    const fs::path launcher = base_folder(course) / host_name(kLauncherName);
    write_file(launcher, kLauncherScript);
    using fs::perms;
    fs::permissions(launcher, perms::owner_all | perms::group_read | perms::group_exec |
                                  perms::others_read | perms::others_exec);
    make_folder(drive_c(course) / "DI1");
}

std::string fresh_record(const frame::RecordLayout& layout) {
    frame::PassFlags flags;
    for (int count : layout.flag_counts) flags.emplace_back(static_cast<std::size_t>(count), 0);
    return frame::progress_text(layout, flags);
}

void lay_out_unit(const CourseFolder& course, const frame::Unit& unit) {
    const fs::path folder = unit_folder(course, unit);
    make_folder(folder);
    write_file(folder / "NO.BAS", platform::to_cp932("\"" + record_name(unit) + "\"") + "\r\n");
    for (std::string_view picture : unit.folder_pictures) copy_picture(course, picture, folder);
    copy_sounds(course, unit, folder);
    const fs::path record = record_file(course, unit);
    if (!fs::exists(record)) write_file(record, fresh_record(unit.record_layout()));
}

void write_unit_list(const CourseFolder& course, std::span<const frame::Unit* const> units) {
    std::string list;
    for (const frame::Unit* unit : units)
        list += std::string(unit->name) + "\t" + unit_folder(course, *unit).string() + "\n";
    write_file(course.root / "units.txt", list);
}

}  // namespace

fs::path unit_folder(const CourseFolder& course, const frame::Unit& unit) {
    return base_folder(course) / "ROKU1" / host_name(unit.folder);
}

fs::path record_file(const CourseFolder& course, const frame::Unit& unit) {
    return drive_c(course) / "DI1" / host_name(std::string(unit.folder) + ".DAT");
}

std::string record_name(const frame::Unit& unit) {
    return "\\" + std::string(unit.folder) + ".DAT";
}

void lay_out(const CourseFolder& course, std::span<const frame::Unit* const> units) {
    for (const frame::Unit* unit : units) check_folder_name(*unit);
    check_unique_folders(units);
    lay_out_base(course);
    for (const frame::Unit* unit : units) lay_out_unit(course, *unit);
    write_unit_list(course, units);
}

}  // namespace course
