// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/frac-multiply/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    // Problem 1 with B and C exchanged, the others with the next problem's
    // answer; each then answered right.
    {.page = 2,
     .answers = {{{"", "5", "18"}, {"", "18", "5"}}, {{"", "15", "4"}, {"", "14", "3"}},
                 {{"1", "8", "7"}, {"", "15", "4"}}, {{"2", "8", "5"}, {"1", "8", "7"}},
                 {{"", "35", "16"}, {"2", "8", "5"}}, {{"", "18", "5"}, {"", "35", "16"}}}},
    {.page = 3},
    {.page = 4,
     .answers = {{{"5", "6", "5"}, {"", "5", "4"}}, {{"2", "2", "1"}, {"5", "6", "5"}},
                 {{"6", "", ""}, {"2", "2", "1"}}, {{"", "5", "3"}, {"6", "", ""}},
                 {{"", "25", "13"}, {"", "5", "3"}}, {{"", "200", "9"}, {"", "25", "13"}},
                 {{"1", "4", "3"}, {"", "200", "9"}}, {{"", "3", "2"}, {"1", "4", "3"}},
                 {{"1", "2", "1"}, {"", "3", "2"}}, {{"1", "3", "1"}, {"1", "2", "1"}},
                 {{"", "5", "4"}, {"1", "3", "1"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::frac_multiply::unit, GetParam(),
                               "units/frac-multiply/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(FracMultiply, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
