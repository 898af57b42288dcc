// sector-area in the frame's shared screens: its window set, contents page,
// start-from dialogs, page select, end page, record and answer bars.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/unit_tour.h"
#include "units/sector-area/unit.h"

namespace {

using harness::holds;
using harness::Nav;
using harness::Pupil;
using harness::cells_of;
const frame::Unit& unit = units::sector_area::unit;

// Page 3 has passed problems 2 and 6, page 5 every problem.
const std::string kRecordWithPasses = "6,8,0,0,1,0,0,0,1,1,1,1,1,1,1,1,1\r\n";

QRect place_of(Pupil& pupil, std::string_view form, std::string_view control) {
    return pupil.windows().form(form).control_widget(control)->geometry();
}

int current_page(Pupil& pupil) { return pupil.lesson().nav.current_page; }

TEST(SectorArea, StartsWithItsBarsHiddenAndItsContentsPage) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    EXPECT_FALSE(windows.has_form("FORM2"));
    EXPECT_FALSE(windows.has_form("FORM11"));
    for (auto bar : {"FORM3", "FORM7", "FORM9", "FORM10"}) {
        EXPECT_FALSE(windows.form(bar).is_visible()) << bar;
        EXPECT_EQ(windows.form(bar).position(), QPoint(0, 414)) << bar;
    }
    for (auto bar : {"FORM7", "FORM9", "FORM10"}) {
        EXPECT_EQ(windows.form(bar).client_size(), QSize(641, 29)) << bar;
        EXPECT_TRUE(windows.form(bar).is_topmost()) << bar;
    }
    EXPECT_EQ(place_of(pupil, "FORM7", "EDIT2"), QRect(128, 0, 72, 22));
    EXPECT_EQ(place_of(pupil, "FORM7", "BUTTON2"), QRect(376, 0, 80, 22));
    EXPECT_EQ(place_of(pupil, "FORM9", "EDIT3"), QRect(144, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM9", "EDIT4"), QRect(312, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM9", "BUTTON3"), QRect(464, 0, 80, 22));
    EXPECT_EQ(place_of(pupil, "FORM10", "EDIT5"), QRect(144, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM10", "EDIT6"), QRect(232, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM10", "EDIT7"), QRect(320, 0, 56, 22));
    EXPECT_EQ(place_of(pupil, "FORM10", "BUTTON4"), QRect(464, 0, 80, 24));
    for (auto picture : {"\\PF.BMP", "\\MF.BMP", "上指.BMP", "左指.BMP", "右指.BMP"})
        EXPECT_TRUE(pupil.lesson().pictures.contains(picture)) << picture;

    EXPECT_TRUE(pupil.shows_text("6年生の算数    発展･おうぎ形の面積"));
    const std::pair<int, std::string_view> lines[] = {
        {7, "(よく見よう!)  ☆ おうぎ形って何? ------- 1ページ"},
        {8, "(よく見よう!)  ☆ おうぎ形の面積1 ------- 2ページ"},
        {9, "(やってみよう!)★ 練習 1 ---------------- 3ページ"},
        {10, "(よく見よう!)  ☆ おうぎ形の面積2 ------- 4ページ"},
        {11, "(やってみよう!)★ 練習 2 ---------------- 5ページ"},
    };
    for (auto [row, line] : lines)
        EXPECT_EQ(cells_of(pupil, line), std::vector{QPoint(2, row)}) << line;
    EXPECT_TRUE(cells_of(pupil, "ごうかく!").empty());

    // The window group follows the blackboard tag, the canvas on every screen.
    pupil.click_tag();
    for (auto bar : {"FORM3", "FORM7", "FORM9", "FORM10"})
        EXPECT_EQ(pupil.windows().form(bar).position(), QPoint(400, 714)) << bar;
    pupil.press(Nav::Next);
    EXPECT_EQ(pupil.windows().form("MAINFORM").position(), QPoint(400, 322));
}

TEST(SectorArea, EachPageOpensItsOwnStartFromDialog) {
    struct Dialog {
        int page;
        std::vector<std::string> texts;
        std::string_view absent;
    };
    const std::string range = "までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡";
    const Dialog dialogs[] = {
        {1, {"1ﾍﾟｰｼﾞ          おうぎ形って何?", "回答らんに1から2" + range, "だん落  1", "だん落  2"},
         "だん落  3"},
        {2, {"2ﾍﾟｰｼﾞ          おうぎ形の面積1", "回答らんに1から3" + range, "だん落  3"}, "だん落  4"},
        {3, {"3ﾍﾟｰｼﾞ          練習1", "回答らんに1から6" + range,
             "1番から6番まですべて ごうかくするとパスワードが出ます｡", " 6 "}, " 7 "},
        {4, {"4ﾍﾟｰｼﾞ          おうぎ形の面積2", "回答らんに1から2" + range, "だん落  2"}, "だん落  3"},
        {5, {"5ﾍﾟｰｼﾞ          練習2", "回答らんに1から8" + range,
             "1番から8番まですべて ごうかくするとパスワードが出ます｡", " 8 "}, " 9 "},
    };
    Pupil pupil(unit);
    for (const Dialog& dialog : dialogs) {
        const auto texts = harness::dialog_texts(pupil, dialog.page);
        for (const std::string& text : dialog.texts) EXPECT_TRUE(holds(texts, text)) << text;
        EXPECT_FALSE(holds(texts, dialog.absent)) << dialog.page;
        EXPECT_EQ(current_page(pupil), dialog.page);
    }
}

