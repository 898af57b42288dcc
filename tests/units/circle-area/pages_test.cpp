// circle-area's pages where a trace cannot show it: the explanation pages
// opened at their last paragraph, what stays of page 1's blinking lines, and
// the exercise pages refusing a start number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/circle-area/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;

const frame::Unit& unit = units::circle_area::unit;

struct LastParagraph {
    int page;
    std::string_view end_mark;
    std::string_view result;  // the last result written, in white
    platform::PointF result_at;
};

TEST(ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    const LastParagraph pages[] = {{1, "1ページ終わり", "半径×半径×3.14", {398, 330}},
                                   {2, "2ページ終わり", "答え  254.34c㎡", {400, 260}}};
    for (const LastParagraph& p : pages) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, p.page, "2", p.end_mark, {400, 350});
        EXPECT_EQ(last_colour(pupil, p.result, p.result_at), 7);
    }
}

// Page 1 blinks the height, the radius, the long side and the half
// circumference of the 60-sector picture in green and red.  The band saved
// before, (310,200) to (490,250), is copied back and the long side drawn
// white again, so no red stays above the radius's row; the radius, below the
// band, ends its blink green.
TEST(ExplanationPage1, LeavesTheSixtySectorPictureAsItWas) {
    Pupil pupil(unit);
    harness::open_from(pupil, 1, "2");
    int red = 0;
    for (int y = 150; y < 250; ++y)
        for (int x = 300; x < 640; ++x) red += pupil.colour_at({x, y}) == 2;
    EXPECT_EQ(red, 0);
    EXPECT_EQ(pupil.colour_at({345, 215}), 6);  // upper half of the cut circle
    EXPECT_EQ(pupil.colour_at({345, 285}), 5);  // lower half
    EXPECT_EQ(pupil.colour_at({335, 250}), 4);  // the radius ends its blink in green
}

// A start number the page lacks is refused; page 3 has written its
// instruction before it tests the number, page 4 writes it with the problem.
TEST(ExercisePages, RefuseAStartNumberTheyLack) {
    struct Refusal {
        int page;
        std::string_view number;
        bool instruction_shown;
    };
    for (const Refusal& r : {Refusal{3, "5", true}, Refusal{3, "0", true}, Refusal{4, "5", false}}) {
        SCOPED_TRACE("page " + std::to_string(r.page) + ", " + std::string(r.number));
        Pupil pupil(unit);
        pupil.forget_texts();
        pupil.open(r.page, r.number);
        ASSERT_FALSE(pupil.boxes().empty());
        EXPECT_EQ(pupil.boxes().back().text, "その番号はありません！");
        EXPECT_EQ(pupil.shows_text("次の円の面積を求めなさい｡"), r.instruction_shown);
        EXPECT_FALSE(pupil.shows_text("次の赤い部分の面積を求めなさい｡"));
    }
}

}  // namespace
