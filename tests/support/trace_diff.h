#pragma once
// How a trace differs from the one expected, written as a diff is read: the
// number of differing lines, then the first difference with a few lines of
// context on both sides ("-" expected only, "+" actual only, " " both, each
// with its line number in the expected and the actual trace).

#include <string>
#include <vector>

namespace harness {

// Empty when the traces are the same.
std::string trace_difference(const std::vector<std::string>& expected,
                             const std::vector<std::string>& actual, int context = 3);

}  // namespace harness
