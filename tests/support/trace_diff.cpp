#include "tests/support/trace_diff.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace harness {
namespace {

using Lines = std::vector<std::string>;

enum class Side { Both, Expected, Actual };

// One line of the diff: on both sides, or on one only.  The indexes are
// where it stands (or would stand) in each trace.
struct Step {
    Side side;
    std::size_t expected;
    std::size_t actual;
};

// Above this many pairs of middle lines the differing middle is shown as
// replaced whole, instead of matched line by line.
constexpr std::size_t kLargestTable = 16'000'000;

// The lines of both traces in order, the longest common run of lines kept
// on both sides.
std::vector<Step> diff_steps(const Lines& expected, const Lines& actual) {
    std::size_t head = 0;
    while (head < expected.size() && head < actual.size() && expected[head] == actual[head])
        ++head;
    std::size_t tail = 0;
    while (tail < expected.size() - head && tail < actual.size() - head &&
           expected[expected.size() - 1 - tail] == actual[actual.size() - 1 - tail])
        ++tail;
    const std::size_t n = expected.size() - head - tail;
    const std::size_t m = actual.size() - head - tail;
    const auto same = [&](std::size_t i, std::size_t j) {
        return expected[head + i] == actual[head + j];
    };

    // common[i][j]: the longest common subsequence of the middles from i and j on.
    const bool matched = (n + 1) * (m + 1) <= kLargestTable;
    std::vector<std::uint32_t> common(matched ? (n + 1) * (m + 1) : 0, 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t {
        return matched ? common[i * (m + 1) + j] : 0;
    };
    if (matched)
        for (std::size_t i = n; i-- > 0;)
            for (std::size_t j = m; j-- > 0;)
                common[i * (m + 1) + j] =
                    same(i, j) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));

    std::vector<Step> steps;
    for (std::size_t k = 0; k < head; ++k) steps.push_back({Side::Both, k, k});
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && same(i, j) && at(i, j) == at(i + 1, j + 1) + 1) {
            steps.push_back({Side::Both, head + i++, head + j++});
        } else if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1))) {
            steps.push_back({Side::Expected, head + i++, head + j});
        } else {
            steps.push_back({Side::Actual, head + i, head + j++});
        }
    }
    for (std::size_t k = 0; k < tail; ++k)
        steps.push_back({Side::Both, head + n + k, head + m + k});
    return steps;
}

// The steps of the first difference: from its first differing line to the
// last one that follows with at most 2 × context common lines between.
std::pair<std::size_t, std::size_t> first_hunk(const std::vector<Step>& steps,
                                               std::size_t context) {
    std::size_t first = 0;
    while (steps[first].side == Side::Both) ++first;
    std::size_t last = first;
    for (std::size_t k = first + 1; k < steps.size() && k <= last + 2 * context + 1; ++k)
        if (steps[k].side != Side::Both) last = k;
    return {first, last};
}

std::string line_of(const Step& step, const Lines& expected, const Lines& actual) {
    switch (step.side) {
        case Side::Both: return "  " + expected[step.expected];
        case Side::Expected: return "- " + expected[step.expected];
        case Side::Actual: return "+ " + actual[step.actual];
    }
    return {};
}

}  // namespace

std::string trace_difference(const Lines& expected, const Lines& actual, int context) {
    const std::vector<Step> steps = diff_steps(expected, actual);
    const auto only = [&](Side side) {
        return std::count_if(steps.begin(), steps.end(),
                             [side](const Step& s) { return s.side == side; });
    };
    const auto removed = only(Side::Expected);
    const auto added = only(Side::Actual);
    if (removed + added == 0) return {};

    const std::size_t around = static_cast<std::size_t>(std::max(context, 0));
    const auto [first, last] = first_hunk(steps, around);
    const std::size_t from = first > around ? first - around : 0;
    const std::size_t to = std::min(last + around, steps.size() - 1);
    std::size_t expected_lines = 0, actual_lines = 0;
    for (std::size_t k = from; k <= to; ++k) {
        expected_lines += steps[k].side != Side::Actual;
        actual_lines += steps[k].side != Side::Expected;
    }
    const auto differing = removed + added;
    std::string text = std::to_string(differing) + (differing == 1 ? " line differs (" : " lines differ (") +
                       std::to_string(removed) + " expected only, " + std::to_string(added) +
                       " actual only); the first difference:\n@@ -" +
                       std::to_string(steps[from].expected + 1) + "," +
                       std::to_string(expected_lines) + " +" +
                       std::to_string(steps[from].actual + 1) + "," +
                       std::to_string(actual_lines) + " @@\n";
    for (std::size_t k = from; k <= to; ++k) text += line_of(steps[k], expected, actual) + "\n";
    return text;
}

}  // namespace harness
