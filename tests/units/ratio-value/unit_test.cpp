// ratio-value as a pupil meets it before its pages: the window set, the
// contents page, the start-from dialogs, page select, the end of the unit,
// the record and the two answer bars' judging.
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/unit_tour.h"
#include "units/ratio-value/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
using harness::cells_of;
const frame::Unit& unit = units::ratio_value::unit;

// Page 2 passed whole, problem 2 of page 4 passed.
const std::string kPassedRecord = "7,7,0,1,1,1,1,1,1,1,0,1,0,0,0,0,0\r\n";

using harness::Cells;

TEST(RatioValue, StartsWithItsBarsHiddenAndItsContentsPage) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    for (auto absent : {"FORM2", "FORM10", "FORM11", "FORM12"})
        EXPECT_FALSE(windows.has_form(absent)) << absent;
    for (auto bar : {"FORM7", "FORM9"}) {
        EXPECT_FALSE(windows.form(bar).is_visible()) << bar;
        EXPECT_TRUE(windows.form(bar).is_topmost()) << bar;
        EXPECT_EQ(windows.form(bar).position(), QPoint(0, 414)) << bar;
    }
    EXPECT_FALSE(windows.form("FORM3").is_visible());
    const int fields_x[] = {96, 160, 224, 288, 352};
    for (int i = 0; i < 5; ++i) {
        const std::string name = "EDIT" + std::to_string(i + 3);
        EXPECT_EQ(windows.form("FORM9").control_widget(name)->geometry(),
                  QRect(fields_x[i], 0, 32, 22)) << name;
    }
    EXPECT_EQ(windows.form("FORM9").control_widget("BUTTON3")->geometry(), QRect(480, 0, 80, 22));

    const auto texts = harness::canvas_texts(pupil);
    for (auto line : {"6年生の算数   比と比の値",
                      "(よく見よう!)  ☆ 比と比の値 ------------ 1ページ",
                      "(やってみよう!)★ 練習 1 ---------------- 2ページ",
                      "(よく見よう!)  ☆ 小数の比 -------------- 3ページ",
                      "(やってみよう!)★ 練習 2 ---------------- 4ページ"})
        EXPECT_TRUE(harness::holds(texts, line)) << line;
    EXPECT_FALSE(harness::holds(texts, "ごうかく!"));
}

