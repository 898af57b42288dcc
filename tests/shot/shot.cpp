// shot: runs a unit headless as a pupil would and writes a PNG of every
// visible window at its screen position.
//
//   shot UNIT OUT.png [STEP...]
//
// Steps, in order: next, befor, last, where, head, top (navigation buttons),
// type:FIELD:TEXT, ok, open:PAGE:START (page-select, then the start number),
// answer:TEXT[,TEXT...], tag (mouse-down on the blackboard tag).  The unit
// draws the course's own pictures, as a laid-out course holds them.
#include <QApplication>

#include <iostream>
#include <map>
#include <span>
#include <sstream>

#include "platform/tool_options.h"
#include "tests/support/course_pictures.h"
#include "tests/support/pupil.h"
#include "units/course_units.h"

namespace {

constexpr std::string_view kUsage =
    "usage: shot UNIT OUT.png [STEP...]\n"
    "  runs UNIT headless and writes a PNG of every visible window; steps, in order:\n"
    "  next, befor, last, where, head, top, tag, ok, type:FIELD:TEXT,\n"
    "  open:PAGE:START, answer:TEXT[,TEXT...]\n"
    "  The unit draws the course's own pictures (faces, poses, hands, balances,\n"
    "  mascots), those scripts/course lays out.\n";

using harness::Nav;
using harness::Pupil;

const std::map<std::string, Nav, std::less<>> kButtons = {
    {"befor", Nav::Befor}, {"last", Nav::Last}, {"next", Nav::Next},
    {"where", Nav::Where}, {"head", Nav::Head}, {"top", Nav::Top},
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

bool act(Pupil& pupil, const std::string& step) {
    const auto parts = split(step, ':');
    if (parts.empty()) return false;
    if (auto button = kButtons.find(parts[0]); button != kButtons.end()) {
        pupil.press(button->second);
    } else if (parts[0] == "ok") {
        pupil.ok();
    } else if (parts[0] == "tag") {
        pupil.click_tag();
    } else if (parts[0] == "type" && parts.size() == 3) {
        pupil.type(parts[1], parts[2]);
    } else if (parts[0] == "open" && parts.size() == 3) {
        pupil.open(std::stoi(parts[1]), parts[2]);
    } else if (parts[0] == "answer" && parts.size() == 2) {
        const auto texts = split(parts[1], ',');
        std::vector<std::string_view> views(texts.begin(), texts.end());
        pupil.answer(std::span<const std::string_view>(views));
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered = platform::answer_options(argc, argv, kUsage)) return *answered;
    if (argc < 3) return platform::refuse_call(kUsage);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const frame::Unit* unit : units::course_units()) {
        if (unit->name != argv[1]) continue;
        Pupil pupil(*unit, {}, [&](const harness::CourseDrive& drive) {
            harness::lay_course_pictures(drive, *unit, COURSE_PICTURES_DIR);
        });
        for (int i = 3; i < argc; ++i) {
            if (!act(pupil, argv[i])) {
                std::cerr << "shot: unknown step '" << argv[i] << "'\n";
                return 2;
            }
        }
        for (const auto& box : pupil.boxes()) std::cerr << "message box: " << box.text << "\n";
        if (!pupil.screenshot().save(QString::fromLocal8Bit(argv[2]))) {
            std::cerr << "shot: cannot write " << argv[2] << "\n";
            return 1;
        }
        return 0;
    }
    std::cerr << "shot: no unit named '" << argv[1] << "'\n";
    return 2;
}
