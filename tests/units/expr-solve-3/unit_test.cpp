// expr-solve-3 in the frame's shared screens: its window set without a
// drawing window, contents page, start-from dialogs, page select, end page
// and record, the CP932 lengths of its texts and its answer bars' verdicts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "tests/support/screens_seen.h"
#include "units/expr-solve-3/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::expr_solve_3::unit;

// Page 2 has passed every problem, page 4 problem 10.
const std::string kRecordWithPasses = "10,10,0,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数   文字式をとく 3",
    .contents_lines = {"(よく見よう!)  ☆ かけ算と足し算の文字式 --- 1ページ",
                       "(やってみよう!)★ 練習 1 ------------------- 2ページ",
                       "(よく見よう!)  ☆ わり算と引き算の文字式 --- 3ページ",
                       "(やってみよう!)★ 練習 2 ------------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ       かけ算と足し算の文字式", 6},
              {"2ﾍﾟｰｼﾞ          練習1", 10, true},
              {"3ﾍﾟｰｼﾞ       わり算と引き算の文字式", 4},
              {"4ﾍﾟｰｼﾞ          練習2", 10, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "10,10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(Expr3Unit, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{58, 8}},
                                  .passed_problems = {{2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                                      {4, {10}}}});
}

TEST(Expr3Unit, StartsWithItsFiveBarsAndNoDrawingWindow) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 642, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 642,
          {{"EDIT3", {96, 0, 32, 22}}, {"EDIT7", {352, 0, 32, 22}}, {"BUTTON3", {480, 0, 80, 22}}}},
         {"FORM10", 642,
          {{"EDIT8", {96, 0, 32, 22}}, {"EDIT13", {416, 0, 32, 22}},
           {"BUTTON4", {496, 0, 80, 22}}}},
         {"FORM11", 642,
          {{"EDIT14", {144, 0, 64, 22}}, {"EDIT15", {296, 0, 64, 22}},
           {"BUTTON5", {464, 0, 80, 22}}}},
         {"FORM12", 642,
          {{"EDIT16", {144, 0, 48, 22}}, {"EDIT17", {232, 0, 48, 22}},
           {"EDIT18", {320, 0, 48, 22}}, {"BUTTON6", {512, 0, 80, 22}}}}},
        {"FORM2"});
}

// Its long title stands after fewer blanks, so that the dialog's title line
// keeps its length.
TEST(Expr3Unit, ItsFirstDialogTitleKeepsItsCp932Length) {
    Pupil pupil(unit);
    const std::vector<std::string> texts = harness::dialog_texts(pupil, 1);
    const auto title = std::ranges::find_if(
        texts, [](const std::string& text) { return text.starts_with("1ﾍﾟｰｼﾞ"); });
    ASSERT_NE(title, texts.end());
    EXPECT_EQ(platform::to_cp932(*title).size(), 35u);
}

TEST(Expr3Unit, TheSingleAnswerBarJudgesOnlyOnTheTwoExercisePages) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys = {"", "χ=12", "", "", "", "", "", ""};
    pupil.type("EDIT2", "χ=12");
    lesson.nav.current_page = 2;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
    lesson.nav.current_page = 4;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
    for (int page : {0, 1, 3}) {
        lesson.nav.current_page = page;
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), frame::kIdle) << page;
    }
    lesson.nav.current_page = 2;
    for (auto wrong : {"χ＝12", "12", "χ=12 "}) {
        pupil.type("EDIT2", wrong);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23) << wrong;
    }
    lesson.keys[1] = "";
    pupil.type("EDIT2", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
}

TEST(Expr3Unit, TheTwoAndThreeAnswerBarsShareTheirSlotsAndWantEveryKeyInOrder) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 4;
    lesson.keys = {"", "3", "5", "", "", "", "", ""};
    pupil.type("EDIT14", "3").type("EDIT15", "5");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 42);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);  // slot 3 and key 3 both empty
    pupil.type("EDIT14", "5").type("EDIT15", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 43);
    pupil.type("EDIT16", "3").type("EDIT17", "5").type("EDIT18", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
    lesson.keys[3] = "7";
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 42);  // EDIT16 and EDIT17 typed last
    pupil.type("EDIT3", "9").type("EDIT8", "9");  // fields that feed no slot
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);
}

}  // namespace
