// Explanation page 1: the letter in (1) letter × 64 ＝ 512 and
// (2) letter ÷ 36 ＝ 5 found on a balance.  Each equation is set on the
// balance with its "＝" as the post; undoing the letter's side alone tips
// the balance, undoing both sides keeps it level, the cancelled pair blinks
// away and the letter slides across to its value.  One paragraph.
#include <array>
#include <string_view>

#include "units/expr-solve-1/balance.h"
#include "units/expr-solve-1/pages.h"

namespace units::expr_solve_1 {
namespace {

using frame::Close;
using frame::Erase;
using frame::Narration;
using frame::Page;
using frame::PointF;

// A narration and the pause after it; narration 0: none.
struct Said {
    int narration = 0;
    int pause = 0;
};
using Talk = std::array<Said, 3>;

void say(Page& p, const Talk& talk) {
    for (const Said& s : talk)
        if (s.narration > 0) p.say(s.narration, s.pause);
}

// One equation weighed on the balance, X units to the right of the first.
struct Weighing {
    float X = 0;
    std::string_view term;        // the letter's side after its blanks: "   × 64"
    std::string_view undo;        // what undoes it: "÷ 64"
    std::string_view cancelled;   // the two together: "   × 64 ÷ 64"
    std::string_view right_side;  // "512"
    std::string_view worked;      // the right side undone: "512 ÷ 64"
    float undo_x = 0;             // where the undo stands after the right side
    std::string_view result;      // "8"
    float drop = 0;               // how far the letter's pan sinks when the balance tips
    float board_from = 0;         // the x range cleared around the tipped balance
    float board_to = 0;
    float lowered_bottom = 0;     // of the area cleared under the lowered equation
    int set_pause = 0, level_pause = 0, result_pause = 0;
    Talk weighed, undoing, tipping, tipped, levelled, alone;
};

constexpr Weighing kWeighing1{
    .X = 0, .term = "   × 64", .undo = "÷ 64", .cancelled = "   × 64 ÷ 64",
    .right_side = "512", .worked = "512 ÷ 64", .undo_x = 268, .result = "8", .drop = -20,
    .board_from = 40, .board_to = 600, .lowered_bottom = 400,
    .set_pause = 200, .level_pause = 600, .result_pause = 500,
    .weighed = {{{4, 800}, {5, 100}}}, .undoing = {{{6, 100}}},
    .tipping = {{{7, 450}, {8, 400}, {9, 100}}}, .tipped = {{{10, 100}}},
    .levelled = {{{11}}}, .alone = {{{13, 650}, {14}}}};

constexpr Weighing kWeighing2{
    .X = 285, .term = "   ÷ 36", .undo = "× 36", .cancelled = "   ÷ 36 × 36",
    .right_side = "5", .worked = "5 × 36", .undo_x = 537, .result = "180", .drop = 20,
    .board_from = 350, .board_to = 630, .lowered_bottom = 440,
    .set_pause = 300, .level_pause = 700, .result_pause = 400,
    .weighed = {{{5, 100}}}, .undoing = {{{16, 100}}},
    .tipping = {{{17, 480}, {8, 400}, {18, 100}}}, .tipped = {{{20, 100}}},
    .levelled = {{{21}}}, .alone = {{{22, 650}, {19}}}};

// Drawn for a moment at each of four steps on its way (i = 0 … 3).
constexpr frame::Steps kDrift{.from = 0, .to = 3, .pause = 10, .erase = Erase::After};

// The red strokes through the letter's side and its undo, dy below their row.
void cross_out(Page& p, float X, float dy, int colour) {
    p.line({X + 101, 191 + dy}, {X + 141, 205 + dy}, colour);
    p.line({X + 151, 191 + dy}, {X + 191, 205 + dy}, colour);
}

// The balance tipped: the letter's side sinks by `drop` (rises when it is
// negative), the right side goes the other way.
void tip(Page& p, const Weighing& w) {
    const float X = w.X, D = w.drop;
    p.fill_box({w.board_from, 180}, {w.board_to, 259}, 0);
    p.text({X + 77, 190 + D}, w.term);  p.mark({X + 87, 200 + D});
    p.text({X + 151, 190 + D}, w.undo, 6);  cross_out(p, X, D, 2);
    p.text({X + 204, 190}, "＝");  p.text({X + 236, 190 - D}, w.right_side);
    p.line({X + 140, 235 + D}, {X + 280, 235 - D}, 1);
    p.line({X + 140, 240 + D}, {X + 280, 240 - D}, 1);
    p.fill_box({X + 207, 230}, {X + 213, 260}, 1, 0);
    draw_pan(p, {X + 80, 205 + D}, 1);  p.line({X + 140, 215 + D}, {X + 140, 240 + D}, 1);
    draw_pan(p, {X + 230, 205 - D}, 1);  p.line({X + 280, 215 - D}, {X + 280, 240 - D}, 1);
}

// The "＝" comes down as the post, each side into its pan; the left pan blinks.
void set_on_balance(Page& p, const Weighing& w) {
    const float X = w.X;
    p.steps(kDrift, [&](float i, int c) { p.text({X + 204, 150 + 10 * i}, "＝", c); });
    p.text({X + 204, 190}, "＝");
    draw_balance(p, {X, 0});
    p.text({X + 204, 190}, "＝");  p.pause(200);
    p.steps(kDrift, [&](float i, int c) {
        p.text({X + 117 - 10 * i, 150 + 10 * i}, w.term, c);
        p.mark({X + 127 - 10 * i, 160 + 10 * i}, c);
    });
    p.text({X + 77, 190}, w.term);  p.text({X + 127, 140}, w.term);  p.mark({X + 87, 200});
    p.pause(w.set_pause);
    p.say(3, 100);
    p.steps(kDrift, [&](float i, int c) { p.text({X + 231 + i, 150 + 10 * i}, w.right_side, c); });
    p.text({X + 236, 190}, w.right_side);  p.text({X + 231, 140}, w.right_side);  p.pause(550);
    say(p, w.weighed);
    p.blink(0, 13, [&](int c) { draw_pan(p, {X + 80, 205}, c); }, 1);  p.pause(250);
}

// The letter's side undone alone tips the balance; the right side undone
// too levels it again.
void undo_both_sides(Page& p, const Weighing& w) {
    const float X = w.X;
    say(p, w.undoing);
    p.text({X + 151, 190}, w.undo, 6);  p.pause(100);
    p.line({X + 101, 191}, {X + 141, 205}, 2);  p.pause(50);
    p.line({X + 151, 191}, {X + 191, 205}, 2);  p.pause(350);
    say(p, w.tipping);
    p.blink(0, 9, [&](int c) { draw_pan(p, {X + 80, 205}, c); }, 1);  p.pause(150);
    p.blink(0, 9, [&](int c) { draw_pan(p, {X + 230, 205}, c); }, 1);
    tip(p, w);  p.pause(300);

    say(p, w.tipped);
    p.text({w.undo_x, 190 - w.drop}, w.undo, 6);  p.pause(400);
    say(p, w.levelled);
    p.hidden().fill_box({w.board_from, 170}, {w.board_to, 300}, 0);
    draw_balance(p, {X, 0});
    p.text({X + 77, 190}, w.term);  p.mark({X + 87, 200});
    p.text({X + 149, 190}, w.undo, 6);  cross_out(p, X, 0, 2);
    p.text({X + 204, 190}, "＝");  p.text({X + 236, 190}, w.right_side);
    p.text({w.undo_x, 190}, w.undo, 6);  p.pause(w.level_pause);
}

// The pair cancels out, the letter stands alone, its value on a lowered
// balance that then leaves the board.
void solve(Page& p, const Weighing& w) {
    const float X = w.X;
    const auto both_pans = [&](float y, int c) {
        draw_pan(p, {X + 80, y}, c);  draw_pan(p, {X + 230, y}, c);
    };
    p.say(12, 50);
    p.blink(0, 18, [&](int on) {
        p.text({X + 77, 190}, w.cancelled, 7 * on);  cross_out(p, X, 0, 2 * on);
    }, 1);
    p.pause(50);
    p.steps({.from = 4, .to = 68, .by = 4, .pause = 5, .erase = Erase::Previous},
            [&](float d, int c) { p.mark({X + 87 + d, 200}, c); });
    say(p, w.alone);
    p.blink(0, 17, [&](int c) { p.text({X + 236, 190}, w.worked, c); });
    both_pans(205, 0);  p.fill_box({X + 80, 210}, {X + 320, 390}, 0);
    draw_balance(p, {X, 50});
    p.mark({X + 155, 250});  p.text({X + 204, 240}, "＝");  p.text({X + 256, 240}, w.result);
    p.pause(w.result_pause);
    both_pans(255, 0);  p.fill_box({X + 80, 260}, {X + 320, w.lowered_bottom}, 0);
}

void weigh(Page& p, const Weighing& w) {
    set_on_balance(p, w);
    undo_both_sides(p, w);
    solve(p, w);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 2, .band_right = 305,
            .title = "  を求める 1                         1ﾍﾟｰｼﾞ", .title_mark = {{205, 12}}});

