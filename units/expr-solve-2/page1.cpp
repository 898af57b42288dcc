// Explanation page 1: the letter in (1) letter ＋ 83 ＝ 159 and
// (2) letter － 56 ＝ 110, found by carrying the number over the "＝" and
// turning its sign.  Paragraph 1 solves (1), paragraph 2 solves (2), states
// the rule and replays both moves in the row of the equations.
#include "frame/carry.h"
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;

// A pause, and a narration after it with a pause of its own; 0: none.
struct Beat {
    int pause = 0;
    int narration = 0;
    int pause_after = 0;
};

void beat(Page& p, const Beat& b) {
    if (b.pause > 0) p.pause(b.pause);
    if (b.narration > 0) p.say(b.narration, b.pause_after);
}

// One equation solved by carrying its number over the "＝": copied one row
// down, the number lifted, carried right, its sign turned and set down.
struct Equation {
    float X = 0;                    // added to every x of the equation
    float hand_x = 0;               // the pointing hand
    std::string_view left_side;     // after the letter: "       ＋ 83"
    std::string_view right_side;    // "159"
    std::string_view term;          // carried over: "＋ 83"
    std::string_view sign;          // its sign, then turned
    std::string_view turned_sign;
    std::string_view turned;        // set down on the right: "－ 83"
    std::string_view result;        // the last row: "＝   76"
    Beat after_hand, after_lift, after_turn, after_carry;
};

constexpr Equation kEquation1{
    .X = 0, .hand_x = 75, .left_side = "       ＋ 83", .right_side = "159", .term = "＋ 83",
    .sign = "＋", .turned_sign = "－", .turned = "－ 83", .result = "＝   76",
    .after_hand = {250, 2}, .after_lift = {200, 3}, .after_turn = {550, 4},
    .after_carry = {400}};

constexpr Equation kEquation2{
    .X = 285, .hand_x = 315, .left_side = "       － 56", .right_side = "110", .term = "－ 56",
    .sign = "－", .turned_sign = "＋", .turned = "＋ 56", .result = "＝   166",
    .after_hand = {200, 6}, .after_lift = {200, 7}, .after_turn = {},
    .after_carry = {300, 8, 300}};

void solve(Page& p, const Equation& e) {
    const float X = e.X;
    p.picture("右指.BMP", {e.hand_x, 140});
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.text({X + 95, 140 + d}, e.left_side, c);  p.text({X + 204, 140 + d}, "＝", c);
        p.text({X + 231, 140 + d}, e.right_side, c);  p.mark({X + 137, 150 + d}, c);
    });
    p.text({X + 95, 140}, e.left_side);  p.text({X + 231, 140}, e.right_side);
    p.mark({X + 137, 150});
    p.fill_box({e.hand_x, 140}, {e.hand_x + 20, 160}, 0);  beat(p, e.after_hand);

    p.blink(0, 11, [&](int c) { p.mark({X + 137, 200}, c); });  p.pause(100);
    p.blink(0, 11, [&](int c) { p.text({X + 151, 190}, e.term, c); });
    const frame::Carry across{.term = e.term, .from = {X + 151, 190}, .sign = e.sign,
                              .turned_sign = e.turned_sign, .turned = e.turned};
    frame::lift_over(p, across);  beat(p, e.after_lift);
    frame::turn_sign(p, across);  beat(p, e.after_turn);
    frame::set_down(p, across, [&](float d, int c) { p.mark({X + 137 + d, 200}, c); });
    beat(p, e.after_carry);
    p.mark({X + 157, 250});  p.text({X + 204, 240}, e.result);  p.pause(500);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 3, .band_right = 305,
            .title = "  を求める 3                         1ﾍﾟｰｼﾞ", .title_mark = {{205, 12}}});

    // Paragraph 1: letter ＋ 83 ＝ 159.
    p.picture("\\MF.BMP", {50, 200});
    p.picture("\\PF.BMP", {70, 200});
    p.text({80, 70}, "次の  を求めましょう｡");  p.mark({116, 80});
    p.text({95, 140}, "(1)    ＋ 83");  p.text({204, 140}, "＝");  p.text({231, 140}, "159");
    p.mark({137, 150});
    p.text({380, 140}, "(2)    － 56");  p.text({489, 140}, "＝");  p.text({516, 140}, "110");
    p.mark({422, 150});
    p.pause(300);  p.narrate(1, Close::No);

    solve(p, kEquation1);

    // Paragraph 2: letter － 56 ＝ 110, the rule, and the replay.
    p.paragraph(2);
    p.narrate(5);
    solve(p, kEquation2);

    p.narrate(10);
    p.rule({50, 290}, "文字式をとく時は文字を1人ぼっちにするために数字をいどうする｡");
    p.rule({50, 320}, "数字は必ず前に＋－×÷等のふごうを付けていどうする｡");
    p.pause(500);

    p.move(0, 16, 4, [&](float d, int c) {
        p.text({151, 140 - d}, "＋ 83", c);  p.text({436, 140 - d}, "－ 56", c);
    });
    p.move(0, 48, 4, [&](float d, int c) {
        p.text({151 + d, 120}, "＋ 83", c);  p.text({436 + d, 120}, "－ 56", c);
    });
    p.pause(50);
    p.text({203, 120}, "＋", 0);  p.text({488, 120}, "－", 0);
    p.move(0, 60, 4, [&](float d, int c) {
        p.text({203 + d, 120}, "－ 83", c);  p.text({488 + d, 120}, "＋ 56", c);
    });
    p.move(0, 16, 4, [&](float d, int c) {
        p.text({267, 120 + d}, "－ 83", c);  p.text({552, 120 + d}, "＋ 56", c);
    });
    p.pause(250);
    p.text({267, 140}, "－ 83", 0);  p.text({552, 140}, "＋ 56", 0);
    p.text({151, 140}, "＋ 83");  p.text({436, 140}, "－ 56");

    p.narrate(11);
    p.rule({50, 350}, "等号を通る時 ふごうの×は÷に ÷は×に ＋は－に －は＋に変わる｡");
    p.pause(400);
    p.narrate(12, Close::Yes, Narration::ToEnd, 100);

    p.end({380, 390});
}

}  // namespace units::expr_solve_2
