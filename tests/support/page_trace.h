#pragma once
// A page's whole session compared with its expected trace, kept as a file
// beside the page's tests.

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/unit.h"

namespace harness {

using Answer = std::vector<std::string_view>;  // the shown bar's fields, in order

// A page opened from its start-from dialog with "1" and traced from that
// dialog's "O  K" to the page end; on an exercise page each problem is then
// answered wrong and right, in order, through the reward and the page-end mark.
struct PageSession {
    int page = 0;
    std::vector<std::pair<Answer, Answer>> answers{};  // wrong, right: one pair per problem
};

inline void PrintTo(const PageSession& session, std::ostream* out) {
    *out << "page " << session.page;
}

// Runs the session on a fresh program and compares its trace with the
// expected file (a path below tests/): any difference fails the test, shown
// as a diff of its first differing lines.  With COURSE_WRITE_TRACES=1 in the
// environment it writes the file instead.
void expect_page_trace(const frame::Unit& unit, const PageSession& session,
                       std::string_view expected_file);

// The same for any traced lines: compared with the file, or written to it.
void expect_trace(const std::vector<std::string>& actual, std::string_view expected_file);

}  // namespace harness
