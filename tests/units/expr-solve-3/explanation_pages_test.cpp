// The two explanation pages as a pupil meets them from a later paragraph:
// the paragraphs before it drawn at once and silent, the page end.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/expr-solve-3/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using Heard = std::vector<int>;

const frame::Unit& unit = units::expr_solve_3::unit;

struct LaterStart {
    int page;
    std::string_view start;
    Heard heard;
    std::vector<std::pair<std::string_view, platform::PointF>> solved;  // left in white
    std::string_view end_mark;
    platform::PointF end_at;
};

const LaterStart kStarts[] = {
    {1, "6", {}, {{"χ ＝ ２１ ÷ ７", {130, 230}}, {"χ ＝ ３", {130, 270}},
                  {"χ ＝ １３ － ５", {430, 230}}, {"χ ＝ ８", {430, 270}}},
     "1ページ終わり", {400, 340}},
    {1, "4", {11, 12, 13, 14, 8, 9, 30, 15, 13}, {{"χ ＝ ３", {130, 270}}, {"χ ＝ ８", {430, 270}}},
     "1ページ終わり", {400, 340}},
    {3, "4", {}, {{"６ ÷ ２ ＝ χ", {82, 110}}, {"３ ＝ χ", {130, 150}},
                  {"９ － ４ ＝ χ", {382, 110}}, {"５ ＝ χ", {430, 150}}},
     "3ページ終わり", {400, 350}},
    {3, "3", {26, 24, 29, 27}, {{"３ ＝ χ", {130, 150}}, {"５ ＝ χ", {430, 150}}},
     "3ページ終わり", {400, 350}},
};

TEST(ExplanationPages, FromALaterParagraphTheEarlierOnesAppearAtOnceAndSilently) {
    for (const LaterStart& s : kStarts) {
        SCOPED_TRACE("page " + std::to_string(s.page) + " from " + std::string(s.start));
        Pupil pupil(unit);
        const auto elapsed = pupil.clock().elapsed();
        const harness::SoundLog log = harness::open_from(pupil, s.page, s.start);

        EXPECT_EQ(log.narrations(), s.heard);
        if (s.heard.empty()) {
            EXPECT_TRUE(log.commands.empty());
            EXPECT_EQ(pupil.clock().elapsed(), elapsed);
        } else {  // the first narration heard closes the one before; the page end closes it
            EXPECT_EQ(log.commands.front(), "close wave1");
            EXPECT_EQ(log.commands.back(), "close wave1");
        }
        for (const auto& [text, at] : s.solved) EXPECT_EQ(last_colour(pupil, text, at), 7) << text;
        const int last = unit.lesson_page(s.page)->count();
        EXPECT_EQ(last_colour(pupil, "だん落 " + std::to_string(last), {570, 2}), 7);
        EXPECT_EQ(pupil.lesson().current_paragraph, last - 1);
        EXPECT_EQ(last_colour(pupil, s.end_mark, s.end_at), 1);
        // The pointing hand is gone from where it pointed last.
        const QPoint hand = s.page == 1 ? QPoint(410, 216) : QPoint(433, 46);
        EXPECT_EQ(pupil.colour_at(hand), 0);
    }
}

TEST(ExplanationPages, RefuseAStartParagraphTheyLack) {
    for (const auto& [page, start] : {std::pair{1, "0"}, {1, "7"}, {3, "0"}, {3, "5"}})
        harness::expect_start_refused(unit, page, start);
}

}  // namespace
