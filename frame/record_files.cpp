#include "frame/record_files.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <system_error>
#include <utility>

#include "frame/record_rewrite.h"
#include "platform/regular_file.h"
#include "platform/run_error.h"

namespace frame {
namespace {

// How much of "NO.BAS" and of the record is read: hundreds of times what any
// unit's record takes (under 200 bytes as written).  A longer file is read by
// its start, not refused: its items must end within these bytes, and what
// follows them is ignored as the items after the last flag always were, so a
// record with junk appended still holds the pupil's passes, and the next
// rewrite leaves it clean.  Neither time nor memory grows with the file.
constexpr std::size_t kMostRead = 64 * 1024;

// How long an exit waits for the record's folder while another copy holds
// it: far longer than any rewrite takes, short enough that a copy stuck in
// its rewrite (or a drive that hangs) costs the pupil a few seconds, not the
// exit.
constexpr std::chrono::seconds kMostWait{5};

struct FileStart {
    std::string bytes;
    TextEnd end;
};

// A file that is missing, or is no regular file (a folder, a named pipe), is
// one that cannot be read.
FileStart read_start(const std::filesystem::path& file) {
    std::optional<std::string> bytes = platform::read_regular_file(file, kMostRead + 1);  // one more tells a longer file
    if (!bytes) throw platform::RunError(platform::ErrorNumber::FileNotFound);
    const TextEnd end = bytes->size() > kMostRead ? TextEnd::Cut : TextEnd::File;
    return {std::move(*bytes), end};
}

std::filesystem::path record_path(const platform::DriveView& drive, std::string_view record_name) {
    return drive.to_host("C:\\DI1" + std::string(record_name));
}

// The flags the record holds.  A start-up and an exit read the record by
// this one rule, so an exit never writes over a file a start-up would refuse
// (a record cut short, one saved by a person in another form, another
// unit's): it may hold passes that a rewrite would lose.
PassFlags flags_held(const std::filesystem::path& record, const RecordLayout& layout) {
    const FileStart held = read_start(record);
    return read_progress(held.bytes, layout, held.end);
}

// The flags of this run with every pass the record holds kept: another copy
// of the unit on the same record may have ended since this one read it, and
// a pass, once earned, is never taken back.
PassFlags with_passes_kept(PassFlags flags, const PassFlags& held) {
    for (std::size_t page = 0; page < std::min(flags.size(), held.size()); ++page)
        for (std::size_t k = 0; k < std::min(flags[page].size(), held[page].size()); ++k)
            if (held[page][k] == 1) flags[page][k] = 1;
    return flags;
}

}  // namespace

StoredProgress read_stored_progress(const platform::DriveView& drive, const RecordLayout& layout) {
    const FileStart no_bas = read_start(drive.to_host("NO.BAS"));
    StoredProgress stored{.record_name = read_record_name(no_bas.bytes, no_bas.end), .flags = {}};
    const std::filesystem::path record = record_path(drive, stored.record_name);
    remove_stale_rewrites(record);
    stored.flags = flags_held(record, layout);
    return stored;
}

void write_stored_progress(const platform::DriveView& drive, std::string_view record_name,
                           const RecordLayout& layout, const PassFlags& flags, platform::Clock& clock) {
    const std::filesystem::path record = record_path(drive, record_name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(record, error))
        throw platform::RunError(platform::ErrorNumber::FileNotFound);
    replace_file(
        record, [&] { return progress_text(layout, with_passes_kept(flags, flags_held(record, layout))); },
        {.clock = clock, .most = kMostWait});
}

void load_progress(Lesson& lesson) {
    StoredProgress stored = read_stored_progress(lesson.io.drive, lesson.unit.record_layout());
    lesson.record_name = std::move(stored.record_name);
    lesson.pass_flags = std::move(stored.flags);
}

void save_progress(Lesson& lesson) {
    write_stored_progress(lesson.io.drive, lesson.record_name, lesson.unit.record_layout(), lesson.pass_flags,
                          lesson.io.clock);
}

}  // namespace frame
