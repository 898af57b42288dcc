// The progress record across runs, the end of a unit and the run-time
// error report.
#include <gtest/gtest.h>

#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;
const frame::Unit& unit = units::expr_solve_2::unit;

TEST(Exit, RewritesTheRecordAndStartsTheLauncherInTheBaseFolder) {
    frame::PassFlags flags{{0, 1, 0, 0, 0, 0, 0, 2}, {0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 1}};
    std::string record = harness::record_with(unit, flags);
    record.replace(0, 5, "1,1,1");  // the header is read and ignored
    Pupil pupil(unit, record);
    pupil.lesson().pass_flags[1][3] = 1;  // a pass of this run
    EXPECT_EQ(pupil.drive().record_bytes(), record);  // nothing written before "exit"

    pupil.press(Nav::Exit);
    EXPECT_TRUE(pupil.ended());
    EXPECT_EQ(pupil.drive().record_bytes(),
              "8,8,6,0,1,0,0,0,0,0,2,0,0,0,1,0,0,0,0\r\n1,0,0,0,0,1\r\n");
    ASSERT_EQ(pupil.launcher_starts().size(), 1u);
    EXPECT_EQ(pupil.launcher_starts()[0].folder, pupil.drive().base_folder());
    EXPECT_EQ(pupil.launcher_starts()[0].program.filename(), "ﾎﾟｺﾄﾐﾙ1.exe");
    const auto& sounds = pupil.sound_commands();
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back(), "close wave1");
}

TEST(RunTimeErrors, AShortRecordIsReportedAndLeftAsItWas) {
    const std::string shortened = "8,8,6,1,1\r\n";
    Pupil pupil(unit, shortened);
    EXPECT_TRUE(pupil.ended());
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes()[0].title, "expr-solve-2.EXE");
    EXPECT_NE(pupil.boxes()[0].text.find(":エラー[62]"), std::string::npos);
    EXPECT_EQ(pupil.boxes()[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(pupil.drive().record_bytes(), shortened);
    EXPECT_TRUE(pupil.launcher_starts().empty());
}

}  // namespace
