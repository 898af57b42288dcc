#pragma once
// One record of expr-solve-2 with ten passes, in the form the course writes
// and in the forms a person may leave it in after opening and saving it:
// forms the course reads as they are, and forms that are no record of the
// course at all.  And records of any unit cut short.

#include <string>
#include <vector>

#include "frame/progress_record.h"

namespace harness {

struct RecordForm {
    std::string what;
    std::string bytes;
};

// The record as the course writes it.
std::string ten_passes();

// The same record with blanks around its items, with a UTF-8 byte order mark,
// and with other line ends: each reads as the record itself.
std::vector<RecordForm> ten_passes_readable();

// The same record in UTF-16, with full-width digits, in words, after a blank
// line, with an empty item among its flags, with semicolons or tabs between
// its items: none is a record of the course.
std::vector<RecordForm> ten_passes_foreign();

// A record of the layout with every problem passed, cut short after each
// list of flags but the last (at the end of a line with its line end), and
// the record of a shorter layout in its place: each has too few items.
std::vector<RecordForm> all_passed_cut_short(const frame::RecordLayout& layout, const frame::RecordLayout& shorter);

}  // namespace harness
