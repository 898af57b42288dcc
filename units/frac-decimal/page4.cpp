// Exercise page 4, "練習2": five expressions that mix fractions, mixed
// numbers, decimals and brackets, two word problems and the area of a
// trapezoid drawn to scale; answers as on page 2, a whole number in A alone.
#include "units/frac-decimal/digits.h"
#include "units/frac-decimal/pages.h"

namespace units::frac_decimal {
namespace {

using frame::CellRow;
using frame::ScaledText;

// A problem's first line at (0,143) or its expression at (8,143), with the
// fractions' digits above and below its bars.
std::vector<frame::Ink> expression(std::string_view row, Digits fraction) {
    return joined({{ScaledText{{8, 143}, row}}, digits(133, 153, {fraction})});
}

// The trapezoid of problem 7 at 100 units to the metre, its lengths marked
// with dotted arcs: upper base 0.5 m, lower base 1 1/8 m, height 8/9 m.
void trapezoid(frame::ExerciseScreen& s) {
    s.polyline({{350, 170}, {400, 170}, {436, 259}, {324, 259}, {350, 170}}, 7);
    {
        const frame::Scoped dotted = s.pen(frame::PenStyle::Dotted);
        const frame::Scoped small = s.font_size(13);
        s.arc({375, 170}, 25, 7, 0.5f, 1, 0.5f);
        s.text({360, 143}, "0.5m");
        s.arc({380, 259}, 56, 7, 0, 0.5f, 0.3f);
        s.text({364, 278}, "1－m");
        s.text({372, 270}, "1");
        s.text({372, 286}, "8");
        s.line({360, 170}, {360, 259}, 7);
        s.box({355, 254}, {360, 259}, 7);
        s.arc({360, 214}, 11, 7, 0.75f, 0.25f, 4);
        const frame::Scoped solid = s.pen(frame::PenStyle::Solid);
        s.text({372, 210}, "－m");
        s.text({376, 202}, "8");
        s.text({376, 218}, "9");
    }
    const frame::Scoped face = s.font("ＭＳ 明朝", 16);
    s.text({166, 218}, "㎡");
}

}  // namespace

const frame::ExerciseSheet page4{
    .page = 4,
    .header = "練習2                                4ﾍﾟｰｼﾞ",
    .bar = "FORM9",
    .instructions =
        {CellRow{0, 4, "次の計算をして答えのA,B,Cにあてはまる数を答えなさい｡"},
         CellRow{0, 5, "(答えが真分数の場合は、Aはとばして答えなさい｡また答えが整数の場合は、"},
         CellRow{1, 6, "B,Cはとばして答えなさい｡)"}},
    .show = frame::mixed_number_diagram(),
    .labels = {{{85, 3}, "答え A"}, {{220, 3}, "B"}, {{305, 3}, "C"}},
    .problems =
        {
            {.show = expression("(1) ─ ÷ 0.8 ＋ 4─ × ─",
                                {44, "3             1     2", "5             6     5"}),
             .keys = {"2", "12", "5"}},
            {.show = expression("(2) 6 － 0.6 × ─", {140, "5", "7"}), .keys = {"5", "7", "4"}},
            {.show = expression("(3) ─ × (2─ － ─) ÷ 2",
                                {44, "3       1     2", "8       6     3"}),
             .keys = {"", "32", "9"}},
            {.show = expression("(4) 3─ ＋ ─ ÷ (─ － 0.24)",
                                {52, "2     3      3", "3     8      5"}),
             .keys = {"4", "24", "17"}},
            {.show = expression("(5) 5 ＋ ─ ÷ 0.3", {84, "9", "10", 80}), .keys = {"8", "", ""}},
            {.show = joined({{ScaledText{{0, 143}, "(6)ふみえさんはリボンを5m買ってきてその─を使いました｡残りは何mでしょう｡"}},
                             digits(133, 153, {{316, "3", "8"}}),
                             {ScaledText{{166, 218}, "m"}}}),
             .keys = {"3", "8", "1"}},
            {.show = {ScaledText{{0, 143}, "(7)つぎの台形の面積を求めなさい｡"}}, .figure = trapezoid,
             .keys = {"", "18", "13"}},
            {.show = joined({{ScaledText{{0, 143}, "(8)しげる君の弟の体重はしげる君の─で25─kgで りょうた君の体重は65.5kgの"},
                              ScaledText{{24, 173}, "お父さんの─です｡しげる君の体重はりょうた君の体重より何kg重いでしょう｡"}},
                             digits(133, 153, {{268, "5     1", "8     4"}}),
                             digits(163, 183, {{108, "3", "5"}}),
                             {ScaledText{{166, 218}, "kg"}}}),
             .keys = {"1", "10", "1"}},
        },
    .feedback_from = {0, 310},
    .feedback_to = {640, 390},
    .praise = {10, 17},
    .password = "湖畔(こはん)",
    .lead = {},
    .hints =
        {
            {.problems = {1, 5},
             .show = {CellRow{0, 17, "計算まちがいしてない?わからない時は3ページのだん落2を見れば答えがわかるよ!"}}},
            {.problems = {6},
             .show = joined({{CellRow{0, 17, "計算まちがいしてない?使ったのは 5×－m だよ!"}},
                             digits(313, 333, {{284, "3", "8"}})})},
            {.problems = {7},
             .show = {CellRow{0, 17, "計算まちがいしてない?台形の面積の公式は (上底+下底)×高さ÷2 だよ!"}}},
            {.problems = {8},
             .show = joined({{CellRow{0, 17, "計算まちがいしてない?しげる君の体重は 25－÷－kgで"},
                              CellRow{0, 19, "りょうた君の体重は 65.5×－kg だよ!"}},
                             digits(313, 333, {{324, "1   5", "4   8"}}),
                             digits(351, 371, {{204, "3", "5"}})})},
        },
};

}  // namespace units::frac_decimal
