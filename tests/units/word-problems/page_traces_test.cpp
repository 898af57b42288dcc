// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/word-problems/unit.h"

namespace {

using harness::PageSession;

// Each problem first answered wrong (a 0 in A, an unreduced fraction, a
// decimal, text where the field must stay empty, else the next problem's
// answer), then right.
const PageSession kSessions[] = {
    {.page = 1},
    {.page = 2,
     .answers = {{{"0", "20", "9"}, {"", "20", "9"}}, {{"5", "7", "5"}, {"", "4", "3"}},
                 {{"", "7", "40"}, {"5", "7", "5"}}, {{"", "3", "1"}, {"", "12", "5"}},
                 {{"2", "4", "1"}, {"", "3", "1"}}, {{"", "5", "4"}, {"2", "4", "1"}},
                 {{"", "20", "9"}, {"", "5", "4"}}}},
    {.page = 3},
    {.page = 4,
     .answers = {{{"200", "1", ""}, {"200", "", ""}}, {{"76.5", "", ""}, {"76", "2", "1"}},
                 {{"1", "8", "7"}, {"20", "", ""}}, {{"", "10", "3"}, {"1", "8", "7"}},
                 {{"", "16", "3"}, {"", "10", "3"}}, {{"2", "2", "1"}, {"", "16", "3"}},
                 {{"200", "", ""}, {"2", "2", "1"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::word_problems::unit, GetParam(),
                               "units/word-problems/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(WordProblems, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
