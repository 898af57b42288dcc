// The two exercise pages as a pupil works through them: every key passes,
// a neighbour's key or a typical slip gets its hint, and the hint row never
// keeps the tail of an earlier hint.
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

int flag(Pupil& pupil, int page, std::size_t problem) {
    return pupil.lesson().pass_flags.at(unit.exercise_index(page)).at(problem - 1);
}

constexpr std::string_view kPage1Paragraph1 = "そうかな?1ページのだん落1を見れば答えがわかるよ!";
constexpr std::string_view kPage1Paragraph2 = "そうかな?1ページのだん落2を見れば答えがわかるよ!";
constexpr std::string_view kPage3Paragraph2 = "そうかな?3ページのだん落2を見れば答えがわかるよ!";
constexpr std::string_view kExchanged = "BとCが逆だよ!";

struct MixedNumberPage {
    int page;
    std::vector<Answer> keys;            // by problem
    std::vector<std::string_view> hints;  // by problem
    std::string_view reward, end;
};

const MixedNumberPage kPages[] = {
    {2,
     {{"", "18", "5"}, {"", "14", "3"}, {"", "15", "4"}, {"1", "8", "7"}, {"2", "8", "5"},
      {"", "35", "16"}},
     {kPage1Paragraph1, kPage1Paragraph1, kPage1Paragraph1, kPage1Paragraph2, kPage1Paragraph2,
      "そうかな?1ページのだん落3を見れば答えがわかるよ!"},
     "やったね!パスワードは 机上(きじょう) だよ!", "2ページ終わり"},
    {4,
     {{"", "5", "4"}, {"5", "6", "5"}, {"2", "2", "1"}, {"6", "", ""}, {"", "5", "3"},
      {"", "25", "13"}, {"", "200", "9"}, {"1", "4", "3"}, {"", "3", "2"}, {"1", "2", "1"},
      {"1", "3", "1"}},
     {"そうかな?3ページのだん落1を見れば答えがわかるよ!",
      "そうかな?3ページのだん落1を見れば答えがわかるよ!", kPage3Paragraph2, kPage3Paragraph2,
      "1gは1kgを1000こに分けた内の1つだから600gは1000こに分けた内の600だよ!",
      "1ﾐﾘﾘｯﾄﾙは1ﾘｯﾄﾙを1000こに分けた内の1つだから520ﾐﾘﾘｯﾄﾙは1000こに分けた内の520だよ!",
      "1mは1kmを1000こに分けた内の1つだから45mは1000こに分けた内の45だよ!",
      "1cmは1mを100こに分けた内の1つだから175cmは100こに分けた内の175だよ!",
      "1分は1時間を60こに分けた内の1つだから40分は60こに分けた内の40だよ!",
      "1分は1時間を60こに分けた内の1つだから90分は60こに分けた内の90だよ!",
      "1秒は1分を60こに分けた内の1つだから80秒は60こに分けた内の80だよ!"},
     "やったね!パスワードは 雪山(ゆきやま) だよ!", "4ページ終わり"},
};

TEST(FracMultiplyExercises, EveryKeyPassesAndANeighboursKeyGetsTheProblemsHint) {
    for (const MixedNumberPage& p : kPages) {
        Pupil pupil(unit);
        pupil.open(p.page, "1");
        const std::size_t n = p.keys.size();
        for (std::size_t k = 1; k <= n; ++k) {
            SCOPED_TRACE("page " + std::to_string(p.page) + " problem " + std::to_string(k));
            pupil.forget_texts();
            pupil.answer(p.keys[k % n]);
            EXPECT_EQ(red_texts(pupil), std::vector<std::string>{std::string(p.hints[k - 1])});
            EXPECT_EQ(flag(pupil, p.page, k), 0);
            pupil.answer(p.keys[k - 1]);
            EXPECT_EQ(flag(pupil, p.page, k), 1);
        }
        EXPECT_TRUE(pupil.shows_text(p.reward));
        EXPECT_TRUE(pupil.shows_text(p.end));
        EXPECT_EQ(pupil.shown_bar(), "");
    }
}

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
    {2, "1", {"", "5", "18"}, kExchanged},
    {2, "6", {"", "16", "35"}, kExchanged},
    {2, "1", {"0", "5", "18"}, kPage1Paragraph1},
    {2, "4", {"", "8", "15"}, kPage1Paragraph2},
    {4, "4", {"", "1", "6"}, kPage3Paragraph2},
    {4, "5", {"", "1000", "600"}, "1gは1kgを1000こに分けた内の1つだから600gは1000こに分けた内の600だよ!"},
    {4, "5", {"", "3", "5"}, "1gは1kgを1000こに分けた内の1つだから600gは1000こに分けた内の600だよ!"},
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
