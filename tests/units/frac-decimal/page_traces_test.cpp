// Every page as a pupil meets it, compared line by line with its expected
// trace in traces/: what is drawn where and in which colour, each window
// change, each pause and each sound command.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_trace.h"
#include "units/frac-decimal/unit.h"

namespace {

using harness::PageSession;

const PageSession kSessions[] = {
    {.page = 1},
    // A proper fraction given a whole part, the improper fraction, problem
    // 3's unreduced answer and then another wrong one over it, a trailing
    // blank, a full-width digit; else a neighbouring problem's answer.
    {.page = 2,
     .answers = {{{"1", "16", "15"}, {"", "16", "15"}}, {{"", "9", "14"}, {"1", "9", "5"}},
                 {{"", "15", "3"}, {"1", "5", "1"}}, {{"", "5", "1 "}, {"", "5", "1"}},
                 {{"1", "12", "１１"}, {"1", "12", "11"}}, {{"", "45", "7"}, {"", "60", "53"}},
                 {{"", "60", "53"}, {"", "45", "7"}}, {{"", "40", "7"}, {"", "2", "1"}},
                 {{"", "2", "1"}, {"", "40", "7"}}, {{"", "40", "7"}, {"1", "30", "13"}}}},
    {.page = 3},
    // The improper fraction, a 0 in an empty field, the whole number with B
    // and C filled, the decimal answer in A; else a neighbouring problem's
    // answer.
    {.page = 4,
     .answers = {{{"", "12", "29"}, {"2", "12", "5"}}, {{"", "32", "9"}, {"5", "7", "4"}},
                 {{"0", "32", "9"}, {"", "32", "9"}}, {{"8", "", ""}, {"4", "24", "17"}},
                 {{"8", "1", "8"}, {"8", "", ""}}, {{"", "18", "13"}, {"3", "8", "1"}},
                 {{"3", "8", "1"}, {"", "18", "13"}}, {{"1.1", "", ""}, {"1", "10", "1"}}}},
};

class PageTrace : public testing::TestWithParam<PageSession> {};

TEST_P(PageTrace, DrawsPausesAndSaysWhatItsTraceHolds) {
    const int page = GetParam().page;
    harness::expect_page_trace(units::frac_decimal::unit, GetParam(),
                               "units/frac-decimal/traces/page" + std::to_string(page) + ".trace");
}

INSTANTIATE_TEST_SUITE_P(FracDecimal, PageTrace, testing::ValuesIn(kSessions),
                         [](const auto& info) { return "Page" + std::to_string(info.param.page); });

}  // namespace
