// Drive paths to host paths and back, with the checks that keep every path
// inside the drive's folder.
#include "platform/drive_view.h"

#include <QString>

#include <algorithm>
#include <system_error>

#include "platform/run_error.h"

namespace platform {
namespace fs = std::filesystem;
namespace {

bool is_separator(char c) { return c == '\\' || c == '/'; }

// Characters no file name of the drive may hold.
bool is_bad_name(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
    });
}

bool same_name_ignoring_case(const std::string& a, const std::string& b) {
    return QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// The entry of `folder` named `name`: the exact name if it is there, else the
// first entry (in name order) that differs only in case, else `name` itself.
std::string entry_name(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::exists(folder / name, error)) return name;
    std::string found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string candidate = it->path().filename().string();
        if (same_name_ignoring_case(candidate, name) && (found.empty() || candidate < found))
            found = std::move(candidate);
    }
    return found.empty() ? name : found;
}

// True when `path` is `folder` or lies below it, compared name by name.
bool lies_within(const fs::path& path, const fs::path& folder) {
    const auto rest = path.lexically_relative(folder);
    return !rest.empty() && *rest.begin() != "..";
}

// A folder path without a trailing separator.
fs::path folder_path(fs::path path) {
    path = fs::absolute(path).lexically_normal();
    return path.has_filename() || path == path.root_path() ? path : path.parent_path();
}

// Where a path really leads, every link followed, a dangling link as well (a
// file written through it would appear at its target).
fs::path resolved(fs::path path) {
    for (int links = 0; links < 40; ++links) {
        std::error_code error;
        const fs::path real = fs::weakly_canonical(path, error);
        if (error) return path;
        fs::path prefix;
        auto name = real.begin();
        for (; name != real.end(); ++name) {
            prefix /= *name;
            if (fs::is_symlink(fs::symlink_status(prefix, error))) break;
        }
        if (name == real.end()) return real;
        fs::path next = prefix.parent_path() / fs::read_symlink(prefix, error);
        for (++name; name != real.end(); ++name) next /= *name;
        path = next;
    }
    throw RunError(ErrorNumber::BadFileName);  // a loop of links
}

}  // namespace

DriveView::DriveView(const fs::path& drive_c, const fs::path& working_folder)
    : drive_c_(folder_path(drive_c)), real_drive_c_(resolved(drive_c_)) {
    for (const auto& name : below_drive(fs::absolute(working_folder))) current_.push_back(name.string());
}

DriveView DriveView::from_working_folder() {
    const fs::path working = fs::current_path();
    for (fs::path folder = working; folder.has_relative_path(); folder = folder.parent_path())
        if (folder.filename() == "drive_c") return DriveView(folder, working);
    throw RunError(ErrorNumber::FileNotFound);
}

std::string DriveView::current_folder() const { return to_drive(host_current_folder()); }

fs::path DriveView::host_current_folder() const {
    fs::path folder = drive_c_;
    for (const auto& name : current_) folder /= name;
    return folder;
}

void DriveView::change_folder(std::string_view drive_path) {
    const fs::path folder = to_host(drive_path);
    std::error_code error;
    if (!fs::is_directory(folder, error)) throw RunError(ErrorNumber::FileNotFound);
    current_.clear();
    for (const auto& name : below_drive(folder)) current_.push_back(name.string());
}

// The names of a drive path from the drive's folder down, "." and ".."
// already applied; a path that climbs above the drive's folder is refused.
std::vector<std::string> DriveView::drive_names(std::string_view drive_path) const {
    std::vector<std::string> names;
    if (drive_path.empty()) throw RunError(ErrorNumber::BadFileName);
    std::string_view rest = drive_path;
    if (rest.size() >= 2 && rest[1] == ':') {
        if (rest[0] != 'C' && rest[0] != 'c') throw RunError(ErrorNumber::BadFileName);
        rest.remove_prefix(2);
    }
    if (rest.empty() || !is_separator(rest.front())) names = current_;

    while (!rest.empty()) {
        const auto end = std::find_if(rest.begin(), rest.end(), is_separator);
        const std::string_view name(rest.begin(), end);
        rest.remove_prefix(static_cast<std::size_t>(end - rest.begin()) + (end != rest.end() ? 1 : 0));
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (names.empty()) throw RunError(ErrorNumber::BadFileName);
            names.pop_back();
            continue;
        }
        if (is_bad_name(name)) throw RunError(ErrorNumber::BadFileName);
        names.emplace_back(name);
    }
    return names;
}

fs::path DriveView::to_host(std::string_view drive_path) const {
    fs::path host = drive_c_;
    for (const auto& name : drive_names(drive_path)) host /= entry_name(host, name);
    // A link inside the drive may point out of it: judge the path by where it
    // really leads.
    if (host != drive_c_ && !lies_within(resolved(host), real_drive_c_))
        throw RunError(ErrorNumber::BadFileName);
    return host;
}

std::string DriveView::to_drive(const fs::path& host) const {
    std::string drive = "C:";
    for (const auto& name : below_drive(host_current_folder() / host))
        drive += "\\" + name.string();
    return drive.size() == 2 ? "C:\\" : drive;
}

// The part of a host path below the drive's folder; a path elsewhere is refused.
fs::path DriveView::below_drive(const fs::path& host) const {
    const fs::path normal = folder_path(host);
    if (normal == drive_c_) return {};
    if (lies_within(normal, drive_c_)) return normal.lexically_relative(drive_c_);
    const fs::path real = resolved(normal);
    if (real == real_drive_c_) return {};
    if (lies_within(real, real_drive_c_)) return real.lexically_relative(real_drive_c_);
    throw RunError(ErrorNumber::BadFileName);
}

std::optional<std::filesystem::path> DriveView::find(std::string_view drive_path) const {
    try {
        return to_host(drive_path);
    } catch (const RunError&) {
        return std::nullopt;
    }
}

}  // namespace platform
