// The progress record and "NO.BAS": items, the record's text form, and the
// one-step rewrite of the record file.
#include "frame/progress_record.h"
#include "frame/record_rewrite.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <thread>

#include "platform/clock.h"
#include "platform/run_error.h"
#include "platform/text.h"
#include "tests/support/record_forms.h"

namespace {

namespace fs = std::filesystem;
using frame::ItemReader;
using frame::PassFlags;
using frame::RecordLayout;
using frame::progress_text;
using frame::read_progress;
using frame::read_record_name;
using frame::remove_stale_rewrites;
using frame::replace_file;

const RecordLayout kThreePages{.header = {8, 8, 6}, .flag_counts = {8, 8, 6}, .lists_on_first_line = 2};
const RecordLayout kTwoPages{.header = {5, 4, 0}, .flag_counts = {5, 4}, .lists_on_first_line = 2};

int error_of(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::RunError& error) {
        return error.number();
    }
    return 0;
}

// Sleeps for real, without Qt, in a process a test forked.
class SleepingClock final : public platform::Clock {
public:
    void sleep(std::chrono::milliseconds length) override {
        std::this_thread::sleep_for(length);
        slept_ += length;
    }
    std::chrono::milliseconds elapsed() const override { return slept_; }

private:
    std::chrono::milliseconds slept_{0};
};

// Rewrites the file with fixed bytes, as an exit does, waiting for the
// folder as long as an exit would.
void replace_with(const fs::path& file, const std::string& bytes) {
    SleepingClock clock;
    replace_file(file, [&] { return bytes; }, {.clock = clock, .most = std::chrono::seconds(5)});
}

PassFlags some_passes() { return {{1, 0, 0, 1, 1, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1}, {1, 2, 0, -1, 0, 1}}; }

TEST(ProgressRecord, WrittenFlagsReadBackTheSame) {
    const PassFlags passes = some_passes();
    const std::string text = progress_text(kThreePages, passes);
    EXPECT_EQ(text, "8,8,6,1,0,0,1,1,0,0,1,0,0,0,0,0,0,0,1\r\n1,2,0,-1,0,1\r\n");
    EXPECT_EQ(read_progress(text, kThreePages), passes);

    const PassFlags two{{0, 1, 1, 0, 1}, {1, 1, 1, 1}};
    EXPECT_EQ(read_progress(progress_text(kTwoPages, two), kTwoPages), two);
    EXPECT_EQ(error_of([] { progress_text(kTwoPages, {{1, 1, 1, 1, 1}}); }), 5);
    EXPECT_EQ(error_of([] { progress_text(kTwoPages, {{1, 1, 1, 1, 1}, {1, 1, 1}}); }), 5);
    EXPECT_EQ(error_of([] { progress_text(kTwoPages, {{1, 1, 1, 1}, {1, 1, 1, 1}}); }), 5);
}

TEST(ProgressRecord, TheHeaderIsIgnoredAndWrittenAnew) {
    const std::string read = "1,1,1,1,0,0,1,1,0,0,1,0,0,0,0,0,0,0,1\r\n1,2,0,-1,0,1\r\n";
    const PassFlags flags = read_progress(read, kThreePages);
    EXPECT_EQ(flags, some_passes());
    EXPECT_EQ(progress_text(kThreePages, flags).substr(0, 6), "8,8,6,");
}

TEST(ProgressRecord, FlagsLoadTheSameHoweverTheyAreSpread) {
    const PassFlags expected = some_passes();
    const std::string items[] = {"8", "8", "6", "1", "0", "0", "1", "1", "0", "0", "1", "0", "0", "0",
                                 "0", "0", "0", "0", "1", "1", "2", "0", "-1", "0", "1"};
    std::string one_line, one_per_line, blanks, lf_only;
    for (const auto& item : items) {
        one_line += (one_line.empty() ? "" : ",") + item;
        one_per_line += item + "\r\n";
        blanks += "  " + item + " ,";
        lf_only += item + "\n";
    }
    EXPECT_EQ(read_progress(one_line + "\r\n", kThreePages), expected);
    EXPECT_EQ(read_progress(one_line, kThreePages), expected);
    EXPECT_EQ(read_progress(one_per_line, kThreePages), expected);
    EXPECT_EQ(read_progress(blanks, kThreePages), expected);
    EXPECT_EQ(read_progress(lf_only, kThreePages), expected);
    EXPECT_EQ(read_progress("8 8 6 1 0 0 1 1 0 0 1:0 0 0 0 0 0 0 1\r\n1\r2\r0\r-1\r0\r1", kThreePages), expected);
    // Items after the last flag are ignored, and gone once written back.
    const std::string longer = progress_text(kThreePages, expected) + "1,1,1\r\nextra\r\n";
    EXPECT_EQ(progress_text(kThreePages, read_progress(longer, kThreePages)), progress_text(kThreePages, expected));
}

