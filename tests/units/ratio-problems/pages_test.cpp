// ratio-problems' pages where a trace cannot show it: each explanation page
// opened at a later paragraph, the bar that follows a bar of another size,
// and problem 6's hints that empty the hint row before they are written.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/cell_text.h"
#include "tests/support/explanation_session.h"
#include "units/ratio-problems/unit.h"

namespace {

using harness::Pupil;

const frame::Unit& unit = units::ratio_problems::unit;

struct LaterStart {
    int page;
    std::string_view start;
    std::vector<int> heard;       // narrations, in order
    std::string_view early_text;  // a text of the paragraphs before the start…
    int early_draws;              // …drawn this often before any wait or sound
    std::string_view end_mark;
    platform::PointF end_at;
};

const LaterStart kLaterStarts[] = {
    {1, "2", {9, 10, 11, 23, 24}, "＝1─", 1, "1ページ終わり", {450, 360}},
    {1, "3", {}, "整数でも小数でも分数でも比をかんたんにするには比の値を求めるんだよ!", 1,
     "1ページ終わり", {450, 360}},
    {3, "2", {17, 25, 18, 19, 20, 21, 22}, "100", 12, "3ページ終わり", {520, 360}},
    {3, "3", {}, "妹  400まい", 1, "3ページ終わり", {520, 360}},
};

TEST(ExplanationPages, FromALaterParagraphTheEarlierOnesAppearAtOnceAndSilently) {
    for (const LaterStart& s : kLaterStarts) {
        SCOPED_TRACE("page " + std::to_string(s.page) + " from " + std::string(s.start));
        Pupil pupil(unit);
        harness::fill_in_start_from(pupil, s.page, s.start);
        const std::size_t sent = pupil.sound_commands().size();
        pupil.start_trace();
        pupil.forget_texts();
        const auto before = pupil.clock().elapsed();
        pupil.click("BUTTON1");

        const std::vector<std::string>& lines = pupil.trace_lines();
        const auto first_wait = std::ranges::find_if(lines, [](const std::string& line) {
            return line.starts_with("sleep") || line.starts_with("sound \"open");
        });
        const std::string quoted = "\"" + std::string(s.early_text) + "\"";
        EXPECT_EQ(std::count_if(lines.begin(), first_wait,
                                [&](const std::string& line) {
                                    return line.find(quoted) != std::string::npos;
                                }),
                  s.early_draws);

        const harness::SoundLog log(pupil, sent);
        EXPECT_EQ(log.narrations(), s.heard);
        EXPECT_TRUE(log.opened_unclosed().empty());
        if (s.heard.empty()) {
            EXPECT_EQ(pupil.clock().elapsed(), before);
        }
        EXPECT_EQ(harness::last_colour(pupil, s.end_mark, s.end_at), 1);
        EXPECT_EQ(harness::last_colour(pupil, "だん落 3", {570, 2}), 7);
        EXPECT_EQ(harness::last_colour(pupil, "だん落 2", {570, 2}), 0);
    }
}

struct BarChange {
    int page;
    std::string_view start;
    std::vector<std::string_view> right;  // the answer that passes the problem
    std::string_view next_bar;            // the bar of the next problem, alone on top
    std::string_view gone;                // the bar of the passed one, hidden
};

const BarChange kBarChanges[] = {
    {2, "7", {"4", "3", "1", "3", "1"}, "FORM10", "FORM9"},
    {4, "3", {"3.1"}, "FORM11", "FORM7"},
    {4, "4", {"2", "7"}, "FORM7", "FORM11"},
    {4, "5", {"7.2"}, "FORM12", "FORM7"},
    {4, "6", {"4", "5", "180"}, "FORM11", "FORM12"},
    {4, "7", {"30800", "17600"}, "FORM12", "FORM11"},
};

TEST(ExercisePages, TheNextProblemShowsItsOwnBarAndTheBarBeforeIsGone) {
    for (const BarChange& c : kBarChanges) {
        SCOPED_TRACE("page " + std::to_string(c.page) + " problem " + std::string(c.start));
        Pupil pupil(unit);
        pupil.open(c.page, c.start).answer(c.right);
        EXPECT_EQ(pupil.shown_bar(), c.next_bar);
        EXPECT_FALSE(c.gone != "FORM7" && pupil.windows().form(c.gone).is_visible());
    }
    // Problem 5 labels the single-answer bar with its unit.
    Pupil pupil(unit);
    pupil.open(4, "4").answer({"2", "7"});
    const auto labelled = std::ranges::any_of(pupil.texts(), [](const harness::WatchedText& t) {
        return t.form == "FORM7" && t.text.text == "m" && t.text.at.x == 206;
    });
    EXPECT_TRUE(labelled);
}

// Lit pixels of the hint row right of column 40, where only the longer of
// problem 6's hints reaches.
int lit_beyond_column_40(const Pupil& pupil) {
    const QSize cell = platform::cell_size(16);
    int lit = 0;
    for (int x = 40 * cell.width(); x < 76 * cell.width(); ++x)
        for (int y = 17 * cell.height(); y < 18 * cell.height(); ++y)
            lit += pupil.colour_at(QPoint(x, y)) != 0;
    return lit;
}

TEST(ExercisePage4, ProblemSixEmptiesTheHintRowBeforeEachOfItsHints) {
    Pupil pupil(unit);
    pupil.open(4, "6").answer({"5", "4", "180"});
    EXPECT_TRUE(pupil.shows_text(
        "土曜日は日曜日の80%ってことは土曜日と日曜日の比は 80%:100% になるんだよ!"));
    EXPECT_GT(lit_beyond_column_40(pupil), 0);
    pupil.answer({"4", "5", "144"});
    EXPECT_TRUE(pupil.shows_text("4:5＝144:□になるんだよ!□はいくつかな?"));
    EXPECT_EQ(lit_beyond_column_40(pupil), 0);
}

}  // namespace