TEST(RatioValue, DialogsGiveTitlesRangesAndThePassedProblems) {
    Pupil pupil(unit, kPassedRecord);
    ASSERT_FALSE(pupil.ended());
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), (Cells{{55, 8}}));

    auto page1 = harness::dialog_texts(pupil, 1);
    EXPECT_TRUE(harness::holds(page1, "1ﾍﾟｰｼﾞ          比と比の値"));
    EXPECT_TRUE(harness::holds(page1, "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(page1, "だん落  4"));
    EXPECT_FALSE(harness::holds(page1, "だん落  5"));

    auto page3 = harness::dialog_texts(pupil, 3);
    EXPECT_TRUE(harness::holds(page3, "3ﾍﾟｰｼﾞ          小数の比"));
    EXPECT_TRUE(harness::holds(page3, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(page3, "だん落  2"));
    EXPECT_FALSE(harness::holds(page3, "だん落  3"));

    auto page2 = harness::dialog_texts(pupil, 2);
    EXPECT_TRUE(harness::holds(page2, "2ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(page2, "回答らんに1から7までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(page2, "1番から7番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, "ごうかく").size(), 7u);
    EXPECT_EQ(cells_of(pupil, "番").size(), 7u);

    auto page4 = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(page4, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_TRUE(harness::holds(page4, "1番から7番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (Cells{{14, 10}}));  // problem 2
}

TEST(RatioValue, NavigationEmptiesTheFirstTwoFieldsOfTheFiveAnswerBarOnly) {
    Pupil pupil(unit);
    for (auto field : {"EDIT2", "EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"}) pupil.type(field, "1");
    pupil.press(Nav::Next);
    frame::Lesson& lesson = pupil.lesson();
    for (auto emptied : {"EDIT2", "EDIT3", "EDIT4"}) EXPECT_EQ(lesson.field(emptied).text(), "");
    for (auto kept : {"EDIT5", "EDIT6", "EDIT7"}) EXPECT_EQ(lesson.field(kept).text(), "1");
}

TEST(RatioValue, PageSelectTakesZeroToFourAndTheEndPageRepeats) {
    Pupil pupil(unit);
    for (std::string page : {"0", "1", "2", "3", "4"}) {
        pupil.press(Nav::Where).type("EDIT1", page).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, std::stoi(page));
    }
    EXPECT_TRUE(pupil.boxes().empty());
    for (std::string refused : {"5", "04", ""}) {
        pupil.press(Nav::Where).type("EDIT1", refused).click("BUTTON1");
        ASSERT_FALSE(pupil.boxes().empty()) << refused;
        EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");
    }
    EXPECT_EQ(pupil.boxes().size(), 3u);

    pupil.press(Nav::Top).press(Nav::Next).press(Nav::Next).press(Nav::Next).press(Nav::Next);
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("単元終わり"));
    EXPECT_EQ(pupil.lesson().nav.current_page, 4);
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("単元終わり"));
    pupil.forget_texts();
    pupil.press(Nav::Befor);
    EXPECT_TRUE(pupil.shows_text("3ﾍﾟｰｼﾞ          小数の比"));
}

TEST(RatioValue, TheRecordHoldsBothPagesFlagsOnOneLine) {
    Pupil fresh(unit);
    EXPECT_EQ(harness::record_after_exit(fresh), "7,7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(fresh.drive().record_bytes().size(), 35u);

    Pupil passed(unit, kPassedRecord);
    EXPECT_EQ(harness::record_after_exit(passed), kPassedRecord);
}

TEST(RatioValue, TheFiveAnswerBarTakesTheRatioAndItsValueExactly) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "3", "2", "1", "2", "1", "", ""};  // 36 : 24
    pupil.type("EDIT3", "3").type("EDIT4", "2").type("EDIT5", "1").type("EDIT6", "2").type("EDIT7", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT5", "").type("EDIT7", "3");  // the improper fraction
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);

    lesson.nav.current_page = 4;
    lesson.keys = {"", "7", "13", "", "13", "7", "", ""};  // 0.7 : 1.3
    pupil.type("EDIT3", "7").type("EDIT4", "13").type("EDIT5", "0").type("EDIT6", "13").type("EDIT7", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
    pupil.type("EDIT5", "");  // a proper fraction leaves C empty
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
    for (auto typed : {"１３", "13 ", " 13"}) {
        pupil.type("EDIT4", typed);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43) << typed;
    }

    lesson.keys = {"", "5", "1", "5", "", "", "", ""};  // 0.6 : 0.12, a whole-number value
    pupil.type("EDIT3", "5").type("EDIT4", "1").type("EDIT5", "5").type("EDIT6", "1").type("EDIT7", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
    pupil.type("EDIT6", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);

    for (auto field : {"EDIT3", "EDIT4", "EDIT5", "EDIT6", "EDIT7"}) pupil.type(field, "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);
}

// The single-answer bar keeps its text where answer D is kept, so it and
// the five-answer bar's D field overwrite each other; its OK judges that
// text against key A.
TEST(RatioValue, TheSingleAnswerBarSharesAnswerDAndJudgesItAgainstKeyA) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "1", "3", "", "3", "1", "", ""};  // 3 : 9
    pupil.type("EDIT2", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
    pupil.type("EDIT2", "3");  // key D, not key A
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23);
    pupil.type("EDIT6", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);

    pupil.type("EDIT3", "1").type("EDIT4", "3").type("EDIT5", "").type("EDIT6", "3").type("EDIT7", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT2", "3 ");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
}

}  // namespace
