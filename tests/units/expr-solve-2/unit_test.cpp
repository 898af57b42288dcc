// expr-solve-2 in the frame's shared screens: its contents page, start-from
// dialogs, page select, end page and record, and the bars' OK rules page by
// page.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/screens_seen.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::expr_solve_2::unit;

// Page 2 has passed problem 3, page 4 every problem, page 6 problems 2 and 6.
const std::string kRecordWithPasses =
    "8,8,6,0,0,1,0,0,0,0,0,1,1,1,1,1,1,1,1\r\n0,1,0,0,0,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数   文字式をとく 2",
    .contents_lines = {"(よく見よう!)  ☆   を求める 3 ---------- 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆   を求める 4 ---------- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ",
                       "(よく見よう!)  ☆   を求める 5 ---------- 5ページ",
                       "(やってみよう!)★ 練習 3 ---------------- 6ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          χを求める 3", 3},
              {"2ﾍﾟｰｼﾞ          練習1", 8, true},
              {"3ﾍﾟｰｼﾞ          χを求める 4", 4},
              {"4ﾍﾟｰｼﾞ          練習2", 8, true},
              {"5ﾍﾟｰｼﾞ          χを求める 5", 2},
              {"6ﾍﾟｰｼﾞ          練習3", 6, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 6,
    .fresh_record = "8,8,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n",
};

TEST(Expr2Unit, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{55, 10}},
                                  .passed_problems = {{2, {3}}, {4, {1, 2, 3, 4, 5, 6, 7, 8}},
                                                      {6, {2, 6}}}});
}

TEST(Expr2Unit, TheThreeAnswerBarIsOrderFreeOnPage2AndInOrderOnPage6Only) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys = {"", "1", "2", "3", "4", "5", "6", ""};
    pupil.type("EDIT5", "6").type("EDIT6", "4").type("EDIT7", "5");
    lesson.nav.current_page = 2;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 22);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 22);  // again: the fields are judged, not the sorted slots
    pupil.type("EDIT5", "1").type("EDIT6", "3").type("EDIT7", "2");
    lesson.nav.current_page = 6;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 63);
    pupil.type("EDIT6", "2").type("EDIT7", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 62);
    lesson.nav.current_page = 4;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), frame::kIdle);
}

TEST(Expr2Unit, TheChoiceBarTakesEitherKeyForTheChoice) {
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
