// circle-area in the frame's shared screens: its window set, contents page,
// start-from dialogs, page select, end page and record; then its answer bars
// and the pointing hands start-up reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/screens_seen.h"
#include "units/circle-area/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::circle_area::unit;

// Page 3 passed whole, problem 3 of page 4 passed.
const std::string kPassedRecord = "4,4,0,1,1,1,1,0,0,1,0\r\n";

const harness::ScreensSeen kScreens{
    .title = "6年生の算数    円の面積",
    .contents_lines = {"(よく見よう!)  ☆ 円の面積1 -------------- 1ページ",
                       "(よく見よう!)  ☆ 円の面積2 -------------- 2ページ",
                       "(やってみよう!)★ 練習 1 ----------------- 3ページ",
                       "(やってみよう!)★ 練習 2 ----------------- 4ページ"},
    .pages = {{"1ﾍﾟｰｼﾞ          円の面積1", 2},
              {"2ﾍﾟｰｼﾞ          円の面積2", 2},
              {"3ﾍﾟｰｼﾞ          練習1", 4, true},
              {"4ﾍﾟｰｼﾞ          練習2", 4, true}},
    .select_contents = "目次 ------------------- 0ページ",
    .end_keeps_page = 4,
    .fresh_record = "4,4,0,0,0,0,0,0,0,0,0\r\n",
};

TEST(CircleArea, ShowsItsContentsDialogsPageSelectEndPageAndRecord) {
    harness::expect_screens(unit, kScreens);
    harness::expect_passes(unit, {.record = kPassedRecord,
                                  .contents_marks = {{55, 9}},
                                  .passed_problems = {{3, {1, 2, 3, 4}}, {4, {3}}}});
}

TEST(CircleArea, StartsWithFiveHiddenBarsAndAnEmptyWorkPicture) {
    Pupil pupil(unit);
    harness::expect_window_set(
        pupil,
        {{"FORM7", 641, {{"EDIT2", {128, 0, 64, 22}}, {"BUTTON2", {320, 0, 80, 22}}}},
         {"FORM9", 641,
          {{"EDIT3", {112, 0, 32, 22}}, {"EDIT4", {200, 0, 32, 22}}, {"EDIT5", {288, 0, 32, 22}},
           {"EDIT6", {376, 0, 32, 22}}, {"BUTTON3", {480, 0, 80, 22}}}},
         {"FORM10", 641, {}},
         {"FORM11", 641,
          {{"EDIT14", {144, 0, 64, 22}}, {"EDIT15", {296, 0, 64, 22}},
           {"BUTTON5", {464, 0, 80, 22}}}},
         {"FORM12", 641,
          {{"EDIT16", {144, 0, 48, 22}}, {"EDIT17", {232, 0, 48, 22}},
           {"EDIT18", {320, 0, 48, 22}}, {"BUTTON6", {512, 0, 80, 22}}}}},
        {"FORM2"});
    ASSERT_EQ(pupil.lesson().bitmap_objects.size(), 1u);  // the sectors' work picture
    EXPECT_EQ(pupil.lesson().bitmap_objects[0].client_size(), QSize(0, 0));
}

TEST(CircleArea, TheSingleAnswerBarTakesTheAreaAsExactText) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 3;
    lesson.keys[1] = "78.5";
    pupil.type("EDIT2", "78.5");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 32);
    pupil.type("EDIT16", "1").type("EDIT8", "1");  // fields without a change handler
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 32);
    for (auto typed : {"78.50", "78.5 ", "７８.５", ""}) {
        pupil.type("EDIT2", typed);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 33) << typed;
    }
    lesson.nav.current_page = 4;
    lesson.keys[1] = "10.26";
    pupil.type("EDIT2", "10.26");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
}

TEST(CircleArea, TheUnusedBarsJudgeEveryFieldOrNothing) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 4;
    lesson.keys = {"", "1", "2", "", "4", "", "", ""};
    pupil.type("EDIT3", "1").type("EDIT4", "2").type("EDIT5", "").type("EDIT6", "4");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
    pupil.type("EDIT5", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
    pupil.type("EDIT14", "1").type("EDIT15", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 42);
    pupil.type("EDIT15", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 43);

    for (auto none : {"BUTTON4_ON", "BUTTON6_ON", "EDIT8_CHANGE", "EDIT18_CHANGE"})
        EXPECT_FALSE(lesson.handlers.contains(none)) << none;
}

// Start-up reads the three pointing hands from the unit folder; without one
// the program stops with run-time error 63 before the contents page.
TEST(CircleArea, AMissingPointingHandStopsStartUp) {
    Pupil pupil(unit, {}, [](const harness::CourseDrive& drive) {
        ASSERT_TRUE(std::filesystem::remove(drive.unit_folder() / "下指.BMP"));
    });

    EXPECT_TRUE(pupil.ended());
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes()[0].title, "circle-area.EXE");
    EXPECT_NE(pupil.boxes()[0].text.find(":エラー[63]"), std::string::npos);
    EXPECT_FALSE(harness::holds(harness::canvas_texts(pupil), "6年生の算数    円の面積"));
    EXPECT_TRUE(pupil.launcher_starts().empty());
}

}  // namespace
