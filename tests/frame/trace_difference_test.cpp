// A failing page trace reads as a diff: how many lines differ, and the first
// difference between a few common lines on each side.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/trace_diff.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kTrace{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};

Lines with(Lines lines, std::size_t at, const std::vector<std::string>& put, std::size_t drop) {
    lines.erase(lines.begin() + long(at), lines.begin() + long(at + drop));
    lines.insert(lines.begin() + long(at), put.begin(), put.end());
    return lines;
}

TEST(TraceDifference, ShowsTheCountAndTheFirstDifferenceInItsContext) {
    struct Case {
        const char* what;
        Lines actual;
        std::string shown;
    };
    const Case cases[] = {
        {"the same", kTrace, ""},
        {"one line changed", with(kTrace, 5, {"F"}, 1),
         "2 lines differ (1 expected only, 1 actual only); the first difference:\n"
         "@@ -4,5 +4,5 @@\n  d\n  e\n- f\n+ F\n  g\n  h\n"},
        {"a line more, and one further on changed", with(with(kTrace, 1, {"x"}, 0), 9, {"I"}, 1),
         "3 lines differ (1 expected only, 2 actual only); the first difference:\n"
         "@@ -1,3 +1,4 @@\n  a\n+ x\n  b\n  c\n"},
        {"lines changed close together", with(with(kTrace, 2, {"C"}, 1), 6, {}, 2),
         "4 lines differ (3 expected only, 1 actual only); the first difference:\n"
         "@@ -1,10 +1,8 @@\n  a\n  b\n- c\n+ C\n  d\n  e\n  f\n- g\n- h\n  i\n  j\n"},
        {"the trace ends early", Lines(kTrace.begin(), kTrace.begin() + 9),
         "1 line differs (1 expected only, 0 actual only); the first difference:\n"
         "@@ -8,3 +8,2 @@\n  h\n  i\n- j\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(harness::trace_difference(kTrace, c.actual, 2), c.shown) << c.what;
}

}  // namespace
