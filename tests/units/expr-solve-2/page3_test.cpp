// Explanation page 3 as a pupil meets it from each start paragraph.
#include <gtest/gtest.h>

#include "tests/support/explanation_session.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using harness::SoundLog;
using Heard = std::vector<int>;

const frame::Unit& unit = units::expr_solve_2::unit;

TEST(ExplanationPage3, FromItsLastParagraphTheWholePageAppearsSilently) {
    Pupil pupil(unit);
    harness::expect_drawn_at_once(pupil, 3, "4", "3ページ終わり", {510, 440});
    EXPECT_EQ(pupil.lesson().current_paragraph, 3);
    // The terms settled on the right, the right side worked out, the results.
    EXPECT_EQ(last_colour(pupil, "－ 27", {267, 190}), 7);
    EXPECT_EQ(last_colour(pupil, "145", {231, 240}), 0);
    EXPECT_EQ(last_colour(pupil, "－ 27", {267, 240}), 0);
    EXPECT_EQ(last_colour(pupil, "118", {231, 240}), 7);
    EXPECT_EQ(last_colour(pupil, "× 8", {267, 290}), 7);
    EXPECT_EQ(last_colour(pupil, "÷ 6", {552, 290}), 7);
    EXPECT_EQ(last_colour(pupil, "＝  944", {204, 340}), 7);
    EXPECT_EQ(last_colour(pupil, "＝  73", {489, 340}), 7);
    // The summary: four red arrows down the steps of (2) and the rule.
    for (float y : {170, 220, 270, 320}) EXPECT_EQ(last_colour(pupil, "↓", {480, y}), 2) << y;
    EXPECT_EQ(last_colour(pupil, "どんどん数字を反対がわへ持って行くんだよ!", {80, 390}), 2);
}

TEST(ExplanationPage3, FromTheStartEveryNarrationIsHeardInItsTurn) {
    Pupil pupil(unit);
    const SoundLog log = harness::open_from(pupil, 3, "1");
    EXPECT_EQ(log.narrations(),
              (Heard{16, 17, 2, 18, 19, 20, 21, 22, 5, 6, 7, 25, 26, 27, 39, 39, 39, 40}));
    EXPECT_EQ(log.opened_unclosed(), (Heard{16, 21}));  // 21 follows the blocking 20
    EXPECT_EQ(log.played_to_end(), Heard{20});
    EXPECT_EQ(log.commands.back(), "close wave1");
}

TEST(ExplanationPage3, LaterStartParagraphsSkipTheEarlierNarrations) {
    Pupil from2(unit);
    const SoundLog log2 = harness::open_from(from2, 3, "2");
    EXPECT_EQ(log2.narrations(), (Heard{5, 6, 7, 25, 26, 27, 39, 39, 39, 40}));
    EXPECT_TRUE(log2.played_to_end().empty());  // narration 20 belongs to equation (1)
    EXPECT_EQ(last_colour(from2, "＝  944", {204, 340}), 7);

    Pupil from3(unit);
    const SoundLog log3 = harness::open_from(from3, 3, "3");
    EXPECT_EQ(log3.narrations(), (Heard{39, 39, 39, 40}));
    EXPECT_EQ(log3.opened_unclosed(), Heard{39});  // the later two 39s start afresh
    EXPECT_EQ(last_colour(from3, "＝  73", {489, 340}), 7);
    EXPECT_EQ(last_colour(from3, "3ページ終わり", {510, 440}), 1);
}

TEST(ExplanationPage3, RefusesAStartParagraphItLacks) {
    for (auto start : {"0", "5"}) harness::expect_start_refused(unit, 3, start);
}

}  // namespace
