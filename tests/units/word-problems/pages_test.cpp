// The pages as a pupil meets them where a trace cannot show it: each
// explanation page opened at its last paragraph, and what the navigation
// bar leaves in the three-answer bar.  From paragraph 1, and every problem
// answered wrong and right, the pages are in their traces.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/explanation_session.h"
#include "units/word-problems/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;

const frame::Unit& unit = units::word_problems::unit;

struct Ending {
    int page;
    std::string_view last_text;  // the last problem's answer row, and where
    platform::PointF last_at;
    platform::PointF emptied;    // inside a box the page empties at its end
};

const Ending kEndings[] = {
    {1, "15         15", {514, 400}, {114, 199}},
    {3, "15         15", {514, 420}, {64, 192}},
};

TEST(WordProblemsExplanations, FromTheLastParagraphTheWholePageIsDrawnSilently) {
    for (const Ending& e : kEndings) {
        SCOPED_TRACE("page " + std::to_string(e.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, e.page, "2", std::to_string(e.page) + "ページ終わり",
                                      {500, 455});
        EXPECT_EQ(last_colour(pupil, e.last_text, e.last_at), 7);
        EXPECT_EQ(pupil.colour_at(pupil.lesson().canvas().to_pixel(e.emptied)), 0);
    }
}

// The navigation bar empties A and B but leaves C as typed; the next
// problem shown empties all three.
TEST(WordProblemsExercises, NavigationLeavesCAndTheNextProblemEmptiesIt) {
    Pupil pupil(unit);
    pupil.open(2, "1");
    pupil.type("EDIT3", "1").type("EDIT4", "20").type("EDIT5", "9");
    pupil.press(harness::Nav::Where);
    EXPECT_EQ(pupil.lesson().field("EDIT3").text(), "");
    EXPECT_EQ(pupil.lesson().field("EDIT4").text(), "");
    EXPECT_EQ(pupil.lesson().field("EDIT5").text(), "9");
    pupil.type("EDIT1", "2").click("BUTTON1").type("EDIT1", "2").click("BUTTON1");
    EXPECT_EQ(pupil.shown_bar(), "FORM9");
    EXPECT_EQ(pupil.lesson().field("EDIT5").text(), "");
}

}  // namespace
