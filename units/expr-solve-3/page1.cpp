// Explanation page 1: the two sides of an equation (左辺, 右辺) and the signs
// (符号), then (1) ７ × χ ＝ ２１ and (2) ５ ＋ χ ＝ １３ solved by carrying
// the term with the number over the "＝" with the opposite sign.
#include "units/expr-solve-3/moves.h"
#include "units/expr-solve-3/pages.h"

namespace units::expr_solve_3 {
namespace {

using frame::Close;
using frame::Erase;
using frame::Narration;
using frame::Page;


// One problem of the page, set out in one paragraph and solved in the next
// (or in the same) one.  Every x of (2) lies 300 to the right of (1).
struct Problem {
    float X;
    int introduced;                   // the narration before it is written
    std::string_view problem;         // "(1) ７ × χ ＝ ２１"
    int pause_problem;
    std::string_view number;          // the number the hand points at
    int pause_looked;                 // after narration 9
    std::string_view equation;        // "７ × χ ＝ ２１"
    int before_copy;                  // the narration before it is copied down
    std::string_view sign;            // "×"
    std::string_view swapped;         // "χ × ７ ＝ ２１"
    int after_swap;                   // the narration after the swap
    std::string_view term;            // "× ７", carried over
    std::string_view turned;          // its sign turned: "÷"
    std::string_view carried;         // "χ ＝ ２１ ÷ ７"
    int pause_carried;
    std::string_view answer;          // "χ ＝ ３"
    int pause_answer;
};

constexpr Problem kTimes{
    .X = 0, .introduced = 7, .problem = "(1) ７ × χ ＝ ２１", .pause_problem = 400,
    .number = "７", .pause_looked = 450, .equation = "７ × χ ＝ ２１", .before_copy = 11,
    .sign = "×", .swapped = "χ × ７ ＝ ２１", .after_swap = 12, .term = "× ７",
    .turned = "÷", .carried = "χ ＝ ２１ ÷ ７", .pause_carried = 200, .answer = "χ ＝ ３",
    .pause_answer = 400};

constexpr Problem kPlus{
    .X = 300, .introduced = 14, .problem = "(2) ５ ＋ χ ＝ １３", .pause_problem = 450,
    .number = "５", .pause_looked = 300, .equation = "５ ＋ χ ＝ １３", .before_copy = 30,
    .sign = "＋", .swapped = "χ ＋ ５ ＝ １３", .after_swap = 15, .term = "＋ ５",
    .turned = "－", .carried = "χ ＝ １３ － ５", .pause_carried = 100, .answer = "χ ＝ ８",
    .pause_answer = 300};

// The problem written, its number pointed at in red.
void set_out(Page& p, const Problem& e) {
    const float X = e.X;
    p.say(e.introduced);
    p.text({X + 50, 150}, e.problem);  p.pause(e.pause_problem);
    p.say(8, 200);
    hand(p, {X + 79, 174});  p.text({X + 82, 150}, e.number, 2);  p.pause(450);
    p.say(9, e.pause_looked);
    hand_away(p, {X + 79, 174});
}

// Copied down, its numbers swapped, copied down again; the term lifted,
// carried right, its sign turned, and set down behind the right side while
// the letter moves up to the "＝".
void solve(Page& p, const Problem& e) {
    const float X = e.X;
    p.say(e.before_copy, 100);
    copy_down(p, {e.equation, {X + 82, 150}, {X + 75, 150}, {X + 300, 210}});
    swap(p, {.area_from = {X + 75, 190}, .area_to = {X + 147, 210}, .sign = e.sign,
             .sign_x = X + 106, .left = e.number, .left_x = X + 82, .right = "χ",
             .right_x = X + 130, .row = 190});
    p.pause(300);
    p.say(e.after_swap);
    copy_down(p, {e.swapped, {X + 82, 190}, {X + 75, 190}, {X + 300, 250}});
    hand(p, {X + 104, 254});  p.pause(300);
    hand_away(p, {X + 104, 254});
    p.say(13, 100);

    const auto term = [&](float x, float y, int c) { p.text({x, y}, e.term, c); };
    p.steps({.to = 4, .erase = Erase::After}, [&](float i, int c) { term(X + 106, 230 - 5 * i, c); });
    p.steps({.to = 7, .erase = Erase::After}, [&](float i, int c) { term(X + 106 + 8 * i, 210, c); });
    const auto turned = [&](float x, float y, int c) {
        p.text({x, y}, e.turned, c == 0 ? 0 : 2);  p.text({x + 24, y}, e.number, c);
    };
    p.steps({.to = 7, .erase = Erase::After}, [&](float i, int c) { turned(X + 162 + 8 * i, 210, c); });
    p.steps({.to = 4, .erase = Erase::After}, [&](float i, int c) {
        turned(X + 218, 210 + 5 * i, c);  p.text({X + 82 + 12 * i, 230}, "χ", c);
    });
    p.text({X + 130, 230}, e.carried);  p.pause(e.pause_carried);
    p.text({X + 130, 270}, e.answer);  p.pause(e.pause_answer);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 6, .band_right = 384,
            .title = "かけ算と足し算の文字式               1ﾍﾟｰｼﾞ"});
    p.picture("\\mf.BMP", {10, 200});
    p.picture("\\PF.BMP", {30, 200});

    // Paragraph 1: the left side and the right side.
    p.text({100, 50}, "χ÷8 ＝ 7＋2");  p.pause(200);
    p.narrate(1, Close::No, Narration::Background, 200);
    p.say(2, 40);
    hand(p, {108, 74});  p.text({100, 50}, "χ÷8", 2);  p.pause(500);
    p.say(3);
    hand_away(p, {108, 74});  hand(p, {180, 74});  p.text({172, 50}, "7＋2", 6);  p.pause(400);
    p.say(4, 150);
    hand_away(p, {180, 74});  hand(p, {108, 74});  p.line({100, 70}, {141, 70}, 2);  p.pause(100);
    hand_away(p, {108, 74});  hand(p, {108, 94});  p.text({105, 72}, "左辺", 2);  p.pause(350);
    p.say(5);
    p.fill_box({108, 94}, {126, 114}, 0);  hand(p, {180, 74});  p.line({172, 70}, {206, 70}, 6);
    p.pause(100);
    hand_away(p, {180, 74});  hand(p, {180, 94});  p.text({172, 72}, "右辺", 6);  p.pause(150);
    hand_away(p, {180, 94});  p.text({20, 30}, "★等号より左側を左辺､右側を右辺と言う");
    p.pause(350);

    // Paragraph 2: the signs.
    p.paragraph(2);
    p.say(6);
    p.text({20, 110}, "★＋や－や×や÷の様な計算の記号を符号と言う");  p.pause(800);

    // Paragraph 3: (1) set out.
    p.paragraph(3);
    set_out(p, kTimes);
    p.say(10, 900);

    // Paragraph 4: (1) solved.
    p.paragraph(4);
    solve(p, kTimes);

    // Paragraph 5: (2) set out and solved the same way.
    p.paragraph(5);
    set_out(p, kPlus);
    solve(p, kPlus);

    p.close_narration(5);
    p.end({400, 340});
}

}  // namespace units::expr_solve_3
