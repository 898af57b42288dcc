// word-problems in the frame's shared screens: its window set, contents
// page, start-from dialogs, page select, end page, record and the
// three-answer bar of mixed numbers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/unit_tour.h"
#include "units/word-problems/unit.h"

namespace {

using harness::holds;
using harness::Nav;
using harness::Pupil;
using harness::cells_of;
const frame::Unit& unit = units::word_problems::unit;

// Page 2 has passed every problem, page 4 problems 1 and 7.
const std::string kRecordWithPasses = "7,7,0,1,1,1,1,1,1,1,1,0,0,0,0,0,1\r\n";

QRect place_of(Pupil& pupil, std::string_view form, std::string_view control) {
    return pupil.windows().form(form).control_widget(control)->geometry();
}

int current_page(Pupil& pupil) { return pupil.lesson().nav.current_page; }

TEST(WordProblems, StartsWithItsTwoBarsHiddenAndItsContentsPage) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    for (auto absent : {"FORM2", "FORM10", "FORM11"}) EXPECT_FALSE(windows.has_form(absent));
    for (auto bar : {"FORM3", "FORM7", "FORM9"}) {
        EXPECT_FALSE(windows.form(bar).is_visible()) << bar;
        EXPECT_EQ(windows.form(bar).position(), QPoint(0, 414)) << bar;
    }
    for (auto bar : {"FORM7", "FORM9"}) {
        EXPECT_EQ(windows.form(bar).client_size(), QSize(641, 29)) << bar;
        EXPECT_TRUE(windows.form(bar).is_topmost()) << bar;
    }
    EXPECT_EQ(place_of(pupil, "FORM7", "EDIT2"), QRect(128, 0, 64, 22));
    EXPECT_EQ(place_of(pupil, "FORM7", "BUTTON2"), QRect(320, 0, 80, 22));
    EXPECT_EQ(place_of(pupil, "FORM9", "EDIT3"), QRect(144, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM9", "EDIT4"), QRect(232, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM9", "EDIT5"), QRect(320, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM9", "BUTTON3"), QRect(440, 0, 80, 22));
    for (auto picture : {"\\PF.BMP", "\\MF.BMP", "\\pr.BMP", "\\mr.BMP", "上指.BMP", "下指.BMP",
                         "天秤1.BMP", "天秤2.BMP", "天秤3.BMP"})
        EXPECT_TRUE(pupil.lesson().pictures.contains(picture)) << picture;

    EXPECT_TRUE(pupil.shows_text("6年生の算数    文章問題攻略法"));
    const std::pair<int, std::string_view> lines[] = {
        {7, "(よく見よう!)  ☆ 2年生の問題に直そう --- 1ページ"},
        {8, "(やってみよう!)★ 練習 1 ---------------- 2ページ"},
        {9, "(よく見よう!)  ☆ 3年生の問題に直そう --- 3ページ"},
        {10, "(やってみよう!)★ 練習 2 ---------------- 4ページ"},
    };
    for (auto [row, line] : lines)
        EXPECT_EQ(cells_of(pupil, line), std::vector{QPoint(2, row)}) << line;
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());

    // The window group follows the blackboard tag, the canvas on every screen.
    pupil.click_tag();
    for (auto bar : {"FORM3", "FORM7", "FORM9"})
        EXPECT_EQ(pupil.windows().form(bar).position(), QPoint(400, 714)) << bar;
    pupil.press(Nav::Next);
    EXPECT_EQ(pupil.windows().form("MAINFORM").position(), QPoint(400, 322));
}

TEST(WordProblems, EachPageOpensItsOwnStartFromDialog) {
    struct Dialog {
        int page;
        std::vector<std::string> texts;
        std::string_view absent;
    };
    const std::string range = "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡";
    const std::string passes = "1番から7番まですべて ごうかくするとパスワードが出ます｡";
    const Dialog dialogs[] = {
        {1, {"1ﾍﾟｰｼﾞ        2年生の問題に直そう", "回答らんに1から2" + range, "だん落  2"},
         "だん落  3"},
        {2, {"2ﾍﾟｰｼﾞ          練習1", "回答らんに1から7" + range, passes, " 7 "}, " 8 "},
        {3, {"3ﾍﾟｰｼﾞ        3年生の問題に直そう", "回答らんに1から2" + range, "だん落  2"},
         "だん落  3"},
        {4, {"4ﾍﾟｰｼﾞ          練習2", "回答らんに1から7" + range, passes, " 7 "}, " 8 "},
    };
    Pupil pupil(unit);
    for (const Dialog& dialog : dialogs) {
        const auto texts = harness::dialog_texts(pupil, dialog.page);
        for (const std::string& text : dialog.texts) EXPECT_TRUE(holds(texts, text)) << text;
        EXPECT_FALSE(holds(texts, dialog.absent)) << dialog.page;
        EXPECT_EQ(current_page(pupil), dialog.page);
    }
}

TEST(WordProblems, PassesShowInTheContentsThePageSelectAndTheProblemLists) {
    Pupil pupil(unit, kRecordWithPasses);
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), std::vector{QPoint(55, 8)});

    pupil.forget_texts();
    pupil.press(Nav::Where);
    EXPECT_EQ(cells_of(pupil, "何ページを開けますか? 0から4までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"),
              std::vector{QPoint(2, 2)});
    EXPECT_EQ(cells_of(pupil, "(よく見よう!)  ☆ 3年生の問題に直そう --- 3ページ"),
              std::vector{QPoint(2, 9)});
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), std::vector{QPoint(55, 8)});

    harness::dialog_texts(pupil, 4);
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (std::vector{QPoint(14, 9), QPoint(14, 15)}));
    harness::dialog_texts(pupil, 2);
    EXPECT_EQ(cells_of(pupil, "ごうかく").size(), 7u);
}

