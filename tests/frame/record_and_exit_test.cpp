// The progress record across runs, the end of a unit and the run-time
// error report.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "tests/support/bytes_read.h"
#include "tests/support/forked.h"
#include "tests/support/pupil.h"
#include "tests/support/record_forms.h"
#include "units/circle-area/unit.h"
#include "units/expr-solve-2/unit.h"
#include "units/symmetry/unit.h"
#include "units/word-problems/unit.h"

namespace {

namespace fs = std::filesystem;
using harness::CourseDrive;
using harness::Forked;
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
    // Closing the sound may keep the program waiting (a sound layer stuck on
    // a broken file): the record is written by then, the launcher not yet.
    std::optional<std::string> record_at_close;
    bool launcher_at_close = true;
    pupil.on_sound_command([&](std::string_view command) {
        if (command != "close wave1") return;
        record_at_close = pupil.drive().record_bytes();
        launcher_at_close = !pupil.launcher_starts().empty();
    });

    pupil.press(Nav::Exit);
    EXPECT_TRUE(pupil.ended());
    EXPECT_EQ(pupil.exit_code(), 0);
    const std::string rewritten = "8,8,6,0,1,0,0,0,0,0,2,0,0,0,1,0,0,0,0\r\n1,0,0,0,0,1\r\n";
    EXPECT_EQ(pupil.drive().record_bytes(), rewritten);
    EXPECT_EQ(record_at_close, rewritten);
    EXPECT_FALSE(launcher_at_close);
    ASSERT_EQ(pupil.launcher_starts().size(), 1u);
    EXPECT_EQ(pupil.launcher_starts()[0].folder, pupil.drive().base_folder());
    EXPECT_EQ(pupil.launcher_starts()[0].program.filename(), "ﾎﾟｺﾄﾐﾙ1.exe");
    const auto& sounds = pupil.sound_commands();
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.back(), "close wave1");
}