TEST(ProgressRecord, ARecordShorterThanItsFlagsIsInputPastEnd) {
    const std::string full = progress_text(kThreePages, some_passes());
    EXPECT_EQ(error_of([&] { read_progress(full.substr(0, full.size() - 4), kThreePages); }), 62);  // five of six
    EXPECT_EQ(error_of([&] { read_progress("8,8,6\r\n", kThreePages); }), 62);
    EXPECT_EQ(error_of([&] { read_progress("", kThreePages); }), 62);
    EXPECT_EQ(error_of([&] { read_progress("   \r\n", kTwoPages); }), 62);
}

// A record a person saved in another form is read as the record where the
// course's reading allows, else refused as no record of the course; never
// read as zeros or shifted.
TEST(ProgressRecord, ARecordInAFormTheCourseNeverWritesIsRefusedNotReadAsZeros) {
    const PassFlags ten{{1, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0, 0, 1}, {1, 1, 0, 0, 0, 1}};
    for (const auto& [what, bytes] : harness::ten_passes_readable())
        EXPECT_EQ(read_progress(bytes, kThreePages), ten) << what;
    for (const auto& [what, bytes] : harness::ten_passes_foreign())
        EXPECT_EQ(error_of([&] { read_progress(bytes, kThreePages); }), 62) << what;
    EXPECT_EQ(error_of([] { read_progress("\xEF\xBB\xBF", kThreePages); }), 62);

    // One item, as a number: its value, or refused.
    const struct {
        const char* item;
        std::optional<long> value;
    } items[] = {
        {"7", 7}, {"  7  ", 7}, {"+7", 7}, {"-7", -7}, {"7.", 7}, {"6.5", 7}, {".4", 0}, {"\"7\"", 7},
        {"", {}}, {"   ", {}}, {"７", {}}, {"7x", {}}, {"x7", {}}, {"7.6.5", {}}, {"-", {}}, {".", {}},
        {"+-7", {}}, {"7e3", {}}, {"\t7", {}}, {"\"\"", {}}, {"\xEF\xBB\xBF" "7", {}},
    };
    for (const auto& [item, value] : items) {
        const std::string text = std::string(item) + ",1";
        ItemReader reader(text);
        if (value) EXPECT_EQ(reader.next_number(), *value) << item;
        else EXPECT_EQ(error_of([&] { reader.next_number(); }), 62) << item;
    }
}

// Read from the start of a longer file, the items are those of the whole
// file, or input past the end where an item runs into the cut.
TEST(ProgressRecord, TheStartOfALongerFileReadsAsTheWholeOrIsInputPastEnd) {
    using frame::TextEnd;
    const PassFlags flags{{0, 1, 1, 0, 1}, {1, 1, 1, 12}};
    const std::string items = "5,4,0,0,1,1,0,1,1,1,1,12";
    const struct {
        std::string text;
        TextEnd end;
        bool read;
    } cases[] = {
        {items + "\r\n" + std::string(5, '\0'), TextEnd::Cut, true},
        {items + "\r", TextEnd::Cut, true},
        {items + " ", TextEnd::Cut, true},
        {items, TextEnd::File, true},
        {items, TextEnd::Cut, false},  // the last flag might be 123
        {items.substr(0, 9), TextEnd::Cut, false},
    };
    for (const auto& [text, end, read] : cases) {
        if (read) EXPECT_EQ(read_progress(text, kTwoPages, end), flags) << text;
        else EXPECT_EQ(error_of([&] { read_progress(text, kTwoPages, end); }), 62) << text;
    }
    EXPECT_EQ(read_record_name("\"\\ES2.DAT\"", TextEnd::Cut), "\\ES2.DAT");
    EXPECT_EQ(read_record_name("\\ES2.DAT\r", TextEnd::Cut), "\\ES2.DAT");
    EXPECT_EQ(error_of([] { read_record_name("\"\\ES2,A.DA", TextEnd::Cut); }), 62);
    EXPECT_EQ(error_of([] { read_record_name("\\ES2.DA", TextEnd::Cut); }), 62);
}

