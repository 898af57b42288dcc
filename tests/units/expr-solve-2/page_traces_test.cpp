// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "tests/support/pupil.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    {.page = 2,
     .answers = {{{"1139"}, {"54"}}, {{"116"}, {"1139"}}, {{"67"}, {"116"}}, {{"84"}, {"67"}},
                 {{"2894"}, {"84"}}, {{"2912"}, {"2894"}}, {{"702"}, {"2912"}},
                 {{"54"}, {"702"}}}},
    {.page = 3},
    {.page = 4,
     .answers = {{{"357"}, {"37"}}, {{"73"}, {"357"}}, {{"31.5"}, {"73"}}, {{"56"}, {"31.5"}},
                 {{"188"}, {"56"}}, {{"86"}, {"188"}}, {{"5"}, {"86"}}, {{"37"}, {"5"}}}},
    {.page = 5},
    // A right expression with a wrong answer, plain wrong expressions, and
    // the two typical wrong expressions that get hints of their own.
    {.page = 6,
     .answers = {{{"3", "9"}, {"5", "8"}}, {{"1", "80"}, {"3", "80"}}, {{"4", "12"}, {"2", "12"}},
                 {{"5", "29"}, {"1", "29"}}, {{"2", "5"}, {"5", "5"}},
                 {{"1", "500"}, {"4", "500"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::expr_solve_2::unit, GetParam(),
                               "units/expr-solve-2/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(ExprSolve2, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

// The shared screens as a pupil walks through them: the contents page, every
// start-from dialog, the end-of-unit page and the page-select screen.
TEST(ScreenTrace, TheSharedScreensDrawWhatTheirTraceHolds) {
    harness::Pupil pupil(units::expr_solve_2::unit);
    pupil.start_trace();
    pupil.press(harness::Nav::Top);
    for (int page = 1; page <= 7; ++page) pupil.press(harness::Nav::Next);
    pupil.press(harness::Nav::Where);
    harness::expect_trace(pupil.trace_lines(), "units/expr-solve-2/traces/screens.trace");
}

}  // namespace
