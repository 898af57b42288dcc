// Explanation page 3: in (3) ６ ÷ χ ＝ ２ and (4) ９ － χ ＝ ４ the two
// numbers of a term may not change places; each is solved by carrying the
// term with the letter over the "＝" with the opposite sign, then carrying
// the number back to the left.
#include "units/expr-solve-3/moves.h"
#include "units/expr-solve-3/pages.h"

namespace units::expr_solve_3 {
namespace {

using frame::Close;
using frame::Erase;
using frame::Narration;
using frame::Page;


// One equation of the page.  Every x of (4) lies 300 to the right of (3).
struct Equation {
    float X;
    std::string_view equation;     // "６ ÷ χ ＝ ２"
    std::string_view sign;         // "÷"
    std::string_view left;         // "６"
    int pause_swapped;
    int why_not, why_not_again;    // the narrations after the swap
    int introduced;                // the narration before it is solved
    int pause_introduced;
    int pause_copied;
    std::string_view letter_term;  // "÷ χ", carried right
    std::string_view turned;       // its sign turned: "×"
    std::string_view letter_turned;  // "× χ"
    std::string_view moved;        // "６ ＝ ２ × χ"
    std::string_view right;        // "２"
    std::string_view number_term;  // "× ２", carried back left
    std::string_view number_back;  // with the first sign again: "÷ ２"
    int number_moves;              // the narration before it is carried back
    std::string_view solved;       // "６ ÷ ２ ＝ χ"
    std::string_view answer;       // "３ ＝ χ"
    int pause_answer;
};

constexpr Equation kDivide{
    .X = 0, .equation = "６ ÷ χ ＝ ２", .sign = "÷", .left = "６", .pause_swapped = 350,
    .why_not = 18, .why_not_again = 19, .introduced = 23, .pause_introduced = 350,
    .pause_copied = 0, .letter_term = "÷ χ", .turned = "×", .letter_turned = "× χ",
    .moved = "６ ＝ ２ × χ", .right = "２", .number_term = "× ２", .number_back = "÷ ２",
    .number_moves = 25, .solved = "６ ÷ ２ ＝ χ", .answer = "３ ＝ χ", .pause_answer = 400};

constexpr Equation kSubtract{
    .X = 300, .equation = "９ － χ ＝ ４", .sign = "－", .left = "９", .pause_swapped = 400,
    .why_not = 21, .why_not_again = 22, .introduced = 26, .pause_introduced = 250,
    .pause_copied = 100, .letter_term = "－ χ", .turned = "＋", .letter_turned = "＋ χ",
    .moved = "９ ＝ ４ ＋ χ", .right = "４", .number_term = "＋ ４", .number_back = "－ ４",
    .number_moves = 27, .solved = "９ － ４ ＝ χ", .answer = "５ ＝ χ", .pause_answer = 300};

void copy_equation_down(Page& p, const Equation& e) {
    copy_down(p, {e.equation, {e.X + 82, 30}, {e.X + 75, 30}, {e.X + 300, 90}});
}

// A red sign with its number, erased as one text ("× χ").
void signed_number(Page& p, float x, float y, std::string_view sign, std::string_view number,
                   std::string_view both, int c) {
    if (c == 0) return p.text({x, y}, both, 0);
    p.text({x, y}, sign, 2);
    p.text({x + 24, y}, number);
}

// Copied down and its numbers swapped: the pupil sees that it would be
// another equation.
void try_swapping(Page& p, const Equation& e) {
    const float X = e.X;
    p.say(17);
    copy_equation_down(p, e);
    swap(p, {.area_from = {X + 75, 70}, .area_to = {X + 147, 90}, .sign = e.sign,
             .sign_x = X + 106, .left = e.left, .left_x = X + 82, .right = "χ",
             .right_x = X + 130, .row = 70});
    p.pause(e.pause_swapped);
    p.say(e.why_not);
    hand(p, {X + 127, 50});  p.pause(450);
    p.say(e.why_not_again, 750);
    hand_away(p, {X + 127, 50});
}

void solve(Page& p, const Equation& e) {
    const float X = e.X;
    p.say(e.introduced, e.pause_introduced);
    copy_equation_down(p, e);
    if (e.pause_copied > 0) p.pause(e.pause_copied);
    p.say(24, 100);

    // The term with the letter over the "＝", its sign turned.
    p.steps({.to = 4, .erase = Erase::After},
            [&](float i, int c) { p.text({X + 106, 70 - 5 * i}, e.letter_term, c); });
    p.steps({.to = 7, .erase = Erase::After},
            [&](float i, int c) { p.text({X + 106 + 8 * i, 50}, e.letter_term, c); });
    p.steps({.to = 5, .erase = Erase::After}, [&](float i, int c) {
        signed_number(p, X + 162 + 8 * i, 50, e.turned, "χ", e.letter_turned, c);
    });
    p.steps({.to = 4, .erase = Erase::After}, [&](float i, int c) {
        signed_number(p, X + 202, 50 + 5 * i, e.turned, "χ", e.letter_turned, c);
        p.text({X + 82 + 12 * i, 70}, e.left, c);
    });
    p.text({X + 130, 70}, e.moved);  p.pause(200);
    p.say(29);

    // Copied down, swapped, and the number carried back to the left.
    copy_down(p, {e.moved, {X + 130, 70}, {X + 75, 70}, {X + 300, 130}});
    swap(p, {.area_from = {X + 175, 110}, .area_to = {X + 300, 140}, .sign = e.turned,
             .sign_x = X + 202, .left = e.right, .left_x = X + 178, .right = "χ",
             .right_x = X + 226, .row = 110});
    p.pause(200);
    p.say(e.number_moves);
    p.steps({.to = 4, .erase = Erase::After},
            [&](float i, int c) { p.text({X + 202, 110 - 5 * i}, e.number_term, c); });
    p.steps({.to = 6, .erase = Erase::After},
            [&](float i, int c) { p.text({X + 202 - 8 * i, 90}, e.number_term, c); });
    p.steps({.to = 6, .erase = Erase::After}, [&](float i, int c) {
        signed_number(p, X + 154 - 8 * i, 90, e.sign, e.right, e.number_back, c);
        p.text({X + 130 - 8 * i, 110}, e.left, c);
    });
    p.text({X + 82, 110}, e.left);
    p.steps({.to = 4, .erase = Erase::After}, [&](float i, int c) {
        signed_number(p, X + 106, 90 + 5 * i, e.sign, e.right, e.number_back, c);
    });
    p.text({X + 82, 110}, e.solved);  p.pause(100);
    p.text({X + 130, 150}, e.answer);  p.pause(e.pause_answer);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 4, .band_right = 384,
            .title = "わり算と引き算の文字式               3ﾍﾟｰｼﾞ"});
    p.picture("\\mf.BMP", {0, 60});
    p.picture("\\PF.BMP", {20, 60});

    // Paragraph 1: the numbers of ÷ and － may not change places.
    p.text({50, 30}, "(3) ６ ÷ χ ＝ ２");  p.text({350, 30}, "(4) ９ － χ ＝ ４");  p.pause(200);
    p.narrate(28, Close::No, Narration::Background, 600);
    p.say(16, 250);
    try_swapping(p, kDivide);
    p.say(20, 250);
    try_swapping(p, kSubtract);
    p.fill_box({40, 60}, {620, 130}, 0);

    // Paragraph 2: (3) solved.
    p.paragraph(2);
    solve(p, kDivide);

    // Paragraph 3: (4) solved.
    p.paragraph(3);
    solve(p, kSubtract);

    p.close_narration(3);
    p.end({400, 350});
}

}  // namespace units::expr_solve_3
