// expr-build as a pupil meets it before any page is drawn: its window set,
// its contents page and dialogs, page select, the end of the unit, its
// record, the start numbers of its two exercise pages and its answer bars'
// verdicts.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/text.h"
#include "tests/support/unit_tour.h"
#include "units/expr-build/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
using harness::cells_of;
const frame::Unit& unit = units::expr_build::unit;

using harness::Cells;

constexpr const char* kContentsLines[] = {
    "(よく見よう!)  ☆ かわり方を式に表す ----------- 1ページ",
    "(やってみよう!)★ 練習 1 ----------------------- 2ページ",
    "(よく見よう!)  ☆   を使った式 ----------------- 3ページ",
    "(やってみよう!)★ 練習 2 ----------------------- 4ページ",
};

TEST(ExprBuildUnit, StartsWithItsBarsHiddenAndShowsItsFiftySixByteContentsLines) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    EXPECT_FALSE(windows.has_form("FORM2"));
    for (auto hidden : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11", "FORM12"})
        EXPECT_FALSE(windows.form(hidden).is_visible()) << hidden;
    for (auto shown : {"FORM4", "FORM5", "FORM6", "FORM8"})
        EXPECT_TRUE(windows.form(shown).is_visible()) << shown;

    const auto texts = harness::canvas_texts(pupil);
    EXPECT_TRUE(harness::holds(texts, "5年生の算数   文字式をたてる"));
    for (const char* line : kContentsLines) {
        EXPECT_TRUE(harness::holds(texts, line)) << line;
        EXPECT_EQ(platform::to_cp932(line).size(), 56u) << line;
    }
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());
}

TEST(ExprBuildUnit, ARecordWithPassesMarksColumn62AndTheTwelveProblemList) {
    const std::string record =
        "12,10,0,0,1,0,0,0,0,0,0,0,0,0,1,1,1,1,1,1,1,1,1,1,1\r\n";
    Pupil pupil(unit, record);
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), (Cells{{62, 10}}));

    auto texts = harness::dialog_texts(pupil, 1);
    EXPECT_TRUE(harness::holds(texts, "1ﾍﾟｰｼﾞ          かわり方を式に表す"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から2までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    texts = harness::dialog_texts(pupil, 3);
    EXPECT_TRUE(harness::holds(texts, "3ﾍﾟｰｼﾞ          χを使った式"));
    EXPECT_TRUE(harness::holds(texts, "だん落  2"));
    EXPECT_FALSE(harness::holds(texts, "だん落  3"));

    texts = harness::dialog_texts(pupil, 2);
    EXPECT_TRUE(harness::holds(texts, "2ﾍﾟｰｼﾞ          練習1"));
    EXPECT_TRUE(harness::holds(texts, "回答らんに1から12までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"));
    EXPECT_TRUE(harness::holds(texts, "1番から12番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, " 12 "), (Cells{{35, 10}}));  // the second column
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (Cells{{14, 10}, {42, 10}}));  // problems 2 and 12

    texts = harness::dialog_texts(pupil, 4);
    EXPECT_TRUE(harness::holds(texts, "4ﾍﾟｰｼﾞ          練習2"));
    EXPECT_TRUE(harness::holds(texts, "1番から10番まですべて ごうかくするとパスワードが出ます｡"));
    EXPECT_EQ(cells_of(pupil, "ごうかく").size(), 10u);
    EXPECT_TRUE(cells_of(pupil, " 11 ").empty());

    EXPECT_EQ(harness::record_after_exit(pupil), record);
}

TEST(ExprBuildUnit, PageSelectTakesZeroToFourAndTheEndPageStandsForPage4) {
    Pupil pupil(unit);
    pupil.press(Nav::Where);
    const std::string contents = "目次 ------------------------- 0ページ";
    EXPECT_TRUE(pupil.shows_text(contents));
    EXPECT_EQ(platform::to_cp932(contents).size(), 38u);
    for (auto refused : {"5", "-0", "4.0"}) {
        const auto boxes = pupil.boxes().size();
        pupil.type("EDIT1", refused).click("BUTTON1");
        ASSERT_EQ(pupil.boxes().size(), boxes + 1) << refused;
        EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");
    }
    for (int page : {0, 1, 2, 3, 4}) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(pupil.lesson().nav.current_page, page);
    }
    pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("単元終わり"));
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_TRUE(harness::holds(harness::canvas_texts(pupil), "単元終わり"));
    pupil.press(Nav::Befor);
    EXPECT_EQ(pupil.lesson().nav.current_page, 3);
    EXPECT_TRUE(pupil.shows_text("3ﾍﾟｰｼﾞ          χを使った式"));
}

