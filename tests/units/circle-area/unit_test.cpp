// circle-area as a pupil meets it before its pages: the window set, the
// contents page, the start-from dialogs, page select, the end of the unit,
// the record, the answer bars, the copy mode the loop gives the canvas back
// and the pointing hands start-up reads.
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "frame/event_loop.h"
#include "tests/support/unit_tour.h"
#include "units/circle-area/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
using harness::cells_of;
const frame::Unit& unit = units::circle_area::unit;

// Page 3 passed whole, problem 3 of page 4 passed.
const std::string kPassedRecord = "4,4,0,1,1,1,1,0,0,1,0\r\n";

using harness::Cells;

struct Place {
    const char* control;
    int x, width;
};

TEST(CircleArea, StartsWithFiveHiddenBarsAndItsContentsPage) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    EXPECT_FALSE(windows.has_form("FORM2"));
    for (auto bar : {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}) {
        EXPECT_FALSE(windows.form(bar).is_visible()) << bar;
        EXPECT_TRUE(windows.form(bar).is_topmost()) << bar;
        EXPECT_EQ(windows.form(bar).position(), QPoint(0, 414)) << bar;
    }
    const std::pair<const char*, std::vector<Place>> layouts[] = {
        {"FORM7", {{"EDIT2", 128, 64}, {"BUTTON2", 320, 80}}},
        {"FORM9", {{"EDIT3", 112, 32}, {"EDIT4", 200, 32}, {"EDIT5", 288, 32},
                   {"EDIT6", 376, 32}, {"BUTTON3", 480, 80}}},
        {"FORM11", {{"EDIT14", 144, 64}, {"EDIT15", 296, 64}, {"BUTTON5", 464, 80}}},
        {"FORM12", {{"EDIT16", 144, 48}, {"EDIT17", 232, 48}, {"EDIT18", 320, 48},
                    {"BUTTON6", 512, 80}}},
    };
    for (const auto& [bar, places] : layouts)
        for (const Place& place : places)
            EXPECT_EQ(windows.form(bar).control_widget(place.control)->geometry(),
                      QRect(place.x, 0, place.width, 22)) << place.control;

    const auto texts = harness::canvas_texts(pupil);
    for (auto line : {"6年生の算数    円の面積",
                      "(よく見よう!)  ☆ 円の面積1 -------------- 1ページ",
                      "(よく見よう!)  ☆ 円の面積2 -------------- 2ページ",
                      "(やってみよう!)★ 練習 1 ----------------- 3ページ",
                      "(やってみよう!)★ 練習 2 ----------------- 4ページ"})
        EXPECT_TRUE(harness::holds(texts, line)) << line;
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());
    ASSERT_EQ(pupil.lesson().bitmap_objects.size(), 1u);  // the sectors' work picture
    EXPECT_EQ(pupil.lesson().bitmap_objects[0].client_size(), QSize(0, 0));
}

TEST(CircleArea, DialogsGiveTitlesRangesAndThePassedProblems) {
    Pupil pupil(unit, kPassedRecord);
    ASSERT_FALSE(pupil.ended());
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), (Cells{{55, 9}}));

    for (int page : {1, 2}) {
        auto texts = harness::dialog_texts(pupil, page);
        EXPECT_TRUE(harness::holds(texts, page == 1 ? "1ﾍﾟｰｼﾞ          円の面積1"
                                                    : "2ﾍﾟｰｼﾞ          円の面積2"));
        EXPECT_TRUE(harness::holds(texts, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
        EXPECT_TRUE(harness::holds(texts, "だん落  2"));
        EXPECT_FALSE(harness::holds(texts, "だん落  3"));
    }
    auto page3 = harness::dialog_texts(pupil, 3);
    EXPECT_TRUE(harness::holds(page3, "3ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(page3, "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(page3, "1番から4番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, "番").size(), 4u);
    EXPECT_EQ(cells_of(pupil, "ごうかく").size(), 4u);

    auto page4 = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(page4, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_TRUE(harness::holds(page4, "1番から4番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (Cells{{14, 11}}));  // problem 3
}

TEST(CircleArea, PageSelectTakesZeroToFourAndTheEndPageRepeats) {
    Pupil pupil(unit);
    pupil.forget_texts();
    pupil.press(Nav::Where);
    EXPECT_EQ(cells_of(pupil, "目次 ------------------- 0ページ"), (Cells{{18, 5}}));
    EXPECT_EQ(cells_of(pupil, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"),
              (Cells{{2, 2}}));
    for (std::string page : {"0", "1", "2", "3", "4"}) {
        pupil.press(Nav::Where).type("EDIT1", page).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, std::stoi(page));
    }
    EXPECT_TRUE(pupil.boxes().empty());
    pupil.press(Nav::Where).type("EDIT1", "5").click("BUTTON1");
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");

    pupil.press(Nav::Where).type("EDIT1", "4").click("BUTTON1");
    for (int again = 0; again < 2; ++again) {
        pupil.forget_texts();
        pupil.press(Nav::Next);
        EXPECT_TRUE(pupil.shows_text("単元終わり"));
        EXPECT_EQ(pupil.lesson().nav.current_page, 4);
    }
}

TEST(CircleArea, TheRecordHoldsBothPagesFlagsOnOneLine) {
    Pupil fresh(unit);
    EXPECT_EQ(harness::record_after_exit(fresh), "4,4,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(fresh.drive().record_bytes().size(), 23u);

    Pupil passed(unit, kPassedRecord);
    EXPECT_EQ(harness::record_after_exit(passed), kPassedRecord);
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

// A sector animation leaves the canvas in merge mode; the loop gives it copy
// mode back before a further handler of the same turn, not before the first.
TEST(CircleArea, TheLoopRestoresCopyModeBeforeAFurtherHandler) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    const platform::Event tag_pressed{"FORM4", "", platform::EventKind::MouseDown, {30, 10},
                                      "FORM4_MOUSEDOWN"};
    const std::size_t sounds = pupil.sound_commands().size();

    lesson.canvas().set_draw_mode(15);
    lesson.queue.push(tag_pressed);
    frame::loop_turn(lesson, frame::Wait::DoNotBlock);
    EXPECT_EQ(lesson.canvas().state().mode, platform::DrawMode::Merge);
    EXPECT_EQ(pupil.sound_commands().size(), sounds);

    lesson.queue.push(tag_pressed);
    lesson.queue.push(tag_pressed);
    frame::loop_turn(lesson, frame::Wait::DoNotBlock);
    EXPECT_EQ(lesson.canvas().state().mode, platform::DrawMode::Copy);
    ASSERT_EQ(pupil.sound_commands().size(), sounds + 1);
    EXPECT_EQ(pupil.sound_commands().back(), "close wave1");
    EXPECT_EQ(pupil.windows().form("FORM4").position(), QPoint(400, 300));  // moved three times
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
