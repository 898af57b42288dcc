// The two explanation pages as a pupil opens them from each kind of start
// paragraph: what is heard, in which order, and how the page ends.
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

struct Landmark {  // a text the page leaves standing where it drew it
    std::string_view text;
    platform::PointF at;
};

struct Opening {
    int page;
    std::string_view start;
    Heard heard;             // the narrations opened, in order
    std::string_view last_header;
    int paragraph_at_end;
    Landmark end_mark, drawn;
};

const Opening kOpenings[] = {
    {1, "1", {1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 7, 5, 6, 23, 24, 25, 26},
     "だん落 4", 3, {"1ページ終わり", {500, 350}}, {"＝ 1─", {395, 210}}},
    {1, "2", {7, 8, 9, 10, 11, 12, 13, 14, 7, 5, 6, 23, 24, 25, 26},
     "だん落 4", 3, {"1ページ終わり", {500, 350}}, {"30", {119, 320}}},
    {1, "4", {}, "だん落 4", 3, {"1ページ終わり", {500, 350}}, {"＝ 1─", {395, 210}}},
    {3, "1", {15, 16, 17, 18, 19, 20, 21, 22, 5, 23},
     "だん落 3", 2, {"3ページ終わり", {400, 330}}, {"× 4", {135, 160}}},
    {3, "3", {}, "だん落 3", 2, {"3ページ終わり", {400, 330}}, {"＝ －", {379, 110}}},
};

TEST(FracMultiplyExplanations, FromEachStartParagraphTheyAreHeardInOrderAndEndMarked) {
    for (const Opening& o : kOpenings) {
        SCOPED_TRACE("page " + std::to_string(o.page) + " from " + std::string(o.start));
        Pupil pupil(unit);
        const auto before = pupil.clock().elapsed();
        const harness::SoundLog log = harness::open_from(pupil, o.page, o.start);
        EXPECT_EQ(log.narrations(), o.heard);
        if (o.heard.empty()) {
            EXPECT_TRUE(log.commands.empty());
            EXPECT_EQ(pupil.clock().elapsed(), before);
        } else {
            // Only the page's very first narration comes without a "close wave1".
            const Heard unclosed = log.opened_unclosed();
            EXPECT_EQ(unclosed.size(), o.start == "1" ? 1u : 0u);
            EXPECT_EQ(log.commands.back(), "close wave1");
        }
        EXPECT_EQ(last_colour(pupil, o.last_header, {570, 2}), 7);
        EXPECT_EQ(pupil.lesson().current_paragraph, o.paragraph_at_end);
        EXPECT_EQ(last_colour(pupil, o.end_mark.text, o.end_mark.at), 1);
        EXPECT_EQ(last_colour(pupil, o.drawn.text, o.drawn.at), 7);
    }
}

TEST(FracMultiplyExplanations, RefuseAStartParagraphTheyLack) {
    const std::pair<int, const char*> refused[] = {{1, "0"}, {1, "5"}, {3, "0"}, {3, "4"}};
    for (const auto& [page, start] : refused) {
        Pupil pupil(unit);
        const std::size_t boxes = pupil.boxes().size();
        const harness::SoundLog log = harness::open_from(pupil, page, start);
        ASSERT_EQ(pupil.boxes().size(), boxes + 1) << page << " " << start;
        EXPECT_EQ(pupil.boxes().back().text, "その段落はありません！");
        EXPECT_FALSE(pupil.shows_text("だん落 1")) << page << " " << start;
        EXPECT_TRUE(log.commands.empty());
    }
}

// The red arc of page 3 joins the two ways of working 2/7 × 3; its arrow head
// stands at the arc's top end, not swapped into the board's left.
TEST(FracMultiplyExplanations, TheArcsArrowHeadStandsAtItsTopEnd) {
    Pupil pupil(unit);
    std::vector<int> seen;
    const auto colour = [&](platform::PointF at) {
        return pupil.colour_at(pupil.lesson().canvas().to_pixel(at));
    };
    pupil.clock().on_sleep([&](std::chrono::milliseconds length) {
        if (length != std::chrono::milliseconds(6000)) return;  // the pause after the arc
        for (platform::PointF at : {platform::PointF{194, 67}, {194, 57}, {67, 194}, {57, 194}})
            seen.push_back(colour(at));
    });
    harness::open_from(pupil, 3, "1");
    EXPECT_EQ(seen, (std::vector<int>{2, 2, 0, 0}));
}

}  // namespace
