// The progress record across runs, the end of a unit and the run-time
// error report.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

namespace fs = std::filesystem;
using harness::CourseDrive;
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

// What a careless administrator may leave where the files should be.
void make_folder(const fs::path& file) {
    fs::remove(file);
    fs::create_directory(file);
}
void make_pipe(const fs::path& file) {
    fs::remove(file);
    mkfifo(file.c_str(), 0600);
}
void name_the_record_folder(const fs::path& no_bas) { std::ofstream(no_bas, std::ios::binary) << "\"\\\"\r\n"; }

TEST(RunTimeErrors, ARecordOrNoBasThatIsNoFileIsTheErrorOfAFileThatCannotBeRead) {
    const std::pair<const char*, Pupil::DriveChange> cases[] = {
        {"record is a folder", [](const CourseDrive& d) { make_folder(d.record()); }},
        {"NO.BAS is a folder", [](const CourseDrive& d) { make_folder(d.unit_folder() / "NO.BAS"); }},
        {"NO.BAS names \\", [](const CourseDrive& d) { name_the_record_folder(d.unit_folder() / "NO.BAS"); }},
        {"record is a pipe", [](const CourseDrive& d) { make_pipe(d.record()); }},
        {"NO.BAS is a pipe", [](const CourseDrive& d) { make_pipe(d.unit_folder() / "NO.BAS"); }},
    };
    for (const auto& [what, change] : cases) {
        Pupil pupil(unit, {}, change);
        EXPECT_TRUE(pupil.ended()) << what;
        ASSERT_EQ(pupil.boxes().size(), 1u) << what;
        EXPECT_EQ(pupil.boxes()[0].title, "expr-solve-2.EXE") << what;
        EXPECT_EQ(pupil.boxes()[0].text.substr(0, 6), "\nmain ") << what;
        EXPECT_NE(pupil.boxes()[0].text.find(":エラー[53]"), std::string::npos) << what;
    }
}

TEST(StartUp, RemovesWhatRewritesCutShortLeftBesideTheRecord) {
    Pupil pupil(unit, {}, [](const CourseDrive& d) {
        for (const char* name : {".ES2.DAT.new", ".ES2.DAT.31337.new"})
            std::ofstream(d.record().parent_path() / name) << "8,8,6,1";
    });
    ASSERT_FALSE(pupil.ended());
    EXPECT_FALSE(fs::exists(pupil.drive().record().parent_path() / ".ES2.DAT.new"));
    EXPECT_FALSE(fs::exists(pupil.drive().record().parent_path() / ".ES2.DAT.31337.new"));
}

// Closing the page window ends the program as a normal end, without a
// message; only the exit routine writes the record.
TEST(Exit, ClosingThePageWindowEndsTheProgramAndLeavesTheRecord) {
    Pupil pupil(unit);
    const std::string before = pupil.drive().record_bytes();
    pupil.lesson().pass_flags[0][0] = 1;
    pupil.windows().form("MAINFORM").window_widget()->close();
    pupil.run_until_idle();
    EXPECT_TRUE(pupil.ended());
    EXPECT_EQ(pupil.exit_code(), 0);
    EXPECT_TRUE(pupil.boxes().empty());
    EXPECT_EQ(pupil.drive().record_bytes(), before);
}

TEST(Exit, AReadOnlyRecordIsAnErrorAndStaysAsItWas) {
    const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    Pupil pupil(unit, {}, [&](const CourseDrive& d) { fs::permissions(d.record(), read_only); });
    const std::string before = pupil.drive().record_bytes();
    pupil.lesson().pass_flags[0][0] = 1;
    pupil.press(Nav::Exit);
    EXPECT_TRUE(pupil.ended());
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_NE(pupil.boxes()[0].text.find(":エラー[63]"), std::string::npos);
    EXPECT_EQ(pupil.drive().record_bytes(), before);
    EXPECT_EQ(fs::status(pupil.drive().record()).permissions(), read_only);
    EXPECT_TRUE(pupil.launcher_starts().empty());
}

}  // namespace
