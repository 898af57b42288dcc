// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/ratio-value/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    // A "0" where C stays empty, a full-width digit, a trailing blank, the
    // improper fraction, ratios left unsimplified; problem 7's own hint.
    {.page = 2,
     .answers = {{{"1", "3", "0", "3", "1"}, {"1", "3", "", "3", "1"}},
                 {{"2", "9", "", "9", "２"}, {"2", "9", "", "9", "2"}},
                 {{"4", "7", "", "7", "4 "}, {"4", "7", "", "7", "4"}},
                 {{"3", "2", "", "2", "3"}, {"3", "2", "1", "2", "1"}},
                 {{"64", "120", "", "120", "64"}, {"8", "15", "", "15", "8"}},
                 {{"19", "7", "", "7", "19"}, {"19", "7", "2", "7", "5"}},
                 {{"117", "72", "1", "72", "45"}, {"13", "8", "1", "8", "5"}}}},
    {.page = 3},
    // Decimals kept, a whole-number value written as a fraction, a leading
    // blank, C left empty before a whole number.
    {.page = 4,
     .answers = {{{"0.7", "1.3", "", "1.3", "0.7"}, {"7", "13", "", "13", "7"}},
                 {{"4", "6", "", "6", "4"}, {"2", "3", "", "3", "2"}},
                 {{"8", "3", "", "3", "8"}, {"8", "3", "2", "3", "2"}},
                 {{"5", "1", "5", "1", "0"}, {"5", "1", "5", "", ""}},
                 {{" 3", "25", "", "25", "3"}, {"3", "25", "", "25", "3"}},
                 {{"23", "3", "", "3", "23"}, {"23", "3", "7", "3", "2"}},
                 {{"4", "1", "", "", ""}, {"4", "1", "4", "", ""}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::ratio_value::unit, GetParam(),
                               "units/ratio-value/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(RatioValue, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
