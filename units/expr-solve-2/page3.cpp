// Explanation page 3: two-step equations, the numbers carried over the "＝"
// one after the other.  Paragraph 1 solves (1) letter ÷ 8 ＋ 27 ＝ 145,
// paragraph 2 solves (2) letter × 6 － 19 ＝ 419 with the same animation 285
// units to the right, paragraph 3 underlines the steps of (2) and states the
// rule.
#include <string_view>

#include "frame/carry.h"
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;
using frame::PointF;

// One equation as the pupil watches it solved: what stands where, and what
// is said at each turn of the animation.
struct Equation {
    float X = 0;                       // added to every x of the animation
    std::string_view left_side;        // after the letter: "÷ 8 ＋ 27"
    std::string_view right_side;       // "145"
    std::string_view first_term;       // carried over first: "＋ 27"
    std::string_view first_turned;     // with the opposite sign: "－ 27"
    std::string_view second_term;      // carried over next: "÷ 8"
    std::string_view second_turned;    // with the opposite operation: "× 8"
    std::string_view middle;           // the right side after the first move: "118"
    std::string_view result;           // the last line: "＝  944"
    int said[6] = {};                  // the narrations of the six turns
    bool hand_before_dividing = false; // the pointing hand and narration 20
};

constexpr Equation kEquation1{
    .X = 0, .left_side = "÷ 8 ＋ 27", .right_side = "145",
    .first_term = "＋ 27", .first_turned = "－ 27",
    .second_term = "÷ 8", .second_turned = "× 8", .middle = "118", .result = "＝  944",
    .said = {17, 2, 18, 19, 21, 22}, .hand_before_dividing = true};

constexpr Equation kEquation2{
    .X = 285, .left_side = "× 6 － 19", .right_side = "419",
    .first_term = "－ 19", .first_turned = "＋ 19",
    .second_term = "× 6", .second_turned = "÷ 6", .middle = "438", .result = "＝  73",
    .said = {5, 6, 7, 25, 26, 27}, .hand_before_dividing = false};

