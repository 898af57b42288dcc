// The exercise machinery on a small page of the tests' own: problems shown
// one at a time, answers judged, the celebration, the reward and the page end.
#include <gtest/gtest.h>

#include "frame/answer_bars.h"
#include "frame/exercise_page.h"
#include <limits>

#include "tests/support/pupil.h"
#include "tests/support/screens_seen.h"
#include "units/expr-solve-2/unit.h"

namespace {

using harness::Nav;
using harness::Pupil;

frame::Problem problem(std::string_view text, std::string_view key) {
    return {.show = {frame::CellRow{0, 6, text}}, .keys = {key}, .hint = {"ヒント"}};
}

const frame::ExerciseSheet kSheet{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .labels = {{{74, 3}, "答え"}},
    .problems = {problem("(1)", "54"), problem("(2)", "31.5"), problem("(3)", "7"),
                 problem("(4)", "8"), problem("(5)", "9"), problem("(6)", "10"),
                 problem("(7)", "11"), problem("(8)", "12")},
    .feedback_from = {0, 320},
    .feedback_to = {640, 460},
    .praise = {0, 17},
    .password = "貯水(ちょすい)",
};

const frame::Unit& test_unit() {
    static const frame::Unit unit = [] {
        frame::Unit copy = units::expr_solve_2::unit;
        copy.pages[1].sheet = &kSheet;
        return copy;
    }();
    return unit;
}

bool shows_cell(const Pupil& pupil, std::string_view text, int column, int row) {
    for (const auto& drawn : pupil.texts())
        if (drawn.form == "MAINFORM" && drawn.text.text == text && drawn.text.column == column &&
            drawn.text.row == row && drawn.text.colour != 0)
            return true;
    return false;
}

TEST(ExercisePage, ProblemNumbersOutsideThePageAreRefused) {
    Pupil pupil(test_unit());
    for (auto start : {"0", "9", "x", ""}) {
        pupil.open(2, start);
        ASSERT_FALSE(pupil.boxes().empty());
        EXPECT_EQ(pupil.boxes().back().text, "その番号はありません！") << start;
        EXPECT_EQ(pupil.shown_bar(), "") << start;
    }
    pupil.open(2, "3");
    EXPECT_TRUE(pupil.shows_text("練習1                                2ﾍﾟｰｼﾞ"));
    EXPECT_TRUE(shows_cell(pupil, "(3)", 0, 6));
    EXPECT_EQ(pupil.shown_bar(), "FORM7");
    EXPECT_EQ(pupil.lesson().io.windows.form("MAINFORM").client_size(), QSize(640, 417));
}

TEST(ExercisePage, AnswersAreComparedAsTypedText) {
    Pupil pupil(test_unit());
    pupil.open(2, "2");
    for (auto wrong : {"31.50", "31.5 ", "３１.５", "", "31"}) {
        pupil.forget_texts();
        pupil.answer({wrong});
        EXPECT_TRUE(shows_cell(pupil, "計算まちがいしてない?", 0, 17)) << wrong;
        EXPECT_TRUE(shows_cell(pupil, "ヒント", 21, 17)) << wrong;
        EXPECT_EQ(pupil.lesson().pass_flags[0][1], 0);
    }
    pupil.answer({"31.5"});
    EXPECT_EQ(pupil.lesson().pass_flags[0][1], 1);
    EXPECT_TRUE(pupil.shows_text("天才!ごうかく!"));
    EXPECT_TRUE(shows_cell(pupil, "(3)", 0, 6));  // the next problem
    const auto& sounds = pupil.sound_commands();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "open SOUND80.WAV alias wave1"), sounds.end());
}

