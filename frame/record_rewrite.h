#pragma once
// The one-step rewrite of the pupil's record: the new bytes go to a file of
// the rewrite's own beside it (".<name>.<digits>.new", created exclusively),
// which then takes the record's place.  Copies of a unit on one record (a
// double click, two pupils on one login) take turns: each rewrite, and each
// clearing away of what cut-short rewrites left, holds the advisory lock of
// the record's folder, so none ever meets another's new file half written.
// Where the pupil may write the folder but not read it, or its lock fails,
// they hold the lock of the record file itself instead, and the new file
// takes the fixed name ".<name>.new", which a start-up removes without
// reading the folder.  With neither lock to be had, nothing is written.  A
// rewrite cut short (the program killed) leaves at most its own file behind,
// which the next start-up removes.  Nothing waits on the lock without a
// bound: a copy stopped inside its rewrite, or a drive that hangs, holds it
// for as long as it lasts.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/clock.h"

namespace frame {

// How long a rewrite waits while another holds the folder's lock, and the
// clock it waits by.
struct LockWait {
    platform::Clock& clock;
    std::chrono::milliseconds most;
};

// Rewrites `file` with the bytes `rewrite` makes; the new file keeps the old
// one's permissions.  `rewrite` runs once the folder's lock is held, so what
// it reads of the file then is what the new bytes replace.  A link is written
// through: the file it leads to gets the bytes, the new file is made beside
// that one, and the link stays.  A file the pupil may not write (read-only,
// or not the pupil's to write), a link that leads to no file, a lock still
// held by another when the wait is over, a file that cannot be locked at all
// (a missing one in a folder that cannot be locked), and any failure on the
// way, is a RunError (FileNotOpened) that leaves the old file as it was.
void replace_file(const std::filesystem::path& file, const std::function<std::string()>& rewrite,
                  const LockWait& wait);

// Removes what cut-short rewrites of `file` (or of the file it links to) left
// beside it, under the names rewrites use and the fixed name ".<name>.new" of
// earlier versions of the programs; never a file a running rewrite holds.
// It never waits: while another holds the lock, it removes nothing.
void remove_stale_rewrites(const std::filesystem::path& file);

}  // namespace frame
