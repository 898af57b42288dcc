// symmetry in the frame's shared screens: its window set, contents page,
// start-from dialogs with two columns of problems, page select, end page,
// record and answer bars.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/screens_seen.h"
#include "units/symmetry/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::symmetry::unit;

// Page 2 has passed every problem, page 4 problems 10, 12 and 16.
const std::string kRecordWithPasses =
    "15,16,0,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0,1,0,1,0,0,0,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数   線対称と点対称",
    .contents_lines = {"(よく見よう!)  ☆ 線対称 ---------------- 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆ 点対称 ---------------- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          線対称", 5},
              {"2ﾍﾟｰｼﾞ          練習1", 15, true},
              {"3ﾍﾟｰｼﾞ          点対称", 2},
              {"4ﾍﾟｰｼﾞ          練習2", 16, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record =
        "15,16,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(Symmetry, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(
        unit, {.record = kRecordWithPasses,
               .contents_marks = {{55, 8}},
               .passed_problems = {{2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
                                   {4, {10, 12, 16}}}});
}

TEST(Symmetry, StartsWithItsTwoBarsAndPictures) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {144, 0, 56, 22}}, {"EDIT4", {312, 0, 56, 22}}, {"BUTTON3", {464, 0, 80, 22}}}}},
        {"FORM2", "FORM10", "FORM11"});
    EXPECT_EQ(pupil.windows().form("FORM3").position(), QPoint(0, 414));
    for (auto picture : {"\\PF.BMP", "\\MF.BMP", "\\pr.BMP", "\\mr.BMP", "\\ml.BMP", "上指.BMP"})
        EXPECT_TRUE(pupil.lesson().pictures.contains(picture)) << picture;
}

TEST(Symmetry, BothBarsShareTheFirstTypedAnswer) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys = {"", "2", "ない", "", "", "", "", ""};
    lesson.nav.current_page = 2;
    pupil.type("EDIT3", "2").type("EDIT4", "ない");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT4", "ない ");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT4", "ない");
    lesson.nav.current_page = 4;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
    pupil.type("EDIT2", "２");  // the single-answer bar writes the same first answer
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 43);
    pupil.type("EDIT2", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
}

}  // namespace
