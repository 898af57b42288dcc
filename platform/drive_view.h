#pragma once
// The programs' view of the disk: drive C: is one host folder, paths are
// written with a drive letter and backslashes ("C:\DI1\ES2.DAT"), a rooted
// path ("\ﾎﾟｺ.BMP") is on drive C: and a bare name is in the current folder.
// The view maps such paths to host paths and back, and refuses every path
// that would lead out of the drive's folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class DriveView {
public:
    // `drive_c` is the host folder that stands for C:\, `working_folder` the
    // host folder that is the current folder; it must lie inside `drive_c`.
    DriveView(const std::filesystem::path& drive_c, const std::filesystem::path& working_folder);

    // The view of a program started in a course folder: drive C: is the
    // nearest ancestor of the process's working folder named "drive_c".
    static DriveView from_working_folder();

    // The current folder in drive form: "C:\SANSU\ROKU1\ES2", or "C:\".
    std::string current_folder() const;
    std::filesystem::path host_current_folder() const;

    // Makes an existing folder the current one (for this view only; the
    // process's working folder stays).
    void change_folder(std::string_view drive_path);

    // The host path of a drive path.  Each name that is missing as written is
    // looked up without regard to case; a name that is not there at all (a
    // file about to be written) is kept as given.
    std::filesystem::path to_host(std::string_view drive_path) const;
    // The same, for a file that may be missing or refused: no path then.
    std::optional<std::filesystem::path> find(std::string_view drive_path) const;

    // The drive path of a host path inside the drive's folder.
    std::string to_drive(const std::filesystem::path& host) const;

private:
    std::vector<std::string> drive_names(std::string_view drive_path) const;
    std::filesystem::path below_drive(const std::filesystem::path& host) const;

    std::filesystem::path drive_c_;        // absolute, lexically normal
    std::filesystem::path real_drive_c_;   // the same with links resolved
    std::vector<std::string> current_;     // host names of the current folder below drive_c_
};

}  // namespace platform
