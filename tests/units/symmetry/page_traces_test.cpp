// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/symmetry/unit.h"

namespace {

using harness::PageSession;

// Page 2: problem 1 gets the yes/no hint (its axis count is right), 13 an
// empty count echoed, 15 its own hint; the others echo the count typed.
// Page 4: each problem answered with its neighbour's key first.
const PageSession kSessions[] = {
    {.page = 1},
    {.page = 2,
     .answers = {{{"2", "1"}, {"1", "1"}}, {{"1", "4"}, {"1", "1"}}, {{"1", "1"}, {"2", "0"}},
                 {{"2", "4"}, {"2", "0"}}, {{"1", "2"}, {"1", "4"}}, {{"2", "3"}, {"2", "0"}},
                 {{"1", "2"}, {"1", "4"}}, {{"1", "4"}, {"1", "3"}}, {{"1", "4"}, {"1", "2"}},
                 {{"1", "1"}, {"1", "2"}}, {{"1", "2"}, {"1", "1"}}, {{"2", "2"}, {"2", "0"}},
                 {{"1", ""}, {"1", "5"}}, {{"1", "5"}, {"1", "6"}}, {{"2", "7"}, {"4", "6"}}}},
    {.page = 3},
    {.page = 4,
     .answers = {{{"5", "6"}, {"5", "8"}}, {{"5", "8"}, {"2", "3"}}, {{"2", "3"}, {"4", "7"}},
                 {{"1"}, {"2"}}, {{"2"}, {"1"}}, {{"1"}, {"3"}}, {{"2"}, {"3"}}, {{"3"}, {"4"}},
                 {{"4"}, {"1"}}, {{"1"}, {"2"}}, {{"2"}, {"1"}}, {{"2"}, {"1"}}, {{"1"}, {"2"}},
                 {{"2"}, {"3"}}, {{"3"}, {"2"}}, {{"2"}, {"1"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::symmetry::unit, GetParam(),
                               "units/symmetry/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(Symmetry, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
