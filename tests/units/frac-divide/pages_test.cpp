// frac-divide's pages where a trace cannot show it: the explanation pages
// from a later paragraph, their padded titles, and the exercise pages judged
// key by key.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/support/explanation_session.h"
#include "units/frac-divide/unit.h"

namespace {

using harness::last_colour;
using harness::cell_colour;
using harness::Pupil;
using harness::TextSeen;
using Heard = std::vector<int>;

const frame::Unit& unit = units::frac_divide::unit;

struct ExplanationPage {
    int page;
    std::string_view title;              // in the title band, 43 cells wide
    std::string_view last;               // paragraph
    std::string_view end_mark;
    platform::PointF end_at;
    std::vector<TextSeen> results;       // standing once the page is whole
    std::string_view later;              // a start paragraph after the first
    Heard heard_from_later;
};

const ExplanationPage kExplanationPages[] = {
    {1, "分数でわる                           1ﾍﾟｰｼﾞ", "6", "1ページ終わり",
     {530, 360},
     {{"×", {143, 60}}, {"×", {143, 170}}, {"＝ 15－", {87, 380}}, {"4", {561, 90}},
      {"＝ 2", {475, 320}}},
     "3", {7, 29, 30, 7, 21, 31, 32, 23, 30, 7, 29, 44, 20, 20, 20, 19, 18, 43}},
    {3, "分数わる整数                         3ﾍﾟｰｼﾞ", "3", "3ページ終わり",
     {520, 380},
     {{"× 9", {507, 70}}, {"× 2", {207, 210}}, {"72", {483, 120}},
      {"整数でわる時は分母にかける!", {383, 140}, 2}},
     "2", {37, 38, 39, 40, 41, 42, 6}},
};

TEST(ExplanationPages, TheirTitlesArePaddedToTheBandWidthOfEveryUnit) {
    for (const ExplanationPage& p : kExplanationPages) {
        Pupil pupil(unit);
        harness::open_from(pupil, p.page, "1");
        EXPECT_EQ(platform::cell_width(p.title), 43);
        EXPECT_EQ(last_colour(pupil, p.title, {200, 2}), 7) << p.page;
    }
}

TEST(ExplanationPages, FromTheLastParagraphTheWholePageAppearsSilently) {
    for (const ExplanationPage& p : kExplanationPages) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        harness::expect_drawn_at_once(pupil, p.page, p.last, p.end_mark, p.end_at);
        harness::expect_texts(pupil, p.results);
    }
}

TEST(ExplanationPages, FromALaterParagraphTheEarlierOnesAppearAtOnceAndTheRestIsHeard) {
    for (const ExplanationPage& p : kExplanationPages) {
        SCOPED_TRACE("page " + std::to_string(p.page));
        Pupil pupil(unit);
        const harness::SoundLog log = harness::open_from(pupil, p.page, p.later);
        EXPECT_EQ(log.narrations(), p.heard_from_later);
        EXPECT_EQ(log.opened_unclosed(), Heard{});
        EXPECT_EQ(log.commands.back(), "close wave1");
        EXPECT_EQ(last_colour(pupil, p.end_mark, p.end_at), 1);
    }
}

using Keys = std::array<std::string_view, 3>;

struct ExercisePage {
    int page;
    std::vector<Keys> keys;
    std::vector<int> hinted_paragraph;  // of page 1, or of page 3 where negative
    std::string_view reward, end_mark;
};

const ExercisePage kExercisePages[] = {
    {2,
     {{"", "21", "10"}, {"22", "2", "1"}, {"4", "5", "1"}, {"", "21", "8"}, {"", "25", "18"},
      {"2", "7", "4"}},
     {1, 3, 4, 4, 4, 5}, "やったね!パスワードは 草原(そうげん) だよ!", "2ページ終わり"},
    {4, {{"", "5", "4"}, {"14", "", ""}, {"", "10", "1"}, {"", "8", "1"}, {"2", "7", "6"}},
     {2, 3, -2, -2, 5}, "やったね!パスワードは 灯台(とうだい) だよ!", "4ページ終わり"},
};

std::string hint(int paragraph) {
    const std::string page = paragraph < 0 ? "3" : "1";
    return "計算まちがいしてない?" + page + "ページのだん落" + std::to_string(std::abs(paragraph)) +
           "を見ればきっと答えがわかるよ!";
}

TEST(ExercisePages, EveryKeyPassesAndANeighboursKeyGetsTheProblemsHint) {
    for (const ExercisePage& p : kExercisePages) {
        Pupil pupil(unit);
        pupil.open(p.page, "1");
        const std::size_t n = p.keys.size();
        for (std::size_t k = 1; k <= n; ++k) {
            SCOPED_TRACE("page " + std::to_string(p.page) + " problem " + std::to_string(k));
            EXPECT_EQ(pupil.shown_bar(), "FORM12");
            pupil.forget_texts();
            const Keys& neighbours = p.keys[k % n];
            pupil.answer({neighbours[0], neighbours[1], neighbours[2]});
            EXPECT_EQ(cell_colour(pupil, hint(p.hinted_paragraph[k - 1]), 0, 17), 2);
            EXPECT_EQ(cell_colour(pupil, "天才!ごうかく!", 10, 17), -1);
            const Keys& own = p.keys[k - 1];
            pupil.answer({own[0], own[1], own[2]});
            EXPECT_EQ(cell_colour(pupil, "天才!ごうかく!", 10, 17), 2);
        }
        EXPECT_TRUE(pupil.shows_text(p.reward));
        EXPECT_EQ(cell_colour(pupil, p.end_mark, 30, 15), 1);
        EXPECT_EQ(pupil.shown_bar(), "");
    }
}

// Both pages count their problems with one number: page 2 left past its
// end still lets page 4 start at its first problem, and a number one past
// a page's last problem is refused when typed.
TEST(ExercisePages, ShareOneProblemNumberAndRefuseOnePastTheirLast) {
    Pupil pupil(unit);
    pupil.open(2, "6").answer({"2", "7", "4"});
    EXPECT_EQ(cell_colour(pupil, "2ページ終わり", 30, 15), 1);
    EXPECT_FALSE(pupil.shows_text("やったね!パスワードは 草原(そうげん) だよ!"));
    pupil.forget_texts();
    pupil.open(4, "1");
    EXPECT_EQ(cell_colour(pupil, "(1)", 0, 4), 7);
    for (const auto& [page, past] : {std::pair{2, "7"}, std::pair{4, "6"}}) {
        const std::size_t boxes = pupil.boxes().size();
        pupil.open(page, past);
        ASSERT_EQ(pupil.boxes().size(), boxes + 1);
        EXPECT_EQ(pupil.boxes().back().text, "その番号はありません！");
    }
}

}  // namespace
