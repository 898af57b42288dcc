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

std::filesystem::path record_path(const Lesson& lesson) {
    return lesson.io.drive.to_host("C:\\DI1" + lesson.record_name);
}

}  // namespace

void load_progress(Lesson& lesson) {
    lesson.record_name = read_record_name(read_whole(lesson.io.drive.to_host("NO.BAS")));
    const std::filesystem::path record = record_path(lesson);
    remove_stale_rewrites(record);
    lesson.pass_flags = read_progress(read_whole(record), lesson.unit.record);
}

void save_progress(Lesson& lesson) {
    const std::filesystem::path record = record_path(lesson);
    std::error_code error;
    if (!std::filesystem::is_regular_file(record, error))
        throw platform::RunError(platform::ErrorNumber::FileNotFound);
    replace_file(record, progress_text(lesson.unit.record, lesson.pass_flags));
}

}  // namespace frame
