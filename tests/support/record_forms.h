#pragma once
// One record of expr-solve-2 with ten passes, in the form the course writes
// and in the forms a person may leave it in after opening and saving it:
// forms the course reads as they are, and forms that are no record of the
// course at all.

#include <string>
#include <vector>

namespace harness {

struct RecordForm {
    const char* what;
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

}  // namespace harness