TEST(WordProblems, PageSelectTakesExactlyZeroToFour) {
    Pupil pupil(unit);
    for (int page : {4, 3, 2, 1, 0}) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(current_page(pupil), page);
    }
    EXPECT_TRUE(pupil.boxes().empty());
    pupil.press(Nav::Where).type("EDIT1", "5").click("BUTTON1");
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");
    EXPECT_EQ(pupil.lesson().nav.entry_mode, frame::EntryMode::PageSelect);
}

TEST(WordProblems, TheEndOfTheUnitKeepsPage4) {
    Pupil pupil(unit);
    for (int page = 1; page <= 4; ++page) {
        pupil.press(Nav::Next);
        EXPECT_EQ(current_page(pupil), page);
    }
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_EQ(cells_of(pupil, "単元終わり"), std::vector{QPoint(10, 7)});
    EXPECT_EQ(current_page(pupil), 4);
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_EQ(cells_of(pupil, "単元終わり"), std::vector{QPoint(10, 7)});
    pupil.press(Nav::Befor);
    EXPECT_EQ(current_page(pupil), 3);
    EXPECT_TRUE(pupil.shows_text("3ﾍﾟｰｼﾞ        3年生の問題に直そう"));
}

TEST(WordProblems, TheRecordKeepsOneLineOfSevenAndSevenFlags) {
    Pupil fresh(unit);
    EXPECT_EQ(harness::record_after_exit(fresh), "7,7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    Pupil passed(unit, kRecordWithPasses);
    EXPECT_EQ(harness::record_after_exit(passed), kRecordWithPasses);
}

TEST(WordProblems, AMixedNumberNeedsAllThreePartsAsTyped) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 2;
    lesson.keys = {"", "", "5", "3", "", "", "", ""};  // a proper fraction: A stays empty
    pupil.type("EDIT3", "0").type("EDIT4", "5").type("EDIT5", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT3", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 22);
    pupil.type("EDIT5", "３");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);
    pupil.type("EDIT5", "3");
    pupil.type("EDIT2", "1");  // the single-answer bar writes answer A too
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 23);

    lesson.nav.current_page = 4;
    lesson.keys = {"", "1", "", "", "", "", "", ""};
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 42);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 43);  // B and C must be empty
    pupil.type("EDIT4", "").type("EDIT5", "");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
}

TEST(WordProblems, TheNavigationLeavesTheNumeratorFieldAsTyped) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    pupil.type("EDIT2", "4").type("EDIT3", "2").type("EDIT4", "7").type("EDIT5", "9");
    pupil.press(Nav::Top);
    for (auto emptied : {"EDIT2", "EDIT3", "EDIT4"})
        EXPECT_EQ(lesson.field(emptied).text(), "") << emptied;
    EXPECT_EQ(lesson.field("EDIT5").text(), "9");

    // The answers of the emptied fields are gone, the numerator's stays.
    lesson.nav.current_page = 4;
    lesson.keys = {"", "", "", "9", "", "", "", ""};
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 42);
}

// Two events waiting at once: only the narration stops before the second
// handler; the canvas keeps its draw mode.
TEST(WordProblems, ASecondHandlerOfOneTurnOnlyStopsTheNarration) {
    Pupil pupil(unit);
    platform::Surface& canvas = pupil.lesson().canvas();
    canvas.set_draw_mode(15);
    const platform::Event change{"FORM9", "EDIT3", platform::EventKind::Change, {}, "EDIT3_CHANGE"};
    pupil.lesson().queue.push(change);
    pupil.lesson().queue.push(change);
    pupil.run_until_idle();
    EXPECT_EQ(canvas.state().mode, platform::DrawMode::Merge);
    EXPECT_EQ(pupil.sound_commands().back(), "close wave1");
}

}  // namespace
