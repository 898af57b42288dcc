// Moving through a unit with the navigation bar and the entry bar.
#include <gtest/gtest.h>

#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& unit = units::expr_solve_2::unit;

int current_page(Pupil& pupil) { return pupil.lesson().nav.current_page; }
int previous_page(Pupil& pupil) { return pupil.lesson().nav.previous_page; }

// The walk through the page plan to the end page and back is each unit's
// screen table; here what it leaves out.
TEST(Navigation, BeforNextAndLastFollowThePagePlan) {
    Pupil pupil(unit);
    pupil.press(Nav::Befor);
    EXPECT_EQ(current_page(pupil), 0);
    EXPECT_EQ(previous_page(pupil), 0);

    pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.lesson().io.windows.form("FORM3").is_visible());
    for (int i = 0; i < 7; ++i) pupil.press(Nav::Next);  // past page 6: the end page, twice
    EXPECT_EQ(previous_page(pupil), 6);
    EXPECT_EQ(pupil.colour_at({5, 5}), 14);

    pupil.press(Nav::Befor).press(Nav::Top);
    EXPECT_EQ(current_page(pupil), 0);
    pupil.press(Nav::Last).press(Nav::Last);  // back and forth
    EXPECT_EQ(current_page(pupil), 0);
    pupil.press(Nav::Last);
    EXPECT_EQ(current_page(pupil), 5);
}

// The page numbers page select refuses are each unit's screen table.
TEST(Navigation, PageSelectKeepsTheCurrentPageUntilItTakesANumber) {
    Pupil pupil(unit);
    pupil.press(Nav::Next).press(Nav::Next).press(Nav::Next);  // page 3
    pupil.press(Nav::Where);
    EXPECT_EQ(pupil.lesson().nav.entry_mode, frame::EntryMode::PageSelect);
    EXPECT_EQ(pupil.colour_at({5, 5}), 7);
    pupil.type("EDIT1", "7").click("BUTTON1");
    EXPECT_EQ(pupil.boxes().back().text, "そのページはありません！");
    EXPECT_EQ(current_page(pupil), 3);
    pupil.press(Nav::Head);  // the page that was current before "where"
    EXPECT_EQ(current_page(pupil), 3);
    pupil.press(Nav::Where).type("EDIT1", "0").click("BUTTON1");
    EXPECT_EQ(current_page(pupil), 0);
    EXPECT_EQ(pupil.lesson().nav.entry_mode, frame::EntryMode::StartFrom);
}

TEST(Navigation, TypedStartNumbersAreStoredByTheirValue) {
    Pupil pupil(unit);
    pupil.press(Nav::Next);  // page 1 takes a paragraph
    const std::pair<const char*, int> typed[] = {
        {"  4", 4}, {"1 2", 1}, {"x", 0}, {"４", 0}, {"2.5", 2}, {"3.5", 4}, {"99999", 32767}};
    for (auto [text, value] : typed) {
        pupil.type("EDIT1", text);
        EXPECT_EQ(pupil.lesson().start_paragraph, value) << text;
    }
    pupil.type("EDIT1", "99999").click("BUTTON1");  // beyond 16 bits: the page refuses it
    EXPECT_FALSE(pupil.ended());
    EXPECT_EQ(pupil.boxes().back().text, "その段落はありません！");
}

TEST(Navigation, ExitClearsNothingAndOkOnTheContentsPageDrawsNothing) {
    Pupil pupil(unit);
    pupil.press(Nav::Next).type("EDIT1", "2").press(Nav::Top);
    pupil.lesson().fresh_start = 0;
    pupil.click("BUTTON1");  // the entry bar is still shown
    EXPECT_EQ(pupil.lesson().fresh_start, 1);
    EXPECT_EQ(pupil.lesson().request, frame::kIdle);
    EXPECT_EQ(current_page(pupil), 0);
}

// The passes the dialogs list are each unit's screen table.
TEST(Navigation, DialogsNumberTheParagraphsBesideTheLogo) {
    Pupil pupil(unit);
    pupil.press(Nav::Next);
    EXPECT_TRUE(pupil.shows_text("だん落  3"));
    EXPECT_EQ(pupil.colour_at({420, 265 * 479 / 568}), 1);  // the logo's centre disc
    pupil.press(Nav::Next);
    EXPECT_EQ(pupil.colour_at({5, 5}), 14);
}

}  // namespace
