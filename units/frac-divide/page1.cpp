// Explanation page 1, "分数でわる": dividing by a fraction is multiplying by
// its reciprocal ("逆数").  Paragraph 1 turns 1/6 ÷ 3/5 into 1/6 × 5/3,
// paragraph 2 does the same with 2/9 ÷ 5/6 and cancels, paragraphs 3 to 5
// divide a whole number, a mixed number and three fractions.
#include "units/frac-divide/pages.h"
#include "units/frac-divide/storyboard.h"

namespace units::frac_divide {
namespace {

using frame::Close;
using frame::Erase;
using frame::Narration;
using frame::Page;
using frame::PointF;

constexpr std::string_view kTitle = "分数でわる                           1ﾍﾟｰｼﾞ";

// The divisor turned over: its numerator u goes down and its denominator d
// goes up past each other in ten steps, then both stand centred on the bar.
void flip(Page& p, PointF at, std::string_view u, std::string_view d) {
    const float x = at.x, y = at.y;
    p.steps({.from = 1, .to = 10, .pause = 5, .erase = Erase::Box, .box_from = {x, y - 15},
             .box_to = {x + 33, y + 30}},
            [&](float i, int c) {
                p.text(at, "－", c);  p.text({x, y - 10 + 2 * i}, u, c);
                p.text({x + 8, y + 10 - 2 * i}, d, c);
            });
    p.text({x, y + 10}, u, 0);  p.text({x + 8, y - 10}, d, 0);
    p.text({x + 4, y + 10}, u);  p.text({x + 4, y - 10}, d);
}

// "÷" blinks out, "×" blinks in.
void turn_sign(Page& p, PointF at) {
    p.blink(1, 8, [&](int c) { p.text(at, "÷", c); }, 7, 10);
    p.blink(1, 9, [&](int c) { p.text(at, "×", c); }, 7, 10);
}

// A reduced number written small, above or below the one struck through.
void small(Page& p, PointF at, std::string_view number, int colour = 7) {
    const frame::Scoped size = p.font_size(12);
    p.text(at, number, colour);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 6, .band_right = 288, .title = kTitle});

    // Paragraph 1: 1/6 ÷ 3/5 = 1/6 × 5/3 = 5/18.
    p.picture("\\MF.BMP", {260, 200});  p.picture("\\PF.BMP", {240, 200});
    p.fraction({23, 60}, {"－ ÷ －", "1     3", "6     5"});  p.pause(200);
    p.narrate(24, Close::No, Narration::Background, 450);  p.say(25);
    slide(p, {.at = {23, 60}, .written = "－ ÷ － ＝", .copy = "－ ÷ －", .top = "1     3",
              .bottom = "6     5", .steps = 12, .clear_from = {0, 45}, .clear_to = {210, 90}});
    p.pause(40);
    flip(p, {167, 60}, "3", "5");  p.pause(50);
    turn_sign(p, {143, 60});  p.pause(350);
    p.say(26);
    p.text({183, 60}, "←分子と分母をひっ", 2);  p.text({199, 80}, "くり返したもの", 2);
    p.pause(200);
    p.text({199, 40}, "逆数", 2);  p.pause(450);
    p.say(27, 50);
    blink(p, 9, 10, {{{123, 70}, "6     3"}});
    p.text({95, 110}, "＝ ─");  p.text({119, 120}, "18");  p.pause(50);
    blink(p, 9, 10, {{{123, 50}, "1     5"}});
    p.text({123, 100}, "5");  p.pause(500);
    p.say(4, 300);

    // Paragraph 2: 2/9 ÷ 5/6 = 2/9 × 6/5 = 4/15, cancelled on the way.
    p.paragraph(2);
    p.say(28);
    p.move_picture("\\pl.BMP", {{240, 200}, {260, 260}}, {200, 150});
    p.fraction({23, 170}, {"－ ÷ －", "2     5", "9     6"});  p.pause(100);
    blink(p, 11, 10, {{{71, 170}, "－"}, {{75, 160}, "5"}, {{75, 180}, "6"}});  p.pause(50);
    p.text({95, 170}, "＝ － ÷ －");  p.text({123, 160}, "2");  p.text({123, 180}, "9");
    flip(p, {167, 170}, "5", "6");  p.pause(50);
    turn_sign(p, {143, 170});  p.pause(450);
    p.move_picture("\\PF.BMP", {{200, 150}, {240, 210}}, {240, 200});
    p.say(6);
    blink(p, 11, 10, {{{171, 160}, "6"}, {{123, 180}, "9"}});  p.pause(100);
    p.cancel({{{169, 160}, {181, 175}, "2", {180, 150}},
              {{121, 180}, {133, 195}, "3", {131, 195}}});
    p.pause(100);
    p.text({95, 220}, "＝ ─");  p.text({123, 210}, "4");  p.text({119, 230}, "15");  p.pause(500);

