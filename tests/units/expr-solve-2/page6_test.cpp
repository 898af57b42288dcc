// Exercise page 6 as a pupil works through it: a choice of expression and
// the answer on the two-answer bar.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/units/expr-solve-2/exercise_look.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::cell_colour;
using harness::Pupil;

const frame::Unit& unit = units::expr_solve_2::unit;

struct Solution {
    std::string_view choice, answer, wrong_choice, hint;
};

constexpr std::array<Solution, 6> kSolutions = {{
    {"3", "8", "1", "そうかな? たて×横=面積 なんだよ!"},
    {"3", "80", "5", "そうかな? はり金代＋くぎ代=代金 なんだよ!"},
    {"2", "12", "", "そうかな? 1ふくろに入っている数×3ふくろ－食べた数=残り なんだよ!"},
    {"1", "29", "2", "そうかな? ぼくの体重×2＋8kg=父の体重 なんだよ!"},
    {"5", "5", "５", "そうかな? (ある数＋10)×9=135 なんだよ!"},
    {"4", "500", "1", "そうかな? 小使い÷2－チョコレート代=80円 なんだよ!"},
}};

constexpr std::string_view kRightChoice = "式は合ってるけど答えがちがうよ!";

// Canvas pixels of colour `colour` within `reach` pixels of a logical point.
int pixels_near(Pupil& pupil, platform::PointF at, int reach, int colour) {
    const QPoint centre = pupil.lesson().canvas().to_pixel(at);
    int found = 0;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            found += pupil.colour_at(centre + QPoint(dx, dy)) == colour;
    return found;
}

TEST(ExercisePage6, EveryProblemPassesWithItsChoiceAndAnswer) {
    Pupil pupil(unit);
    pupil.open(6, "1");
    EXPECT_TRUE(pupil.shows_text("練習3                                6ﾍﾟｰｼﾞ"));
    for (std::size_t k = 0; k < kSolutions.size(); ++k) {
        const Solution& s = kSolutions[k];
        SCOPED_TRACE("problem " + std::to_string(k + 1));
        EXPECT_EQ(pupil.shown_bar(), "FORM9");
        pupil.forget_texts();
        pupil.answer({s.wrong_choice, s.answer});
        EXPECT_EQ(cell_colour(pupil, s.hint, k == 0 ? 10 : 0, 18), 2);
        const std::string other_answer = std::string(s.answer) + "0";
        pupil.answer({s.choice, other_answer});
        EXPECT_EQ(cell_colour(pupil, kRightChoice, 0, 18), 2);
        EXPECT_EQ(harness::flags_of(pupil, 6)[k], 0);

        pupil.answer({s.choice, s.answer});
        EXPECT_EQ(cell_colour(pupil, "天才!ごうかく!", 28, 18), 2);
        EXPECT_EQ(harness::flags_of(pupil, 6)[k], 1);
    }
    EXPECT_TRUE(pupil.shows_text("やったね!パスワードは 歌手(かしゅ) だよ!"));
    EXPECT_EQ(cell_colour(pupil, "6ページ終わり", 30, 15), 1);
    EXPECT_EQ(pupil.shown_bar(), "");
}

TEST(ExercisePage6, ProblemOneTakesEitherOfItsTwoExpressions) {
    Pupil pupil(unit);
    pupil.open(6, "1");
    EXPECT_EQ(cell_colour(pupil, "また式をとくと答えは何cmですか｡", 3, 6), 7);
    EXPECT_EQ(cell_colour(pupil, " 4, 6÷  =48    5, 48÷6=", 3, 9), 7);
    EXPECT_EQ(pupil.lesson().canvas().state().font.face, "標準明朝");
    for (auto [text, at] : {std::pair{"式", platform::PointF{109, 3}},
                            {"答え", {256, 3}}, {"cm", {368, 3}}})
        EXPECT_TRUE(harness::labelled(pupil, "FORM9", text, at)) << text;

    for (std::string_view choice : {"3", "5"}) {
        pupil.forget_texts();
        pupil.answer({choice, "8.0"});
        EXPECT_EQ(cell_colour(pupil, kRightChoice, 0, 18), 2) << choice;
    }
    pupil.answer({"5", "8"});
    EXPECT_EQ(harness::flags_of(pupil, 6)[0], 1);
}

TEST(ExercisePage6, TwoTypicalWrongChoicesGetTheirOwnHint) {
    Pupil pupil(unit);
    pupil.open(6, "4");
    pupil.answer({"5", "29"});
    EXPECT_EQ(cell_colour(pupil, "それでは8を2でわっただけで 66-8を2でわったことにはならないんだよ!",
                          0, 18), 2);
    pupil.answer({"1", "29"});

    const platform::PointF blanks{207, 352};
    EXPECT_EQ(pixels_near(pupil, blanks, 4, 2), 0);
    pupil.answer({"2", "5"});
    EXPECT_EQ(cell_colour(pupil, "それでは10を9倍しただけで  +10全体を9倍したことにはならないんだよ!",
                          0, 18), 2);
    EXPECT_GT(pixels_near(pupil, blanks, 4, 2), 0);  // the letter in the blanks
    EXPECT_EQ(harness::flags_of(pupil, 6)[4], 0);
}

}  // namespace
