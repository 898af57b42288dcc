// Explanation page 1 as a pupil meets it from each start paragraph.
#include <gtest/gtest.h>

#include "tests/support/explanation_session.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using harness::SoundLog;
using Heard = std::vector<int>;

const frame::Unit& unit = units::expr_solve_2::unit;

TEST(ExplanationPage1, FromItsLastParagraphTheWholePageAppearsSilently) {
    Pupil pupil(unit);
    harness::expect_drawn_at_once(pupil, 1, "3", "1ページ終わり", {380, 390});
    EXPECT_EQ(pupil.lesson().current_paragraph, 2);
    // Both equations solved, the moved terms where they settled.
    EXPECT_EQ(last_colour(pupil, "＝   76", {204, 240}), 7);
    EXPECT_EQ(last_colour(pupil, "＝   166", {489, 240}), 7);
    EXPECT_EQ(last_colour(pupil, "－ 83", {267, 190}), 7);
    // The replay is undone: the terms stand in the equations' row again.
    EXPECT_EQ(last_colour(pupil, "－ 83", {267, 140}), 0);
    EXPECT_EQ(last_colour(pupil, "＋ 83", {151, 140}), 7);
    EXPECT_EQ(pupil.colour_at({85, 125}), 0);  // the pointing hand is gone
}

TEST(ExplanationPage1, FromParagraph2TheFirstEquationIsSolvedAndNarration5Opens) {
    Pupil pupil(unit);
    const SoundLog log = harness::open_from(pupil, 1, "2");
    EXPECT_EQ(log.narrations(), (Heard{5, 6, 7, 8, 10, 11, 12}));
    ASSERT_GE(log.commands.size(), 3u);
    EXPECT_EQ(log.commands[0], "close wave1");
    EXPECT_EQ(log.commands[1], "open SOUND5.WAV alias wave1");
    EXPECT_EQ(log.commands[2], "play wave1");
    EXPECT_EQ(log.played_to_end(), Heard{12});
    EXPECT_EQ(last_colour(pupil, "＝   76", {204, 240}), 7);
    EXPECT_EQ(last_colour(pupil, "1ページ終わり", {380, 390}), 1);
}

TEST(ExplanationPage1, FromTheStartEveryNarrationButTheFirstClosesTheLastOne) {
    Pupil pupil(unit);
    const SoundLog log = harness::open_from(pupil, 1, "1");
    EXPECT_EQ(log.narrations(), (Heard{1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}));
    EXPECT_EQ(log.opened_unclosed(), Heard{1});
    EXPECT_EQ(log.played_to_end(), Heard{12});
}

TEST(ExplanationPage1, RefusesAStartParagraphItLacks) {
    for (auto start : {"0", "4"}) harness::expect_start_refused(unit, 1, start);
}

}  // namespace
