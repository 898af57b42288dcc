#pragma once
// Reading the pupil's progress at start-up and writing it at exit.

#include <string>
#include <string_view>

#include "frame/lesson.h"
#include "frame/progress_record.h"
#include "platform/clock.h"
#include "platform/drive_view.h"

namespace frame {

struct StoredProgress {
    std::string record_name;  // the first item of "NO.BAS"
    PassFlags flags;
};

// Reads "NO.BAS" in the drive's current folder and the progress record
// "C:\DI1" + name it names, after removing what cut-short rewrites of that
// record left beside it (unless another copy's rewrite holds its lock:
// that is never waited for).  Only the start of each file is read, however long
// it is.  A file missing or no regular file is a RunError (FileNotFound); a
// file ending too soon, one whose items run on past that start, or a record
// in a form the course never writes, one of InputPastEnd.
StoredProgress read_stored_progress(const platform::DriveView& drive, const RecordLayout& layout);

// Rewrites the progress record "C:\DI1" + name from the flags (through a
// link, the file it leads to), keeping every pass the record holds by then:
// another copy of the unit, started alongside, may have written its passes
// since this one read the record.  The old record stays whole until the new
// one is complete, whatever other copies of a unit do with it meanwhile; a
// record that is missing is a RunError (FileNotFound), one that cannot be
// rewritten, or whose lock another copy holds for seconds on the clock,
// one of FileNotOpened; a record that a start-up would refuse is left as it
// is, the same RunError.
void write_stored_progress(const platform::DriveView& drive, std::string_view record_name,
                           const RecordLayout& layout, const PassFlags& flags, platform::Clock& clock);

// The same for a lesson: its record name and pass flags.
void load_progress(Lesson& lesson);
void save_progress(Lesson& lesson);

}  // namespace frame
