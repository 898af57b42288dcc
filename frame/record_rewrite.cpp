#include "frame/record_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

#include "platform/run_error.h"

namespace frame {
namespace {

namespace fs = std::filesystem;
using platform::ErrorNumber;
using platform::RunError;

constexpr mode_t kNewFileMode = 0666;  // as the process's umask allows

fs::path rewrite_of(const fs::path& file) {
    return file.parent_path() / ("." + file.filename().string() + ".new");
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

// ".<name>.<digits>.new": a rewrite file of an earlier version.
bool is_numbered_rewrite(std::string_view entry, std::string_view name) {
    const std::string_view suffix = ".new";
    if (entry.size() <= name.size() + 2 + suffix.size() || entry[0] != '.' ||
        entry.substr(1, name.size()) != name || entry[name.size() + 1] != '.' || !entry.ends_with(suffix))
        return false;
    const std::string_view digits = entry.substr(name.size() + 2, entry.size() - name.size() - 2 - suffix.size());
    return std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void replace_file(const fs::path& file, std::string_view bytes) {
    const std::optional<mode_t> mode = writable_mode(file);
    const fs::path fresh = rewrite_of(file);
    ::unlink(fresh.c_str());  // what a rewrite cut short left there
    const int out = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
    if (out < 0) throw RunError(ErrorNumber::FileNotOpened);

    bool written = (!mode || ::fchmod(out, *mode) == 0) && write_all(out, bytes) && ::fsync(out) == 0;
    written = ::close(out) == 0 && written;
    if (!written || ::rename(fresh.c_str(), file.c_str()) != 0) {
        ::unlink(fresh.c_str());
        throw RunError(ErrorNumber::FileNotOpened);
    }
    sync_folder(file.parent_path());
}

void remove_stale_rewrites(const fs::path& file) {
    const std::string name = file.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(file.parent_path(), error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (entry == rewrite_of(file).filename().string() || is_numbered_rewrite(entry, name))
            ::unlink(it->path().c_str());  // a folder of that name stays
    }
}

}  // namespace frame
