// tour: runs units headless as a pupil would and writes a PNG of every screen
// a pupil sees into DIR/<unit>/ (names in screen_tour.h), with the course's
// own pictures.
//
//   tour UNIT|all DIR
#include <QApplication>

#include <exception>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "platform/tool_options.h"
#include "tests/support/course_pictures.h"
#include "tests/tour/screen_tour.h"
#include "units/course_units.h"

namespace {

constexpr std::string_view kUsage =
    "usage: tour UNIT|all DIR\n"
    "  Runs the unit (or every unit) headless as a pupil would and writes a PNG of\n"
    "  every screen it shows into DIR/UNIT/: contents, page select, each page's\n"
    "  dialog and end, each problem, its hints, its praise, each password and the\n"
    "  end of the unit. The PNGs a former tour left there go first. A screen that\n"
    "  cannot be reached is told of on standard error (exit status 1). The units\n"
    "  draw the course's own pictures (faces, poses, hands, balances, mascots),\n"
    "  those scripts/course lays out.\n";

std::vector<const frame::Unit*> units_named(std::string_view name) {
    std::vector<const frame::Unit*> found;
    for (const frame::Unit* unit : units::course_units())
        if (name == "all" || unit->name == name) found.push_back(unit);
    return found;
}

// The offscreen platform's notes on what it cannot do (raise a window, find
// a runtime folder) say nothing about the screens; every other message of
// Qt goes to standard error as usual.
void quiet_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith("This plugin does not support") ||
        text.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    std::cerr << qFormatLogMessage(type, context, text).toStdString() << "\n";
}

// Removes the screens a former tour wrote into the unit's folder.
void clear_screens(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.size() > 3 && name[0] == 'p' &&
            entry.path().extension() == ".png")
            std::filesystem::remove(entry.path());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::span<char* const> arguments(argv + 1, static_cast<std::size_t>(argc - 1));
    if (const auto status = platform::answer_options(argc, argv, kUsage)) return *status;
    if (arguments.size() != 2) {
        return platform::refuse_call(kUsage);
    }
    const std::vector<const frame::Unit*> units = units_named(arguments[0]);
    if (units.empty()) {
        std::cerr << "tour: no unit named '" << arguments[0] << "'; the units are:\n";
        for (const frame::Unit* unit : units::course_units()) std::cerr << "  " << unit->name << "\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet_platform_notes);
    QApplication application(argc, argv);
    tour::Count total;
    for (const frame::Unit* unit : units) {
        const std::filesystem::path folder = std::filesystem::path(arguments[1]) / unit->name;
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            std::cerr << "tour: cannot make " << folder.string() << ": " << error.message() << "\n";
            return 1;
        }
        clear_screens(folder);
        tour::Count count;
        try {
            count = tour::tour_unit(*unit, folder, std::cerr, [&](const harness::CourseDrive& drive) {
                harness::lay_course_pictures(drive, *unit, COURSE_PICTURES_DIR);
            });
        } catch (const std::exception& failure) {  // the program stopped: the rest is not reached
            std::cerr << "tour: " << unit->name << ": stopped: " << failure.what() << "\n";
            count.missed = 1;
        }
        std::cout << unit->name << ": " << count.written << " screens\n";
        total.written += count.written;
        total.missed += count.missed;
    }
    std::cout << "tour: " << total.written << " screens of " << units.size() << " units written, "
              << total.missed << " not reached\n";
    return total.missed == 0 ? 0 : 1;
}
