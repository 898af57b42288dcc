// expr-build's pages where a trace cannot show it: each explanation page
// opened at its last paragraph, page 4 refusing a start number between two
// problems, and page 4's hint rows cleared to the page's right edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/explanation_session.h"
#include "units/expr-build/unit.h"

namespace {

using harness::last_colour;
using harness::Pupil;
using harness::TextSeen;

const frame::Unit& unit = units::expr_build::unit;

struct LastParagraph {
    int page;
    std::string_view end_mark;
    platform::PointF end_at;
    std::vector<TextSeen> texts;          // as they were last drawn
    std::vector<platform::PointF> marks;  // letter marks standing, by their left point
    int mark_colour;
};

const LastParagraph kLastParagraphs[] = {
    // □ and ○ became the letter and ｙ, in the label column and in the relation.
    {1, "1ページ終わり", {400, 340},
     {{"□", {97, 107}, 0}, {"ｙ", {97, 137}, 7}, {"□", {145, 177}, 0}, {"ｙ", {185, 177}, 7}},
     {{102, 117}, {150, 187}}, 7},
    // The □ of the numbers' row became a yellow letter.
    {3, "3ページ終わり", {350, 320},
     {{"         80  ×  □  = 640", {85, 147}, 6}, {"□", {221, 147}, 0}}, {{226, 157}}, 6},
};

// Whether a letter mark stands at its left point: a pixel of its right-hand
// arc, which touches the left one, in the colour.
bool mark_stands(Pupil& pupil, platform::PointF at, int colour) {
    const QPoint touch = pupil.lesson().canvas().to_pixel({at.x + 3, at.y});
    for (int dy = -1; dy <= 1; ++dy)
        if (pupil.colour_at(touch + QPoint(0, dy)) == colour) return true;
    return false;
}

TEST(ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    for (const LastParagraph& p : kLastParagraphs) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, p.page, "2", p.end_mark, p.end_at);
        EXPECT_EQ(pupil.lesson().current_paragraph, 1);
        harness::expect_texts(pupil, p.texts);
        for (platform::PointF mark : p.marks) EXPECT_TRUE(mark_stands(pupil, mark, p.mark_colour));
    }
}

// Page 4 keeps its start number as typed: 2.5 lays out the page and is then
// refused.  The answer bar stands ready, but no answer is judged against the
// keys of the problem shown before, and the record stays as it was.
TEST(ExercisePage4, AStartNumberBetweenTwoProblemsIsRefusedAndNothingIsJudged) {
    Pupil pupil(unit);
    const std::string record = pupil.drive().record_bytes();
    pupil.open(4, "3");  // problem 3's key "4" is the one set
    pupil.open(4, "2.5");
    ASSERT_FALSE(pupil.boxes().empty());
    EXPECT_EQ(pupil.boxes().back().text, "その番号はありません！");
    EXPECT_TRUE(pupil.shows_text("練習2                                4ﾍﾟｰｼﾞ"));
    EXPECT_EQ(pupil.shown_bar(), "FORM7");
    for (const char* typed : {"4", "1"}) {
        pupil.forget_texts();
        pupil.type("EDIT2", typed).click("BUTTON2");
        for (const harness::WatchedText& drawn : pupil.texts())
            EXPECT_NE(drawn.form, "MAINFORM") << typed << ": " << drawn.text.text;
    }
    pupil.press(harness::Nav::Exit);
    EXPECT_EQ(pupil.drive().record_bytes(), record);
}

// Problem 8's special hint runs to x 608: a second wrong answer clears the
// hint rows whole before the general hint, so none of its red stays.
TEST(ExercisePage4, ASecondHintLeavesNothingOfTheFirstAtTheRightEdge) {
    Pupil pupil(unit);
    pupil.open(4, "8");
    const QPoint top = pupil.lesson().canvas().to_pixel({600, 330});
    const QPoint bottom = pupil.lesson().canvas().to_pixel({639, 380});
    const auto red_at_right = [&] {
        int red = 0;
        for (int y = top.y(); y <= bottom.y(); ++y)
            for (int x = top.x(); x <= bottom.x(); ++x) red += pupil.colour_at({x, y}) == 2;
        return red;
    };
    pupil.answer({"1"});
    ASSERT_GT(red_at_right(), 0);
    pupil.answer({"4"});
    EXPECT_EQ(red_at_right(), 0);
}

}  // namespace
