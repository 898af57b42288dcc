// expr-solve-2's own values in the frame's shared screens: the page-select
// range and the bars' OK rules page by page.
#include <gtest/gtest.h>

#include "tests/support/unit_tour.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& unit = units::expr_solve_2::unit;

TEST(Expr2Values, TheRecordOfARunWithoutPassesHasTheUnitsFiftyTwoBytes) {
    Pupil pupil(unit);
    EXPECT_EQ(harness::record_after_exit(pupil),
              "8,8,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
}

TEST(Expr2Values, TheThreeAnswerBarIsOrderFreeOnPage2AndInOrderOnPage6Only) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys = {"", "1", "2", "3", "4", "5", "6", ""};
    pupil.type("EDIT5", "6").type("EDIT6", "4").type("EDIT7", "5");
    lesson.nav.current_page = 2;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 22);
    pupil.type("EDIT5", "1").type("EDIT6", "3").type("EDIT7", "2");
    lesson.nav.current_page = 6;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 63);
    pupil.type("EDIT6", "2").type("EDIT7", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 62);
    lesson.nav.current_page = 4;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), frame::kIdle);
}

TEST(Expr2Values, TheChoiceBarTakesEitherKeyForTheChoice) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 6;
    lesson.keys = {"", "ア", "イ", "12", "", "", "", ""};
    pupil.type("EDIT3", "イ").type("EDIT4", "12");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 62);
    pupil.type("EDIT3", "ウ");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 63);
}

}  // namespace
