#pragma once
// The one-step rewrite of the pupil's record: the new bytes go to a file of
// one fixed name beside it (".<name>.new"), which then takes the record's
// place.  A rewrite cut short (the program killed) leaves at most that one
// file behind; the next rewrite replaces it and the next start-up removes it.

#include <filesystem>
#include <string_view>

namespace frame {

// Rewrites `file` with `bytes`; the new file keeps the old one's permissions.
// A file the pupil may not write (read-only, or not the pupil's to write),
// and any failure on the way, is a RunError (FileNotOpened) that leaves the
// old file as it was.
void replace_file(const std::filesystem::path& file, std::string_view bytes);

// Removes what cut-short rewrites of `file` left beside it, under the fixed
// name and under the names with a process number that earlier versions of
// the programs used (".<name>.<digits>.new").
void remove_stale_rewrites(const std::filesystem::path& file);

}  // namespace frame
