// Exercise page 2, "練習1": twelve problems on a changing quantity.  Problems
// 1, 3 and 5 fill in three cells of a table (the three-answer bar); the
// others ask which of five expressions with the letter and ｙ fits, answered
// by its number on the single-answer bar; 2, 4 and 6 show the table again.
#include "units/expr-build/marked_text.h"
#include "units/expr-build/pages.h"
#include "units/expr-build/relation_table.h"

namespace units::expr_build {
namespace {

using frame::BarLabel;
using frame::CellRow;
using frame::ScaledText;

// The y of the letter marks on each cell row.
constexpr float kRow4 = 86, kRow5 = 105, kRow6 = 124, kRow7 = 143, kRow8 = 162, kRow9 = 181;

constexpr RelationTable kOranges{
    .top_label = {{55, 157}, "ふくろの数(ふくろ)"},
    .bottom_label = {{65, 187}, "みかんの数(こ)"},
    .bottom_row = {{218, 187}, "8   16    ｱ    ｲ    ｳ"}};
constexpr RelationTable kBuns{
    .top_label = {{70, 157}, "食べた数(こ)"},
    .bottom_label = {{65, 187}, "のこりの数(こ)"},
    .bottom_row = {{210, 187}, "23    ｱ   21    ｲ    ｳ"}};
constexpr RelationTable kBath{
    .top_label = {{90, 157}, "時間 (分)"},
    .bottom_label = {{90, 187}, "水温 (度)"},
    .bottom_row = {{210, 187}, " ｱ   32    ｲ   34    ｳ"}};

void oranges(frame::ExerciseScreen& s) { draw_relation_table(s, kOranges); }
void buns(frame::ExerciseScreen& s) { draw_relation_table(s, kBuns); }
void bath(frame::ExerciseScreen& s) { draw_relation_table(s, kBath); }

const std::vector<BarLabel> kAnswer{{{74, 3}, "答え"}};
const std::vector<BarLabel> kCells{{{81, 3}, "答え ｱ"}, {{216, 3}, "ｲ"}, {{304, 3}, "ｳ"}};

// Problem 8 asks its question in a font of its own.
constexpr std::string_view kQuestionFace = "ＭＳ 明朝";

}  // namespace

const frame::ExerciseSheet page2{
    .page = 2,
    .header = "練習1                                2ﾍﾟｰｼﾞ",
    .problems =
        {
            {.show = {CellRow{0, 5, "(1)1ふくろ8こ入りのみかんがあります｡このふくろの数とみかんの数の関係を表に表すと"},
                      CellRow{4, 6, "ｱ,ｲ,ｳはいくつになりますか｡"}},
             .figure = oranges, .keys = {"24", "32", "40"}, .bar = "FORM12", .labels = kCells,
             .hint = {"ちがうよ!表を読む時1ふくろなら8こ 2ふくろなら16こ 3ふくろなら○こと読もう!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(2)1ふくろ8こ入りのみかんがあります｡ふくろの数を　 みかんの数をｙとした場合"},
                  CellRow{3, 5, "  とｙの関係を表した式は次の1から5のどれですか｡"},
                  CellRow{3, 6, "1, 　＋ｙ=８  2, 　÷ｙ=８  3, 　－８=ｙ  4, ８×　=ｙ  5, ８＋　=ｙ"}},
                 {{kRow4, {389}}, {kRow5, {29}}, {kRow6, {53, 165, 277, 420, 532}}}),
             .figure = oranges, .keys = {"4", "4"}, .labels = kAnswer,
             .hint = {"そうかな? 8こ×ふくろの数=みかんの数 だよ!"}},
            {.show = {CellRow{0, 4, "(3)24こ入りのおまんじゅうがあります｡これを食べる時 食べた数とのこりの数の"},
                      CellRow{3, 5, "関係を表に表すとｱ,ｲ,ｳはいくつになりますか｡"}},
             .figure = buns, .keys = {"22", "20", "19"}, .bar = "FORM12", .labels = kCells,
             .hint = {"ちがうよ!表を読む時1こ食べたら23こ 2こ食べたら○こ 3こ食べたら21こと読もう!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(4)24こ入りのおまんじゅうがあります｡食べた数を  こ のこりの数をｙことした場合"},
                  CellRow{3, 5, "　とｙの関係を表した式は次の1から5のどれですか｡"},
                  CellRow{0, 6, "1, 　＋ｙ=２４  2, ｙ÷　=２４  3, ２４－　=ｙ  4, ２４×　=ｙ  5, ２４＋　=ｙ"}},
                 {{kRow4, {373}}, {kRow5, {29}}, {kRow6, {29, 189, 332, 460, 588}}}),
             .figure = buns, .keys = {"1", "3"}, .labels = kAnswer,
             .hint = {"そうかな? 初めにあった数－食べた数=のこりの数 だよ!"}},
            {.show = {CellRow{0, 4, "(5)30ﾟまでさめたふろの湯を追いだきしたら 1分間に1ﾟずつ上がっていきました｡"},
                      CellRow{3, 5, "時間と水温の関係を表に表すとｱ,ｲ,ｳはいくつになりますか｡"}},
             .figure = bath, .keys = {"31", "33", "35"}, .bar = "FORM12", .labels = kCells,
             .hint = {"ちがうよ!表を読む時1分たったら○ﾟ 2分たったら32ﾟ 3分たったら○ﾟと読もう!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(6)30ﾟまでさめたふろの湯を追いだきしたら 1分間に1ﾟずつ上がっていきました｡時間"},
                  CellRow{3, 5, "を  分 水温をｙﾟとした場合 　とｙの関係を表した式は次の1から5のどれですか｡"},
                  CellRow{0, 6, "1, 　＋ｙ=３０  2, ３０÷　=ｙ  3, ３０－　=ｙ  4, ３０×　=ｙ  5, ３０＋　=ｙ"}},
                 {{kRow5, {44, 245}}, {kRow6, {29, 204, 332, 460, 588}}}),
             .figure = bath, .keys = {"5", "5"}, .labels = kAnswer,
             .hint = {"そうかな? 初めの温度＋追いだきして上がった温度=ふろの水温 だよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(7)しおりさんは友達とどんぐり拾いに行く時 妹に拾った数の半分をあげると"},
                  CellRow{3, 5, "約束しました｡拾った数を  こ 妹にやる数をｙことした場合   とｙの関係を"},
                  CellRow{3, 6, "表した式は次の1から5のどれですか｡"},
                  CellRow{3, 8, "1,   ＋ｙ=２  2,   ÷２=ｙ  3,   －２=ｙ  4, ２×  =ｙ  5, ２＋  =ｙ"}},
                 {{kRow5, {213, 469}}, {kRow8, {53, 165, 277, 421, 533}}}),
             .keys = {"2", "2"}, .labels = kAnswer,
             .hint = {"そうかな? 拾った数÷2=妹にやる数 だよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(8)はば3cmのリボンを何cmかの長さ分切り取りました｡", {}, kQuestionFace},
                  CellRow{3, 5, "切った長さを  cm リボンの面積をｙc㎡とした場合   とｙの関係を表した式は", {}, kQuestionFace},
                  CellRow{3, 6, "次の1から5のどれですか｡", {}, kQuestionFace},
                  CellRow{3, 8, "1,   ＋ｙ=３  2, 　÷３=ｙ  3, 　－３=ｙ  4, ３×　=ｙ  5, ３＋　=ｙ"}},
                 {{kRow5, {125, 405}}, {kRow8, {53, 165, 277, 421, 533}}}),
             .keys = {"4", "4"}, .labels = kAnswer,
             .hint = {"そうかな? たて×横=リボンの面積 だよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(9)1000円で買い物をしました｡"},
                  CellRow{3, 5, "買った金額を  円 おつりをｙ円とした場合   とｙの関係を表した式は"},
                  CellRow{3, 6, "次の1から5のどれですか｡"},
                  CellRow{0, 8, "1,  ＋ｙ=1000  2,　÷1000=ｙ  3,　－1000=ｙ  4,1000－　=ｙ  5,1000＋　=ｙ"}},
                 {{kRow5, {124, 349}}, {kRow8, {21, 141, 261, 427, 547}}}),
             .keys = {"1", "4"}, .labels = kAnswer,
             .hint = {"そうかな? 初めに持っていたお金－使ったお金=おつり だよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(10)高さ5cmで体積が480cm の箱があります｡"},
                  ScaledText{{194, 77}, "3", {}, 12},
                  CellRow{4, 5, "たての長さを  cm 横の長さをｙcmとした場合   とｙの関係を表した式は"},
                  CellRow{4, 6, "次の1から5のどれですか｡"},
                  CellRow{0, 8, "1,  +ｙ+5=480  2,480-5-　=ｙ  3,480÷5÷  =ｙ  4,  ×ｙ×5=480  5,  ×ｙ-5=480"}},
                 {{kRow5, {133, 373}}, {kRow8, {21, 189, 325, 397, 533}}}),
             .keys = {"3", "4"}, .labels = kAnswer,
             .hint = {"そうかな? たて×横×高さ=箱の体積 だよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(11)500円で50円のガムを何こか買いました｡"},
                  CellRow{3, 5, "買った数を  こ おつりをｙ円とした場合   とｙの関係を表した式は"},
                  CellRow{3, 6, "次の1から5のどれですか｡"},
                  CellRow{4, 8, "1, 500＋50×  =ｙ  2, 500－50×  =ｙ  3, 50×  ＋ｙ=500"},
                  CellRow{4, 9, "4, 500－50×ｙ=    5, 50×  ×ｙ=500"}},
                 {{kRow5, {108, 333}}, {kRow8, {133, 284, 396}}, {kRow9, {157, 245}}}),
             .keys = {"2", "3"}, .labels = kAnswer,
             .hint = {"そうかな? 初めに持っていたお金－使ったお金=おつり だよ!"}},
            {.show = marked_text(
                 {CellRow{0, 4, "(12)たて　cm 横ｙcmでまわりの長さが52cmの長方形があります｡"},
                  CellRow{4, 5, "この時   とｙの関係を表した式は次の1から5のどれですか｡"},
                  CellRow{4, 7, "1,   ＋ｙ×2=52  2, 　÷ｙ=52  3,　 ＋ｙ=52"},
                  CellRow{4, 8, "4, (  ＋ｙ)×2=52  5,   ＋ｙ=52÷2"}},
                 {{kRow4, {69}}, {kRow5, {93}}, {kRow7, {61, 197, 309}}, {kRow8, {69, 213}}}),
             .keys = {"4", "5"}, .labels = kAnswer,
             .hint = {"そうかな? たての長さ＋横の長さ=まわりの長さの半分 だよ!"}},
        },
    .feedback_from = {0, 320},
    .feedback_to = {640, 490},
    .praise = {10, 17},
    .password = "進める(すすめる)",
    .hint_clear = frame::Area{{0, 320}, {640, 490}},
    .lead = {},
    .hint_cell = {0, 17},
    .hints = {{.problems = {12}, .typed = {{1, "1"}},
               .show = {CellRow{0, 17,
                                "それは横の長さを2倍しているだけで たての長さは2倍になってないよ!"}}}},
};

}  // namespace units::expr_build