// The solving of one equation, in the paragraph drawn now.  Its narrations
// follow that paragraph; the "close wave1" between them is sent from a start
// paragraph of 2 or less, whichever equation is drawn.
void solve(Page& p, const Equation& e) {
    const float X = e.X;
    const std::string_view L = e.left_side, R = e.right_side, M = e.middle, Z = e.result;
    const std::string_view A = e.first_term, A_turned = e.first_turned;
    const std::string_view B = e.second_term, B_turned = e.second_turned;
    const auto& N = e.said;

    // The equation copied one row down, the first term carried over.
    p.narrate(N[0], Close::No);
    p.picture("右指.BMP", {X + 30, 140});
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.text({X + 111, 140 + d}, L, c);  p.text({X + 204, 140 + d}, "＝", c);
        p.text({X + 231, 140 + d}, R, c);  p.mark({X + 97, 150 + d}, c);
    });
    p.mark({X + 97, 150});  p.text({X + 111, 140}, L);  p.text({X + 231, 140}, R);
    p.fill_box({X + 30, 140}, {X + 50, 160}, 0);  p.pause(150);
    p.close_narration(2);  p.narrate(N[1], Close::No);

    p.blink(0, 11, [&](int c) { p.mark({X + 97, 200}, c); });  p.pause(100);
    p.blink(0, 11, [&](int c) { p.text({X + 151, 190}, A, c); });
    const frame::Carry first{.term = A, .from = {X + 151, 190}, .sign = A,
                             .turned_sign = A_turned, .turned = A_turned};
    frame::lift_over(p, first);
    p.pause(200);  p.close_narration(2);  p.narrate(N[2], Close::No);
    frame::turn_sign(p, first);
    frame::set_down(p, first, [&](float d, int c) {
        p.text({X + 111 + 2 * d, 190}, B, c);  p.mark({X + 97 + 2 * d, 200}, c);
    });
    p.pause(400);  p.close_narration(2);  p.narrate(N[3], Close::No);

    // The new equation copied down; the right side worked out.
    const auto after_first_move = [&](float d, int c) {
        p.mark({X + 137, 200 + d}, c);  p.text({X + 151, 190 + d}, B, c);
        p.text({X + 204, 190 + d}, "＝", c);  p.text({X + 231, 190 + d}, R, c);
        p.text({X + 267, 190 + d}, A_turned, c);
    };
    p.row_copy(10, 50, 10, after_first_move);
    after_first_move(0, 7);
    p.blink(0, 16, [&](int c) {
        p.text({X + 231, 240}, R, c);  p.text({X + 267, 240}, A_turned, c);
    });
    p.blink(0, 11, [&](int c) { p.text({X + 231, 240}, M, c); });  p.pause(300);

    p.close_narration(2);
    if (e.hand_before_dividing && p.presented()) {
        p.picture("右指.BMP", {105, 240});
        p.narrate(20, Close::No, Narration::ToEnd);
        p.fill_box({105, 240}, {125, 260}, 0);  p.pause(50);
    }

    // Copied down once more, the second term carried over.
    p.narrate(N[4], Close::No);
    const auto after_working_out = [&](float d, int c) {
        p.mark({X + 137, 250 + d}, c);  p.text({X + 151, 240 + d}, B, c);
        p.text({X + 204, 240 + d}, "＝", c);  p.text({X + 231, 240 + d}, M, c);
    };
    p.row_copy(10, 50, 10, after_working_out);
    after_working_out(0, 7);
    const frame::Carry second{.term = B, .from = {X + 151, 290}, .sign = B,
                              .turned_sign = B_turned, .turned = B_turned};
    frame::lift_over(p, second);
    frame::turn_sign(p, second);
    frame::set_down(p, second, [&](float d, int c) { p.mark({X + 129 + 2 * d, 300}, c); });
    p.pause(200);  p.close_narration(2);  p.narrate(N[5], Close::No);

    p.text({X + 204, 340}, Z);  p.mark({X + 167, 350});  p.pause(500);
    p.close_narration(2);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 4, .band_right = 305,
            .title = "  を求める 4                         3ﾍﾟｰｼﾞ", .title_mark = {{205, 12}}});

    // Paragraph 1: both equations set out, then (1) solved.
    p.picture("\\MF.BMP", {50, 170});
    p.picture("\\PF.BMP", {70, 170});
    p.text({80, 70}, "次の  を求めましょう｡");  p.mark({116, 80});
    p.text({55, 140}, "(1)    ÷ 8 ＋ 27");  p.text({204, 140}, "＝");  p.text({231, 140}, "145");
    p.mark({97, 150});
    p.text({340, 140}, "(2)    × 6 － 19");  p.text({489, 140}, "＝");  p.text({516, 140}, "419");
    p.mark({382, 150});
    p.pause(200);  p.narrate(16, Close::No, Narration::Background, 800);
    p.close_narration(1);
    solve(p, kEquation1);

    // Paragraph 2: (2) solved the same way.
    p.paragraph(2);
    p.close_narration(2);
    solve(p, kEquation2);

    // Paragraph 3: the steps of (2) underlined one after the other, the rule.
    p.paragraph(3);
    const auto underline = [&](PointF a, PointF b) {  // red, 13 draws, ends erased
        p.blink(0, 12, [&](int c) { p.line(a, b, c); }, 2, 10);
    };
    p.narrate(39, Close::No);
    underline({370, 160}, {545, 160});  p.text({480, 170}, "↓", 2);
    underline({410, 210}, {600, 210});  p.pause(200);  p.narrate(39);
    underline({410, 210}, {600, 210});  p.text({480, 220}, "↓", 2);
    underline({410, 260}, {550, 260});  p.pause(200);  p.narrate(39);
    underline({410, 260}, {550, 260});  p.text({480, 270}, "↓", 2);
    underline({435, 310}, {595, 310});  p.pause(200);  p.narrate(40);
    p.text({480, 320}, "↓", 2);
    underline({440, 360}, {544, 360});  p.pause(200);
    p.rule({80, 370}, "文字のある式をとくには文字が一人ぼっちになるまで");
    p.rule({80, 390}, "どんどん数字を反対がわへ持って行くんだよ!");
    p.pause(200);
    p.close_narration(3);

    p.end({510, 440});
}

}  // namespace units::expr_solve_2
