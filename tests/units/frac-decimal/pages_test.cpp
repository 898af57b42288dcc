// frac-decimal's pages where a trace cannot show it: each explanation page
// from its last paragraph and from paragraph 2, a start paragraph the page
// lacks, and the third answer field that navigation leaves filled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/frac-decimal/unit.h"

namespace {

using harness::last_colour;
using harness::Nav;
using harness::Pupil;
using harness::TextSeen;
using Heard = std::vector<int>;

const frame::Unit& unit = units::frac_decimal::unit;

struct ExplanationPage {
    int page;
    std::string_view end_mark;
    platform::PointF end_at;
    std::vector<TextSeen> finished;  // as they were last drawn
    Heard from_paragraph_2;          // the narrations heard, in order
};

const ExplanationPage kPages[] = {
    {1, "1ページ終わり", {400, 320},
     {{"＝ 1－", {133, 160}, 7}, {"17", {495, 200}, 7}, {"＋", {519, 110}, 7},
      {"2", {507, 85}, 7}},
     {1, 8, 9, 10, 11, 4, 12, 13, 14, 15, 16, 6}},
    {3, "3ページ終わり", {400, 360},
     {{"17", {183, 200}, 7}, {"0.25", {23, 60}, 7}, {"計算の4つの基本", {430, 60}, 0},
      {"忘れないでね!", {435, 292}, 2}},
     {25, 26, 27, 28, 29, 30, 31, 32, 33}},
};

TEST(ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    for (const ExplanationPage& p : kPages) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, p.page, "3", p.end_mark, p.end_at);
        EXPECT_EQ(pupil.lesson().current_paragraph, 2);
        harness::expect_texts(pupil, p.finished);
    }
}

// Paragraph 1 stands finished before paragraph 2 is heard, each narration
// closing the one before, and the last one closed at the end.
TEST(ExplanationPages, FromParagraph2OnlyItsNarrationsAreHeard) {
    for (const ExplanationPage& p : kPages) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        const harness::SoundLog log = harness::open_from(pupil, p.page, "2");
        EXPECT_EQ(log.narrations(), p.from_paragraph_2);
        EXPECT_TRUE(log.opened_unclosed().empty());
        ASSERT_FALSE(log.commands.empty());
        EXPECT_EQ(log.commands.back(), "close wave1");
        EXPECT_EQ(last_colour(pupil, p.finished.front().text, p.finished.front().at), 7);
        EXPECT_EQ(last_colour(pupil, p.end_mark, p.end_at), 1);
    }
}

TEST(ExplanationPages, RefuseAStartParagraphTheyLack) {
    for (int page : {1, 3})
        for (auto start : {"0", "4"}) harness::expect_start_refused(unit, page, start);
}

// The navigation buttons empty the first two answer fields but not the
// third; the next problem shown empties it.
TEST(ExercisePages, NavigationLeavesTheThirdFieldUntilTheNextProblem) {
    Pupil pupil(unit);
    pupil.open(2, "1");
    pupil.type("EDIT3", "1").type("EDIT4", "2").type("EDIT5", "3");
    pupil.press(Nav::Next);
    EXPECT_EQ(pupil.lesson().field("EDIT3").text(), "");
    EXPECT_EQ(pupil.lesson().field("EDIT4").text(), "");
    EXPECT_EQ(pupil.lesson().field("EDIT5").text(), "3");
    pupil.open(4, "2");
    EXPECT_EQ(pupil.lesson().field("EDIT5").text(), "");
    EXPECT_EQ(pupil.shown_bar(), "FORM9");
}

}  // namespace
