// The spoken narration as the pages use it: every sound a page names is
// made and says something, and every narration a page plays on while it goes
// on has ended before the page closes it for the next one, so that no
// sentence is cut off.  The pages' pauses are read from their traces, the
// spoken lengths from the sounds the build made.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/wav_info.h"
#include "tests/support/page_timeline.h"
#include "units/course_units.h"

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace {

fs::path traces_of(std::string_view unit) {
    return fs::path(COURSE_TESTS_DIR) / "units" / std::string(unit) / "traces";
}

fs::path sounds_of_unit(std::string_view unit) {
    return fs::path(COURSE_SOUNDS_DIR) / std::string(unit);
}

// Every unit's traced pages, in a stable order.
template <typename Visit>
void for_every_page(Visit visit) {
    for (const frame::Unit* unit : units::course_units()) {
        std::vector<fs::path> traces;
        for (const auto& entry : fs::directory_iterator(traces_of(unit->name)))
            if (entry.path().extension() == ".trace") traces.push_back(entry.path());
        std::ranges::sort(traces);
        for (const fs::path& trace : traces)
            visit(unit->name, trace.stem().string(),
                  harness::page_timeline(trace, sounds_of_unit(unit->name), {}));
    }
}

TEST(Narration, EverySoundAPageNamesIsMadeAndSpeaksForASaneTime) {
    int named = 0;
    for_every_page([&](std::string_view unit, std::string_view, const harness::PageTimeline& page) {
        for (const std::string& sound : page.opened) {
            SCOPED_TRACE(std::string(unit) + " " + sound);
            ++named;
            const fs::path file = sounds_of_unit(unit) / sound;
            const auto played = platform::wav_file_length(file);
            const auto spoken = harness::spoken_length(file);
            ASSERT_TRUE(played && spoken) << file << " is not a 16-bit sound";
            EXPECT_GE(*spoken, milliseconds(300));
            EXPECT_LE(*spoken, milliseconds(20000));
        }
    });
    EXPECT_GT(named, 600);
}

TEST(Narration, EveryBackgroundNarrationEndsATenthOfASecondBeforeItsPageClosesIt) {
    constexpr milliseconds kSpare{100};
    int heard = 0;
    std::optional<milliseconds> least;
    for_every_page([&](std::string_view unit, std::string_view trace,
                       const harness::PageTimeline& page) {
        for (const harness::Narration& narration : page.narrations) {
            if (!narration.closed) continue;  // played to its end, or on past the page's end
            const auto spoken = harness::spoken_length(sounds_of_unit(unit) / narration.sound);
            if (!spoken) continue;  // the test above names it
            ++heard;
            const milliseconds slot = *narration.closed - narration.start;
            const milliseconds spare = slot - *spoken;
            least = std::min(least.value_or(spare), spare);
            EXPECT_GE(spare, kSpare) << unit << " " << trace << " " << narration.sound << ": "
                                     << spoken->count() << " ms spoken in a slot of "
                                     << slot.count() << " ms";
        }
    });
    EXPECT_GT(heard, 600);
    RecordProperty("least_spare_ms", std::to_string(least.value_or(milliseconds(0)).count()));
}

}  // namespace
