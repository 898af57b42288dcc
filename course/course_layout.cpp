// course-layout DEST: lays out a runnable course folder at DEST (see
// course_folder.h) and lists the units with their folders in DEST/units.txt.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "course/course_folder.h"
#include "platform/tool_options.h"
#include "units/course_units.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUsage =
    "usage: course-layout DEST   lays out a runnable course folder at DEST\n"
    "                            and lists its units in DEST/units.txt\n";

// DEST as an absolute path without a trailing separator.
fs::path absolute_folder(const char* given) {
    fs::path folder = fs::absolute(given).lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path() && folder != folder.root_path())
        folder = folder.parent_path();
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered = platform::answer_options(argc, argv, kUsage)) return *answered;
    if (argc != 2 || argv[1][0] == '\0') return platform::refuse_call(kUsage);
    try {
        const course::CourseFolder course{absolute_folder(argv[1]), COURSE_PICTURES_DIR,
                                          COURSE_SOUNDS_DIR};
        course::lay_out(course, units::course_units());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "course-layout: %s\n", error.what());
        return 1;
    }
    return 0;
}
