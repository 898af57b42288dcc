// The three exercise pages as a pupil works through them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/support/explanation_session.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::cell_colour;
using harness::Pupil;

const frame::Unit& unit = units::expr_solve_2::unit;

int flag(Pupil& pupil, int page, std::size_t problem) {
    return pupil.lesson().pass_flags.at(unit.exercise_index(page)).at(problem - 1);
}

struct SingleAnswerPage {
    int page;
    std::string_view header, message, reward, end;
    int hint_column;
    std::array<std::string_view, 8> keys, hints;
};

constexpr std::string_view kEarlier2 = "ヒントは[文字式をとく1]の2ページのだん落2にあるよ!";
constexpr std::string_view kEarlier3 = "ヒントは[文字式をとく1]の2ページのだん落3にあるよ!";
constexpr std::string_view kEarlier4 = "ヒントは[文字式をとく1]の2ページのだん落4にあるよ!";
constexpr std::string_view kPara1 = "だん落1を見れば答えがわかるよ!";
constexpr std::string_view kPara2 = "だん落2を見れば答えがわかるよ!";
constexpr std::string_view kPara3 = "だん落3を見れば答えがわかるよ!";

const SingleAnswerPage kSingleAnswerPages[] = {
    {2, "練習1                                2ﾍﾟｰｼﾞ", "計算まちがいしてない?",
     "やったね!パスワードは 貯水(ちょすい) だよ!", "2ページ終わり", 21,
     {"54", "1139", "116", "67", "84", "2894", "2912", "702"},
     {kEarlier3, kEarlier2, "1ページのだん落1を見れば答えがわかるよ!",
      "1ページのだん落2を見れば答えがわかるよ!", kEarlier4, kEarlier4, kEarlier4, kEarlier4}},
    {4, "練習2                                4ﾍﾟｰｼﾞ", "計算まちがいしてない?3ページの",
     "やったね!パスワードは 泳ぐ(およぐ) だよ!", "4ページ終わり", 30,
     {"37", "357", "73", "31.5", "56", "188", "86", "5"},
     {kPara2, kPara1, kPara1, kPara2, kPara3, kPara2, kPara3, kPara1}},
};

TEST(ExercisePages, EveryKeyPassesAndANeighboursKeyGetsTheProblemsHint) {
    for (const SingleAnswerPage& p : kSingleAnswerPages) {
        Pupil pupil(unit);
        pupil.open(p.page, "1");
        EXPECT_TRUE(pupil.shows_text(p.header));
        for (std::size_t k = 1; k <= 8; ++k) {
            SCOPED_TRACE("page " + std::to_string(p.page) + " problem " + std::to_string(k));
            pupil.forget_texts();
            pupil.answer({p.keys[k % 8]});
            EXPECT_EQ(cell_colour(pupil, p.message, 0, 17), 2);
            EXPECT_EQ(cell_colour(pupil, p.hints[k - 1], p.hint_column, 17), 2);
            pupil.answer({p.keys[k - 1]});
            EXPECT_EQ(flag(pupil, p.page, k), 1);
        }
        EXPECT_TRUE(pupil.shows_text(p.reward));
        EXPECT_EQ(cell_colour(pupil, p.end, 30, 15), 1);
    }
}

TEST(ExercisePages, Page6WantsTheRightExpressionAndTheRightAnswer) {
    Pupil pupil(unit);
    pupil.open(6, "1");
    EXPECT_TRUE(pupil.shows_text("練習3                                6ﾍﾟｰｼﾞ"));
    EXPECT_EQ(pupil.lesson().canvas().state().font.face, "標準明朝");
    pupil.answer({"5", "8.0"});  // problem 1's alternative expression, a wrong answer form
    EXPECT_EQ(cell_colour(pupil, "式は合ってるけど答えがちがうよ!", 0, 18), 2);
    pupil.answer({"1", "8"});
    EXPECT_EQ(cell_colour(pupil, "そうかな? たて×横=面積 なんだよ!", 10, 18), 2);
    const std::array<std::array<std::string_view, 2>, 6> solutions = {
        {{"5", "8"}, {"3", "80"}, {"2", "12"}, {"1", "29"}, {"5", "5"}, {"4", "500"}}};
    for (std::size_t k = 1; k <= 6; ++k) {
        pupil.answer({"", solutions[k - 1][1]});  // an empty choice is a wrong one
        EXPECT_EQ(flag(pupil, 6, k), 0) << k;
        pupil.answer({solutions[k - 1][0], solutions[k - 1][1]});
        EXPECT_EQ(flag(pupil, 6, k), 1) << k;
    }
    EXPECT_TRUE(pupil.shows_text("やったね!パスワードは 歌手(かしゅ) だよ!"));
    EXPECT_EQ(cell_colour(pupil, "6ページ終わり", 30, 15), 1);
}

TEST(ExercisePages, Page6ExplainsTwoTypicalWrongExpressions) {
    Pupil pupil(unit);
    pupil.open(6, "4");
    pupil.answer({"5", "29"});
    EXPECT_EQ(cell_colour(pupil, "それでは8を2でわっただけで 66-8を2でわったことにはならないんだよ!",
                          0, 18), 2);
    pupil.answer({"２", "29"});
    EXPECT_EQ(cell_colour(pupil, "そうかな? ぼくの体重×2＋8kg=父の体重 なんだよ!", 0, 18), 2);
    pupil.answer({"1", "29"});

    const QPoint blanks = pupil.lesson().canvas().to_pixel({207, 352});
    const auto marked = [&] {  // any pixel of the letter in the hint's blanks
        for (int dx = -4; dx <= 4; ++dx)
            if (pupil.colour_at(blanks + QPoint(dx, 0)) == 2) return true;
        return false;
    };
    EXPECT_FALSE(marked());
    pupil.answer({"2", "5"});
    EXPECT_EQ(cell_colour(pupil, "それでは10を9倍しただけで  +10全体を9倍したことにはならないんだよ!",
                          0, 18), 2);
    EXPECT_TRUE(marked());
}

}  // namespace
