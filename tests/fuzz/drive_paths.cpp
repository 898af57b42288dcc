// The drive view's paths: whatever a program names, the host path it gets
// leads to a place inside the drive's folder, and maps back to the same.
#include <fstream>
#include <optional>
#include <system_error>

#include "platform/drive_view.h"
#include "platform/run_error.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

namespace fs = std::filesystem;
using fuzz::require;

// A drive with links that lead in, out, nowhere and round in a loop, names
// in two cases, and a folder beside it that no path may reach.
struct Drive {
    fuzz::ScratchFolder top{"drive-paths"};
    fs::path drive_c = top.path() / "drive_c";
    fs::path unit = drive_c / "SANSU" / "ROKU1" / "ES2";
    fs::path real_drive_c;

    Drive() {
        fs::create_directories(unit);
        fs::create_directories(drive_c / "SANSU" / "da");
        fs::create_directories(drive_c / "DI1" / "Case");
        fs::create_directories(drive_c / "DI1" / "CASE");
        fs::create_directories(top.path() / "outside");
        for (const fs::path& file : {unit / "NO.BAS", drive_c / "DI1" / "ES2.DAT", top.path() / "outside" / "secret"})
            std::ofstream(file) << "x";
        fs::create_directory_symlink("../../outside", drive_c / "DI1" / "out");
        fs::create_directory_symlink(top.path() / "outside", drive_c / "DI1" / "abs");
        fs::create_directory_symlink("../SANSU", drive_c / "DI1" / "in");
        fs::create_symlink("../../outside/none", drive_c / "DI1" / "gone");
        fs::create_symlink("loop", drive_c / "DI1" / "loop");
        real_drive_c = fs::canonical(drive_c);
    }
};

// Where a path leads on the disk, every link followed, a dangling one too;
// nothing for a loop of links.
std::optional<fs::path> leads_to(fs::path path) {
    for (int links = 0; links < 64; ++links) {
        fs::path reached = "/";
        bool followed = false;
        for (auto name = path.begin(); name != path.end() && !followed; ++name) {
            if (*name == "/" || *name == "." || name->empty()) continue;
            if (*name == "..") {
                reached = reached.parent_path();
                continue;
            }
            reached /= *name;
            std::error_code error;
            if (!fs::is_symlink(fs::symlink_status(reached, error))) continue;
            fs::path next = reached.parent_path() / fs::read_symlink(reached, error);
            for (++name; name != path.end(); ++name) next /= *name;
            path = next;
            followed = true;
        }
        if (!followed) return reached;
    }
    return std::nullopt;
}

bool within(const fs::path& path, const fs::path& folder) {
    const fs::path rest = path.lexically_relative(folder);
    return !rest.empty() && *rest.begin() != "..";
}

void require_inside(const Drive& drive, const fs::path& host) {
    const std::optional<fs::path> place = leads_to(host);
    require(!place || within(*place, drive.real_drive_c), "a host path stays inside the drive");
}

void map_and_map_back(const Drive& drive, const platform::DriveView& view, std::string_view drive_path) {
    try {
        const fs::path host = view.to_host(drive_path);
        require_inside(drive, host);
        require(view.to_host(view.to_drive(host)) == host, "a host path maps back to itself");
    } catch (const platform::RunError&) {
    }
}

void change_folder(const Drive& drive, platform::DriveView view, std::string_view drive_path) {
    try {
        view.change_folder(drive_path);
        require_inside(drive, view.host_current_folder());
        require(view.to_host(view.current_folder()) == view.host_current_folder(),
                "the current folder maps back to itself");
    } catch (const platform::RunError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Drive drive;
    const platform::DriveView view(drive.drive_c, drive.unit);
    const std::string_view drive_path = fuzz::text_of(data, size);
    map_and_map_back(drive, view, drive_path);
    change_folder(drive, view, drive_path);
    return 0;
}
