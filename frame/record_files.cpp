#include "frame/record_files.h"

#include <fstream>
#include <iterator>

#include "platform/run_error.h"

namespace frame {
namespace {

std::string read_whole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw platform::RunError(platform::ErrorNumber::FileNotFound);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path record_path(const Lesson& lesson) {
    return lesson.io.drive.to_host("C:\\DI1" + lesson.record_name);
}

}  // namespace

void load_progress(Lesson& lesson) {
    lesson.record_name = read_record_name(read_whole(lesson.io.drive.to_host("NO.BAS")));
    lesson.pass_flags = read_progress(read_whole(record_path(lesson)), lesson.unit.record);
}

void save_progress(Lesson& lesson) {
    const std::filesystem::path record = record_path(lesson);
    if (!std::filesystem::is_regular_file(record))
        throw platform::RunError(platform::ErrorNumber::FileNotFound);
    replace_file(record, progress_text(lesson.unit.record, lesson.pass_flags));
}

}  // namespace frame