TEST(SectorArea, PassesShowInTheContentsThePageSelectAndTheProblemLists) {
    Pupil pupil(unit, kRecordWithPasses);
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), std::vector{QPoint(55, 11)});

    pupil.forget_texts();
    pupil.press(Nav::Where);
    EXPECT_EQ(cells_of(pupil, "何ページを開けますか? 0から5までの番号を入力して[OK]ﾎﾞﾀﾝをおして下さい｡"),
              std::vector{QPoint(2, 2)});
    EXPECT_EQ(cells_of(pupil, "(やってみよう!)★ 練習 2 ---------------- 5ページ"),
              std::vector{QPoint(2, 11)});
    EXPECT_EQ(cells_of(pupil, "ごうかく!"), std::vector{QPoint(55, 11)});

    pupil.type("EDIT1", "3");
    pupil.forget_texts();
    pupil.click("BUTTON1");
    EXPECT_EQ(cells_of(pupil, "ごうかく"), (std::vector{QPoint(14, 10), QPoint(14, 14)}));

    harness::dialog_texts(pupil, 5);
    std::vector<QPoint> all_eight;
    for (int k = 1; k <= 8; ++k) all_eight.emplace_back(14, k + 8);
    EXPECT_EQ(cells_of(pupil, "ごうかく"), all_eight);
}

TEST(SectorArea, PageSelectTakesExactlyZeroToFive) {
    Pupil pupil(unit);
    for (int page : {5, 4, 3, 2, 1, 0}) {
        pupil.press(Nav::Where).type("EDIT1", std::to_string(page)).click("BUTTON1");
        EXPECT_EQ(current_page(pupil), page);
    }
    EXPECT_TRUE(pupil.boxes().empty());
    pupil.press(Nav::Where).type("EDIT1", "6").click("BUTTON1");
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");
    EXPECT_EQ(pupil.lesson().nav.entry_mode, frame::EntryMode::PageSelect);
}

TEST(SectorArea, TheEndOfTheUnitKeepsPage5) {
    Pupil pupil(unit);
    for (int page = 1; page <= 5; ++page) {
        pupil.press(Nav::Next);
        EXPECT_EQ(current_page(pupil), page);
    }
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_EQ(cells_of(pupil, "単元終わり"), std::vector{QPoint(10, 7)});
    EXPECT_EQ(current_page(pupil), 5);
    pupil.forget_texts();
    pupil.press(Nav::Next);
    EXPECT_EQ(cells_of(pupil, "単元終わり"), std::vector{QPoint(10, 7)});
    pupil.press(Nav::Befor);
    EXPECT_EQ(current_page(pupil), 4);
    EXPECT_TRUE(pupil.shows_text("4ﾍﾟｰｼﾞ          おうぎ形の面積2"));
}

TEST(SectorArea, TheRecordKeepsOneLineOfSixAndEightFlags) {
    Pupil fresh(unit);
    EXPECT_EQ(harness::record_after_exit(fresh), "6,8,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
    Pupil passed(unit, kRecordWithPasses);
    EXPECT_EQ(harness::record_after_exit(passed), kRecordWithPasses);
}

TEST(SectorArea, TheSingleAnswerBarWantsTheKeyAsTyped) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.keys[1] = "28.26";
    lesson.nav.current_page = 3;
    pupil.type("EDIT2", "28.26");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 32);
    for (auto typed : {"28.260", " 28.26", "２８.２６", "28"}) {
        pupil.type("EDIT2", typed);
        EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 33) << typed;
    }
    lesson.nav.current_page = 5;
    pupil.type("EDIT2", "28.26");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 52);
    pupil.type("EDIT5", "3");  // the three-answer bar's first field writes the same answer
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 53);
    pupil.type("EDIT3", "28.26");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 52);

    // A field the navigation empties holds no answer any more.
    lesson.keys[1] = "";
    pupil.press(Nav::Top);
    lesson.nav.current_page = 3;
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON2_ON"), 32);
}

TEST(SectorArea, TheUnshownBarsCompareEachAnswerWithItsKey) {
    Pupil pupil(unit);
    frame::Lesson& lesson = pupil.lesson();
    lesson.nav.current_page = 5;
    lesson.keys = {"", "1", "2", "3", "", "", "", ""};
    pupil.type("EDIT3", "1").type("EDIT4", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 52);
    pupil.type("EDIT5", "1").type("EDIT6", "2").type("EDIT7", "3");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 52);
    pupil.type("EDIT6", "3").type("EDIT7", "2");
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON4_ON"), 53);
    EXPECT_EQ(harness::ok_verdict(pupil, "BUTTON3_ON"), 53);  // EDIT6 wrote answer 2 too
}

// Two events waiting at once: before the second handler the canvas draws in
// copy mode again and keeps its coordinates.
TEST(SectorArea, ASecondHandlerOfOneTurnFindsTheCanvasCopying) {
    Pupil pupil(unit);
    platform::Surface& canvas = pupil.lesson().canvas();
    canvas.set_draw_mode(15);
    canvas.set_logical_window(0, 0, 639, 479);
    const platform::Event change{"FORM7", "EDIT2", platform::EventKind::Change, {}, "EDIT2_CHANGE"};
    pupil.lesson().queue.push(change);
    pupil.lesson().queue.push(change);
    pupil.run_until_idle();
    EXPECT_EQ(canvas.state().mode, platform::DrawMode::Copy);
    EXPECT_EQ(canvas.state().window.y2, 479);
    EXPECT_EQ(pupil.sound_commands().back(), "close wave1");
}

}  // namespace
