// Exercise page 4, "練習2": ten word problems; the pupil types the number of
// the equation that fits into the single-answer bar.  Five problems explain
// the typical wrong choice when it is the one typed.
#include "units/expr-build/marked_text.h"
#include "units/expr-build/pages.h"

namespace units::expr_build {
namespace {

using frame::CellRow;
using frame::Hint;
using frame::Mark;

// The y of the letter marks on each cell row.
constexpr float kRow5 = 105, kRow6 = 124, kRow7 = 142, kRow8 = 161;

// Problem 1 asks its question in a font of its own.
constexpr std::string_view kQuestionFace = "ＭＳ 明朝";

// A typical wrong choice, and what is wrong with it.
Hint choice(int problem, std::string_view typed, std::vector<frame::Ink> show) {
    return {.problems = {problem}, .typed = {{1, typed}}, .show = std::move(show)};
}

const std::vector<Hint> kHints = {
    {.problems = {1}, .show = {CellRow{10, 18, "そうかな? たて×横=面積 なんだよ!"}}},
    choice(4, "5", {CellRow{0, 18, "それでは5を2でわっただけで 43+5を2でわったことにはならないんだよ!"}}),
    choice(5, "2", {CellRow{0, 18, "それでは6を18倍しただけで  +6全体を18倍したことにはならないんだよ!"},
                    Mark{{207, 352}}}),
    choice(7, "2", {CellRow{0, 18, "それでは20を4でわっただけで  -20全体を4でわったことにはならないんだよ!"},
                    Mark{{223, 352}}}),
    choice(8, "1", {CellRow{0, 18, "それでは0.4を1.3でわっただけで  -0.4全体を1.3でわったことにはならないんだよ!"},
                    Mark{{247, 352}}}),
    choice(9, "1", {CellRow{0, 18, "180gを14倍してバケツの重さを足したんだから全体の重さもgにしなくっちゃ!"}}),
};

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .number_test = frame::NumberTest::AfterLayout,
    .labels = {{{74, 3}, "答え"}},
    .problems =
        {
            {.show = marked_text(
                 {CellRow{0, 4, "(1)たての長さが12mで面積が408㎡の長方形の畑があります｡", {}, kQuestionFace},
                  CellRow{3, 5, "横の長さを  mとして この事を式に表すと次の1から5のどれになりますか｡", {}, kQuestionFace},
                  CellRow{3, 7, "1, 12＋  =408  2, 408－12=    3, 12×  =408"},
                  CellRow{3, 8, "4, 12÷  =408  5, 408÷12="}},
                 {{kRow5, {109}}, {kRow7, {85, 237, 323}}, {kRow8, {85, 237}}}),
             .keys = {"3", "5"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(2)1000円で買い物をしたら おつりが210円でした｡"},
                  CellRow{3, 5, "買った金額を  円として この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1, 1000＋  =210  2, 1000－  =210  3, 210＋  =1000"},
                  CellRow{3, 8, "4, 1000÷  =210  5, 210×  =1000"}},
                 {{kRow5, {125}}, {kRow7, {100, 236, 363}}, {kRow8, {100, 227}}}),
             .keys = {"2", "3"},
             .hint = {"そうかな? 1000円－買った金額=おつり なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(3)さちえさんはえんぴつを6本買って500円はらったら おつりは140円でした｡えん"},
                  CellRow{3, 5, "ぴつ1本のねだんを  円として この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1, 500－140×6=    2,   ×6－500=140  3, 500×6－  =140"},
                  CellRow{3, 8, "4, 500－　×6=140  5, 500－  =140×6"}},
                 {{kRow5, {164}}, {kRow7, {149, 205, 420}}, {kRow8, {92, 243}}}),
             .keys = {"4", "4"},
             .hint = {"そうかな? 500円－えんぴつ代=おつり なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(4)兄の体重は43kgでこれは弟の体重の2倍より5kg少ないそうです｡"},
                  CellRow{3, 5, "弟の体重を  kgとして この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1,   ×2－5=43  2, 43×2－5=    3, 43－5÷2="},
                  CellRow{3, 8, "4, 43÷2＋5=    5, 43＋5÷2="}},
                 {{kRow5, {109}}, {kRow7, {53, 253, 381}}, {kRow8, {125, 253}}}),
             .keys = {"1", "1"},
             .hint = {"そうかな? 弟の体重×2－5kg=兄の体重 なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(5)ある数に6を足して それに18をかけると234になりました｡"},
                  CellRow{3, 5, "ある数を  として この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1,   ＋18×6=234  2,   ＋6×18=234  3, (  ＋18)×6=234"},
                  CellRow{3, 8, "4, (  ＋6)÷18=234  5, (  ＋6)×18=234"}},
                 {{kRow5, {93}}, {kRow7, {53, 197, 349}}, {kRow8, {61, 221}}}),
             .keys = {"5", "5"},
             .hint = {"そうかな? (ある数＋6)×18=234 なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(6)ちなつさんは貯金箱から半分お金を出しておさいふに入れ 150円のビスケットを"},
                  CellRow{3, 5, "買ったらおさいふの中身は200円になりました｡初めに貯金箱に入っていたお金を"},
                  CellRow{3, 6, "  円として この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1,   ×2－150=200  2, 200×2＋150=    3, 200－150÷2="},
                  CellRow{3, 8, "4,   ÷2－150=200  5,   ÷150－2=200"}},
                 {{kRow6, {29}}, {kRow7, {53, 301, 453}}, {kRow8, {53, 205}}}),
             .keys = {"4", "4"},
             .hint = {"そうかな? 貯金箱に入っていたお金÷2－150円=200円 なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(7)おじさんからりんごがたくさん送られて来たので家に20こ残して のこりを近所の"},
                  CellRow{3, 5, "4けんの家に配ったら1けん分はちょうど8こになりました｡おじさんから送られて"},
                  CellRow{3, 6, "来たりんごの数を  ことして この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1,   ＋8×4=20  2,   －20÷4=8  3, (20＋8)×4="},
                  CellRow{3, 8, "4, (  －20)÷4=8  5, 20＋8×4="}},
                 {{kRow6, {157}}, {kRow7, {53, 181, 397}}, {kRow8, {61, 269}}}),
             .keys = {"4", "5"},
             .hint = {"そうかな? (おじさんから送られて来たりんごの数－20こ)÷4けん=8こ なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(8)はり金を1.3mずつに切ったら12本とれて0.4mあまりました｡元のはり金の"},
                  CellRow{3, 5, "長さを  mとして この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1,   －0.4÷1.3=12   2, 1.3×12＋0.4=     3, (  －0.4)÷1.3=12"},
                  CellRow{3, 8, "4,   －0.4÷12=1.3   5, 1.3×12＋  =0.4"}},
                 {{kRow5, {77}}, {kRow7, {53, 325, 397}}, {kRow8, {53, 293}}}),
             .keys = {"2", "3"},
             .hint = {"そうかな? (元のはり金の長さ－0.4m)÷1.3m=12本 なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(9)1こ180gのボールを14こバケツに入れて重さを計ったら3.2kgありました｡"},
                  CellRow{3, 5, "バケツの重さを  gとして この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{3, 7, "1, 180×14＋  =3.2   2, 180×14－  =3200   3, 180×14＋  =3200"},
                  CellRow{3, 8, "4, 180×  ＋14=3200   5, 180×14＋3200="}},
                 {{kRow5, {141}}, {kRow7, {125, 293, 469}}, {kRow8, {93, 341}}}),
             .keys = {"3", "3"},
             .hint = {"そうかな? ボール1この重さ×14こ＋バケツの重さ=全体の重さ なんだよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(10)1本220円の牛にゅうを3本とメロンパンを6こ買ったら代金は1140円でした｡メロン"},
                  CellRow{4, 5, "パン1このねだんを  円として この事を式に表すと次の1から5のどれになりますか｡"},
                  CellRow{4, 7, "1, 220×3＋  ×6=1140   2, 220×6＋  ×3=1140   3, (220＋  )×6＋3=1140"},
                  CellRow{4, 8, "4, (220＋  )×(6＋3)=1140   5, 1140－220×3÷6="}},
                 {{kRow5, {173}}, {kRow7, {125, 317, 493}}, {kRow8, {109, 413}}}),
             .keys = {"1", "1"},
             .hint = {"そうかな? 牛にゅう1本のねだん×3本＋メロンパン1このねだん×6こ=代金 なんだよ!"}},
        },
    .feedback_from = {0, 330},
    .feedback_to = {640, 480},
    .praise = {28, 18},
    .password = "森林(しんりん)",
    .hint_clear = frame::Area{{0, 330}, {640, 380}},
    .lead = {},
    .hint_cell = {0, 18},
    .hints = kHints,
};

}  // namespace units::expr_build
