// A read of a record or a picture that a signal interrupts is tried again:
// the file is read whole, not given up; a read that fails otherwise gives no
// file.  The failures are made here, in the C library's read calls, for the
// one file the test reads.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <string>

#include "platform/regular_file.h"

namespace {

std::atomic<ino_t> interrupted_file{0};  // 0: no file's reads fail
std::atomic<int> interruptions_left{0};
std::atomic<int> failure{EINTR};

// Whether this read of the descriptor fails (with `failure`).
bool interrupts(int descriptor) {
    struct stat status {};
    if (interrupted_file == 0 || ::fstat(descriptor, &status) != 0) return false;
    if (status.st_ino != interrupted_file) return false;
    return interruptions_left.fetch_sub(1) > 0;
}

template <typename Call>
Call next_in_c_library(const char* name) {
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" ssize_t read(int descriptor, void* buffer, size_t count) {
    static const auto real = next_in_c_library<ssize_t (*)(int, void*, size_t)>("read");
    if (interrupts(descriptor)) {
        errno = failure;
        return -1;
    }
    return real(descriptor, buffer, count);
}

extern "C" ssize_t pread(int descriptor, void* buffer, size_t count, off_t at) {
    static const auto real = next_in_c_library<ssize_t (*)(int, void*, size_t, off_t)>("pread");
    if (interrupts(descriptor)) {
        errno = failure;
        return -1;
    }
    return real(descriptor, buffer, count, at);
}

namespace {

TEST(RegularFile, AReadIsTriedAgainWhenInterruptedAndGivesNoFileWhenItFails) {
    QTemporaryDir folder;
    const std::filesystem::path file = folder.filePath("ES2.DAT").toStdString();
    const std::string bytes = "8,8,6,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0\r\n";
    std::ofstream(file, std::ios::binary) << bytes;

    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    const auto read_failing = [&](int error, int times) {
        failure = error;
        interruptions_left = times;
        interrupted_file = status.st_ino;
        const std::optional<std::string> read = platform::read_regular_file(file);
        interrupted_file = 0;
        EXPECT_LE(interruptions_left, 0);  // every failure was met
        return read;
    };
    EXPECT_EQ(read_failing(EINTR, 3), bytes);
    EXPECT_EQ(read_failing(EIO, 1), std::nullopt);
}

}  // namespace
