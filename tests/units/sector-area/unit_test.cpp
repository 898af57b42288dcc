// sector-area in the frame's shared screens: its window set, contents page,
// start-from dialogs, page select, end page, record and answer bars.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/screens_seen.h"
#include "units/sector-area/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::sector_area::unit;

// Page 3 has passed problems 2 and 6, page 5 every problem.
const std::string kRecordWithPasses = "6,8,0,0,1,0,0,0,1,1,1,1,1,1,1,1,1\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数    発展･おうぎ形の面積",
    .contents_lines = {"(よく見よう!)  ☆ おうぎ形って何? ------- 1ページ",
                       "(よく見よう!)  ☆ おうぎ形の面積1 ------- 2ページ",
                       "(やってみよう!)★ 練習 1 ---------------- 3ページ",
                       "(よく見よう!)  ☆ おうぎ形の面積2 ------- 4ページ",
                       "(やってみよう!)★ 練習 2 ---------------- 5ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          おうぎ形って何?", 2},
              {"2ﾍﾟｰｼﾞ          おうぎ形の面積1", 3},
              {"3ﾍﾟｰｼﾞ          練習1", 6, true},
              {"4ﾍﾟｰｼﾞ          おうぎ形の面積2", 2},
              {"5ﾍﾟｰｼﾞ          練習2", 8, true}},
    .select_contents = "目次 ------------------ 0ページ",
    .end_keeps_page = 5,
    .fresh_record = "6,8,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(SectorArea, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kRecordWithPasses,
                                  .contents_marks = {{55, 11}},
                                  .passed_problems = {{3, {2, 6}}, {5, {1, 2, 3, 4, 5, 6, 7, 8}}}});
}

TEST(SectorArea, StartsWithItsThreeBarsAndPictures) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 72, 22}}, {"BUTTON2", {376, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {144, 0, 56, 22}}, {"EDIT4", {312, 0, 56, 22}}, {"BUTTON3", {464, 0, 80, 22}}}},
         {"FORM10", 641,
          {{"EDIT5", {144, 0, 56, 22}}, {"EDIT6", {232, 0, 56, 22}},
           {"EDIT7", {320, 0, 56, 22}}, {"BUTTON4", {464, 0, 80, 24}}}}},
        {"FORM2", "FORM11"});
    EXPECT_EQ(pupil.windows().form("FORM3").position(), QPoint(0, 414));
    for (auto picture : {"\\PF.BMP", "\\MF.BMP", "上指.BMP", "左指.BMP", "右指.BMP"})
        EXPECT_TRUE(pupil.lesson().pictures.contains(picture)) << picture;
}

TEST(SectorArea, TheSingleAnswerBarWantsTheKeyAsTyped) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys[1] = "28.26";
    lesson.nav.current_page = 3;
    pupil.type("EDIT2", "28.26");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 32);
    for (auto typed : {"28.260", " 28.26", "２８.２６", "28"}) {
        pupil.type("EDIT2", typed);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 33) << typed;
    }
    lesson.nav.current_page = 5;
    pupil.type("EDIT2", "28.26");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 52);
    pupil.type("EDIT5", "3");  // the three-answer bar's first field writes the same answer
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 53);
    pupil.type("EDIT3", "28.26");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 52);
}

TEST(SectorArea, TheUnshownBarsCompareEachAnswerWithItsKey) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 5;
    lesson.keys = {"", "1", "2", "3", "", "", "", ""};
    pupil.type("EDIT3", "1").type("EDIT4", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 52);
    pupil.type("EDIT5", "1").type("EDIT6", "2").type("EDIT7", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 52);
    pupil.type("EDIT6", "3").type("EDIT7", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 53);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 53);  // EDIT6 wrote answer 2 too
}

}  // namespace
