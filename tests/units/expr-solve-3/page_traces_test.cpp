// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/expr-solve-3/unit.h"

namespace {

using harness::PageSession;

// Each problem answered wrong (a full-width digit, a decimal form or a
// neighbour's key), then right.
const PageSession kSessions[] = {
    {.page = 1},
    {.page = 2,
     .answers = {{{"５"}, {"5"}}, {{"5"}, {"2"}}, {{"4"}, {"2"}}, {{"2"}, {"4"}},
                 {{"25"}, {"29"}}, {{"4"}, {"25"}}, {{"23"}, {"4"}}, {{"15"}, {"23"}},
                 {{"104"}, {"15"}}, {{"29"}, {"104"}}}},
    {.page = 3},
    {.page = 4,
     .answers = {{{"192.0"}, {"192"}}, {{"44"}, {"29"}}, {{"73"}, {"44"}}, {{"88"}, {"73"}},
                 {{"46"}, {"88"}}, {{"214"}, {"46"}}, {{"142"}, {"214"}}, {{"72"}, {"142"}},
                 {{"167"}, {"72"}}, {{"192"}, {"167"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::expr_solve_3::unit, GetParam(),
                               "units/expr-solve-3/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(ExprSolve3, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
