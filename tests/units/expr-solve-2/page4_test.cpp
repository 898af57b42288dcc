// Exercise page 4 as a pupil works through it.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/units/expr-solve-2/exercise_look.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::cell_colour;
using harness::Pupil;

const frame::Unit& unit = units::expr_solve_2::unit;

constexpr std::array<std::string_view, 8> kKeys = {"37", "357", "73", "31.5",
                                                   "56", "188", "86", "5"};
constexpr std::array<int, 8> kHintParagraphs = {2, 1, 1, 2, 3, 2, 3, 1};

TEST(ExercisePage4, EveryKeyPassesAndANeighboursKeyPointsToAParagraphOfPage3) {
    Pupil pupil(unit);
    pupil.open(4, "1");
    EXPECT_TRUE(pupil.shows_text("練習2                                4ﾍﾟｰｼﾞ"));
    EXPECT_EQ(cell_colour(pupil, "(1)    × 5 － 92 = 93", 0, 6), 7);
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
        SCOPED_TRACE("problem " + std::to_string(k + 1));
        pupil.forget_texts();
        pupil.answer({kKeys[(k + 1) % kKeys.size()]});
        const std::string hint =
            "だん落" + std::to_string(kHintParagraphs[k]) + "を見れば答えがわかるよ!";
        EXPECT_EQ(cell_colour(pupil, "計算まちがいしてない?3ページの", 0, 17), 2);
        EXPECT_EQ(cell_colour(pupil, hint, 30, 17), 2);

        pupil.answer({kKeys[k]});
        EXPECT_EQ(cell_colour(pupil, "天才!ごうかく!", 0, 17), 2);
        EXPECT_EQ(harness::flags_of(pupil, 4)[k], 1);
    }
    EXPECT_TRUE(pupil.shows_text("やったね!パスワードは 泳ぐ(およぐ) だよ!"));
    EXPECT_EQ(cell_colour(pupil, "4ページ終わり", 30, 15), 1);
}

TEST(ExercisePage4, ADecimalKeyIsMetOnlyByItsOwnForm) {
    Pupil pupil(unit);
    pupil.open(4, "4");
    for (std::string_view other : {"31.50", "63/2", "３１.５"}) {
        pupil.answer({other});
        EXPECT_EQ(harness::flags_of(pupil, 4)[3], 0) << other;
    }
    pupil.answer({"31.5"});
    EXPECT_EQ(harness::flags_of(pupil, 4)[3], 1);
}

}  // namespace
