// Exercise page 2 as a pupil works through it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/units/expr-solve-2/exercise_look.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::cell_colour;
using harness::Pupil;

const frame::Unit& unit = units::expr_solve_2::unit;

constexpr std::array<std::string_view, 8> kKeys = {"54",  "1139", "116",  "67",
                                                   "84",  "2894", "2912", "702"};
constexpr std::string_view kParagraph4 = "ヒントは[文字式をとく1]の2ページのだん落4にあるよ!";
constexpr std::array<std::string_view, 8> kHints = {
    "ヒントは[文字式をとく1]の2ページのだん落3にあるよ!",
    "ヒントは[文字式をとく1]の2ページのだん落2にあるよ!",
    "1ページのだん落1を見れば答えがわかるよ!",
    "1ページのだん落2を見れば答えがわかるよ!",
    kParagraph4, kParagraph4, kParagraph4, kParagraph4};

TEST(ExercisePage2, ShowsTheProblemUnderItsHeaderWithTheSingleAnswerBar) {
    Pupil pupil(unit);
    pupil.open(2, "5");
    EXPECT_TRUE(pupil.shows_text("練習1                                2ﾍﾟｰｼﾞ"));
    EXPECT_EQ(cell_colour(pupil, " (5)  504 =    × 6", 0, 6), 7);
    EXPECT_EQ(cell_colour(pupil, "つぎの  を求めましょう｡", 0, 5), 7);
    EXPECT_TRUE(harness::labelled(pupil, "FORM7", "答え", {74, 3}));
    EXPECT_EQ(pupil.shown_bar(), "FORM7");
}

TEST(ExercisePage2, EveryKeyPassesAndANeighboursKeyGetsTheProblemsHint) {
    Pupil pupil(unit);
    pupil.open(2, "1");
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        SCOPED_TRACE("problem " + std::to_string(k + 1));
        pupil.forget_texts();
        pupil.answer({kKeys[(k + 1) % kKeys.size()]});
        EXPECT_EQ(cell_colour(pupil, "計算まちがいしてない?", 0, 17), 2);
        EXPECT_EQ(cell_colour(pupil, kHints[k], 21, 17), 2);
        EXPECT_EQ(harness::flags_of(pupil, 2)[k], 0);

        pupil.answer({kKeys[k]});
        EXPECT_EQ(cell_colour(pupil, "天才!ごうかく!", 0, 17), 2);
        EXPECT_EQ(harness::flags_of(pupil, 2)[k], 1);
    }
    // All eight passed: the reward, then the page's end below it.
    EXPECT_TRUE(pupil.shows_text("やったね!パスワードは 貯水(ちょすい) だよ!"));
    EXPECT_EQ(cell_colour(pupil, "2ページ終わり", 30, 15), 1);
    EXPECT_EQ(pupil.shown_bar(), "");
}

TEST(ExercisePage2, OnlyTheExactTextOfTheKeyPasses) {
    Pupil pupil(unit);
    pupil.open(2, "4");
    for (std::string_view near : {"67 ", "６７", "67.0", "067", ""}) {
        pupil.answer({near});
        EXPECT_EQ(harness::flags_of(pupil, 2)[3], 0) << near;
    }
    pupil.answer({"67"});
    EXPECT_EQ(harness::flags_of(pupil, 2)[3], 1);
}

}  // namespace