TEST(ItemReader, RecordNamesQuotedAndUnquoted) {
    EXPECT_EQ(read_record_name("\"\\ES2,A:B.DAT\"\r\n"), "\\ES2,A:B.DAT");
    EXPECT_EQ(read_record_name("\"  \\ES2.DAT  \" ,next"), "  \\ES2.DAT  ");
    EXPECT_EQ(read_record_name("\\ES2.DAT,other\r\n"), "\\ES2.DAT");
    EXPECT_EQ(read_record_name("\\ES2:DAT\r\n"), "\\ES2");
    EXPECT_EQ(read_record_name("   \\A B.DAT   \r\nsecond line"), "\\A B.DAT");
    EXPECT_EQ(read_record_name("\\ES2.DAT"), "\\ES2.DAT");
    EXPECT_EQ(read_record_name("\xEF\xBB\xBF\\ES2.DAT\r\n"), "\\ES2.DAT");  // saved by an editor as UTF-8
    EXPECT_EQ(read_record_name(platform::to_cp932("\\ソフト表.DAT\r\n")), "\\ソフト表.DAT");
    EXPECT_EQ(error_of([] { read_record_name(""); }), 62);
    EXPECT_EQ(error_of([] { read_record_name("   "); }), 62);
}

TEST(ItemReader, TextsAndNumbersInTurn) {
    ItemReader reader("\"a,b\" x, 12 34 ,\r\n: 7.6 , -2\r\nlast  ");
    EXPECT_EQ(reader.next_text(), "a,b");
    EXPECT_EQ(reader.next_number(), 12);
    EXPECT_EQ(reader.next_number(), 34);
    EXPECT_EQ(reader.next_text(), "");  // the empty item between "," and the line end
    EXPECT_EQ(reader.next_text(), "");  // and the one before ":"
    EXPECT_EQ(reader.next_number(), 8);
    EXPECT_EQ(reader.next_number(), -2);
    EXPECT_EQ(reader.next_text(), "last");
    EXPECT_EQ(error_of([&] { reader.next_number(); }), 62);
}

class RecordFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "record_XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder_)) found.insert(entry.path().filename().string());
        return found;
    }

    fs::path folder_;
};

