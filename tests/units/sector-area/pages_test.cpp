// sector-area's pages where a trace cannot show it: the explanation pages
// opened at later paragraphs, page 2's slide, and the two roundings of page
// 5's problem 5.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/sector-area/unit.h"

namespace {

using harness::cell_colour;
using harness::last_colour;
using harness::Pupil;

const frame::Unit& unit = units::sector_area::unit;

TEST(ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    struct LastParagraph {
        int page;
        std::string_view start;
        std::string_view end_mark;
        platform::PointF end_at;
        std::string_view result;  // the last result written, in white
        platform::PointF result_at;
    };
    const LastParagraph pages[] = {
        {1, "2", "1ページ終わり", {400, 380}, "おうぎ形と言うのは円の一部のことなんだね!", {10, 380}},
        {2, "3", "2ページ終わり", {400, 370}, "  答え 21.42cm", {400, 320}},
        {4, "2", "4ページ終わり", {400, 350}, " 答え 301.44c㎡", {400, 260}}};
    for (const LastParagraph& p : pages) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, p.page, p.start, p.end_mark, p.end_at);
        EXPECT_NE(last_colour(pupil, p.result, p.result_at), -1);
    }
}

// From paragraph 2, page 2 slides its quarter at once and silently, then
// tells the length round the sector with its own narrations only.
TEST(ExplanationPage2, FromParagraph2OnlyTheBoundaryIsNarrated) {
    Pupil pupil(unit);
    const harness::SoundLog log = harness::open_from(pupil, 2, "2");
    EXPECT_EQ(log.narrations(), (std::vector<int>{28, 29, 30, 31, 32, 33, 36, 34}));
    EXPECT_TRUE(log.opened_unclosed().empty());
    EXPECT_EQ(last_colour(pupil, "90ﾟ", {289, 160}), 7);  // the quarter ends beside the circle
    EXPECT_EQ(last_colour(pupil, "2ページ終わり", {400, 370}), 1);
}

// Each step of page 2's slide erases the quarter with its pie, angle mark
// and all: no white dot of the marks stays on the row of their left ends.
TEST(ExplanationPage2, TheSlidingQuarterLeavesNoTrail) {
    Pupil pupil(unit);
    harness::open_from(pupil, 2, "2");
    for (int x = 156; x <= 286; x += 5) {
        if (x > 166 && x < 246) continue;  // under the quarters, where white radii stand
        EXPECT_NE(pupil.colour_at({x, 173}), 7) << x;
    }
}

// 81 − 63.585 = 17.415: rounded half up it is 17.42, with the quarter circle
// rounded first 17.41; both are right.  Only problem 5 has two keys.
TEST(ExercisePage5, TakesEitherRoundingOfTheSquareLessQuarterCircle) {
    struct Case {
        std::string_view problem;
        std::string_view typed;
        bool right;
    };
    const Case cases[] = {{"5", "17.42", true}, {"5", "17.41", true}, {"5", "17.415", false},
                          {"5", "", false},     {"4", "", false},     {"4", "17.42", false},
                          {"4", "28.26", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.problem) + ": \"" + std::string(c.typed) + "\"");
        Pupil pupil(unit);
        pupil.open(5, c.problem);
        pupil.forget_texts();
        pupil.answer({c.typed});
        EXPECT_EQ(cell_colour(pupil, "天才!ごうかく!", 28, 22) == 2, c.right);
    }
}

}  // namespace
