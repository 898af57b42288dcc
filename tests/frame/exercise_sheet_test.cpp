// An exercise page written as data: problems on bars of their own, drawings
// common to every problem, hints chosen by problem and by what was typed,
// and a page that lays out before it refuses a number between problems.
#include <gtest/gtest.h>

#include <string>

#include "frame/exercise_page.h"
#include "frame/lesson.h"
#include "platform/text.h"
#include "tests/support/pupil.h"
#include "tests/support/unit_tour.h"
#include "units/expr-solve-2/unit.h"

namespace {

using namespace frame;
using harness::Pupil;

void red_disc(ExerciseScreen& screen) { screen.disc({100, 200}, 20, 2, 2); }

const ExerciseSheet kSheet{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .label_font = Font{"標準明朝", 12},
    .number_test = NumberTest::AfterLayout,
    .before_number_test = {CellRow{4, 4, "次の問題"}},
    .instructions = {CellRow{0, 5, "指示"}},
    .show = mixed_number_diagram(),
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = {CellRow{0, 6, "(1)"}}, .figure = red_disc, .keys = {"1"}, .hint = {"一"}},
            {.show = {CellRow{0, 6, "(2)"}}, .instructions = false, .keys = {"3", "", "5"},
             .bar = "FORM9", .labels = {{{10, 3}, "式"}}, .hint = {"二", "二の二"}},
            {.show = {CellRow{0, 6, "(3)"}}, .keys = {"7"}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 460},
    .praise = {0, 17},
    .password = "貯水(ちょすい)",
    .hint_clear = Area{{0, 320}, {640, 460}},
    .hints =
        {
            {.problems = {2}, .keys = {{.slot = 1, .key = 3}, {.slot = 3, .key = 1}},
             .show = {CellRow{5, 17, "逆だよ!"}}},
            {.problems = {1}, .typed = {{1, "9"}},
             .show = {ScaledText{{68, 351}, "9", {}, 12}, Mark{{90, 352}}}},
            {.problems = {3}, .show = {Echo{10, 17, "答えは", 1, "じゃないよ!"}}},
        },
};

const Unit& test_unit() {
    static const Unit unit = [] {
        Unit copy = units::expr_solve_2::unit;
        copy.pages[1].sheet = &kSheet;
        copy.problem_groups[0].real = true;
        return copy;
    }();
    return unit;
}

// The texts drawn since the pupil last forgot them, as "form:text".
std::vector<std::string> drawn(const Pupil& pupil) {
    std::vector<std::string> texts;
    for (const auto& t : pupil.texts()) texts.push_back(t.form + ":" + t.text.text);
    return texts;
}