    p.picture("\\MF.BMP", {0, 150});
    p.picture("\\PF.BMP", {20, 150});
    p.text({80, 70}, "次の  を求めましょう｡");  p.mark({116, 80});
    p.text({95, 140}, "(1)    × 64");  p.text({204, 140}, "＝");  p.text({231, 140}, "512");
    p.mark({137, 150});
    p.text({380, 140}, "(2)    ÷ 36");  p.text({489, 140}, "＝");  p.text({516, 140}, "5");
    p.mark({422, 150});
    p.pause(250);

    // (1) letter × 64 ＝ 512.
    p.narrate(1, Close::No, Narration::Background, 100);
    p.blink(0, 21, [&](int c) { p.text({204, 140}, "＝", c); });  p.pause(250);
    p.say(2, 100);
    weigh(p, kWeighing1);

    // (2) letter ÷ 36 ＝ 5.
    p.say(15, 320);
    p.narrate(2);
    p.blink(0, 11, [&](int c) { p.text({489, 140}, "＝", c); });
    weigh(p, kWeighing2);

    // The "＝" of every row stands in one column.
    p.say(23, 450);
    p.polyline({{212, 270}, {212, 305}, {232, 305}}, 2);
    p.polyline({{208, 275}, {212, 270}, {216, 275}}, 2);
    p.polyline({{497, 270}, {497, 305}, {477, 305}}, 2);
    p.polyline({{493, 275}, {497, 270}, {501, 275}}, 2);
    p.rule({239, 300}, "＝の位置をたてにそろえて書く｡");
    p.blink(0, 11, [&](int c) {
        for (float x : {204, 489})
            for (float y : {140, 190, 240}) p.text({x, y}, "＝", c);
    });
    p.pause(200);
    p.narrate(24, Close::Yes, Narration::ToEnd, 200);

    p.end({380, 350});
}

}  // namespace units::expr_solve_1
