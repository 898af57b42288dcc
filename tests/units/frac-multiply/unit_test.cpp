// frac-multiply in the frame's shared screens: its window set, contents
// page, start-from dialogs, page select, end page and record and its answer
// bars.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/screens_seen.h"
#include "tests/support/mixed_number_bars_seen.h"
#include "units/frac-multiply/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::frac_multiply::unit;

// Page 2 has passed every problem, page 4 problems 2 and 11.
const std::string kRecordWithPasses = "6,11,0,1,1,1,1,1,1,0,1,0,0,0,0,0,0,0,0,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数    分数のかけ算",
    .contents_lines = {"(よく見よう!)  ☆ 分数かける分数 -------- 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆ 分数かける整数 -------- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          分数かける分数", 4},
              {"2ﾍﾟｰｼﾞ          練習1", 6, true},
              {"3ﾍﾟｰｼﾞ          分数かける整数", 3},
              {"4ﾍﾟｰｼﾞ          練習2", 11, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "6,11,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(FracMultiply, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{55, 8}},
                                  .passed_problems = {{2, {1, 2, 3, 4, 5, 6}}, {4, {2, 11}}}});
}

TEST(FracMultiply, StartsWithItsFiveBarsAndNoDrawingWindow) {
    Pupil pupil(unit);
    harness::expect_window_set(pupil, harness::kFractionBarsSeen, {"FORM2"});
}

TEST(FracMultiply, TheMixedNumberBarWantsAllThreeFieldsExactly) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "1", "3", "2", "", "", "", ""};
    pupil.type("EDIT16", "1").type("EDIT17", "3").type("EDIT18", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);
    pupil.type("EDIT18", "２");  // full-width digit
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);

    lesson.nav.current_page = 4;  // a proper fraction: field A stays empty
    lesson.keys = {"", "", "3", "2", "", "", "", ""};
    pupil.type("EDIT18", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
    pupil.type("EDIT16", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);

    lesson.keys = {"", "4", "", "", "", "", "", ""};  // a whole number
    pupil.type("EDIT16", "4").type("EDIT17", "").type("EDIT18", " ");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
    pupil.type("EDIT18", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);
}

}  // namespace
