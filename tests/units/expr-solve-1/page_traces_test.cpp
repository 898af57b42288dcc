// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, on the board,
// the hidden drawing window and the transfer picture, each window change,
// each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/expr-solve-1/unit.h"

namespace {

using harness::PageSession;

// Each problem answered first with a neighbour's key (problem 4 with its
// own value and a trailing zero), then right.
const PageSession kSessions[] = {
    {.page = 1},
    {.page = 2},
    {.page = 3,
     .answers = {{{"4"}, {"12"}}, {{"59"}, {"4"}}, {{"6.4"}, {"59"}}, {{"6.40"}, {"6.4"}},
                 {{"87"}, {"37"}}, {{"37"}, {"87"}}}},
    {.page = 4,
     .answers = {{{"246"}, {"112"}}, {{"1682"}, {"246"}}, {{"30.45"}, {"1682"}},
                 {{"30.450"}, {"30.45"}}, {{"187"}, {"370"}}, {{"370"}, {"187"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::expr_solve_1::unit, GetParam(),
                               "units/expr-solve-1/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(ExprSolve1, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
