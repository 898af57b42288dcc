// The two explanation pages opened from a later start paragraph: the earlier
// ones drawn at once and silent, the rest heard in order, and the page end.
// From paragraph 1 every step is in the page traces.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/frac-multiply/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using Heard = std::vector<int>;

const frame::Unit& unit = units::frac_multiply::unit;

struct Opening {
    int page;
    std::string_view start;
    Heard heard;                   // the narrations opened, in order
    std::string_view drawn;        // a text of an earlier paragraph, and where
    platform::PointF drawn_at;
    std::string_view last_header;  // and "Nページ終わり" at its place
    platform::PointF end_at;
};

const Opening kOpenings[] = {
    {1, "2", {7, 8, 9, 10, 11, 12, 13, 14, 7, 5, 6, 23, 24, 25, 26}, "30", {119, 320},
     "だん落 4", {500, 350}},
    {1, "4", {}, "＝ 1─", {395, 210}, "だん落 4", {500, 350}},
    {3, "2", {5, 23}, "× 4", {135, 160}, "だん落 3", {400, 330}},
    {3, "3", {}, "＝ －", {379, 110}, "だん落 3", {400, 330}},
};

TEST(FracMultiplyExplanations, FromALaterParagraphTheEarlierAreDrawnSilently) {
    for (const Opening& o : kOpenings) {
        SCOPED_TRACE("page " + std::to_string(o.page) + " from " + std::string(o.start));
        Pupil pupil(unit);
        const auto before = pupil.clock().elapsed();
        const harness::SoundLog log = harness::open_from(pupil, o.page, o.start);
        EXPECT_EQ(log.narrations(), o.heard);
        EXPECT_EQ(log.opened_unclosed(), Heard{});
        EXPECT_EQ(log.commands.empty(), o.heard.empty());
        EXPECT_EQ(pupil.clock().elapsed() == before, o.heard.empty());
        EXPECT_EQ(last_colour(pupil, o.drawn, o.drawn_at), 7);
        EXPECT_EQ(last_colour(pupil, o.last_header, {570, 2}), 7);
        EXPECT_EQ(last_colour(pupil, std::to_string(o.page) + "ページ終わり", o.end_at), 1);
    }
}

// The red arc of page 3 joins the two ways of working 2/7 × 3; its arrow head
// stands at the arc's top end, not swapped into the board's left.
TEST(FracMultiplyExplanations, TheArcsArrowHeadStandsAtItsTopEnd) {
    Pupil pupil(unit);
    std::vector<int> seen;
    pupil.clock().on_sleep([&](std::chrono::milliseconds length) {
        if (length != std::chrono::milliseconds(6000)) return;  // the pause after the arc
        for (platform::PointF at : {platform::PointF{194, 67}, {194, 57}, {67, 194}, {57, 194}})
            seen.push_back(pupil.colour_at(pupil.lesson().canvas().to_pixel(at)));
    });
    harness::open_from(pupil, 3, "1");
    EXPECT_EQ(seen, (std::vector<int>{2, 2, 0, 0}));
}

}  // namespace
