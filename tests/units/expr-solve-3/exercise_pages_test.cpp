// The two exercise pages where a trace cannot show it: a word problem's
// hint, and the reward of a page started late.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/support/pupil.h"
#include "units/expr-solve-3/unit.h"

namespace {

using harness::Pupil;

const frame::Unit& unit = units::expr_solve_3::unit;

TEST(ExercisePages, EachWordProblemOfPage2IsSentToTheParagraphOfItsOperation) {
    constexpr std::string_view kTimes =
        "計算まちがいしてない?1ページのだん落4を見れば答えがわかるはずよ!";
    constexpr std::string_view kPlus =
        "計算まちがいしてない?1ページのだん落5を見れば答えがわかるはずよ!";
    Pupil pupil(unit);
    pupil.open(2, "9");
    pupil.forget_texts();
    pupil.answer({"16"});  // (9) multiplies
    EXPECT_TRUE(pupil.shows_text(kTimes));
    EXPECT_FALSE(pupil.shows_text(kPlus));
    pupil.answer({"15"});
    pupil.forget_texts();
    pupil.answer({"37"});  // (10) adds
    EXPECT_TRUE(pupil.shows_text(kPlus));
    EXPECT_FALSE(pupil.shows_text(kTimes));
}

struct LateStart {
    int page;
    std::array<std::string_view, 4> keys;  // of problems 7 to 10
    std::string_view reward, end;
};

const LateStart kLateStarts[] = {
    {2, {"4", "23", "15", "104"}, "やったね!パスワードは 白波(しらなみ) だよ!", "2ページ終わり"},
    {4, {"214", "142", "72", "167"}, "やったね!パスワードは 麦茶(むぎちゃ) だよ!", "4ページ終わり"},
};

const std::string kAllPassed = "10,10,0,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\r\n";

TEST(ExercisePages, APageStartedLateShowsThePasswordOnlyWhenEveryProblemHasPassed) {
    for (const LateStart& s : kLateStarts) {
        SCOPED_TRACE("page " + std::to_string(s.page));
        Pupil fresh(unit);
        fresh.open(s.page, "7");
        for (std::string_view key : s.keys) fresh.answer({key});
        EXPECT_FALSE(fresh.shows_text(s.reward));
        EXPECT_TRUE(fresh.shows_text(s.end));

        Pupil passed(unit, kAllPassed);
        passed.open(s.page, "7");
        passed.answer({s.keys[0]});
        EXPECT_TRUE(passed.shows_text(s.reward));
    }
}

}  // namespace
