// ratio-value's pages where a trace cannot show it: each explanation page
// opened at a later paragraph or at one it lacks, and each exercise problem
// judged against its own keys, not its neighbour's.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/ratio-value/pages.h"
#include "units/ratio-value/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using harness::TextSeen;

const frame::Unit& unit = units::ratio_value::unit;

struct LastParagraph {
    int page;
    std::string_view start;
    int current_paragraph;                // where the drawing stopped
    std::string_view end_mark;
    platform::PointF end_at;
    std::vector<TextSeen> texts;          // as they were last drawn
    std::vector<QPoint> cleared;          // pixels back in the background colour
};

const LastParagraph kLastParagraphs[] = {
    // "=左÷右" taken away, the slash of 126/72 erased on the blue box, the
    // value 1 3/4 left standing after its blink.
    {1, "4", 3, "1ページ終わり", {500, 340},
     {{"比の値=左÷右", {0, 210}, 7}, {"=左÷右", {48, 210}, 0}, {"/", {508, 180}, 1},
      {"= 1－", {540, 180}, 7}, {"= 7:4", {540, 140}, 7}, {"3", {568, 170}, 7}},
     {{430, 130}}},
    // The hand taken off after each example.
    {3, "2", 1, "3ページ終わり", {420, 320},
     {{"＝ 1 : 8", {134, 60}, 2}, {"＝ 11 : 5", {158, 160}, 2}, {"＝2─", {334, 200}, 2}},
     {{265, 130}, {320, 230}}},
};

TEST(ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    for (const LastParagraph& p : kLastParagraphs) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, p.page, p.start, p.end_mark, p.end_at);
        EXPECT_EQ(pupil.lesson().current_paragraph, p.current_paragraph);
        harness::expect_texts(pupil, p.texts);
        for (QPoint pixel : p.cleared) EXPECT_EQ(pupil.colour_at(pixel), 0) << pixel.x();
    }
}

// From paragraph 2 the first paragraph is drawn silently and the narration
// begins with the second; the last one plays on after the page end.
TEST(ExplanationPage1, FromParagraph2TheNarrationBeginsWithIt) {
    Pupil pupil(unit);
    const harness::SoundLog log = harness::open_from(pupil, 1, "2");
    EXPECT_EQ(log.narrations(),
              (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 36, 19, 20, 21, 22, 23, 24}));
    EXPECT_TRUE(log.opened_unclosed().empty());
    EXPECT_EQ(log.commands.back(), "play wave1");
    EXPECT_EQ(last_colour(pupil, "比    1 : 2", {6, 170}), 7);
}

TEST(ExplanationPage3, AParagraphThePageLacksIsRefusedAndNothingIsDrawn) {
    for (auto start : {"3", "0"}) harness::expect_start_refused(unit, 3, start);
}

// Every problem, answered with the keys of the problem beside it, keeps its
// place and gets its hint; a start number past the last problem is refused.
TEST(ExercisePages, EachProblemIsJudgedAgainstItsOwnKeys) {
    using units::ratio_value::page2;
    using units::ratio_value::page4;
    for (const frame::ExerciseSheet* sheet : {&page2, &page4}) {
        const int n = static_cast<int>(sheet->problems.size());
        for (int k = 1; k <= n; ++k) {
            SCOPED_TRACE("page " + std::to_string(sheet->page) + " problem " + std::to_string(k));
            Pupil pupil(unit);
            pupil.open(sheet->page, std::to_string(k));
            const auto& neighbour = sheet->problems[static_cast<std::size_t>(k == n ? k - 2 : k)];
            pupil.forget_texts();
            pupil.answer(std::span<const std::string_view>(neighbour.keys.data(), 5));
            EXPECT_FALSE(pupil.shows_text("天才!ごうかく!"));
            ASSERT_FALSE(pupil.texts().empty());
            EXPECT_EQ(pupil.texts().back().text.text.substr(0, 13), "そうかな?");
            const frame::Lesson& lesson = pupil.lesson();
            EXPECT_EQ(lesson.pass_flags.at(unit.exercise_index(sheet->page)).at(k - 1), 0);
        }
        Pupil pupil(unit);
        pupil.open(sheet->page, "8");
        ASSERT_FALSE(pupil.boxes().empty());
        EXPECT_EQ(pupil.boxes().back().text, "その番号はありません！");
    }
}

}  // namespace
