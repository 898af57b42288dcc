// ratio-value in the frame's shared screens: its window set, contents page,
// start-from dialogs, page select, end page, record and the two answer bars'
// judging.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/screens_seen.h"
#include "units/ratio-value/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::ratio_value::unit;

// Page 2 passed whole, problem 2 of page 4 passed.
const std::string kPassedRecord = "7,7,0,1,1,1,1,1,1,1,0,1,0,0,0,0,0\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数   比と比の値",
    .contents_lines = {"(よく見よう!)  ☆ 比と比の値 ------------ 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆ 小数の比 -------------- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          比と比の値", 4},
              {"2ﾍﾟｰｼﾞ          練習1", 7, true},
              {"3ﾍﾟｰｼﾞ          小数の比", 2},
              {"4ﾍﾟｰｼﾞ          練習2", 7, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "7,7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(RatioValue, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kPassedRecord,
                                  .contents_marks = {{55, 8}},
                                  .passed_problems = {{2, {1, 2, 3, 4, 5, 6, 7}}, {4, {2}}}});
}

TEST(RatioValue, StartsWithItsSingleAndFiveAnswerBars) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {96, 0, 32, 22}}, {"EDIT4", {160, 0, 32, 22}}, {"EDIT5", {224, 0, 32, 22}},
           {"EDIT6", {288, 0, 32, 22}}, {"EDIT7", {352, 0, 32, 22}},
           {"BUTTON3", {480, 0, 80, 22}}}}},
        {"FORM2", "FORM10", "FORM11", "FORM12"});
}

TEST(RatioValue, TheFiveAnswerBarTakesTheRatioAndItsValueExactly) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "3", "2", "1", "2", "1", "", ""};  // 36 : 24
    pupil.type("EDIT3", "3").type("EDIT4", "2").type("EDIT5", "1").type("EDIT6", "2").type("EDIT7", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT5", "").type("EDIT7", "3");  // the improper fraction
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);

    lesson.nav.current_page = 4;
    lesson.keys = {"", "7", "13", "", "13", "7", "", ""};  // 0.7 : 1.3
    pupil.type("EDIT3", "7").type("EDIT4", "13").type("EDIT5", "0").type("EDIT6", "13").type("EDIT7", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
    pupil.type("EDIT5", "");  // a proper fraction leaves C empty
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
    for (auto typed : {"１３", "13 ", " 13"}) {
        pupil.type("EDIT4", typed);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43) << typed;
    }

    lesson.keys = {"", "5", "1", "5", "", "", "", ""};  // 0.6 : 0.12, a whole-number value
    pupil.type("EDIT3", "5").type("EDIT4", "1").type("EDIT5", "5").type("EDIT6", "1").type("EDIT7", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
    pupil.type("EDIT6", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);

    for (auto field : {"EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"}) pupil.type(field, "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
}

// The single-answer bar keeps its text where answer D is kept, so it and
// the five-answer bar's D field overwrite each other; its OK judges that
// text against key A.
TEST(RatioValue, TheSingleAnswerBarSharesAnswerDAndJudgesItAgainstKeyA) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "1", "3", "", "3", "1", "", ""};  // 3 : 9
    pupil.type("EDIT2", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
    pupil.type("EDIT2", "3");  // key D, not key A
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23);
    pupil.type("EDIT6", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);

    pupil.type("EDIT3", "1").type("EDIT4", "3").type("EDIT5", "").type("EDIT6", "3").type("EDIT7", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT2", "3 ");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
}

}  // namespace
