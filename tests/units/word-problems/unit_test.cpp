// word-problems in the frame's shared screens: its window set, contents
// page, start-from dialogs, page select, end page, record and the
// three-answer bar of mixed numbers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/screens_seen.h"
#include "units/word-problems/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::word_problems::unit;

// Page 2 has passed every problem, page 4 problems 1 and 7.
const std::string kRecordWithPasses = "7,7,0,1,1,1,1,1,1,1,1,0,0,0,0,0,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数    文章問題攻略法",
    .contents_lines = {"(よく見よう!)  ☆ 2年生の問題に直そう --- 1ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                       "(よく見よう!)  ☆ 3年生の問題に直そう --- 3ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ        2年生の問題に直そう", 2},
              {"2ﾍﾟｰｼﾞ          練習1", 7, true},
              {"3ﾍﾟｰｼﾞ        3年生の問題に直そう", 2},
              {"4ﾍﾟｰｼﾞ          練習2", 7, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "7,7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(WordProblems, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{55, 8}},
                                  .passed_problems = {{2, {1, 2, 3, 4, 5, 6, 7}}, {4, {1, 7}}}});
}

TEST(WordProblems, StartsWithItsTwoBarsAndPictures) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {144, 0, 56, 22}}, {"EDIT4", {232, 0, 56, 22}},
           {"EDIT5", {320, 0, 56, 22}}, {"BUTTON3", {440, 0, 80, 22}}}}},
        {"FORM2", "FORM10", "FORM11"});
    for (auto picture : {"\\PF.BMP", "\\MF.BMP", "\\pr.BMP", "\\mr.BMP", "上指.BMP", "下指.BMP",
                         "天秤1.BMP", "天秤2.BMP", "天秤3.BMP"})
        EXPECT_TRUE(pupil.lesson().pictures.contains(picture)) << picture;
}

TEST(WordProblems, AMixedNumberNeedsAllThreePartsAsTyped) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "", "5", "3", "", "", "", ""};  // a proper fraction: A stays empty
    pupil.type("EDIT3", "0").type("EDIT4", "5").type("EDIT5", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT3", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT5", "３");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT5", "3");
    pupil.type("EDIT2", "1");  // the single-answer bar writes answer A too
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);

    lesson.nav.current_page = 4;
    lesson.keys = {"", "1", "", "", "", "", "", ""};
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);  // B and C must be empty
    pupil.type("EDIT4", "").type("EDIT5", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
}

}  // namespace
