// The two exercise pages' typical slips as a pupil makes them, and a hint
// row that never keeps the tail of an earlier hint.  Every problem answered
// wrong and right is in the page traces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/page_trace.h"
#include "tests/support/pupil.h"
#include "units/frac-multiply/unit.h"

namespace {

using harness::Answer;
using harness::Pupil;

const frame::Unit& unit = units::frac_multiply::unit;

// The texts drawn in red on the canvas since they were last forgotten.
std::vector<std::string> red_texts(const Pupil& pupil) {
    std::vector<std::string> red;
    for (const harness::WatchedText& drawn : pupil.texts())
        if (drawn.form == "MAINFORM" && drawn.text.colour == 2 &&
            drawn.text.text.find_first_not_of(' ') != std::string::npos)
            red.push_back(drawn.text.text);
    return red;
}

constexpr std::string_view kGrams =
    "1gは1kgを1000こに分けた内の1つだから600gは1000こに分けた内の600だよ!";

struct Slip {
    int page;
    std::string_view problem;
    Answer typed;
    std::string_view hint;
};

// Numerator and denominator exchanged are told so on page 2 only; "0" for an
// empty whole part, an improper or unreduced fraction and a whole number
// written as a fraction are plain wrong answers.
const Slip kSlips[] = {
    {2, "1", {"", "5", "18"}, "BとCが逆だよ!"},
    {2, "6", {"", "16", "35"}, "BとCが逆だよ!"},
    {2, "1", {"0", "5", "18"}, "そうかな?1ページのだん落1を見れば答えがわかるよ!"},
    {2, "4", {"", "8", "15"}, "そうかな?1ページのだん落2を見れば答えがわかるよ!"},
    {4, "4", {"", "1", "6"}, "そうかな?3ページのだん落2を見れば答えがわかるよ!"},
    {4, "5", {"", "1000", "600"}, kGrams},
    {4, "5", {"", "3", "5"}, kGrams},
};

TEST(FracMultiplyExercises, TypicalSlipsGetTheirHints) {
    for (const Slip& s : kSlips) {
        SCOPED_TRACE("page " + std::to_string(s.page) + " problem " + std::string(s.problem));
        Pupil pupil(unit);
        pupil.open(s.page, s.problem);
        pupil.forget_texts();
        pupil.answer(s.typed);
        EXPECT_EQ(red_texts(pupil), std::vector<std::string>{std::string(s.hint)});
    }
}

// A short hint after a long one on page 2 stands alone in row 17.
TEST(FracMultiplyExercises, AShortHintLeavesNothingOfALongerOneBeforeIt) {
    Pupil pupil(unit);
    pupil.open(2, "1");
    pupil.answer({"0", "18", "5"});   // the paragraph-1 hint, columns 0 to 47
    pupil.answer({"", "5", "18"});    // "BとCが逆だよ!", columns 5 to 17
    const auto red_in_columns = [&](int first, int last) {
        int red = 0;
        for (int x = first * 8; x < (last + 1) * 8; ++x)
            for (int y = 17 * 16; y < 18 * 16; ++y) red += pupil.colour_at({x, y}) == 2;
        return red;
    };
    EXPECT_EQ(red_in_columns(0, 4), 0);
    EXPECT_GT(red_in_columns(5, 17), 0);
    EXPECT_EQ(red_in_columns(18, 79), 0);
}

}  // namespace
