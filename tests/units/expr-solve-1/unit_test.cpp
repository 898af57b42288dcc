// expr-solve-1 in the frame's shared screens: its window set with the hidden
// drawing window, contents page, start-from dialogs, page select, end page
// and record and its answer bars' verdicts.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/screens_seen.h"
#include "units/expr-solve-1/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::expr_solve_1::unit;

// Page 3 has passed problems 2 and 6, page 4 every problem.
const std::string kRecordWithPasses = "6,6,0,0,1,0,0,0,1,1,1,1,1,1,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数   文字式をとく 1",
    .contents_lines = {"(よく見よう!)  ☆   を求める 1 ---------- 1ページ",
                       "(よく見よう!)  ☆   を求める 2 ---------- 2ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          χを求める 1", 2},
              {"2ﾍﾟｰｼﾞ          χを求める 2", 5},
              {"3ﾍﾟｰｼﾞ          練習1", 6, true},
              {"4ﾍﾟｰｼﾞ          練習2", 6, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "6,6,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(Expr1Unit, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{55, 10}},
                                  .passed_problems = {{3, {2, 6}}, {4, {1, 2, 3, 4, 5, 6}}}});
}

TEST(Expr1Unit, StartsWithItsTwoBarsAHiddenClearedDrawingWindowAndOneBitmapObject) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 642, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 642,
          {{"EDIT3", {144, 0, 56, 22}}, {"EDIT4", {312, 0, 56, 22}},
           {"BUTTON3", {464, 0, 80, 22}}}}},
        {"FORM10", "FORM11", "FORM12"});
    auto& windows = pupil.windows();
    ASSERT_TRUE(windows.has_form("FORM2"));
    EXPECT_FALSE(windows.form("FORM2").is_visible());
    EXPECT_EQ(windows.form("FORM2").client_size(), QSize(640, 440));
    for (QPoint pixel : {QPoint{0, 0}, QPoint{320, 220}, QPoint{639, 439}})
        EXPECT_EQ(pupil.colour_at("FORM2", pixel), 0) << pixel.x() << "," << pixel.y();
    EXPECT_EQ(pupil.lesson().bitmap_objects.size(), 1u);  // the balance picture's transfer picture
}

TEST(Expr1Unit, TheSingleAnswerBarJudgesTheTypedTextOnBothExercisePages) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys = {"", "8", "", "", "", "", "", ""};
    lesson.nav.current_page = 3;
    pupil.type("EDIT2", "8");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 32);
    for (auto wrong : {"8 ", "８", "08", ""}) {
        pupil.type("EDIT2", wrong);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 33) << "'" << wrong << "'";
    }
    lesson.nav.current_page = 4;
    lesson.keys[1] = "";
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);  // the field was emptied
    pupil.type("EDIT2", "5");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 43);
}

TEST(Expr1Unit, TheTwoAnswerBarTakesEitherChoiceAndItsAnswer) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 3;
    lesson.keys = {"", "1", "2", "64", "", "", "", ""};
    pupil.type("EDIT3", "2").type("EDIT4", "64");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 32);
    pupil.type("EDIT3", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 32);
    pupil.type("EDIT3", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 33);
    pupil.type("EDIT3", "1").type("EDIT4", "46");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 33);
}

}  // namespace
