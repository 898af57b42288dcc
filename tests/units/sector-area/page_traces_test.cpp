// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/sector-area/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    {.page = 2},
    // The key is the text: a trailing zero, a blank or full-width digits are wrong.
    {.page = 3,
     .answers = {{{"379.940"}, {"379.94"}}, {{"１３.０８"}, {"13.08"}}, {{"78.50"}, {"78.5"}},
                 {{"628 "}, {"628"}}, {{"15.7"}, {"7.85"}}, {{"56.4"}, {"81.4"}}}},
    {.page = 4},
    // Problem 5 is passed with the half-up rounding of 17.415.
    {.page = 5,
     .answers = {{{"94.20"}, {"94.2"}}, {{"153.86"}, {"145.31"}}, {{"150.72"}, {"37.68"}},
                 {{"56.52"}, {"28.26"}}, {{"17.415"}, {"17.42"}}, {{"235.5"}, {"78.5"}},
                 {{"13.76"}, {"26.32"}}, {{"21.98"}, {"31.4"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::sector_area::unit, GetParam(),
                               "units/sector-area/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(SectorArea, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
