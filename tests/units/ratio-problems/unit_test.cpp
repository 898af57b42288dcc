// ratio-problems as a pupil meets it before its pages: the window set with
// its five answer bars, the contents page, the start-from dialogs, page
// select, the end of the unit, the record and the bars' judging.
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/unit_tour.h"
#include "units/ratio-problems/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
using harness::cells_of;
const frame::Unit& unit = units::ratio_problems::unit;

// Page 4 passed whole, problems 1 and 8 of page 2 passed.
const std::string kPassedRecord = "8,8,0,1,0,0,0,0,0,0,1,1,1,1,1,1,1,1,1\r\n";

using harness::Cells;

struct Place {
    const char* control;
    int x, width;
};

TEST(RatioProblems, StartsWithFiveHiddenBarsAndItsContentsPage) {
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
        {"FORM9", {{"EDIT3", 96, 32}, {"EDIT7", 352, 32}, {"BUTTON3", 480, 80}}},
        {"FORM10", {{"EDIT8", 96, 32}, {"EDIT13", 416, 32}, {"BUTTON4", 496, 80}}},
        {"FORM11", {{"EDIT14", 144, 64}, {"EDIT15", 336, 64}, {"BUTTON5", 464, 80}}},
        {"FORM12", {{"EDIT16", 120, 40}, {"EDIT17", 264, 40}, {"EDIT18", 416, 40},
                    {"BUTTON6", 512, 80}}},
    };
    for (const auto& [bar, places] : layouts)
        for (const Place& place : places)
            EXPECT_EQ(windows.form(bar).control_widget(place.control)->geometry(),
                      QRect(place.x, 0, place.width, 22)) << place.control;

    const auto texts = harness::canvas_texts(pupil);
    for (auto line : {"6年生の算数    比を使った問題",
                      "(よく見よう!)  ☆ 分数の比 -------------- 1ページ",
                      "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                      "(よく見よう!)  ☆ 比を使った問題 -------- 3ページ",
                      "(やってみよう!)★ 練習 2 ---------------- 4ページ"})
        EXPECT_TRUE(harness::holds(texts, line)) << line;
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());
}

TEST(RatioProblems, DialogsGiveTitlesRangesAndThePassedProblems) {
    Pupil pupil(unit, kPassedRecord);
    ASSERT_FALSE(pupil.ended());
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), (Cells{{55, 10}}));

    for (int page : {1, 3}) {
        auto texts = harness::dialog_texts(pupil, page);
        EXPECT_TRUE(harness::holds(texts, "回答らんに1から3までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
        EXPECT_TRUE(harness::holds(texts, "だん落  3"));
        EXPECT_FALSE(harness::holds(texts, "だん落  4"));
        EXPECT_TRUE(harness::holds(texts, page == 1 ? "1ﾍﾟｰｼﾞ          分数の比"
                                                    : "3ﾍﾟｰｼﾞ          比を使った問題"));
    }

    auto page2 = harness::dialog_texts(pupil, 2);
    EXPECT_TRUE(harness::holds(page2, "2ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(page2, "回答らんに1から8までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(page2, "1番から8番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, "番").size(), 8u);
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (Cells{{14, 9}, {14, 16}}));  // problems 1 and 8

    auto page4 = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(page4, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_EQ(cells_of(pupil, "ごうかく").size(), 8u);
}

TEST(RatioProblems, PageSelectTakesZeroToFourAndTheEndPageRepeats) {
    Pupil pupil(unit);
    for (std::string page : {"0", "1", "2", "3", "4"}) {
        pupil.press(Nav::Where).type("EDIT1", page).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, std::stoi(page));
    }
    EXPECT_TRUE(pupil.boxes().empty());
    pupil.press(Nav::Where).type("EDIT1", "5").click("BUTTON1");
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");

    pupil.press(Nav::Where).type("EDIT1", "4").click("BUTTON1");
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("単元終わり"));
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("単元終わり"));
    EXPECT_EQ(pupil.lesson().nav.current_page, 4);
    pupil.forget_texts();
    pupil.press(Nav::Befor);
    EXPECT_TRUE(pupil.shows_text("3ﾍﾟｰｼﾞ          比を使った問題"));
}

TEST(RatioProblems, TheRecordHoldsBothPagesFlagsOnOneLine) {
    Pupil fresh(unit);
    EXPECT_EQ(harness::record_after_exit(fresh), "8,8,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(fresh.drive().record_bytes().size(), 39u);

    Pupil passed(unit, kPassedRecord);
    EXPECT_EQ(harness::record_after_exit(passed), kPassedRecord);
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
