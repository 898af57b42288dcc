// frac-decimal as a pupil meets it before any page is drawn: its windows,
// contents page, dialogs, page select, end page, record and answer bars.
#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>
#include <string>

#include "tests/support/unit_tour.h"
#include "units/frac-decimal/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& unit = units::frac_decimal::unit;

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

TEST(FracDecimal, StartsWithItsWindowsAndContentsPage) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended());
    auto& windows = pupil.windows();
    for (auto absent : {"FORM2", "FORM10", "FORM11", "FORM12"})
        EXPECT_FALSE(windows.has_form(absent)) << absent;
    for (auto bar : {"FORM7", "FORM9"}) {
        EXPECT_TRUE(windows.form(bar).is_topmost()) << bar;
        EXPECT_FALSE(windows.form(bar).is_visible()) << bar;
        EXPECT_EQ(windows.form(bar).position(), QPoint(0, 414)) << bar;
    }
    EXPECT_FALSE(windows.form("FORM3").is_visible());
    EXPECT_EQ(place(pupil, "FORM9", "EDIT3"), QRect(144, 0, 56, 22));
    EXPECT_EQ(place(pupil, "FORM9", "EDIT4"), QRect(232, 0, 56, 22));
    EXPECT_EQ(place(pupil, "FORM9", "EDIT5"), QRect(320, 0, 56, 22));
    EXPECT_EQ(place(pupil, "FORM9", "BUTTON3"), QRect(440, 0, 80, 22));

    const auto texts = harness::canvas_texts(pupil);
    for (auto line : {"6年生の算数    分数や小数の計算",
                      "(よく見よう!)  ☆ 分数の計算 ------------ 1ページ",
                      "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                      "(よく見よう!)  ☆ 分数や小数の計算 ------ 3ページ",
                      "(やってみよう!)★ 練習 2 ---------------- 4ページ"})
        EXPECT_TRUE(harness::holds(texts, line)) << line;
    EXPECT_FALSE(harness::holds(texts, "ごうかく!"));
}

TEST(FracDecimal, DialogsSayTheirPagesRangesAndPassedProblems) {
    Pupil pupil(unit, std::string("9,8,0,1,1,1,1,1,1,1,1,1,0,0,1,0,0,0,0,1\r\n"));
    EXPECT_TRUE(cell_at(pupil, "ごうかく!", 55, 8));
    EXPECT_FALSE(cell_at(pupil, "ごうかく!", 55, 10));

    auto texts = harness::dialog_texts(pupil, 1);
    EXPECT_TRUE(harness::holds(texts, "1ﾍﾟｰｼﾞ          分数の計算"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から3までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    texts = harness::dialog_texts(pupil, 3);
    EXPECT_TRUE(harness::holds(texts, "3ﾍﾟｰｼﾞ          分数や小数の計算"));
    EXPECT_TRUE(harness::holds(texts, "だん落  3"));
    EXPECT_FALSE(harness::holds(texts, "だん落  4"));
    texts = harness::dialog_texts(pupil, 2);
    EXPECT_TRUE(harness::holds(texts, "2ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から9までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "1番から9番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(std::ranges::count(texts, std::string("ごうかく")), 9);

    texts = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(texts, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から8までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "1番から8番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_TRUE(cell_at(pupil, "ごうかく", 14, 11));  // problem 3
    EXPECT_TRUE(cell_at(pupil, "ごうかく", 14, 16));  // problem 8
    EXPECT_EQ(std::ranges::count(texts, std::string("ごうかく")), 2);

    EXPECT_EQ(harness::record_after_exit(pupil),
              "9,8,0,1,1,1,1,1,1,1,1,1,0,0,1,0,0,0,0,1\r\n");
}

TEST(FracDecimal, PageSelectTakesZeroToFourAndTheEndPageRepeats) {
    Pupil pupil(unit);
    for (int page = 0; page <= 4; ++page) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, page);
    }
    EXPECT_TRUE(pupil.boxes().empty());
    for (auto refused : {"5", "4 "}) {
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
    EXPECT_TRUE(pupil.shows_text("3ﾍﾟｰｼﾞ          分数や小数の計算"));
}

TEST(FracDecimal, ARunWithoutPassesLeavesTheRecordOfFortyOneBytes) {
    Pupil pupil(unit);
    EXPECT_EQ(harness::record_after_exit(pupil),
              "9,8,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

TEST(FracDecimal, TheThreeFieldBarWantsTheAnswerInLowestTerms) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 4;
    lesson.keys = {"", "2", "5", "3", "", "", "", ""};
    pupil.type("EDIT3", "2").type("EDIT4", "5").type("EDIT5", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
    pupil.type("EDIT4", "10").type("EDIT5", "6");  // the same number, not reduced
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);

    lesson.nav.current_page = 2;  // a proper fraction: field A stays empty
    lesson.keys = {"", "", "5", "3", "", "", "", ""};
    pupil.type("EDIT4", "5").type("EDIT5", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT3", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
}

TEST(FracDecimal, TheSingleFieldAndTheFirstOfThreeFeedTheSameAnswer) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "7", "", "", "", "", "", ""};
    pupil.type("EDIT2", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);  // A from EDIT2, B and C empty
    pupil.type("EDIT3", "6");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23);
    pupil.type("EDIT2", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
}

TEST(FracDecimal, NavigationLeavesTheNumeratorFieldAsTyped) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    pupil.type("EDIT2", "9").type("EDIT3", "1").type("EDIT4", "4").type("EDIT5", "3");
    pupil.press(Nav::Next);
    for (auto emptied : {"EDIT1", "EDIT2", "EDIT3", "EDIT4"})
        EXPECT_EQ(lesson.field(emptied).text(), "") << emptied;
    EXPECT_EQ(lesson.field("EDIT5").text(), "3");
    lesson.nav.current_page = 2;
    lesson.keys = {"", "", "", "3", "", "", "", ""};
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
}

TEST(FracDecimal, BothBarsFollowTheMovedTag) {
    Pupil pupil(unit);
    pupil.click_tag();
    for (auto bar : {"FORM3", "FORM7", "FORM9"})
        EXPECT_EQ(pupil.windows().form(bar).position(), QPoint(400, 714)) << bar;
    pupil.press(Nav::Where);
    EXPECT_EQ(pupil.windows().form("MAINFORM").position(), QPoint(400, 322));
}

}  // namespace