// The program ended with the run-time error box of a record that is no
// record of its unit (62), the file left byte for byte, no launcher started.
void expect_refused_and_kept(const frame::Unit& each, const Pupil& pupil, const harness::RecordForm& form) {
    EXPECT_TRUE(pupil.ended()) << form.what;
    ASSERT_EQ(pupil.boxes().size(), 1u) << form.what;
    EXPECT_EQ(pupil.boxes()[0].title, std::string(each.name) + ".EXE");
    EXPECT_NE(pupil.boxes()[0].text.find(":エラー[62]"), std::string::npos) << form.what;
    EXPECT_EQ(pupil.boxes()[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(pupil.drive().record_bytes(), form.bytes) << form.what;
    EXPECT_EQ(std::distance(fs::directory_iterator(pupil.drive().record().parent_path()), fs::directory_iterator()), 1) << form.what;
    EXPECT_TRUE(pupil.launcher_starts().empty()) << form.what;
}

// The forms of a record that the course reads keep every pass through a run,
// and so does the record named by a "NO.BAS" saved with a UTF-8 byte order
// mark.
TEST(StartUp, ARecordInAFormTheCourseReadsKeepsEveryPass) {
    const auto mark_no_bas = [](const CourseDrive& d) {
        std::ofstream(d.unit_folder() / "NO.BAS", std::ios::binary)
            << "\xEF\xBB\xBF\"\\" << d.record().filename().string() << "\"\r\n";
    };
    std::vector<std::pair<harness::RecordForm, Pupil::DriveChange>> cases;
    for (harness::RecordForm& form : harness::ten_passes_readable()) cases.emplace_back(std::move(form), nullptr);
    cases.emplace_back(harness::RecordForm{"NO.BAS with a UTF-8 byte order mark", harness::ten_passes()}, mark_no_bas);
    for (const auto& [form, change] : cases) {
        Pupil pupil(unit, form.bytes, change);
        ASSERT_FALSE(pupil.ended()) << form.what;
        EXPECT_EQ(frame::progress_text(unit.record_layout(), pupil.lesson().pass_flags), harness::ten_passes()) << form.what;
        pupil.press(Nav::Exit);
        EXPECT_TRUE(pupil.boxes().empty()) << form.what;
        EXPECT_EQ(pupil.drive().record_bytes(), harness::ten_passes()) << form.what;
    }
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

// A record that is a link: written through where the link stays inside the
// drive, refused (error 52) where it leads out.
TEST(Exit, ALinkedRecordInsideTheDriveIsWrittenThroughAndStaysALink) {
    const auto link_to = [](const fs::path& target) {
        return [target](const CourseDrive& d) {
            const fs::path real = d.drive_c() / target;
            fs::create_directories(real.parent_path());
            fs::rename(d.record(), real);
            fs::create_symlink(fs::relative(real, d.record().parent_path()), d.record());
            std::ofstream(real.parent_path() / ".ES2.DAT.77.new") << "8,8";  // a rewrite cut short there
        };
    };
    Pupil pupil(unit, {}, link_to("REAL/ES2.DAT"));
    ASSERT_FALSE(pupil.ended());
    const fs::path real = pupil.drive().drive_c() / "REAL";
    EXPECT_FALSE(fs::exists(real / ".ES2.DAT.77.new"));
    pupil.lesson().pass_flags[2][5] = 1;
    pupil.press(Nav::Exit);
    EXPECT_TRUE(pupil.boxes().empty());
    EXPECT_TRUE(fs::is_symlink(pupil.drive().record()));
    EXPECT_EQ(pupil.drive().record_bytes(), "8,8,6,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,1\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(real), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(pupil.drive().record().parent_path()), fs::directory_iterator()), 1);

    Pupil outside(unit, {}, link_to("../REAL/ES2.DAT"));
    EXPECT_TRUE(outside.ended());
    ASSERT_EQ(outside.boxes().size(), 1u);
    EXPECT_NE(outside.boxes()[0].text.find(":エラー[52]"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(outside.drive().record()));
}

// A valid record followed by zeros up to 2.5 GB: only its start is read,
// the passes in it count, and the rewrite at the end leaves it small.  A
// record whose items run on past that start is damaged.
TEST(StartUp, ARecordFarTooLongIsReadByItsStart) {
    const frame::PassFlags flags{{0, 1, 0, 0, 0, 0, 0, 2}, {0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 1}};
    const auto lengthen = [](const CourseDrive& d) { fs::resize_file(d.record(), 2'500'000'000); };  // sparse
    std::optional<Pupil> pupil;
    const std::uint64_t read = harness::bytes_read_during([&] { pupil.emplace(unit, harness::record_with(unit, flags), lengthen); });
    ASSERT_FALSE(pupil->ended());
    EXPECT_LT(read, 100'000'000u);
    EXPECT_EQ(pupil->lesson().pass_flags, flags);
    pupil->press(Nav::Exit);
    EXPECT_EQ(pupil->drive().record_bytes(), harness::record_with(unit, flags));

    Pupil blanks_first(unit, std::string(1'000'000, ' ') + harness::record_with(unit, flags));
    ASSERT_EQ(blanks_first.boxes().size(), 1u);
    EXPECT_NE(blanks_first.boxes()[0].text.find(":エラー[62]"), std::string::npos);
}

// Memory that runs out in the middle of a page is the numbered error 7.
TEST(RunTimeErrors, MemoryRunningOutIsErrorSeven) {
    Pupil pupil(unit);
    pupil.clock().on_sleep([](std::chrono::milliseconds) { throw std::bad_alloc(); });
    pupil.open(1, "1");
    EXPECT_TRUE(pupil.ended());
    ASSERT_EQ(pupil.boxes().size(), 1u);
    EXPECT_EQ(pupil.boxes()[0].title, "expr-solve-2.EXE");
    EXPECT_NE(pupil.boxes()[0].text.find(":エラー[7]"), std::string::npos) << pupil.boxes()[0].text;
    EXPECT_EQ(pupil.boxes()[0].icon, platform::MessageIcon::Warning);
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

// What another copy of the unit may have written to the record while this
// one ran: its passes stay, whatever this copy holds in their place; this
// copy's passes and numbers stay where the record holds no pass.
TEST(Exit, KeepsThePassesTheRecordGainedWhileTheUnitRan) {
    const struct {
        std::string meanwhile;
        std::string rewritten;
    } cases[] = {
        {"8,8,6,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n0,0,0,0,0,1\r\n",
         "8,8,6,1,1,1,2,-3,0,0,0,0,0,0,0,0,0,0,1\r\n0,0,0,0,0,1\r\n"},
        {"1,1,1,2,0,5,-1,1,0,0,0\r\n0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n",
         "8,8,6,0,1,5,2,1,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n"},
    };
    for (const auto& [meanwhile, rewritten] : cases) {
        Pupil pupil(unit, "8,8,6,0,0,5,2,-3,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
        pupil.lesson().pass_flags[0][1] = 1;  // this run's pass
        std::ofstream(pupil.drive().record(), std::ios::binary) << meanwhile;
        pupil.press(Nav::Exit);
        EXPECT_TRUE(pupil.boxes().empty()) << meanwhile;
        EXPECT_EQ(pupil.drive().record_bytes(), rewritten) << meanwhile;
    }
}

// A record a start-up refuses, one a person saved in a form the course never
// writes or one cut short, is refused alike when it takes the record's place
// while the unit runs: the exit never writes over it, and so loses none of
// the passes it holds.
TEST(RunTimeErrors, ARecordAStartUpRefusesIsNeverWrittenOverByAnExit) {
    std::vector<std::pair<const frame::Unit*, harness::RecordForm>> cases;
    for (harness::RecordForm& form : harness::ten_passes_foreign()) cases.emplace_back(&unit, std::move(form));
    const std::pair<const frame::Unit*, const frame::Unit*> with_shorter[] = {
        {&unit, &units::word_problems::unit},
        {&units::symmetry::unit, &unit},
        {&units::word_problems::unit, &units::circle_area::unit},
    };
    for (const auto& [each, shorter] : with_shorter)
        for (harness::RecordForm& form : harness::all_passed_cut_short(each->record_layout(), shorter->record_layout()))
            cases.emplace_back(each, std::move(form));
    for (const auto& [each, form] : cases) {
        const Pupil at_start(*each, form.bytes);
        expect_refused_and_kept(*each, at_start, form);

        Pupil pupil(*each);
        pupil.lesson().pass_flags[0][5] = 1;  // this run's pass
        std::ofstream(pupil.drive().record(), std::ios::binary) << form.bytes;
        pupil.press(Nav::Exit);
        expect_refused_and_kept(*each, pupil, form);
    }
}

// Two copies of the unit on one record, as a double click starts them, in
// processes of their own: each passes a problem of page 2 and exits, the
// first while the second still runs on what it read at its start.
TEST(Exit, TwoCopiesOnOneRecordKeepBothTheirPasses) {
    const CourseDrive drive(unit);
    const auto copy = [&drive](const char* problem, const char* answer) {
        return std::vector<std::string>{drive.root().string(), problem, answer};
    };
    Forked first(COURSE_UNIT_COPY, copy("1", "54"));
    Forked second(COURSE_UNIT_COPY, copy("3", "116"));
    ASSERT_TRUE(first.wait_ready());
    ASSERT_TRUE(second.wait_ready());
    first.go();
    EXPECT_EQ(first.exit_status(), 0);
    EXPECT_EQ(drive.record_bytes(), "8,8,6,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
    second.go();
    EXPECT_EQ(second.exit_status(), 0);
    EXPECT_EQ(drive.record_bytes(), "8,8,6,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
}

std::set<std::string> names_in(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// The pupil may write and search the record's folder but not read it
// (another's folder of mode 0733): copies exiting together take turns there
// too, and a start-up removes what a rewrite cut short left.  The copies run
// as an ordinary user, for no folder is unreadable to root.
TEST(Exit, CopiesWhereTheRecordsFolderCannotBeReadKeepEveryPass) {
    if (::geteuid() != 0) GTEST_SKIP() << "runs the copies as another user";
    const std::pair<const char*, const char*> passes[] = {{"1", "54"}, {"2", "1139"}, {"3", "116"}, {"4", "67"}};
    for (const std::size_t copies : {4u, 2u}) {
        const CourseDrive drive(unit);
        const fs::path folder = drive.record().parent_path();
        std::ofstream(folder / ".ES2.DAT.new") << "8,8";  // a rewrite cut short
        fs::permissions(drive.record(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::add);
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_write | fs::perms::group_exec |
                                    fs::perms::others_write | fs::perms::others_exec);
        std::vector<std::unique_ptr<Forked>> running;
        frame::PassFlags kept{std::vector<int>(8), std::vector<int>(8), std::vector<int>(6)};
        for (std::size_t k = 0; k < copies; ++k) {
            running.push_back(std::make_unique<Forked>(
                "/usr/bin/setpriv", std::vector<std::string>{"--reuid=65534", "--regid=65534", "--clear-groups",
                                                             COURSE_UNIT_COPY, drive.root().string(),
                                                             passes[k].first, passes[k].second}));
            kept[0][k] = 1;
        }
        for (auto& copy : running) ASSERT_TRUE(copy->wait_ready());
        EXPECT_EQ(names_in(folder), std::set<std::string>{"ES2.DAT"}) << copies << " copies started";
        std::ofstream(folder / ".ES2.DAT.new") << "8,8";  // a copy killed in its rewrite meanwhile
        for (auto& copy : running) copy->go();
        for (auto& copy : running) EXPECT_EQ(copy->exit_status(), 0);
        EXPECT_EQ(drive.record_bytes(), harness::record_with(unit, kept)) << copies << " copies";
        EXPECT_EQ(names_in(folder), std::set<std::string>{"ES2.DAT"}) << copies << " copies ended";
    }
}

// Another process holding the lock of the record's folder (a copy stopped in
// the middle of its rewrite, a drive that hangs) until the test lets it go,
// or for a while longer than any test takes.
std::function<int(Forked::Steps&)> holding_the_lock(const fs::path& folder) {
    return [folder](Forked::Steps& steps) {
        const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (descriptor < 0 || ::flock(descriptor, LOCK_EX) != 0) return 1;
        steps.ready();
        steps.go_given(std::chrono::seconds(30));
        return 0;
    };
}

// A start-up leaves the clean-up to the next one and goes on; an exit waits
// some seconds (on the program's clock), then ends with error 63 and the
// record as it was, or writes the record once the lock is let go meanwhile.
TEST(Exit, AFolderLockedByAnotherProcessDelaysNoStartAndAnExitOnlyForSeconds) {
    const struct {
        bool let_go_meanwhile;
        int error;
    } cases[] = {{false, 63}, {true, 0}};
    for (const auto& [let_go_meanwhile, error] : cases) {
        std::optional<Forked> holder;
        fs::path stale;
        Pupil pupil(unit, {}, [&](const CourseDrive& d) {
            stale = d.record().parent_path() / ".ES2.DAT.4711.new";
            std::ofstream(stale) << "8,8";
            holder.emplace(holding_the_lock(d.record().parent_path()));
            ASSERT_TRUE(holder->wait_ready());
        });
        ASSERT_FALSE(pupil.ended());
        EXPECT_TRUE(fs::exists(stale)) << "the start-up waited for the lock";
        const std::string before = pupil.drive().record_bytes();
        pupil.lesson().pass_flags[0][0] = 1;
        if (let_go_meanwhile)
            pupil.clock().on_sleep([&](std::chrono::milliseconds) {
                holder->go();
                EXPECT_EQ(holder->exit_status(), 0);
            });

        const std::chrono::milliseconds exit_from = pupil.clock().elapsed();
        pupil.press(Nav::Exit);
        const std::chrono::milliseconds waited = pupil.clock().elapsed() - exit_from;
        EXPECT_TRUE(pupil.ended());
        ASSERT_EQ(pupil.boxes().size(), error ? 1u : 0u);
        EXPECT_EQ(pupil.launcher_starts().size(), error ? 0u : 1u);
        ASSERT_FALSE(pupil.sound_commands().empty());
        EXPECT_EQ(pupil.sound_commands().back(), "close wave1");
        if (error) {
            EXPECT_NE(pupil.boxes()[0].text.find(":エラー[63]"), std::string::npos);
            EXPECT_EQ(pupil.drive().record_bytes(), before);
            EXPECT_GE(waited, std::chrono::seconds(2));
            EXPECT_LE(waited, std::chrono::seconds(10));
        } else {
            EXPECT_EQ(pupil.drive().record_bytes(), "8,8,6,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n");
            EXPECT_LT(waited, std::chrono::seconds(1));
        }
        holder->go();
        EXPECT_EQ(holder->exit_status(), 0);
    }
}

}  // namespace
