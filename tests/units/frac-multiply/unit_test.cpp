// frac-multiply as a pupil meets it before any page is drawn: its windows,
// contents page, dialogs, page select, end page, record and answer bars.
#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>
#include <string>

#include "tests/support/unit_tour.h"
#include "units/frac-multiply/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& unit = units::frac_multiply::unit;

// Whether the canvas holds this cell text at this cell.
bool cell_at(const Pupil& pupil, std::string_view text, int column, int row) {
    for (const harness::WatchedText& drawn : pupil.texts())
        if (drawn.form == "MAINFORM" && drawn.text.text == text && drawn.text.column == column &&
            drawn.text.row == row)
            return true;
    return false;
}

QRect place(Pupil& pupil, std::string_view form, std::string_view control) {
    return pupil.windows().form(form).control_widget(control)->geometry();
}

struct BarControl {
    std::string_view form, control;
    int x, width;
};

const BarControl kBarControls[] = {
    {"FORM7", "EDIT2", 128, 64},   {"FORM7", "BUTTON2", 320, 80},
    {"FORM9", "EDIT3", 96, 32},    {"FORM9", "EDIT7", 352, 32},    {"FORM9", "BUTTON3", 480, 80},
    {"FORM10", "EDIT8", 96, 32},   {"FORM10", "EDIT13", 416, 32},  {"FORM10", "BUTTON4", 496, 80},
    {"FORM11", "EDIT14", 104, 64}, {"FORM11", "EDIT15", 296, 64},  {"FORM11", "BUTTON5", 464, 80},
    {"FORM12", "EDIT16", 120, 40}, {"FORM12", "EDIT17", 264, 40},  {"FORM12", "EDIT18", 416, 40},
    {"FORM12", "BUTTON6", 512, 80},
};

TEST(FracMultiply, StartsWithItsWindowsAndContentsPage) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended());
    auto& windows = pupil.windows();
    EXPECT_FALSE(windows.has_form("FORM2"));
    for (auto bar : {"FORM7", "FORM9", "FORM10", "FORM11", "FORM12"}) {
        EXPECT_TRUE(windows.form(bar).is_topmost()) << bar;
        EXPECT_FALSE(windows.form(bar).is_visible()) << bar;
        EXPECT_EQ(windows.form(bar).window_widget()->width(), 641) << bar;
        EXPECT_EQ(windows.form(bar).position(), QPoint(0, 414)) << bar;
    }
    EXPECT_FALSE(windows.form("FORM3").is_visible());
    for (auto [form, control, x, width] : kBarControls)
        EXPECT_EQ(place(pupil, form, control), QRect(x, 0, width, 22)) << control;

    const auto texts = harness::canvas_texts(pupil);
    for (auto line : {"6年生の算数    分数のかけ算",
                      "(よく見よう!)  ☆ 分数かける分数 -------- 1ページ",
                      "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                      "(よく見よう!)  ☆ 分数かける整数 -------- 3ページ",
                      "(やってみよう!)★ 練習 2 ---------------- 4ページ"})
        EXPECT_TRUE(harness::holds(texts, line)) << line;
    EXPECT_FALSE(harness::holds(texts, "ごうかく!"));
}