TEST_F(RecordFile, ReplacingWritesTheNewBytesInPlaceOfTheOld) {
    const fs::path record = folder_ / "DI1ES2.DAT";
    std::ofstream(record, std::ios::binary) << "old record, longer than the new one\r\n";
    // Whatever lies at the names rewrites once used or use now stops none.
    const std::string killed = ".DI1ES2.DAT." + std::to_string(::getpid()) + ".new";
    fs::create_directory(folder_ / ".DI1ES2.DAT.new");
    std::ofstream(folder_ / killed) << "8,8";
    fs::permissions(record, fs::perms::owner_read | fs::perms::owner_write);
    const std::string fresh = progress_text(kThreePages, some_passes());
    for (int rewrite = 0; rewrite < 3; ++rewrite) replace_with(record, fresh);
    EXPECT_EQ(contents(record), fresh);
    EXPECT_EQ(names(), (std::set<std::string>{"DI1ES2.DAT", ".DI1ES2.DAT.new", killed}));  // nothing added
    EXPECT_EQ(contents(folder_ / killed), "8,8");
    EXPECT_EQ(fs::status(record).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    replace_with(folder_ / "new.DAT", "1\r\n");
    EXPECT_EQ(contents(folder_ / "new.DAT"), "1\r\n");
}

TEST_F(RecordFile, AFailedReplaceLeavesTheOldAsItWas) {
    // The target is a folder: no file can take its place.
    const fs::path record = folder_ / "DI1ES2.DAT";
    fs::create_directory(record);
    std::ofstream(record / "inside") << "kept";
    EXPECT_EQ(error_of([&] { replace_with(record, "8,8,6\r\n"); }), 63);
    EXPECT_TRUE(fs::is_directory(record));
    EXPECT_EQ(contents(record / "inside"), "kept");
    EXPECT_EQ(entries(), 1u);

    EXPECT_EQ(error_of([&] { replace_with(folder_ / "missing" / "x.DAT", "1"); }), 63);
}

TEST_F(RecordFile, AReadOnlyRecordIsNotReplaced) {
    const fs::path record = folder_ / "DI1ES2.DAT";
    std::ofstream(record, std::ios::binary) << "8,8,6\r\n";
    const fs::perms read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(record, read_only);
    EXPECT_EQ(error_of([&] { replace_with(record, "1,1,1\r\n"); }), 63);
    EXPECT_EQ(contents(record), "8,8,6\r\n");
    EXPECT_EQ(fs::status(record).permissions(), read_only);
    EXPECT_EQ(entries(), 1u);
}

// Two copies of a unit on one record, each starting (clearing away what
// cut-short rewrites left) and ending (rewriting the record) over and over,
// while the record is read.
TEST_F(RecordFile, CopiesRewritingAtOnceNeverBreakTheRecordNorStopEachOther) {
    constexpr int kRounds = 25;
    const fs::path record = folder_ / "DI1ES2.DAT";
    const std::string first = progress_text(kThreePages, some_passes());
    const std::string mine = progress_text(kThreePages, {{1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}});
    const std::string yours = progress_text(kThreePages, {{0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}});
    std::ofstream(record, std::ios::binary) << first;

    const auto copy = [&](const std::string& flags) {
        const pid_t child = ::fork();
        if (child != 0) return child;
        try {
            for (int round = 0; round < kRounds; ++round) {
                remove_stale_rewrites(record);
                replace_with(record, flags);
            }
        } catch (const platform::RunError& error) {
            ::_exit(error.number());
        }
        ::_exit(0);
    };
    std::vector<pid_t> running{copy(mine), copy(yours)};
    std::set<std::string> seen;
    std::vector<int> exits;
    while (!running.empty()) {
        seen.insert(contents(record));
        std::erase_if(running, [&](pid_t child) {
            int status = 0;
            if (::waitpid(child, &status, WNOHANG) != child) return false;
            exits.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
            return true;
        });
    }
    EXPECT_EQ(exits, (std::vector{0, 0}));
    seen.erase(first);
    seen.erase(mine);
    seen.erase(yours);
    EXPECT_TRUE(seen.empty()) << "a record neither old nor new: \"" << *seen.begin() << "\"";
    EXPECT_TRUE(contents(record) == mine || contents(record) == yours);
    EXPECT_EQ(names(), std::set<std::string>{"DI1ES2.DAT"});
}

// The pupil may write and search the folder but not read it (mode 0733, the
// folder another's), and there is no file to lock either: nothing is written
// unlocked.  The rewrite runs as an ordinary user, for root reads any folder.
TEST_F(RecordFile, NothingIsWrittenWhereNoLockCanBeHad) {
    if (::geteuid() != 0) GTEST_SKIP() << "runs the rewrite as another user";
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_write | fs::perms::group_exec |
                                 fs::perms::others_write | fs::perms::others_exec);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(1);
        ::_exit(error_of([&] { replace_with(folder_ / "DI1ES2.DAT", "1\r\n"); }));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 63);
    EXPECT_TRUE(names().empty());
}

TEST_F(RecordFile, StaleRewritesBesideTheRecordAreRemoved) {
    for (const char* name : {"DI1ES2.DAT", ".DI1ES2.DAT.new", ".DI1ES2.DAT.4710.new", ".DI1ES2.DAT.9.new",
                             ".DI1ES2.DAT.x9.new", ".DI1ES2.DAT..new", ".OTHER.DAT.new", "DI1ES2.DAT.new"})
        std::ofstream(folder_ / name) << "x";
    fs::create_directory(folder_ / ".DI1ES2.DAT.12.new" );
    remove_stale_rewrites(folder_ / "DI1ES2.DAT");
    EXPECT_EQ(names(), (std::set<std::string>{"DI1ES2.DAT", ".DI1ES2.DAT.x9.new", ".DI1ES2.DAT..new",
                                              ".OTHER.DAT.new", "DI1ES2.DAT.new", ".DI1ES2.DAT.12.new"}));
}

}  // namespace