TEST(ExercisePage, PassingTheLastProblemShowsThePasswordAndThePageEnd) {
    frame::PassFlags flags{{1, 1, 1, 1, 1, 1, 1, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
    Pupil pupil(test_unit(), harness::record_with(test_unit(), flags));
    pupil.open(2, "8").answer({"12"});
    EXPECT_TRUE(shows_cell(pupil, "やったね!パスワードは 貯水(ちょすい) だよ!", 5, 7));
    EXPECT_TRUE(shows_cell(pupil, "2ページ終わり", 30, 15));
    EXPECT_EQ(pupil.shown_bar(), "");
    EXPECT_FALSE(pupil.windows().form("FORM3").is_visible());

    // Typing 9 (one past the last) in the dialog is a number the page lacks.
    pupil.press(Nav::Head).type("EDIT1", "9").click("BUTTON1");
    EXPECT_EQ(pupil.boxes().back().text, "その番号はありません！");
}

TEST(ExercisePage, WithEveryFlagSetAnyPassShowsThePasswordAgain) {
    frame::PassFlags flags{{1, 1, 1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
    Pupil pupil(test_unit(), harness::record_with(test_unit(), flags));
    const auto before = pupil.clock().elapsed();
    pupil.open(2, "1").answer({"54"});
    EXPECT_TRUE(shows_cell(pupil, "やったね!パスワードは 貯水(ちょすい) だよ!", 5, 7));
    EXPECT_TRUE(shows_cell(pupil, "(2)", 0, 6));
    // 200 ms jingle start, 2.5 s celebration, 2 s with the password.
    EXPECT_EQ(pupil.clock().elapsed() - before, std::chrono::milliseconds(200 + 2500 + 2000));
}

// Flags far from 0 and 1, as an edited record may hold them: a page has
// passed only where its flags truly sum to its problem count, on the
// contents page as in the reward check.  Summed in an int, the pages marked
// "wrapped" would reach their counts.
TEST(ExercisePage, HugeFlagsOfARecordAreSummedWithoutOverflow) {
    constexpr int kMost = std::numeric_limits<int>::max(), kLeast = std::numeric_limits<int>::min();
    const frame::PassFlags flags{{kMost, kMost, 1, 1, 1, 1, 1, 5},  // wrapped
                                 {kLeast, kMost, 1, 1, 1, 1, 1, 4},
                                 {kLeast, kLeast, 1, 1, 1, 3}};  // wrapped
    harness::expect_passes(test_unit(), {.record = harness::record_with(test_unit(), flags),
                                         .contents_marks = {{55, 10}},
                                         .passed_problems = {{2, {3, 4, 5, 6, 7}}, {4, {3, 4, 5, 6, 7}}, {6, {3, 4, 5}}}});

    const struct {
        int third, last;
        bool rewarded;
    } rewards[] = {{kMost, 5, false}, {kLeast, 4, true}};  // wrapped, and truly 8
    for (const auto& [third, last, rewarded] : rewards) {
        const frame::PassFlags before{{0, kMost, third, 1, 1, 1, 1, last}, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
        Pupil pupil(test_unit(), harness::record_with(test_unit(), before));
        pupil.open(2, "1").answer({"54"});
        EXPECT_EQ(shows_cell(pupil, "やったね!パスワードは 貯水(ちょすい) だよ!", 5, 7), rewarded) << third;
    }
}

TEST(ExercisePage, OrderFreeBarsSortTheAnswersAndCountEmptyAsZero) {
    Pupil pupil(test_unit());
    frame::Lesson& lesson = pupil.lesson();
    lesson.answer_slots = {"", "10", "", "2.5", "9"};
    frame::sort_slots(lesson, 1, 4);
    EXPECT_EQ(lesson.answer_slots, (std::vector<std::string>{"", "0", "2.5", "9", "10"}));
    lesson.answer_slots = {"", "3", "1", "2", ""};
    frame::sort_slots(lesson, 1, 3);
    EXPECT_EQ(lesson.answer_slots[1], "1");
    EXPECT_EQ(lesson.answer_slots[2], "2");
    EXPECT_EQ(lesson.answer_slots[3], "3");
}

}  // namespace