bool drew(const Pupil& pupil, std::string_view text) {
    const auto texts = drawn(pupil);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(ExerciseSheet, EachProblemShowsItsOwnBarAndDrawingsWithTheSheets) {
    Pupil pupil(test_unit());
    pupil.forget_texts();
    pupil.open(2, "1");
    EXPECT_EQ(pupil.shown_bar(), "FORM7");
    for (auto text : {"MAINFORM:次の問題", "MAINFORM:(1)", "MAINFORM:指示", "MAINFORM:答え  A ─",
                      "MAINFORM:C", "MAINFORM:B", "FORM7:答え"})
        EXPECT_TRUE(drew(pupil, text)) << text;
    EXPECT_EQ(pupil.colour_at(pupil.lesson().canvas().to_pixel({100, 200})), 2);  // the figure

    pupil.forget_texts();
    pupil.answer({"1"});  // problem 2, on a bar of its own
    EXPECT_EQ(pupil.shown_bar(), "FORM9");
    EXPECT_TRUE(drew(pupil, "FORM9:式"));
    EXPECT_FALSE(drew(pupil, "MAINFORM:指示"));
    EXPECT_EQ(pupil.windows().form("FORM9").surface().state().font.size, 12);

    pupil.answer({"3", "5"});  // problem 3 is back on the single-answer bar
    EXPECT_EQ(pupil.shown_bar(), "FORM7");
    EXPECT_TRUE(drew(pupil, "MAINFORM:(3)"));
}

TEST(ExerciseSheet, AHintIsChosenByProblemAndByWhatWasTyped) {
    struct Case {
        int problem;
        std::initializer_list<std::string_view> typed;
        std::vector<std::string> hint;
    };
    const Case cases[] = {
        {1, {"9"}, {"MAINFORM:9"}},
        {1, {"8"}, {"MAINFORM:計算まちがいしてない?", "MAINFORM:一"}},
        {2, {"5", "3"}, {"MAINFORM:逆だよ!"}},
        {2, {"5", "5"}, {"MAINFORM:計算まちがいしてない?", "MAINFORM:二", "MAINFORM:二の二"}},
        {3, {"8"}, {"MAINFORM:答えは8じゃないよ!"}},
    };
    for (const Case& c : cases) {
        Pupil pupil(test_unit());
        pupil.open(2, std::to_string(c.problem));
        pupil.forget_texts();
        pupil.answer(c.typed);
        EXPECT_EQ(drawn(pupil), c.hint) << c.problem << " " << *c.typed.begin();
        EXPECT_EQ(pupil.lesson().canvas().state().text_colour, 7);
    }
}

// How many red pixels the cells of a row hold, from a column on.
int red_in_row(const Pupil& pupil, int row, int column) {
    int red = 0;
    for (int x = column * 8; x < 640; ++x)
        for (int y = row * 16; y < row * 16 + 16; ++y) red += pupil.colour_at({x, y}) == 2;
    return red;
}

TEST(ExerciseSheet, TheHintAreaIsClearedBeforeEachHint) {
    Pupil pupil(test_unit());
    pupil.open(2, "2").answer({"5", "5"});
    ASSERT_GT(red_in_row(pupil, 18, 21), 0);  // "二の二"
    pupil.answer({"5", "3"});
    EXPECT_EQ(red_in_row(pupil, 18, 0), 0);
    EXPECT_GT(red_in_row(pupil, 17, 5), 0);  // "逆だよ!"
}

TEST(ExerciseSheet, AnEchoedAnswerStaysPlainAndWithinItsRow) {
    const std::string long_answer(300, 'x');
    for (const std::string& typed : {long_answer, std::string("<b>&amp;</b>"), std::string(90, '\xe3')}) {
        Pupil pupil(test_unit());
        pupil.open(2, "3");
        pupil.forget_texts();
        pupil.answer({typed});
        ASSERT_EQ(pupil.texts().size(), 1u);
        const std::string& line = pupil.texts().front().text.text;
        EXPECT_LE(10 + platform::cell_width(line), 80) << line;
        EXPECT_TRUE(line.starts_with("答えは")) << line;
        EXPECT_TRUE(line.ends_with("じゃないよ!")) << line;
    }
    Pupil pupil(test_unit());
    pupil.open(2, "3").answer({"<b>&amp;</b>"});
    EXPECT_TRUE(drew(pupil, "MAINFORM:答えは<b>&amp;</b>じゃないよ!"));
}

TEST(ExerciseSheet, ANumberBetweenProblemsLaysOutThePageButJudgesNothing) {
    Pupil pupil(test_unit());
    const std::string before = pupil.drive().record_bytes();
    pupil.open(2, "1");  // problem 1's keys stay set
    pupil.forget_texts();
    pupil.open(2, "1.5");
    EXPECT_EQ(pupil.boxes().back().text, "その番号はありません！");
    EXPECT_EQ(pupil.shown_bar(), "FORM7");  // laid out before the refusal
    EXPECT_TRUE(drew(pupil, "MAINFORM:次の問題"));
    for (auto typed : {"1", "9"}) {
        pupil.forget_texts();
        pupil.answer({typed});
        EXPECT_TRUE(drawn(pupil).empty()) << typed;
    }
    EXPECT_EQ(pupil.lesson().pass_flags[0], (std::vector<int>{0, 0, 0}));

    pupil.open(2, "4");  // one past the last, right after the dialog: no lay-out
    EXPECT_EQ(pupil.shown_bar(), "");
    EXPECT_TRUE(drew(pupil, "MAINFORM:次の問題"));
    EXPECT_EQ(harness::record_after_exit(pupil), before);
}

}  // namespace
