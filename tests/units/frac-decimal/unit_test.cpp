// frac-decimal in the frame's shared screens: its window set, contents page,
// start-from dialogs, page select, end page, record and the answer bars that
// share answer A.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/screens_seen.h"
#include "units/frac-decimal/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::frac_decimal::unit;

// Page 2 has passed every problem, page 4 problems 3 and 8.
const std::string kRecordWithPasses = "9,8,0,1,1,1,1,1,1,1,1,1,0,0,1,0,0,0,0,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数    分数や小数の計算",
    .contents_lines = {"(よく見よう!)  ☆ 分数の計算 ------------ 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆ 分数や小数の計算 ------ 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          分数の計算", 3},
              {"2ﾍﾟｰｼﾞ          練習1", 9, true},
              {"3ﾍﾟｰｼﾞ          分数や小数の計算", 3},
              {"4ﾍﾟｰｼﾞ          練習2", 8, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "9,8,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(FracDecimal, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{55, 8}},
                                  .passed_problems = {{2, {1, 2, 3, 4, 5, 6, 7, 8, 9}}, {4, {3, 8}}}});
}

TEST(FracDecimal, StartsWithItsTwoBars) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {144, 0, 56, 22}}, {"EDIT4", {232, 0, 56, 22}},
           {"EDIT5", {320, 0, 56, 22}}, {"BUTTON3", {440, 0, 80, 22}}}}},
        {"FORM2", "FORM10", "FORM11", "FORM12"});
}

TEST(FracDecimal, TheThreeFieldBarWantsTheAnswerInLowestTerms) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 4;
    lesson.keys = {"", "2", "5", "3", "", "", "", ""};
    pupil.type("EDIT3", "2").type("EDIT4", "5").type("EDIT5", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
    pupil.type("EDIT4", "10").type("EDIT5", "6");  // the same number, not reduced
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);

    lesson.nav.current_page = 2;  // a proper fraction: field A stays empty
    lesson.keys = {"", "", "5", "3", "", "", "", ""};
    pupil.type("EDIT4", "5").type("EDIT5", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT3", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
}

TEST(FracDecimal, TheSingleFieldAndTheFirstOfThreeFeedTheSameAnswer) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "7", "", "", "", "", "", ""};
    pupil.type("EDIT2", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);  // A from EDIT2, B and C empty
    pupil.type("EDIT3", "6");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23);
    pupil.type("EDIT2", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
}

}  // namespace