    // Paragraph 3: 9 ÷ 4/7 = 9 × 7/4 = 63/4 = 15 3/4.
    p.paragraph(3);
    p.say(7);
    p.move_picture("\\ml.BMP", {{260, 200}, {280, 260}}, {200, 260});
    p.text({23, 280}, "9 ÷ －");  p.text({67, 270}, "4");  p.text({67, 290}, "7");  p.pause(450);
    p.move_picture("\\MF.BMP", {{200, 260}, {240, 320}}, {260, 200});
    p.say(29, 100);
    p.text({87, 280}, "＝ 9 × －");
    blink(p, 11, 15, {{{127, 280}, "× －"}, {{155, 270}, "7"}, {{155, 290}, "4"}});  p.pause(100);
    p.text({87, 330}, "＝ ─");  p.text({111, 320}, "63");  p.text({115, 340}, "4");  p.pause(450);
    p.say(30, 300);
    p.text({87, 380}, "＝ 15－");  p.text({131, 370}, "3");  p.text({131, 390}, "4");  p.pause(500);

    // Paragraph 4: 3 1/2 ÷ 3/8 = 7/2 × 8/3 = 28/3 = 9 1/3.
    p.paragraph(4);
    p.say(7);
    p.text({395, 60}, "3－ ÷ － ＝");  p.text({407, 50}, "1     3");  p.text({407, 70}, "2     8");
    p.move_picture("\\mr.BMP", {{260, 200}, {280, 260}}, {350, 50});  p.pause(550);
    p.move_picture("\\MF.BMP", {{350, 50}, {390, 110}}, {260, 200});
    p.say(21, 250);  p.say(31, 200);
    blink(p, 11, 15, {{{395, 60}, "3－"}, {{407, 50}, "1"}, {{407, 70}, "2"}});
    p.text({475, 60}, "＝ ─ ÷ ─");  p.text({503, 50}, "7     3");  p.text({503, 70}, "2     8");
    p.pause(50);
    blink(p, 11, 15, {{{499, 60}, "─"}, {{503, 50}, "7"}, {{503, 70}, "2"}});  p.pause(550);
    p.say(32);
    blink(p, 11, 15, {{{547, 60}, "─"}, {{551, 50}, "3"}, {{551, 70}, "8"}});
    p.text({475, 110}, "＝ ─");  p.text({503, 100}, "7");  p.text({503, 120}, "2");
    blink(p, 11, 15, {{{523, 110}, "× ─"}, {{551, 100}, "8"}, {{551, 120}, "3"}});  p.pause(550);
    p.say(23);
    blink(p, 11, 15, {{{503, 120}, "2"}, {{551, 100}, "8"}});  p.pause(100);
    p.line({501, 120}, {513, 135}, 7);  p.cancel({{{549, 100}, {561, 115}, "4", {561, 90}}});
    p.pause(100);
    p.text({475, 160}, "＝ ─");  p.text({499, 150}, "28");  p.text({503, 170}, "3");  p.pause(450);
    p.say(30, 250);
    p.text({475, 210}, "＝ 9─");  p.text({511, 200}, "1");  p.text({511, 220}, "3");  p.pause(500);

    // Paragraph 5: 1/12 ÷ 3/20 ÷ 5/18 = 1/12 × 20/3 × 18/5, cancelled pair by pair to 2.
    p.paragraph(5);
    p.say(7);
    p.text({355, 270}, "─ ÷ ─ ÷ ─ ＝");  p.text({359, 260}, "1     3     5");
    p.text({355, 280}, "12    20    18");
    p.move_picture("\\mr.BMP", {{260, 200}, {280, 260}}, {310, 260});  p.pause(550);
    p.move_picture("\\MF.BMP", {{310, 260}, {350, 320}}, {260, 200});
    p.say(29, 250);
    p.text({499, 270}, "─ × ─ × ─");  p.text({498, 260}, " 1    20    18");
    p.text({498, 280}, "12     3     5");  p.pause(450);
    p.say(44);
    blink(p, 11, 15, {{{546, 260}, "20"}, {{498, 280}, "12"}});  p.pause(50);
    p.line({544, 260}, {561, 275}, 7);  small(p, {560, 250}, "5");
    p.line({496, 280}, {513, 295}, 7);  small(p, {504, 295}, "3");  p.pause(350);
    p.say(20);
    p.blink(1, 11, [&](int c) { p.text({594, 260}, "18", c);  small(p, {504, 295}, "3", c); });
    p.pause(50);
    p.line({501, 299}, {512, 308}, 7);  p.cancel({{{592, 260}, {609, 275}, "6", {609, 250}}});
    p.pause(450);
    p.say(20);
    p.blink(1, 11, [&](int c) { small(p, {609, 250}, "6", c);  p.text({554, 280}, "3", c); });
    p.pause(50);
    p.line({552, 280}, {564, 295}, 7);  p.cancel({{{606, 253}, {617, 261}, "2", {609, 240}}});
    p.pause(450);
    p.say(20);
    p.blink(1, 11, [&](int c) { small(p, {560, 250}, "5", c);  p.text({602, 280}, "5", c); });
    p.pause(50);
    p.line({557, 253}, {568, 261}, 7);  p.line({600, 280}, {612, 295}, 7);  p.pause(450);
    p.say(19, 500);  p.say(18, 500);  p.say(43, 200);
    p.text({475, 320}, "＝ 2");  p.pause(200);
    p.close_narration(5);

    p.end({530, 360});
}

}  // namespace units::frac_divide
