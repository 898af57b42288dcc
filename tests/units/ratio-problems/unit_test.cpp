// ratio-problems in the frame's shared screens: its window set with five
// answer bars, contents page, start-from dialogs, page select, end page,
// record and the bars' judging.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/screens_seen.h"
#include "units/ratio-problems/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::ratio_problems::unit;

// Page 4 passed whole, problems 1 and 8 of page 2 passed.
const std::string kPassedRecord = "8,8,0,1,0,0,0,0,0,0,1,1,1,1,1,1,1,1,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数    比を使った問題",
    .contents_lines = {"(よく見よう!)  ☆ 分数の比 -------------- 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆ 比を使った問題 -------- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          分数の比", 3},
              {"2ﾍﾟｰｼﾞ          練習1", 8, true},
              {"3ﾍﾟｰｼﾞ          比を使った問題", 3},
              {"4ﾍﾟｰｼﾞ          練習2", 8, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "8,8,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(RatioProblems, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kPassedRecord,
                                  .contents_marks = {{55, 10}},
                                  .passed_problems = {{2, {1, 8}}, {4, {1, 2, 3, 4, 5, 6, 7, 8}}}});
}

TEST(RatioProblems, StartsWithFiveHiddenBars) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {96, 0, 32, 22}}, {"EDIT7", {352, 0, 32, 22}}, {"BUTTON3", {480, 0, 80, 22}}}},
         {"FORM10", 641,
          {{"EDIT8", {96, 0, 32, 22}}, {"EDIT13", {416, 0, 32, 22}}, {"BUTTON4", {496, 0, 80, 22}}}},
         {"FORM11", 641,
          {{"EDIT14", {144, 0, 64, 22}}, {"EDIT15", {336, 0, 64, 22}},
           {"BUTTON5", {464, 0, 80, 22}}}},
         {"FORM12", 641,
          {{"EDIT16", {120, 0, 40, 22}}, {"EDIT17", {264, 0, 40, 22}},
           {"EDIT18", {416, 0, 40, 22}}, {"BUTTON6", {512, 0, 80, 22}}}}},
        {"FORM2"});
}

TEST(RatioProblems, TheSixAnswerBarTakesEachPairInTheKeysOrder) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "3", "4", "1", "6", "2", "5", ""};
    const char* const fields[] = {"EDIT8", "EDIT9", "EDIT10", "EDIT11", "EDIT12", "EDIT13"};
    const char* const typed[] = {"3", "4", "1", "6", "2", "5"};
    for (int i = 0; i < 6; ++i) pupil.type(fields[i], typed[i]);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 22);
    pupil.type("EDIT8", "4").type("EDIT9", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 23);
    pupil.type("EDIT8", "3").type("EDIT9", "4").type("EDIT13", "５");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 23);
}

TEST(RatioProblems, EachBarJudgesTheSlotsItsFieldsShare) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 4;

    lesson.keys[1] = "3.1";
    pupil.type("EDIT2", "3.1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
    pupil.type("EDIT2", "3.10");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 43);

    lesson.keys[1] = "30800";
    lesson.keys[2] = "17600";
    pupil.type("EDIT14", "30800").type("EDIT15", "17600");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 42);
    pupil.type("EDIT15", "17600 ");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 43);

    lesson.keys[1] = "4";
    lesson.keys[2] = "5";
    lesson.keys[3] = "180";
    pupil.type("EDIT16", "4").type("EDIT17", "5").type("EDIT18", "180");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);
    pupil.type("EDIT2", "5");  // the single-answer field keeps the same first slot
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
    pupil.type("EDIT3", "4");  // so does the five-answer bar's first field
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);

    for (auto field : {"EDIT16", "EDIT17", "EDIT18"}) pupil.type(field, "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
}

TEST(RatioProblems, TheFiveAnswerBarWantsAnEmptyFieldForAnEmptyKey) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "3", "1", "3", "", "", "", ""};  // 1/2 : 1/6
    pupil.type("EDIT3", "3").type("EDIT4", "1").type("EDIT5", "3").type("EDIT6", "6").type("EDIT7", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT6", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT11", "1");  // the six-answer bar's fourth field fills the same slot
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
}

}  // namespace
