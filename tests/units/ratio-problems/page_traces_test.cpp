// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/ratio-problems/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    // A "0" where C must stay empty, the keys of the problem before, a
    // leading blank, the terms swapped, an unreduced ratio, D and E filled
    // for a whole value, every field empty, and problem 8's pairs of A in
    // the other order.
    {.page = 2,
     .answers = {{{"1", "4", "0", "4", "1"}, {"1", "4", "", "4", "1"}},
                 {{"1", "4", "", "4", "1"}, {"3", "4", "", "4", "3"}},
                 {{" 7", "2", "3", "2", "1"}, {"7", "2", "3", "2", "1"}},
                 {{"15", "4", "", "15", "4"}, {"4", "15", "", "15", "4"}},
                 {{"30", "16", "1", "16", "14"}, {"15", "8", "1", "8", "7"}},
                 {{"3", "1", "3", "1", "1"}, {"3", "1", "3", "", ""}},
                 {{"", "", "", "", ""}, {"4", "3", "1", "3", "1"}},
                 {{"4", "3", "1", "6", "2", "5"}, {"3", "4", "1", "6", "2", "5"}}}},
    {.page = 3},
    // A trailing blank, problem 1's key, a trailing zero, A and B swapped,
    // nothing typed; problem 6's two hints (a right ratio with a wrong C,
    // a wrong ratio with the right C, then the terms swapped); the amounts
    // swapped; thousands separators.
    {.page = 4,
     .answers = {{{"16 "}, {"16"}}, {{"16"}, {"70"}}, {{"3.10"}, {"3.1"}}, {{"7", "2"}, {"2", "7"}},
                 {{""}, {"7.2"}}, {{"4", "5", "144"}, {"8", "10", "180"}},
                 {{"5", "4", "180"}, {"4", "5", "180"}}, {{"17600", "30800"}, {"30800", "17600"}},
                 {{"4,184", "2,615", "1,569"}, {"4184", "2615", "1569"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    const std::string trace = "units/ratio-problems/traces/page" + std::to_string(page) + ".trace";
    harness::expect_page_trace(units::ratio_problems::unit, GetParam(), trace);
}

INSTANTIATE_TEST_SUITE_P(RatioProblems, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
