// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/frac-divide/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    // A 0 where A must stay empty, the improper fraction, a trailing blank,
    // a full-width number, and numerator and denominator swapped.
    {.page = 2,
     .answers = {{{"0", "21", "10"}, {"", "21", "10"}}, {{"", "2", "45"}, {"22", "2", "1"}},
                 {{"4", "5", "1 "}, {"4", "5", "1"}}, {{"", "２１", "8"}, {"", "21", "8"}},
                 {{"", "18", "25"}, {"", "25", "18"}}, {{"2", "4", "7"}, {"2", "7", "4"}}}},
    {.page = 3},
    // A whole number with a fraction part of 1/0, and a 0 where A must stay empty.
    {.page = 4,
     .answers = {{{"", "4", "5"}, {"", "5", "4"}}, {{"14", "1", "0"}, {"14", "", ""}},
                 {{"0", "10", "1"}, {"", "10", "1"}}, {{"", "24", "3"}, {"", "8", "1"}},
                 {{"", "7", "20"}, {"2", "7", "6"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::frac_divide::unit, GetParam(),
                               "units/frac-divide/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(FracDivide, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
