// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/circle-area/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    {.page = 2},
    // A trailing zero and a trailing blank are wrong: the key is the text.
    {.page = 3,
     .answers = {{{"78.50"}, {"78.5"}}, {{"314 "}, {"314"}}, {{"113"}, {"113.04"}},
                 {{"530.7"}, {"530.66"}}}},
    // Problem 4 read with 6 cm as the radius gets its own hint.
    {.page = 4,
     .answers = {{{"379.9"}, {"379.94"}}, {{"803.84"}, {"200.96"}}, {{"50.24"}, {"13.76"}},
                 {{"41.04"}, {"10.26"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::circle_area::unit, GetParam(),
                               "units/circle-area/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(CircleArea, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