TEST(FracMultiply, DialogsSayTheirPagesRangesAndPassedProblems) {
    Pupil pupil(unit, std::string("6,11,0,1,1,1,1,1,1,0,1,0,0,0,0,0,0,0,0,1\r\n"));
    EXPECT_TRUE(cell_at(pupil, "ごうかく!", 55, 8));
    EXPECT_FALSE(cell_at(pupil, "ごうかく!", 55, 10));

    auto texts = harness::dialog_texts(pupil, 1);
    EXPECT_TRUE(harness::holds(texts, "1ﾍﾟｰｼﾞ          分数かける分数"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "だん落  4"));
    EXPECT_FALSE(harness::holds(texts, "だん落  5"));
    texts = harness::dialog_texts(pupil, 3);
    EXPECT_TRUE(harness::holds(texts, "3ﾍﾟｰｼﾞ          分数かける整数"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から3までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    texts = harness::dialog_texts(pupil, 2);
    EXPECT_TRUE(harness::holds(texts, "2ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "1番から6番まですべて ごうかくするとパスワードが出ます｡"));
    for (int k = 1; k <= 6; ++k) EXPECT_TRUE(cell_at(pupil, "ごうかく", 14, k + 8)) << k;

    pupil.forget_texts();
    texts = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(texts, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から11までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "1番から11番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_TRUE(cell_at(pupil, "ごうかく", 14, 10));  // problem 2
    EXPECT_TRUE(cell_at(pupil, "ごうかく", 42, 9));   // problem 11, second column
    EXPECT_EQ(std::ranges::count(texts, std::string("ごうかく")), 2);

    EXPECT_EQ(harness::record_after_exit(pupil),
              "6,11,0,1,1,1,1,1,1,0,1,0,0,0,0,0,0,0,0,1\r\n");
}

TEST(FracMultiply, PageSelectTakesZeroToFourAndTheEndPageRepeats) {
    Pupil pupil(unit);
    for (int page = 0; page <= 4; ++page) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, page);
    }
    EXPECT_TRUE(pupil.boxes().empty());
    for (auto refused : {"5", "01"}) {
        pupil.press(Nav::Where).type("EDIT1", refused).click("BUTTON1");
        ASSERT_FALSE(pupil.boxes().empty());
        EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！") << refused;
    }
    pupil.press(Nav::Where).type("EDIT1", "4").click("BUTTON1");
    for (int time = 0; time < 2; ++time) {
        pupil.forget_texts();
        pupil.press(Nav::Next);
        EXPECT_TRUE(pupil.shows_text("単元終わり"));
        EXPECT_EQ(pupil.lesson().nav.current_page, 4);
    }
    pupil.forget_texts();
    pupil.press(Nav::Befor);
    EXPECT_TRUE(pupil.shows_text("3ﾍﾟｰｼﾞ          分数かける整数"));
}

TEST(FracMultiply, ARunWithoutPassesLeavesTheRecordOfFortyTwoBytes) {
    Pupil pupil(unit);
    EXPECT_EQ(harness::record_after_exit(pupil),
              "6,11,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

TEST(FracMultiply, TheMixedNumberBarWantsAllThreeFieldsExactly) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "1", "3", "2", "", "", "", ""};
    pupil.type("EDIT16", "1").type("EDIT17", "3").type("EDIT18", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);
    pupil.type("EDIT18", "２");  // full-width digit
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);

    lesson.nav.current_page = 4;  // a proper fraction: field A stays empty
    lesson.keys = {"", "", "3", "2", "", "", "", ""};
    pupil.type("EDIT18", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
    pupil.type("EDIT16", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);

    lesson.keys = {"", "4", "", "", "", "", "", ""};  // a whole number
    pupil.type("EDIT16", "4").type("EDIT17", "").type("EDIT18", " ");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
    pupil.type("EDIT18", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);
}

TEST(FracMultiply, NavigationClearsTheSingleFieldButNotTheMixedNumberFields) {
    Pupil pupil(unit);
    pupil.type("EDIT2", "9").type("EDIT16", "1").type("EDIT18", "5");
    pupil.press(Nav::Next);
    EXPECT_EQ(pupil.lesson().field("EDIT2").text(), "");
    EXPECT_EQ(pupil.lesson().field("EDIT16").text(), "1");
    EXPECT_EQ(pupil.lesson().field("EDIT18").text(), "5");
}

TEST(FracMultiply, EveryBarFollowsTheMovedTag) {
    Pupil pupil(unit);
    pupil.click_tag();
    for (auto bar : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"})
        EXPECT_EQ(pupil.windows().form(bar).position(), QPoint(400, 714)) << bar;
    EXPECT_EQ(pupil.windows().form("FORM8").position(), QPoint(400, 740));
    pupil.press(Nav::Where);
    EXPECT_EQ(pupil.windows().form("MAINFORM").position(), QPoint(400, 322));
}

}  // namespace
