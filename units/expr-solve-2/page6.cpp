// Exercise page 6, "練習3": six word problems. The pupil picks which of five
// expressions describes the problem (field 1 of the two-answer bar) and
// solves it (field 2).
#include <optional>
#include <string>

#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {
namespace {

using frame::CellRow;
using frame::ExerciseScreen;
using frame::PointF;
using frame::Problem;

// What a wrong choice hears: the relation the problem rests on, or, for two
// typical wrong choices, why that expression does not fit.
struct ChoiceHint {
    int problem = 0;
    std::optional<std::string_view> choice{};  // none: any other choice
    frame::Cell cell{};
    std::string_view text{};
    std::optional<PointF> mark{};                // a letter mark in the text's blanks
};

const ChoiceHint kChoiceHints[] = {
    {.problem = 1, .cell = {10, 18}, .text = "そうかな? たて×横=面積 なんだよ!"},
    {.problem = 2, .cell = {0, 18}, .text = "そうかな? はり金代＋くぎ代=代金 なんだよ!"},
    {.problem = 3, .cell = {0, 18},
     .text = "そうかな? 1ふくろに入っている数×3ふくろ－食べた数=残り なんだよ!"},
    {.problem = 4, .choice = "5", .cell = {0, 18},
     .text = "それでは8を2でわっただけで 66-8を2でわったことにはならないんだよ!"},
    {.problem = 4, .cell = {0, 18}, .text = "そうかな? ぼくの体重×2＋8kg=父の体重 なんだよ!"},
    {.problem = 5, .choice = "2", .cell = {0, 18},
     .text = "それでは10を9倍しただけで  +10全体を9倍したことにはならないんだよ!",
     .mark = PointF{207, 352}},
    {.problem = 5, .cell = {0, 18}, .text = "そうかな? (ある数＋10)×9=135 なんだよ!"},
    {.problem = 6, .cell = {0, 18}, .text = "そうかな? 小使い÷2－チョコレート代=80円 なんだよ!"},
};

const ChoiceHint* hint_for(int problem, std::string_view choice) {
    for (const ChoiceHint& hint : kChoiceHints)
        if (hint.problem == problem && (!hint.choice || *hint.choice == choice)) return &hint;
    return nullptr;
}

// Problem 1 asks its question (its first three rows) in a font of its own.
constexpr std::size_t kQuestionRows = 3;

// The row a letter mark stands in, by the mark's place in the problem's
// list: the first in the sentence that names the letter, two rows above the
// choices; three in the first row of choices; two in the second, the last row.
std::size_t row_of_mark(const Problem& problem, std::size_t mark) {
    const std::size_t choices = problem.rows.size() - 2;
    if (mark == 0) return choices - 2;
    return mark <= 3 ? choices : choices + 1;
}

// The rows top to bottom, each letter mark right after the row it stands in.
void draw_problem(ExerciseScreen& screen, const Problem& problem) {
    const bool own_font = screen.problem_number() == 1;
    for (std::size_t row = 0; row < problem.rows.size(); ++row) {
        if (own_font && row == 0) screen.font("ＭＳ 明朝");
        const CellRow& text = problem.rows[row];
        screen.cell_text(text.column, text.row, text.text);
        if (own_font && row + 1 == kQuestionRows) screen.font("標準明朝");
        for (std::size_t mark = 0; mark < problem.marks.size(); ++mark)
            if (row_of_mark(problem, mark) == row) screen.mark(problem.marks[mark]);
    }
}

// A right choice with a wrong answer is told so; a wrong choice gets its hint.
void answer_wrong(ExerciseScreen& screen, const Problem& problem) {
    screen.fill_box({0, 340}, {640, 465}, 0);
    screen.colour(7);
    const std::string_view choice = screen.typed(1);
    if (choice == problem.keys[0] || choice == problem.keys[1]) {
        screen.cell_text(0, 18, std::string(80, ' '));
        screen.colour(2);
        screen.cell_text(0, 18, "式は合ってるけど答えがちがうよ!");
        return;
    }
    screen.colour(2);
    const ChoiceHint* hint = hint_for(screen.problem_number(), choice);
    if (!hint) return;
    screen.cell_text(hint->cell.column, hint->cell.row, hint->text);
    if (hint->mark) screen.mark(*hint->mark, 2);
}

}  // namespace

