// Explanation page 5 as a pupil meets it from each start paragraph.
#include <gtest/gtest.h>

#include "tests/support/explanation_session.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using harness::SoundLog;
using Heard = std::vector<int>;

const frame::Unit& unit = units::expr_solve_2::unit;

TEST(ExplanationPage5, FromParagraph2TheWholePageAppearsSilently) {
    Pupil pupil(unit);
    harness::expect_drawn_at_once(pupil, 5, "2", "5ページ終わり", {350, 370});
    EXPECT_EQ(pupil.lesson().current_paragraph, 1);
    // The two moves done: 470 － 150 turned into 320, ÷ 4 settled, the answer.
    EXPECT_EQ(last_colour(pupil, "470", {237, 247}), 0);
    EXPECT_EQ(last_colour(pupil, "320", {237, 247}), 7);
    EXPECT_EQ(last_colour(pupil, "× 4", {165, 297}), 0);
    EXPECT_EQ(last_colour(pupil, "÷ 4", {273, 297}), 7);
    EXPECT_EQ(last_colour(pupil, "= 80", {221, 347}), 7);
    EXPECT_EQ(last_colour(pupil, "答え  80円", {300, 347}), 6);
    EXPECT_EQ(pupil.colour_at({90, 130}), 0);  // the second pointing hand is gone
}

TEST(ExplanationPage5, FromTheStartTheNarrationsPlayInTurnAndTheLastIsClosed) {
    Pupil pupil(unit);
    const SoundLog log = harness::open_from(pupil, 5, "1");
    EXPECT_EQ(log.narrations(), (Heard{28, 29, 30, 31, 32, 33, 35, 2, 18, 36, 37, 38}));
    EXPECT_EQ(log.opened_unclosed(), (Heard{28, 29}));
    EXPECT_EQ(log.played_to_end(), (Heard{28, 30}));
    ASSERT_FALSE(log.commands.empty());
    EXPECT_EQ(log.commands.back(), "close wave1");
}

TEST(ExplanationPage5, RefusesAStartParagraphItLacks) {
    for (auto start : {"0", "3"}) harness::expect_start_refused(unit, 5, start);
}

}  // namespace
