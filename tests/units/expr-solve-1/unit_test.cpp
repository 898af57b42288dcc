// expr-solve-1 as a pupil meets it before any page is drawn: its window set
// with the hidden drawing window, its contents page and dialogs, page
// select, the end of the unit, its record and its answer bars' verdicts.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/support/unit_tour.h"
#include "units/expr-solve-1/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& unit = units::expr_solve_1::unit;

using harness::Cells;

TEST(Expr1Unit, StartsWithItsWindowSetAHiddenClearedDrawingWindowAndItsContents) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    ASSERT_TRUE(windows.has_form("FORM2"));
    EXPECT_FALSE(windows.form("FORM2").is_visible());
    EXPECT_EQ(windows.form("FORM2").client_size(), QSize(640, 440));
    for (QPoint pixel : {QPoint{0, 0}, QPoint{320, 220}, QPoint{639, 439}})
        EXPECT_EQ(pupil.colour_at("FORM2", pixel), 0) << pixel.x() << "," << pixel.y();
    for (auto hidden : {"FORM3", "FORM7", "FORM9"})
        EXPECT_FALSE(windows.form(hidden).is_visible()) << hidden;
    for (auto shown : {"FORM4", "FORM5", "FORM6", "FORM8"})
        EXPECT_TRUE(windows.form(shown).is_visible()) << shown;
    EXPECT_FALSE(windows.has_form("FORM10"));
    EXPECT_EQ(windows.form("FORM9").position(), QPoint(0, 414));
    EXPECT_EQ(pupil.lesson().bitmap_objects.size(), 1u);  // the balance picture's transfer picture

    const auto texts = harness::canvas_texts(pupil);
    for (auto line : {"6年生の算数   文字式をとく 1",
                      "(よく見よう!)  ☆   を求める 1 ---------- 1ページ",
                      "(よく見よう!)  ☆   を求める 2 ---------- 2ページ",
                      "(やってみよう!)★ 練習 1 ---------------- 3ページ",
                      "(やってみよう!)★ 練習 2 ---------------- 4ページ"})
        EXPECT_TRUE(harness::holds(texts, line)) << line;
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());
}

TEST(Expr1Unit, TheCanvasFollowsAMovedBlackboardTagOnEveryLaterPage) {
    Pupil pupil(unit);
    auto& windows = pupil.windows();
    pupil.click_tag();
    EXPECT_EQ(windows.form("MAINFORM").position(), QPoint(400, 322));
    EXPECT_EQ(windows.form("FORM9").position(), QPoint(400, 714));
    EXPECT_EQ(windows.form("FORM7").position(), QPoint(400, 714));
    pupil.press(Nav::Next);
    EXPECT_EQ(windows.form("MAINFORM").position(), QPoint(400, 322));
    pupil.press(Nav::Where);
    EXPECT_EQ(windows.form("MAINFORM").position(), QPoint(400, 322));
    pupil.click_tag().press(Nav::Top);
    EXPECT_EQ(windows.form("MAINFORM").position(), QPoint(0, 22));
}

TEST(Expr1Unit, ARecordWithPassesMarksTheContentsAndTheProblemLists) {
    const std::string record = "6,6,0,0,1,0,0,0,1,1,1,1,1,1,1\r\n";
    Pupil pupil(unit, record);
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), (Cells{{55, 10}}));

    auto texts = harness::dialog_texts(pupil, 1);
    EXPECT_TRUE(harness::holds(texts, "1ﾍﾟｰｼﾞ          χを求める 1"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "だん落  2"));
    EXPECT_FALSE(harness::holds(texts, "だん落  3"));

    texts = harness::dialog_texts(pupil, 2);
    EXPECT_TRUE(harness::holds(texts, "2ﾍﾟｰｼﾞ          χを求める 2"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から5までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "だん落  5"));

    texts = harness::dialog_texts(pupil, 3);
    EXPECT_TRUE(harness::holds(texts, "3ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から6までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "1番から6番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_TRUE(harness::holds(texts, " 6 "));
    EXPECT_FALSE(harness::holds(texts, " 7 "));
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (Cells{{14, 10}, {14, 14}}));  // problems 2 and 6

    texts = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(texts, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_EQ(cells_of(pupil, "ごうかく").size(), 6u);

    EXPECT_EQ(harness::record_after_exit(pupil), record);
}

TEST(Expr1Unit, PageSelectTakesZeroToFourAndNextEndsTheUnitOnTheEndPage) {
    Pupil pupil(unit);
    for (int page : {0, 1, 2, 3, 4}) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, page);
    }
    pupil.press(Nav::Where);
    const auto sentences = harness::canvas_texts(pupil);
    EXPECT_TRUE(harness::holds(
        sentences, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(sentences, "目次 ------------------ 0ページ"));
    const auto boxes = pupil.boxes().size();
    pupil.type("EDIT1", "5").click("BUTTON1");
    ASSERT_EQ(pupil.boxes().size(), boxes + 1);
    EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");

    pupil.press(Nav::Top);
    for (int i = 0; i < 5; ++i) pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("単元終わり"));
    EXPECT_EQ(pupil.lesson().nav.current_page, 4);
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_TRUE(harness::holds(harness::canvas_texts(pupil), "単元終わり"));
}

TEST(Expr1Unit, TheRecordOfARunWithoutPassesIsThirtyOneBytesOnOneLine) {
    Pupil pupil(unit);
    const std::string bytes = harness::record_after_exit(pupil);
    EXPECT_EQ(bytes, "6,6,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(bytes.size(), 31u);
}

TEST(Expr1Unit, TheSingleAnswerBarJudgesTheTypedTextOnBothExercisePages) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys = {"", "8", "", "", "", "", "", ""};
    lesson.nav.current_page = 3;
    pupil.type("EDIT2", "8");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 32);
    for (auto wrong : {"8 ", "８", "08", ""}) {
        pupil.type("EDIT2", wrong);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 33) << "'" << wrong << "'";
    }
    lesson.nav.current_page = 4;
    lesson.keys[1] = "";
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);  // the field was emptied
    pupil.type("EDIT2", "5");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 43);
}

TEST(Expr1Unit, TheTwoAnswerBarTakesEitherChoiceAndItsAnswer) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 3;
    lesson.keys = {"", "1", "2", "64", "", "", "", ""};
    pupil.type("EDIT3", "2").type("EDIT4", "64");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 32);
    pupil.type("EDIT3", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 32);
    pupil.type("EDIT3", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 33);
    pupil.type("EDIT3", "1").type("EDIT4", "46");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 33);

    pupil.windows().form("FORM9").show();
    pupil.press(Nav::Top);  // every navigation button empties both fields and hides the bar
    EXPECT_FALSE(pupil.windows().form("FORM9").is_visible());
    EXPECT_EQ(lesson.field("EDIT3").text(), "");
    EXPECT_EQ(lesson.field("EDIT4").text(), "");
}

}  // namespace
