#include "frame/record_files.h"

#include <optional>
#include <system_error>
#include <utility>

#include "frame/record_rewrite.h"
#include "platform/regular_file.h"
#include "platform/run_error.h"

namespace frame {
namespace {

// A file that is missing, or is no regular file (a folder, a named pipe), is
// one that cannot be read.
std::string read_whole(const std::filesystem::path& file) {
    std::optional<std::string> bytes = platform::read_regular_file(file);
    if (!bytes) throw platform::RunError(platform::ErrorNumber::FileNotFound);
    return std::move(*bytes);
}

std::filesystem::path record_path(const platform::DriveView& drive, std::string_view record_name) {
    return drive.to_host("C:\\DI1" + std::string(record_name));
}

}  // namespace

StoredProgress read_stored_progress(const platform::DriveView& drive, const RecordLayout& layout) {
    StoredProgress stored{.record_name = read_record_name(read_whole(drive.to_host("NO.BAS"))), .flags = {}};
    const std::filesystem::path record = record_path(drive, stored.record_name);
    remove_stale_rewrites(record);
    stored.flags = read_progress(read_whole(record), layout);
    return stored;
}

void write_stored_progress(const platform::DriveView& drive, std::string_view record_name,
                           const RecordLayout& layout, const PassFlags& flags) {
    const std::filesystem::path record = record_path(drive, record_name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(record, error))
        throw platform::RunError(platform::ErrorNumber::FileNotFound);
    replace_file(record, progress_text(layout, flags));
}

void load_progress(Lesson& lesson) {
    StoredProgress stored = read_stored_progress(lesson.io.drive, lesson.unit.record_layout());
    lesson.record_name = std::move(stored.record_name);
    lesson.pass_flags = std::move(stored.flags);
}

void save_progress(Lesson& lesson) {
    write_stored_progress(lesson.io.drive, lesson.record_name, lesson.unit.record_layout(), lesson.pass_flags);
}

}  // namespace frame
