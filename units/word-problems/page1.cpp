// Explanation page 1, "2年生の問題に直そう": 5 m of ribbon three times over
// (5 × 3 = 15 m) becomes 5 m taken 2/3 times (5 × 2/3 = 3 1/3 m), read as
// 5 ÷ 3 × 2; both stand as one sentence with an empty box beside balances;
// then 4/5 m × 2/3 = 8/15 m.  The mascot who speaks leaves its face at the
// top left and stands beside the text.  The whole page is one paragraph.
#include "units/word-problems/pages.h"

namespace units::word_problems {
namespace {

using frame::Close;
using frame::Page;


void arrow_tip_up(Page& p) { p.polyline({{65, 215}, {70, 210}, {75, 215}}, kGreen); }

// The balance tipped by × 3 (right pan down) and by × 2/3 (left pan down).
void times_three(Page& p) {
    p.picture("天秤3.BMP", {300, 76});
    p.text({320, 112}, "5");
    p.text({390, 152}, "5×3");
}

void times_two_thirds(Page& p) {
    p.picture("天秤2.BMP", {300, 226});
    p.text({320, 302}, "5");
    p.text({390, 272}, "5×─");
    p.text({418, 262}, "2");
    p.text({418, 282}, "3");
}

// 5 m three times over, answered 15 m; then 2/3 in the place of 3.
void whole_then_fraction(Page& p) {
    p.picture("\\MF.BMP", {50, 10});  p.picture("\\PF.BMP", {10, 10});
    p.text({150, 40}, "5mのリボンの3倍は何mでしょう。", kRed);  p.pause(100);
    p.move_picture("\\mr.BMP", {{50, 10}, {70, 70}}, {100, 24});
    p.narrate(1, Close::No, frame::Narration::Background, 500);
    p.move_picture("\\MF.BMP", {{100, 24}, {135, 84}}, {50, 10});
    p.say(2, 350);  p.say(3);
    p.move_picture("\\pr.BMP", {{10, 10}, {30, 70}}, {400, 24});
    p.text({450, 40}, "5×3＝15　　答え 15m");  p.pause(700);
    p.move_picture("\\PF.BMP", {{400, 24}, {440, 84}}, {10, 10});
    p.say(4, 70);  p.say(1);
    p.move_picture("\\mr.BMP", {{50, 10}, {70, 70}}, {100, 324});
    p.text({150, 340}, "5mのリボンの─は何mでしょう。", kRed);
    p.text({250, 330}, "2", kRed);  p.text({250, 350}, "3", kRed);  p.pause(500);
    p.move_picture("\\MF.BMP", {{100, 324}, {140, 384}}, {50, 10});
    p.say(17, 350);  p.say(5, 300);
    p.move_picture("\\mr.BMP", {{50, 10}, {70, 70}}, {400, 324});
    p.text({450, 340}, "5×─＝─　　答え 3─m");
    p.text({478, 330}, "2   10          1");
    p.text({478, 350}, "3   3           3");  p.pause(400);
    p.move_picture("\\MF.BMP", {{400, 324}, {440, 384}}, {50, 10});  p.say(45);
    p.move_picture("\\pr.BMP", {{10, 10}, {30, 70}}, {400, 324});  p.pause(550);
    p.move_picture("\\PF.BMP", {{400, 324}, {440, 384}}, {10, 10});  p.say(46);
}

// 5 × 2/3 read as 5 ÷ 3 × 2, the hand following each piece.
void divide_then_multiply(Page& p) {
    p.picture(kDown, {245, 310});  p.pause(550);  p.say(47);
    p.move_picture(kDown, {{245, 310}, {265, 330}}, {360, 280});
    p.text({350, 300}, "5÷3×2");  p.pause(600);  p.say(48);
    p.move_picture(kDown, {{360, 280}, {380, 300}}, {410, 270});
    p.text({406, 300}, "=─");  p.text({418, 290}, "5");  p.text({418, 310}, "3");
    p.pause(400);  p.say(49);
    p.move_picture(kDown, {{410, 270}, {430, 290}}, {430, 270});
    p.text({422, 300}, "──");  p.text({426, 290}, "×2");
    p.text({418, 310}, "3", 0);  p.text({428, 310}, "3");  p.pause(600);  p.say(50);
    p.move_picture(kDown, {{430, 270}, {450, 290}}, {470, 270});
    p.text({454, 300}, "=5×─");  p.text({490, 290}, "2");  p.text({490, 310}, "3");
    p.pause(100);
    p.text({465, 320}, "↓", kRed);  p.pause(700);  p.say(6);
}

// Both problems as one sentence with an empty box, and what goes into it.
void one_sentence(Page& p) {
    erase(p, {350, 260}, {560, 330});  p.text({465, 320}, "↓", 0);
    p.text({2, 190}, "5mのリボンの　  倍は何mでしょう。", kRed);
    p.box({103, 175}, {126, 223}, kRed);
    p.picture(kUp, {105, 226});
    p.arc({140, 210}, 70, kGreen, 0.25f, 0.5f, 2);  arrow_tip_up(p);
    p.pause(650);  p.say(7);
    p.move_picture(kUp, {{103, 226}, {123, 246}}, {246, 60});
    p.arc({140, 190}, 70, kGreen, 0.5f, 0.75f, 2);
    p.polyline({{135, 45}, {140, 50}, {135, 55}}, kGreen);  p.pause(650);  p.say(8);
    p.move_picture(kUp, {{246, 60}, {266, 80}}, {490, 60});  p.pause(500);  p.say(9);
    p.move_picture(kUp, {{490, 60}, {510, 80}}, {490, 370});  p.pause(500);  p.say(10);

    p.move_picture(kUp, {{490, 370}, {510, 390}}, {105, 226});
    p.text({110, 190}, "3");  level_balance(p, 92, "5         5");  p.pause(250);
    p.move_picture(kUp, {{105, 226}, {125, 246}}, {400, 175});
    times_three(p);  p.pause(450);  p.say(11);
    p.text({110, 190}, "3", 0);
    p.move_picture(kUp, {{400, 175}, {420, 195}}, {105, 226});
    p.text({107, 190}, "─");  p.text({111, 180}, "2");  p.text({111, 200}, "3");
    level_balance(p, 242, "5         5");  p.pause(250);
    p.move_picture(kUp, {{105, 226}, {125, 246}}, {400, 305});
    times_two_thirds(p);  p.pause(450);  p.say(22);
    p.move_picture(kUp, {{400, 305}, {430, 325}}, {240, 370});  p.pause(370);
    p.move_picture(kUp, {{240, 370}, {270, 390}}, {580, 370});  p.pause(500);  p.say(12);
    p.fill_box({103, 175}, {126, 223}, kRed, 0);
    p.move_picture(kUp, {{580, 370}, {600, 390}}, {105, 226});  p.pause(500);  p.say(13);
}

// The balances again from level, then the rule: set it up as in 2nd grade.
void same_as_second_grade(Page& p) {
    erase(p, {300, 60}, {510, 190});  level_balance(p, 92, "5         5");
    erase(p, {300, 210}, {510, 330});  level_balance(p, 242, "5         5");  p.pause(350);
    times_three(p);  p.move_picture(kUp, {{105, 226}, {125, 246}}, {400, 175});  p.pause(200);
    times_two_thirds(p);  p.move_picture(kUp, {{400, 175}, {420, 195}}, {400, 305});
    p.pause(400);  p.say(23);
    p.move_picture(kUp, {{400, 305}, {420, 325}}, {105, 226});  p.pause(250);
    p.move_picture(kUp, {{105, 226}, {125, 246}}, {246, 60});  p.pause(200);
    same_as_before(p, 60, "2年生の問題と同じ");
}

// 4/5 m taken 2/3 times, answered 8/15 m.
void fraction_times_fraction(Page& p) {
    p.move_picture("\\pr.BMP", {{10, 10}, {30, 70}}, {100, 374});
    p.text({150, 390}, "─mのリボンの─は何mでしょう。", kRed);
    p.text({154, 380}, "4", kRed);  p.text({154, 400}, "5", kRed);
    p.text({258, 380}, "2", kRed);  p.text({258, 400}, "3", kRed);  p.pause(100);
    p.move_picture("\\pr.BMP", {{100, 374}, {140, 434}}, {400, 374});
    p.text({450, 390}, "─×─＝─　　答え ─m");
    p.text({454, 380}, "4   2   8          8");
    p.text({454, 400}, "5   3");  p.text({514, 400}, "15         15");  p.pause(500);
    p.move_picture("\\PF.BMP", {{400, 374}, {440, 434}}, {10, 10});  p.say(15);
    p.picture(kUp, {446, 420});  p.pause(550);  p.say(16);
    p.move_picture(kUp, {{446, 420}, {470, 440}}, {478, 420});  p.pause(200);
    p.move_picture(kUp, {{478, 420}, {502, 440}}, {514, 420});  p.pause(300);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 2, .band_right = 360,
            .title = "2年生の問題に直そう                 1ﾍﾟｰｼﾞ"});
    whole_then_fraction(p);
    divide_then_multiply(p);
    one_sentence(p);
    same_as_second_grade(p);
    fraction_times_fraction(p);
    p.end({500, 455});
}

}  // namespace units::word_problems
