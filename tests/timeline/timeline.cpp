// timeline: what an explanation page says and shows, in page time.  For each
// narration as it plays: its start and end (from the page's trace and the
// spoken length of the built sound), its sentence, and every text, figure
// and picture the page draws (+) or erases (-) from a second before it
// starts to its end; what the page draws while no narration plays is listed
// between them.  A narration the page stops for the next says when it does:
// its sound must end a little before.
//
//   timeline UNIT [PAGE]
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/tool_options.h"
#include "tests/support/page_timeline.h"
#include "units/course_units.h"

namespace {

namespace fs = std::filesystem;
using harness::milliseconds;

constexpr milliseconds kLead{1000};

constexpr std::string_view kUsage =
    "usage: timeline UNIT [PAGE]\n"
    "For each explanation page of UNIT (or PAGE alone): every narration with its start and\n"
    "end in page time (seconds), when the page stops it (closed at), its sentence, and\n"
    "what the page draws (+) or erases (-)\n"
    "from a second before it starts to its end; between them, what it draws while no\n"
    "narration plays.\n";

std::string seconds(milliseconds time) {
    char text[16];
    std::snprintf(text, sizeof text, "%6.2f", double(time.count()) / 1000);
    return text;
}

void print_drawing(const harness::Drawing& drawing) {
    std::cout << "   " << seconds(drawing.at) << (drawing.erases ? " - " : " + ") << drawing.line
              << "\n";
}

void print_page(const frame::Unit& unit, const frame::LessonPage& page) {
    const fs::path trace = fs::path(COURSE_TESTS_DIR) / "units" / std::string(unit.name) /
                           "traces" / ("page" + std::to_string(page.number) + ".trace");
    const harness::PageTimeline timeline = harness::page_timeline(
        trace, fs::path(COURSE_SOUNDS_DIR) / std::string(unit.name),
        harness::narration_sentences(fs::path(COURSE_UNITS_DIR) / std::string(unit.name) /
                                     "narration.txt"));
    std::cout << unit.name << " page " << page.number << "\n";
    std::size_t unheard = 0;  // the first drawing no narration has shown yet
    const auto print_unheard = [&](milliseconds before) {
        const std::size_t from = unheard;
        for (; unheard < timeline.drawings.size() && timeline.drawings[unheard].at < before;
             ++unheard) {
            if (unheard == from) std::cout << "\n        (while no narration plays)\n";
            print_drawing(timeline.drawings[unheard]);
        }
    };
    for (const harness::Narration& narration : timeline.narrations) {
        print_unheard(narration.start - kLead);
        std::cout << "\n" << seconds(narration.start) << " -" << seconds(narration.end) << "  "
                  << narration.sound << (narration.waits ? " (the page waits)" : "");
        if (narration.closed) std::cout << " (closed at" << seconds(*narration.closed) << ")";
        std::cout << "  「" << narration.sentence << "」\n";
        for (std::size_t i = unheard; i < timeline.drawings.size(); ++i) {
            const harness::Drawing& drawing = timeline.drawings[i];
            if (drawing.at > narration.end) break;
            if (drawing.at + kLead >= narration.start) print_drawing(drawing);
        }
        while (unheard < timeline.drawings.size() &&
               timeline.drawings[unheard].at <= narration.end)
            ++unheard;
    }
    print_unheard(milliseconds::max());
    std::cout << "\n";
}

int usage_error(std::string_view message) {
    std::cerr << "timeline: " << message << "\n";
    return platform::refuse_call(kUsage);
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto status = platform::answer_options(argc, argv, kUsage)) return *status;
    if (argc < 2 || argc > 3) return usage_error("needs a unit and at most one page");
    for (const frame::Unit* unit : units::course_units()) {
        if (unit->name != argv[1]) continue;
        const int wanted = argc == 3 ? std::atoi(argv[2]) : 0;
        bool printed = false;
        for (const frame::LessonPage& page : unit->pages) {
            if (page.kind != frame::PageKind::Explanation || (wanted && page.number != wanted))
                continue;
            print_page(*unit, page);
            printed = true;
        }
        return printed ? 0 : usage_error(std::string("no explanation page ") + argv[2]);
    }
    return usage_error(std::string("no unit named ") + argv[1]);
}
