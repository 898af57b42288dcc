// The record files as the launcher and an administrator leave them: "NO.BAS"
// (the input up to its first zero byte) and the record it names (the rest).
// A run that reads them and rewrites the record leaves exactly the record,
// which reads back the same; a run that cannot read them changes nothing,
// and an exit over files a start-up refuses neither.
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <system_error>
#include <vector>

#include "frame/record_files.h"
#include "platform/clock.h"
#include "platform/run_error.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

namespace fs = std::filesystem;
using fuzz::require;

const frame::RecordLayout kLayout{.header = {8, 8, 6}, .flag_counts = {8, 8, 6}, .lists_on_first_line = 2};

void write(const fs::path& file, std::string_view bytes) { std::ofstream(file, std::ios::binary) << bytes; }

std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file of the drive with its bytes, but for rewrites cut short.
std::set<std::pair<std::string, std::string>> lasting_files(const fs::path& drive_c) {
    std::set<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(drive_c)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with('.') && name.ends_with(".new")) continue;
        files.emplace(entry.path().string(), entry.is_regular_file() ? read(entry.path()) : "");
    }
    return files;
}

// A fresh drive: the unit folder with "NO.BAS", the folder DI1 with the
// record as the launcher names it and a rewrite a kill cut short, and the
// record's bytes also where "NO.BAS" says the record is.
platform::DriveView lay_out(const fs::path& drive_c, std::string_view no_bas, std::string_view record) {
    std::error_code ignored;
    fs::remove_all(drive_c, ignored);
    const fs::path unit = drive_c / "SANSU" / "ROKU1" / "ES2";
    fs::create_directories(unit);
    fs::create_directories(drive_c / "DI1");
    write(unit / "NO.BAS", no_bas);
    write(drive_c / "DI1" / "ES2.DAT", record);
    write(drive_c / "DI1" / ".ES2.DAT.new", "8,8,6,1");
    platform::DriveView view(drive_c, unit);
    try {
        const fs::path named = view.to_host("C:\\DI1" + frame::read_record_name(no_bas));
        if (fs::is_directory(named.parent_path(), ignored) && !fs::exists(named, ignored)) write(named, record);
    } catch (const platform::RunError&) {
    }
    return view;
}

// Nothing under the names of this record's rewrites, ".<name>.new" and
// ".<name>.<digits>.new" (another record's, ".<name>.DAT.new" beside the
// record "<name>", is not its to remove).
bool no_rewrite_left(const fs::path& record) {
    const std::string base = "." + record.filename().string();
    for (const auto& entry : fs::directory_iterator(record.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name == base + ".new") return false;
        if (!name.starts_with(base + ".") || !name.ends_with(".new") || name.size() <= base.size() + 5) continue;
        const std::string middle = name.substr(base.size() + 1, name.size() - base.size() - 5);
        if (middle.find_first_not_of("0123456789") == std::string::npos) return false;
    }
    return true;
}

// An exit over files a start-up refuses is refused too, and leaves the
// record, and every other file, as it was.
void exit_keeps_the_record(const platform::DriveView& view, const fs::path& drive_c, std::string_view no_bas,
                           const std::set<std::pair<std::string, std::string>>& before) {
    const frame::PassFlags none{std::vector<int>(8), std::vector<int>(8), std::vector<int>(6)};
    platform::TestClock clock;
    try {
        frame::write_stored_progress(view, frame::read_record_name(no_bas), kLayout, none, clock);
    } catch (const platform::RunError&) {
        require(lasting_files(drive_c) == before, "an exit leaves a refused record as it was");
        return;
    }
    require(false, "an exit writes over a record a start-up refuses");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder folder("record-file");
    const fs::path drive_c = folder.path() / "drive_c";
    const std::string_view input = fuzz::text_of(data, size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const platform::DriveView view = lay_out(drive_c, input.substr(0, split), input.substr(std::min(split + 1, size)));

    const auto before = lasting_files(drive_c);
    std::optional<frame::StoredProgress> stored;
    try {
        stored = frame::read_stored_progress(view, kLayout);
    } catch (const platform::RunError& error) {
        const int number = error.number();
        require(number == 52 || number == 53 || number == 62, "files that cannot be read are a numbered error");
        require(lasting_files(drive_c) == before, "files that cannot be read are left as they were");
        exit_keeps_the_record(view, drive_c, input.substr(0, split), before);
        return 0;
    }
    platform::TestClock clock;  // no other copy holds the folder
    frame::write_stored_progress(view, stored->record_name, kLayout, stored->flags, clock);
    const fs::path record = view.to_host("C:\\DI1" + stored->record_name);
    require(read(record) == frame::progress_text(kLayout, stored->flags), "the record holds the flags as written");
    require(no_rewrite_left(record), "no rewrite is left beside the record");
    require(lasting_files(drive_c).size() == before.size(), "a rewrite adds no file");
    if (record == view.to_host("NO.BAS")) return 0;  // a record named as "NO.BAS" itself reads otherwise
    const frame::StoredProgress again = frame::read_stored_progress(view, kLayout);
    require(again.record_name == stored->record_name && again.flags == stored->flags, "a rewritten record reads back");
    return 0;
}