TEST(ExprBuildUnit, TheRecordOfARunWithoutPassesIsFiftyThreeBytesOnOneLine) {
    Pupil pupil(unit);
    const std::string bytes = harness::record_after_exit(pupil);
    EXPECT_EQ(bytes, "12,10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    EXPECT_EQ(bytes.size(), 53u);
}

TEST(ExprBuildUnit, Page4KeepsItsTypedStartNumberAsARealNumberApartFromPage2s) {
    Pupil pupil(unit);
    const auto& problems = pupil.lesson().current_problems;
    pupil.press(Nav::Where).type("EDIT1", "2").click("BUTTON1");
    pupil.type("EDIT1", "7.6");
    pupil.press(Nav::Where).type("EDIT1", "4").click("BUTTON1");
    pupil.type("EDIT1", "2.5");
    EXPECT_EQ(problems.at(0), 8.0);
    EXPECT_EQ(problems.at(1), 2.5);
    pupil.press(Nav::Where).type("EDIT1", "2").click("BUTTON1");
    pupil.type("EDIT1", "11.5");
    EXPECT_EQ(problems.at(0), 12.0);
    EXPECT_EQ(problems.at(1), 2.5);
}

TEST(ExprBuildUnit, TheSingleAnswerBarTakesTheKeyOrItsAlternative) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "3", "5", "", "", "", "", ""};
    for (auto right : {"3", "5"}) {
        pupil.type("EDIT2", right);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 22) << right;
    }
    for (auto wrong : {"4", "35", "３", ""}) {
        pupil.type("EDIT2", wrong);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 23) << "'" << wrong << "'";
    }
    lesson.nav.current_page = 4;
    lesson.keys = {"", "2", "2", "", "", "", "", ""};
    pupil.type("EDIT2", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
    pupil.type("EDIT2", "1");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 43);
}

TEST(ExprBuildUnit, TheTableBarWantsItsThreeCellsInOrderAndSharesSlot1) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "24", "32", "40", "", "", "", ""};
    pupil.type("EDIT16", "24").type("EDIT17", "32").type("EDIT18", "40");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);
    pupil.type("EDIT16", "32").type("EDIT17", "24");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);
    pupil.type("EDIT2", "24");  // the single-answer field fills the same first slot
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);
    pupil.type("EDIT17", "32");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);
    lesson.keys[3] = "";
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 23);
    pupil.type("EDIT18", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON6_ON"), 22);

    lesson.keys = {"", "7", "9", "", "", "", "", ""};
    pupil.type("EDIT14", "7").type("EDIT15", "9");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 22);
    pupil.type("EDIT16", "9");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON5_ON"), 23);
}

TEST(ExprBuildUnit, ANavigationButtonHidesTheTableBarButLeavesItsFields) {
    Pupil pupil(unit);
    pupil.press(Nav::Next).press(Nav::Next);
    pupil.windows().form("FORM12").show();
    pupil.type("EDIT16", "24").type("EDIT2", "3").type("EDIT1", "1");
    pupil.press(Nav::Top);
    EXPECT_FALSE(pupil.windows().form("FORM12").is_visible());
    EXPECT_EQ(pupil.lesson().field("EDIT1").text(), "");
    EXPECT_EQ(pupil.lesson().field("EDIT2").text(), "");
    EXPECT_EQ(pupil.lesson().field("EDIT16").text(), "24");
}

}  // namespace
