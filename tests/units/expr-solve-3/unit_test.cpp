// expr-solve-3 as a pupil meets it before any page is drawn: its window set,
// its contents page and dialogs, page select, the end of the unit, its
// record and its answer bars' verdicts.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/text.h"
#include "tests/support/unit_tour.h"
#include "units/expr-solve-3/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
using harness::cells_of;
const frame::Unit& unit = units::expr_solve_3::unit;

using harness::Cells;

constexpr const char* kContentsLines[] = {
    "(よく見よう!)  ☆ かけ算と足し算の文字式 --- 1ページ",
    "(やってみよう!)★ 練習 1 ------------------- 2ページ",
    "(よく見よう!)  ☆ わり算と引き算の文字式 --- 3ページ",
    "(やってみよう!)★ 練習 2 ------------------- 4ページ",
};

TEST(Expr3Unit, StartsWithoutADrawingWindowAndShowsItsFiftyTwoByteContentsLines) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    EXPECT_FALSE(windows.has_form("FORM2"));
    for (auto hidden : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"})
        EXPECT_FALSE(windows.form(hidden).is_visible()) << hidden;
    for (auto shown : {"FORM4", "FORM5", "FORM6", "FORM8"})
        EXPECT_TRUE(windows.form(shown).is_visible()) << shown;
    EXPECT_EQ(windows.form("FORM12").position(), QPoint(0, 414));

    const auto texts = harness::canvas_texts(pupil);
    EXPECT_TRUE(harness::holds(texts, "6年生の算数   文字式をとく 3"));
    for (const char* line : kContentsLines) {
        EXPECT_TRUE(harness::holds(texts, line)) << line;
        EXPECT_EQ(platform::to_cp932(line).size(), 52u) << line;
    }
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());

    pupil.click_tag();  // the whole group moves, the canvas stays under the tag
    EXPECT_EQ(windows.form("FORM12").position(), QPoint(400, 714));
    EXPECT_EQ(windows.form("FORM5").position(), QPoint(400, 780));
    pupil.press(Nav::Next);
    EXPECT_EQ(windows.form("MAINFORM").position(), QPoint(400, 322));
}

TEST(Expr3Unit, ARecordWithPassesMarksColumn58AndTheTenProblemLists) {
    const std::string record =
        "10,10,0,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0,1\r\n";
    Pupil pupil(unit, record);
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), (Cells{{58, 8}}));

    auto texts = harness::dialog_texts(pupil, 1);
    const std::string title1 = "1ﾍﾟｰｼﾞ       かけ算と足し算の文字式";
    EXPECT_TRUE(harness::holds(texts, title1));
    EXPECT_EQ(platform::to_cp932(title1).size(), 35u);
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "だん落  6"));

    texts = harness::dialog_texts(pupil, 3);
    EXPECT_TRUE(harness::holds(texts, "3ﾍﾟｰｼﾞ       わり算と引き算の文字式"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "だん落  4"));
    EXPECT_FALSE(harness::holds(texts, "だん落  5"));

    texts = harness::dialog_texts(pupil, 2);
    EXPECT_TRUE(harness::holds(texts, "2ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から10までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "1番から10番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, " 10 "), (Cells{{7, 18}}));
    EXPECT_EQ(cells_of(pupil, "ごうかく").size(), 10u);

    texts = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(texts, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (Cells{{14, 18}}));  // problem 10 only

    EXPECT_EQ(harness::record_after_exit(pupil), record);
}

TEST(Expr3Unit, PageSelectTakesZeroToFourAndNextEndsTheUnitOnTheEndPage) {
    Pupil pupil(unit);
    for (int page : {4, 3, 2, 1, 0}) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, page);
    }
    pupil.press(Nav::Where);
    EXPECT_TRUE(pupil.shows_text("目次 ------------------ 0ページ"));
    pupil.type("EDIT1", "5").click("BUTTON1");
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");
    EXPECT_EQ(pupil.lesson().nav.entry_mode, frame::EntryMode::PageSelect);

    pupil.type("EDIT1", "4").click("BUTTON1").press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("単元終わり"));
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_TRUE(harness::holds(harness::canvas_texts(pupil), "単元終わり"));
    EXPECT_EQ(pupil.lesson().nav.current_page, 4);
}

TEST(Expr3Unit, TheRecordOfARunWithoutPassesIsFortyNineBytesOnOneLine) {
    Pupil pupil(unit);
    const std::string bytes = harness::record_after_exit(pupil);
    EXPECT_EQ(bytes, "10,10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(bytes.size(), 49u);
}

TEST(Expr3Unit, TheSingleAnswerBarJudgesOnlyOnTheTwoExercisePages) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys = {"", "χ=12", "", "", "", "", "", ""};
    pupil.type("EDIT2", "χ=12");
    lesson.nav.current_page = 2;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
    lesson.nav.current_page = 4;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
    for (int page : {0, 1, 3}) {
        lesson.nav.current_page = page;
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), frame::kIdle) << page;
    }
    lesson.nav.current_page = 2;
    for (auto wrong : {"χ＝12", "12", "χ=12 "}) {
        pupil.type("EDIT2", wrong);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23) << wrong;
    }
    lesson.keys[1] = "";
    pupil.type("EDIT2", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22);
}

TEST(Expr3Unit, TheTwoAndThreeAnswerBarsShareTheirSlotsAndWantEveryKeyInOrder) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 4;
    lesson.keys = {"", "3", "5", "", "", "", "", ""};
    pupil.type("EDIT14", "3").type("EDIT15", "5");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 42);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);  // slot 3 and key 3 both empty
    pupil.type("EDIT14", "5").type("EDIT15", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 43);
    pupil.type("EDIT16", "3").type("EDIT17", "5").type("EDIT18", "7");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 43);
    lesson.keys[3] = "7";
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 42);  // EDIT16 and EDIT17 typed last
    pupil.type("EDIT3", "9").type("EDIT8", "9");  // fields that feed no slot
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 42);
}

}  // namespace
