// The program as a pupil meets it: the window set after start-up and the
// contents page.
#include <gtest/gtest.h>

#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::Pupil;
const frame::Unit& unit = units::expr_solve_2::unit;

TEST(StartUp, ShowsTheWindowSetAndTheContentsPage) {
    Pupil pupil(unit);
    ASSERT_FALSE(pupil.ended()) << (pupil.boxes().empty() ? "" : pupil.boxes().back().text);
    auto& windows = pupil.windows();
    EXPECT_EQ(windows.form("MAINFORM").client_size(), QSize(640, 440));  // placed as in every unit
    for (auto bar : {"FORM3", "FORM7", "FORM9", "FORM10", "FORM11"})
        EXPECT_FALSE(windows.form(bar).is_visible()) << bar;
    for (auto shown : {"FORM4", "FORM5", "FORM6", "FORM8"})
        EXPECT_TRUE(windows.form(shown).is_visible()) << shown;
    EXPECT_FALSE(windows.form("FORM2").is_visible());
    EXPECT_TRUE(windows.form("FORM8").is_topmost());
    EXPECT_TRUE(windows.form("FORM4").is_topmost());
    EXPECT_FALSE(windows.form("FORM3").is_topmost());

    EXPECT_EQ(pupil.colour_at({5, 60}), 6);   // the yellow page
    EXPECT_EQ(pupil.colour_at({5, 20}), 2);   // the red band
    EXPECT_EQ(pupil.colour_at({20, 100}), 0); // the blackboard of the contents lines
    EXPECT_EQ(pupil.lesson().request, frame::kIdle);
}

}  // namespace
