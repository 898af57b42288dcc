// What each narration says is on screen by the time it has been said: a
// colour it names has been drawn on its page, and so has every number it
// says.  Read from every explanation page's timeline (its trace in page time
// with the spoken lengths of the built sounds).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/page_timeline.h"
#include "units/course_units.h"

namespace fs = std::filesystem;

namespace {

using harness::Drawing;
using harness::Narration;

struct ColourWord {
    std::string_view word;
    std::vector<int> colours;  // the lesson palette's indexes that show it
};

const ColourWord kColourWords[] = {
    {"赤", {2, 9}}, {"青", {1, 8}}, {"緑", {4, 14}}, {"黄色", {6}},
};

// A number a line may say without its page writing it: a count of things
// the page draws as figures.
struct Unwritten {
    std::string_view unit;
    int page;
    std::string_view sound;
    std::string_view number;
    std::string_view why;
};

const Unwritten kUnwritten[] = {
    {"circle-area", 1, "SOUND20.WAV", "6", "the circle is cut into six sectors"},
    {"circle-area", 1, "SOUND26.WAV", "20", "the next circle is cut into twenty sectors"},
    {"circle-area", 1, "SOUND27.WAV", "60", "the next circle is cut into sixty sectors"},
    {"circle-area", 1, "SOUND28.WAV", "60", "the sixty sectors laid out"},
    {"symmetry", 1, "SOUND33.WAV", "2", "the star's two axes, drawn as its two folds' lines"},
};

bool unwritten(std::string_view unit, int page, const Narration& line, const std::string& number) {
    return std::ranges::any_of(kUnwritten, [&](const Unwritten& u) {
        return u.unit == unit && u.page == page && u.sound == line.sound && u.number == number;
    });
}

// The title band every page opens with: its red is the page's, not the
// lesson's.
bool in_title_band(const Drawing& drawing) {
    if (!drawing.line.starts_with("MAINFORM text (") &&
        !drawing.line.starts_with("MAINFORM fillbox ("))
        return false;
    const auto comma = drawing.line.find(',');
    return std::stoi(drawing.line.substr(comma + 1)) < 22;
}

// The numbers a text gives the lesson: not the page number of the title
// ("3ﾍﾟｰｼﾞ"), nor the paragraph's ("だん落 2").
std::vector<std::string> lesson_numbers(std::string text) {
    if (text.starts_with("だん落")) return {};
    if (const auto page = text.find("ﾍﾟｰｼﾞ"); page != std::string::npos) {
        auto digits = page;
        while (digits > 0 && text[digits - 1] >= '0' && text[digits - 1] <= '9') --digits;
        text.erase(digits, page - digits);
    }
    return harness::numbers_in(text);
}

// The lesson's drawings made by the time the line has been said.
std::vector<const Drawing*> shown_by_end(const harness::PageTimeline& page,
                                         const Narration& line) {
    std::vector<const Drawing*> shown;
    for (const Drawing& drawing : page.drawings)
        if (drawing.at <= line.end && !drawing.erases)
            shown.push_back(&drawing);
    return shown;
}

bool shows_colour(const std::vector<const Drawing*>& shown, const ColourWord& colour) {
    return std::ranges::any_of(shown, [&](const Drawing* drawing) {
        if (in_title_band(*drawing)) return false;
        return std::ranges::any_of(drawing->colours, [&](int c) {
            return std::ranges::find(colour.colours, c) != colour.colours.end();
        });
    });
}

bool writes_number(const std::vector<const Drawing*>& shown, const std::string& number) {
    return std::ranges::any_of(shown, [&](const Drawing* drawing) {
        return std::ranges::any_of(drawing->texts, [&](const std::string& text) {
            const std::vector<std::string> written = lesson_numbers(text);
            return std::ranges::find(written, number) != written.end();
        });
    });
}

// Every narration line of every explanation page, with what its page has
// drawn by the time the line has been said.
template <typename Visit>
void for_every_line(Visit visit) {
    for (const frame::Unit* unit : units::course_units()) {
        const std::string name(unit->name);
        const auto sentences = harness::narration_sentences(fs::path(COURSE_UNITS_DIR) / name /
                                                            "narration.txt");
        for (const frame::LessonPage& page : unit->pages) {
            if (page.kind != frame::PageKind::Explanation) continue;
            const harness::PageTimeline timeline = harness::page_timeline(
                fs::path(COURSE_TESTS_DIR) / "units" / name / "traces" /
                    ("page" + std::to_string(page.number) + ".trace"),
                fs::path(COURSE_SOUNDS_DIR) / name, sentences);
            for (const Narration& line : timeline.narrations)
                if (!line.sentence.empty())
                    visit(name, page.number, line, shown_by_end(timeline, line));
        }
    }
}

std::string where(std::string_view unit, int page, const Narration& line) {
    return std::string(unit) + " page " + std::to_string(page) + " " + line.sound + " 「" +
           line.sentence + "」";
}

TEST(NarrationOnScreen, AColourALineNamesIsDrawnOnItsPageByTheTimeItHasBeenSaid) {
    int named = 0;
    for_every_line([&](std::string_view unit, int page, const Narration& line,
                       const std::vector<const Drawing*>& shown) {
        for (const ColourWord& colour : kColourWords) {
            if (line.sentence.find(colour.word) == std::string::npos) continue;
            ++named;
            EXPECT_TRUE(shows_colour(shown, colour))
                << where(unit, page, line) << " names " << colour.word << ", and nothing of it is "
                << "drawn by " << line.end.count() << " ms";
        }
    });
    EXPECT_GT(named, 10);
}

TEST(NarrationOnScreen, EveryNumberALineSaysIsWrittenOnItsPageByTheTimeItHasBeenSaid) {
    int said = 0;
    for_every_line([&](std::string_view unit, int page, const Narration& line,
                       const std::vector<const Drawing*>& shown) {
        for (const std::string& number : harness::numbers_in(line.sentence)) {
            if (unwritten(unit, page, line, number)) continue;
            ++said;
            EXPECT_TRUE(writes_number(shown, number))
                << where(unit, page, line) << " says " << number << ", not written by "
                << line.end.count() << " ms";
        }
    });
    EXPECT_GT(said, 200);
}

}  // namespace
