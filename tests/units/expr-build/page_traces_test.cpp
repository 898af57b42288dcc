// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/expr-build/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    // Table cells incomplete and out of order, a full-width digit, the
    // alternative keys, and problem 12's two hints: for the choice "1" and
    // for any other.
    {.page = 2,
     .answers = {{{"24", "32", ""}, {"24", "32", "40"}}, {{"４"}, {"4"}},
                 {{"22", "19", "20"}, {"22", "20", "19"}}, {{"2"}, {"3"}},
                 {{"31", "32", "33"}, {"31", "33", "35"}}, {{"4"}, {"5"}}, {{"4"}, {"2"}},
                 {{"2"}, {"4"}}, {{"2"}, {"4"}}, {{"1"}, {"3"}}, {{"1"}, {"3"}},
                 {{"1"}, {"2"}}, {{"3"}, {"5"}}}},
    {.page = 3},
    // A key with a trailing blank, and on problems 4, 5, 7, 8 and 9 the
    // typical wrong choice, then another wrong one.
    {.page = 4,
     .answers = {{{"5 "}, {"5"}}, {{"1"}, {"2"}}, {{"1"}, {"4"}}, {{"5"}, {"2"}}, {{"3"}, {"1"}},
                 {{"2"}, {"1"}}, {{"3"}, {"5"}}, {{"1"}, {"4"}}, {{"2"}, {"1"}}, {{"3"}, {"4"}},
                 {{"1"}, {"4"}}, {{"5"}, {"3"}}, {{"1"}, {"2"}}, {{"4"}, {"3"}}, {{"2"}, {"1"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::expr_build::unit, GetParam(),
                               "units/expr-build/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(ExprBuild, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