const frame::ExerciseSheet page6{
    .page = 6,
    .header = "練習3                                6ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .labels = {{{109, 3}, "式"}, {{256, 3}, "答え"}},
    .problems =
        {
            {.rows =
                 {
                     {0, 4, "(1)たての長さが6cmで面積が48c㎡の長方形の紙があります｡横の長さは何cmでしょう｡"},
                     {3, 5, "横の長さを  cmとして式をたてると式は下の1から5番のどれになりますか｡"},
                     {3, 6, "また式をとくと答えは何cmですか｡"},
                     {3, 8, " 1, 6＋  =48    2, 48－6=      3, 6×  =48"},
                     {3, 9, " 4, 6÷  =48    5, 48÷6="},
                 },
             .marks = {{109, 105}, {85, 161}, {229, 161}, {323, 161}, {85, 180}, {229, 180}},
             .keys = {"3", "5", "8"},
             .labels = {{{368, 3}, "cm"}}},
            {.rows =
                 {
                     {0, 4, "(2)150円のはり金とくぎを買ったら代金は230円でした｡くぎの代金はいくらですか｡"},
                     {3, 5, "くぎの代金を  円として式をたてると式は下の1から5番のどれになりますか｡"},
                     {3, 6, "また式をとくと答えは何円ですか｡"},
                     {3, 8, " 1, 230＋  =150   2, 230＋150=     3, 150＋  =230"},
                     {3, 9, " 4, 230÷  =150   5, 150×  =230"},
                 },
             .marks = {{125, 105}, {100, 161}, {268, 161}, {371, 161}, {100, 180}, {235, 180}},
             .keys = {"3", "3", "80"},
             .labels = {{{368, 3}, "円"}}},
            {.rows =
                 {
                     {0, 4, "(3)みかんを3ふくろ買って9こ食べたら27こ残りました｡みかんは1ふくろ何こ入りですか｡"},
                     {3, 5, "1ふくろ  こ入りとして式をたてると式は下の1から5番のどれになりますか｡"},
                     {3, 6, "また式をとくと答えは何こですか｡"},
                     {3, 8, "   1, 27－9×3=    2,   ×3－9=27  3, 9×3－  =27"},
                     {3, 9, "   4, 27－　×3=9  5, 27－  =9×3"},  // one full-width blank in 4
                 },
             .marks = {{84, 105}, {149, 161}, {205, 161}, {380, 161}, {108, 180}, {235, 180}},
             .keys = {"2", "2", "12"},
             .labels = {{{368, 3}, "こ"}}},
            {.rows =
                 {
                     {0, 4, "(4)父の体重はぼくの体重の2倍より8kg重くて66kgです｡ぼくの体重は何kgでしょう｡"},
                     {3, 5, "ぼくの体重を  kgとして式をたてると式は下の1から5番のどれになりますか｡"},
                     {3, 6, "また式をとくと答えは何kgですか｡"},
                     {3, 8, "1,   ×2＋8=66  2, 66×2－8=    3, 66＋8÷2="},
                     {3, 9, "4, 66÷2－8=    5, 66－8÷2="},
                 },
             .marks = {{125, 105}, {53, 161}, {253, 161}, {381, 161}, {125, 180}, {253, 180}},
             .keys = {"1", "1", "29"},
             .labels = {{{368, 3}, "kg"}}},
            {.rows =
                 {
                     {0, 4, "(5)ある数に10を足して それに9をかけると135になりました｡"},
                     {3, 5, "ある数を  として式をたてると式は下の1から5番のどれになりますか｡"},
                     {3, 6, "また式をとくと答えはいくつですか｡"},
                     {3, 8, "1,   ＋9×10=135  2,   ＋10×9=135  3, (  ＋9)×10=135"},
                     {3, 9, "4, (  ＋10)÷9=135  5, (  ＋10)×9=135"},
                 },
             .marks = {{93, 105}, {53, 161}, {197, 161}, {349, 161}, {61, 180}, {221, 180}},
             .keys = {"5", "5", "5"}},
            {.rows =
                 {
                     {0, 4, "(6)ひろき君は父からもらった小使いを妹と半分ずつして170円のチョコレートを買ったら"},
                     {3, 5, "80円残りました｡父からもらった小使いはいくらだったでしょうか｡"},
                     {3, 6, "父からもらった小使いを  円として式をたてると下の1から5番のどれになりますか｡"},
                     {3, 7, "また式をとくと答えは何円ですか｡"},
                     {3, 9, "1,   ×2－170=80    2, 80×2＋170=      3, 80－170÷2="},
                     {3, 10, "4,   ÷2－170=80    5,   ÷170－2=80"},
                 },
             .marks = {{205, 124}, {53, 180}, {301, 180}, {461, 180}, {53, 199}, {213, 199}},
             .keys = {"4", "4", "500"},
             .labels = {{{368, 3}, "円"}}},
        },
    .feedback_from = {0, 340},
    .feedback_to = {640, 465},
    .praise = {28, 18},
    .password = "歌手(かしゅ)",
    .draw_problem = draw_problem,
    .wrong = answer_wrong,
};

}  // namespace units::expr_solve_2
