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

// The new file of a rewrite made where the folder's lock cannot be had: one
// fixed name, the name of earlier versions, which a start-up can remove
// without reading the folder.
std::string fixed_rewrite_name(const fs::path& file) { return "." + file.filename().string() + ".new"; }

enum class Taken { Yes, Busy, Failed };

Taken lock_now(int descriptor) {
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? Taken::Busy : Taken::Failed;
    }
    return Taken::Yes;
}

// The lock the copies of a unit take turns by on a file, held while the
// object lives (and by the system no longer than the process): the advisory
// lock of the file's folder; where the folder cannot be opened to be locked
// (the pupil may write and search it but not read it) or its lock fails (a
// file system without locks on folders), that of the file itself, the one in
// place when its lock is had, for a rewrite puts a new file in its place.  A
// lock another copy holds is busy; where neither can be had none is held.
class RecordLock {
public:
    explicit RecordLock(const fs::path& file)
        : file_(file), folder_(::open(file.parent_path().empty() ? "." : file.parent_path().c_str(),
                                      O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        try_once();
    }
    ~RecordLock() {
        if (folder_ >= 0) ::close(folder_);
        if (record_ >= 0) ::close(record_);
    }
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

    // Tries again, sleeping on the clock between tries, while the lock is
    // busy and the wait lasts.
    void wait(const LockWait& wait) {
        const std::chrono::milliseconds since = wait.clock.elapsed();
        while (busy_ && wait.clock.elapsed() - since < wait.most) {
            wait.clock.sleep(kRetry);
            try_once();
        }
    }

    bool held() const { return held_; }
    bool busy() const { return busy_; }
    // True when the folder's lock is held: the folder can be read.
    bool on_folder() const { return held_ && folder_ >= 0; }

private:
    void try_once() {
        const Taken taken = folder_ >= 0 ? lock_now(folder_) : Taken::Failed;
        if (taken == Taken::Failed && folder_ >= 0) {
            ::close(folder_);
            folder_ = -1;
        }
        if (taken == Taken::Failed) {
            try_file();
            return;
        }
        held_ = taken == Taken::Yes;
        busy_ = taken == Taken::Busy;
    }

    // A file that another copy replaced between its opening and its lock is
    // no longer the record: that counts as busy, and the next try opens the
    // new one.
    void try_file() {
        held_ = busy_ = false;
        const int descriptor = ::open(file_.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) return;
        const Taken taken = lock_now(descriptor);
        struct stat opened {}, in_place {};
        const bool same = ::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
                          ::lstat(file_.c_str(), &in_place) == 0 && opened.st_dev == in_place.st_dev &&
                          opened.st_ino == in_place.st_ino;
        if (taken == Taken::Yes && same) {
            record_ = descriptor;
            held_ = true;
            return;
        }
        ::close(descriptor);
        busy_ = taken == Taken::Busy || (taken == Taken::Yes && S_ISREG(opened.st_mode));
    }

    fs::path file_;
    int folder_;
    int record_ = -1;
    bool held_ = false;
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

int create_new(const fs::path& fresh) {
    return ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
}

// A new file beside `file`.  Where the folder's lock is held: under a name of
// this process's own, its number, then a count when something already has
// that name (a file a copy killed long ago left, a folder someone made
// there).  Where the file's own lock is held instead: the fixed name, in
// place of what a rewrite cut short left there; the name of this process's
// own only when something else stands there.
FreshFile create_fresh(const fs::path& file, const RecordLock& lock) {
    if (!lock.on_folder()) {
        fs::path fixed = file.parent_path() / fixed_rewrite_name(file);
        ::unlink(fixed.c_str());
        const int out = create_new(fixed);
        if (out >= 0) return {std::move(fixed), out};
    }
    const std::string stem = "." + file.filename().string() + "." + std::to_string(::getpid());
    for (int tried = 0; tried < kNameTries; ++tried) {
        fs::path fresh = file.parent_path() / (stem + (tried > 0 ? std::to_string(tried) : "") + ".new");
        const int out = create_new(fresh);
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
    // Nothing is written without a lock: a copy that wrote unlocked could
    // put back a record without the passes another has just written.
    RecordLock lock(*target);
    lock.wait(wait);
    if (!lock.held()) throw RunError(ErrorNumber::FileNotOpened);
    const std::optional<mode_t> mode = writable_mode(*target);
    const std::string bytes = rewrite();
    const FreshFile fresh = create_fresh(*target, lock);

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
    const RecordLock lock(*target);
    if (!lock.held()) return;  // another copy's rewrite may be under way: the next start clears up
    if (!lock.on_folder()) {
        // A folder that cannot be read: rewrites there leave the fixed name.
        ::unlink((target->parent_path() / fixed_rewrite_name(*target)).c_str());
        return;
    }
    const std::string name = target->filename().string();
    std::error_code error;
    for (fs::directory_iterator it(target->parent_path(), error), end; !error && it != end; it.increment(error))
        if (is_rewrite(it->path().filename().string(), name)) ::unlink(it->path().c_str());  // never a folder
}

}  // namespace frame
