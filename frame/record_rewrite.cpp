#include "frame/record_rewrite.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/run_error.h"

namespace frame {
namespace {

namespace fs = std::filesystem;
using platform::ErrorNumber;
using platform::RunError;

constexpr mode_t kNewFileMode = 0666;  // as the process's umask allows
constexpr int kNameTries = 100;

// How often a busy lock is tried again: another copy's rewrite takes a few
// milliseconds.
constexpr std::chrono::milliseconds kRetry{20};

// The advisory lock of a folder, held while the object lives (and by the
// system no longer than the process).  It is taken only when free: a lock
// another copy holds is busy, and where the folder cannot be locked (no read
// permission on it, a file system without locks) it is not held either.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : descriptor_(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        try_once();
    }
    ~FolderLock() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Tries again, sleeping on the clock between tries, while the lock is
    // busy and the wait lasts.
    void wait(const LockWait& wait) {
        const std::chrono::milliseconds since = wait.clock.elapsed();
        while (busy_ && wait.clock.elapsed() - since < wait.most) {
            wait.clock.sleep(kRetry);
            try_once();
        }
    }

    bool held() const { return descriptor_ >= 0 && !busy_; }
    bool busy() const { return busy_; }

private:
    void try_once() {
        busy_ = false;
        while (descriptor_ >= 0 && ::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            if (errno == EWOULDBLOCK) {
                busy_ = true;
                return;
            }
            ::close(descriptor_);
            descriptor_ = -1;
        }
    }

    int descriptor_;
    bool busy_ = false;
};

// The file a rewrite of `file` replaces: the file itself, or the one a link
// leads to; nothing for a link that leads to no file.
std::optional<fs::path> written_file(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error))) return file;
    fs::path target = fs::canonical(file, error);
    if (error) return std::nullopt;
    return target;
}

// The permissions of a file that is there, nothing for a missing one.  A file
// without any write permission, or one this process may not write, is
// refused: a rename would replace it all the same.
std::optional<mode_t> writable_mode(const fs::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        if (errno == ENOENT) return std::nullopt;
        throw RunError(ErrorNumber::FileNotOpened);
    }
    const mode_t mode = status.st_mode & 07777;
    if ((mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0) throw RunError(ErrorNumber::FileNotOpened);
    return mode;
}

struct FreshFile {
    fs::path path;
    int descriptor;
};

// A new file beside `file` under a name of this process's own: its number,
// then a count when something already has that name (a file a copy killed
// long ago left, a folder someone made there).
FreshFile create_fresh(const fs::path& file) {
    const std::string stem = "." + file.filename().string() + "." + std::to_string(::getpid());
    for (int tried = 0; tried < kNameTries; ++tried) {
        fs::path fresh = file.parent_path() / (stem + (tried > 0 ? std::to_string(tried) : "") + ".new");
        const int out = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
        if (out >= 0) return {std::move(fresh), out};
        if (errno != EEXIST) break;
    }
    throw RunError(ErrorNumber::FileNotOpened);
}

bool write_all(int out, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(out, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Makes a new name in the folder durable.
void sync_folder(const fs::path& folder) {
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// ".<name>.new", the name of earlier versions, or ".<name>.<digits>.new".
bool is_rewrite(std::string_view entry, std::string_view name) {
    const std::string_view suffix = ".new";
    if (entry.size() < name.size() + 1 + suffix.size() || entry[0] != '.' || entry.substr(1, name.size()) != name ||
        !entry.ends_with(suffix))
        return false;
    const std::string_view rest = entry.substr(name.size() + 1, entry.size() - name.size() - 1 - suffix.size());
    if (rest.empty()) return true;
    return rest.size() >= 2 && rest[0] == '.' &&
           std::ranges::all_of(rest.substr(1), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void replace_file(const fs::path& file, const std::function<std::string()>& rewrite, const LockWait& wait) {
    const std::optional<fs::path> target = written_file(file);
    if (!target) throw RunError(ErrorNumber::FileNotOpened);
    // Where the folder cannot be locked the rewrite goes on all the same: its
    // own new file harms no other copy, and no clean-up runs unlocked.
    FolderLock lock(target->parent_path());
    lock.wait(wait);
    if (lock.busy()) throw RunError(ErrorNumber::FileNotOpened);
    const std::optional<mode_t> mode = writable_mode(*target);
    const std::string bytes = rewrite();
    const FreshFile fresh = create_fresh(*target);

    bool written = (!mode || ::fchmod(fresh.descriptor, *mode) == 0) && write_all(fresh.descriptor, bytes) &&
                   ::fsync(fresh.descriptor) == 0;
    written = ::close(fresh.descriptor) == 0 && written;
    if (!written || ::rename(fresh.path.c_str(), target->c_str()) != 0) {
        ::unlink(fresh.path.c_str());
        throw RunError(ErrorNumber::FileNotOpened);
    }
    sync_folder(target->parent_path());
}

void remove_stale_rewrites(const fs::path& file) {
    const std::optional<fs::path> target = written_file(file);
    if (!target) return;
    const FolderLock lock(target->parent_path());
    if (!lock.held()) return;  // another copy's rewrite may be under way: the next start clears up
    const std::string name = target->filename().string();
    std::error_code error;
    for (fs::directory_iterator it(target->parent_path(), error), end; !error && it != end; it.increment(error))
        if (is_rewrite(it->path().filename().string(), name)) ::unlink(it->path().c_str());  // never a folder
}

}  // namespace frame
