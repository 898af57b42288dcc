// expr-build in the frame's shared screens: its window set, contents page,
// start-from dialogs, page select, end page and record, the CP932 lengths of
// its texts, the start numbers of its two exercise pages and its answer
// bars' verdicts.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "tests/support/screens_seen.h"
#include "units/expr-build/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& unit = units::expr_build::unit;

// Page 2 has passed problems 2 and 12, page 4 every problem.
const std::string kRecordWithPasses =
    "12,10,0,0,1,0,0,0,0,0,0,0,0,0,1,1,1,1,1,1,1,1,1,1,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "5年生の算数   文字式をたてる",
    .contents_lines = {"(よく見よう!)  ☆ かわり方を式に表す ----------- 1ページ",
                       "(やってみよう!)★ 練習 1 ----------------------- 2ページ",
                       "(よく見よう!)  ☆   を使った式 ----------------- 3ページ",
                       "(やってみよう!)★ 練習 2 ----------------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          かわり方を式に表す", 2},
              {"2ﾍﾟｰｼﾞ          練習1", 12, true},
              {"3ﾍﾟｰｼﾞ          χを使った式", 2},
              {"4ﾍﾟｰｼﾞ          練習2", 10, true}},
    .select_contents = "目次 ------------------------- 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "12,10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(ExprBuildUnit, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{62, 10}},
                                  .passed_problems = {{2, {2, 12}},
                                                      {4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}}});
}

TEST(ExprBuildUnit, StartsWithItsFiveBarsAndNoDrawingWindow) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {96, 0, 32, 22}}, {"EDIT7", {352, 0, 32, 22}}, {"BUTTON3", {480, 0, 80, 22}}}},
         {"FORM10", 641,
          {{"EDIT8", {96, 0, 32, 22}}, {"EDIT13", {416, 0, 32, 22}},
           {"BUTTON4", {496, 0, 80, 22}}}},
         {"FORM11", 641,
          {{"EDIT14", {144, 0, 64, 22}}, {"EDIT15", {296, 0, 64, 22}},
           {"BUTTON5", {464, 0, 80, 22}}}},
         {"FORM12", 641,
          {{"EDIT16", {144, 0, 48, 22}}, {"EDIT17", {232, 0, 48, 22}},
           {"EDIT18", {320, 0, 48, 22}}, {"BUTTON6", {512, 0, 80, 22}}}}},
        {"FORM2"});
}

TEST(ExprBuildUnit, ItsPageSelectContentsLineKeepsItsCp932Length) {
    EXPECT_EQ(platform::to_cp932(unit.page_select_contents).size(), 38u);
}

TEST(ExprBuildUnit, Page4KeepsItsTypedStartNumberAsARealNumberApartFromPage2s) {
    Pupil pupil(unit);
    const auto& problems = pupil.lesson().current_problems;
    pupil.press(Nav::Where).type("EDIT1", "2").click("BUTTON1");
    pupil.type("EDIT1", "7.6");
    pupil.press(Nav::Where).type("EDIT1", "4").click("BUTTON1");
    pupil.type("EDIT1", "2.5");
    EXPECT_EQ(problems.at(0), 8.0);
    EXPECT_EQ(problems.at(1), 2.5);
    pupil.press(Nav::Where).type("EDIT1", "2").click("BUTTON1");
    pupil.type("EDIT1", "11.5");
    EXPECT_EQ(problems.at(0), 12.0);
    EXPECT_EQ(problems.at(1), 2.5);
}

TEST(ExprBuildUnit, TheSingleAnswerBarTakesTheKeyOrItsAlternative) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "3", "5", "", "", "", "", ""};
    for (auto right : {"3", "5"}) {
        pupil.type("EDIT2", right);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22) << right;
    }
    for (auto wrong : {"4", "35", "３", ""}) {
        pupil.type("EDIT2", wrong);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23) << "'" << wrong << "'";
    }
    lesson.nav.current_page = 4;
    lesson.keys = {"", "2", "2", "", "", "", "", ""};
    pupil.type("EDIT2", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
    pupil.type("EDIT2", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 43);
}

TEST(ExprBuildUnit, TheTableBarWantsItsThreeCellsInOrderAndSharesSlot1) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "24", "32", "40", "", "", "", ""};
    pupil.type("EDIT16", "24").type("EDIT17", "32").type("EDIT18", "40");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);
    pupil.type("EDIT16", "32").type("EDIT17", "24");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);
    pupil.type("EDIT2", "24");  // the single-answer field fills the same first slot
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);
    pupil.type("EDIT17", "32");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);
    lesson.keys[3] = "";
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);
    pupil.type("EDIT18", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);

    lesson.keys = {"", "7", "9", "", "", "", "", ""};
    pupil.type("EDIT14", "7").type("EDIT15", "9");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 22);
    pupil.type("EDIT16", "9");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 23);
}

}  // namespace
