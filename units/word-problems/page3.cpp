// Explanation page 3, "3年生の問題に直そう": an iron bar 5/8 m long weighs
// 6 kg; read first as 3 m weighing 6 kg (6 ÷ 3 = 2 kg), then with 5/8 in
// the place of 3 (6 ÷ 5/8 = 9 3/5 kg); both stand as one sentence with an
// empty box beside balances; then 1/3 kg for 5/8 m (1/3 ÷ 5/8 = 8/15 kg),
// the weight boxed too.  The whole page is one paragraph.
#include "units/word-problems/pages.h"

namespace units::word_problems {
namespace {

using frame::Close;
using frame::Page;

constexpr std::string_view kLevel = "6         6";

// The hand under an expression, from its right end to its left and back,
// with what is said at each end.
struct Sweep {
    float y = 0;
    float right = 0, middle = 0, left = 0;
    float middle_width = 20;  // of the box that takes the hand away in the middle
    int said_left = 0, said_right = 0;
};

const Sweep kSweeps[] = {
    {.y = 70, .right = 491, .middle = 466, .left = 442, .middle_width = 17,
     .said_left = 39, .said_right = 40},
    {.y = 370, .right = 503, .middle = 471, .left = 442, .said_left = 41, .said_right = 42},
};

void sweep(Page& p, const Sweep& s) {
    const auto hand = [&](float from, float width, float to) {
        p.move_picture(kUp, {{from, s.y}, {from + width, s.y + 20}}, {to, s.y});
    };
    p.pause(200);
    hand(s.right, 20, s.middle);  p.pause(80);
    hand(s.middle, s.middle_width, s.left);  p.pause(500);  p.say(s.said_left, 200);
    hand(s.left, 20, s.middle);  p.pause(150);
    hand(s.middle, s.middle_width, s.right);  p.pause(700);  p.say(s.said_right);
}

// The balance divided by 3 (left pan down) and by 5/8 (right pan down),
// each with the hand pointing at it.
void divided_by_three(Page& p) {
    p.picture("天秤2.BMP", {300, 86});
    p.picture(kUp, {400, 145});
    p.text({320, 162}, "6");
    p.text({390, 122}, "6÷3");
}

void divided_by_five_eighths(Page& p) {
    p.picture(kUp, {400, 342});
    p.picture("天秤3.BMP", {300, 226});
    p.text({320, 262}, "6");
    p.text({390, 312}, "6÷─");
    p.text({418, 302}, "5");
    p.text({418, 322}, "8");
}

void both_boxes(Page& p) {
    p.picture(kDown, {7, 155});
    p.picture(kDown, {55, 155});
}

// 5/8 m weighing 6 kg, read as 3 m, answered 2 kg; then 6 ÷ 5/8.
void whole_then_fraction(Page& p) {
    p.picture("\\MF.BMP", {50, 10});  p.picture("\\PF.BMP", {10, 10});
    p.text({150, 340}, "─mが6kgの鉄のぼうがあります。", kRed);
    p.text({150, 370}, "このぼう1mの重さは何kgでしょう。", kRed);
    p.text({154, 330}, "5", kRed);  p.text({154, 350}, "8", kRed);  p.pause(100);
    p.move_picture("\\mr.BMP", {{50, 10}, {70, 70}}, {100, 324});
    p.narrate(1, Close::No, frame::Narration::Background, 600);  p.say(17, 400);  p.say(18);
    p.text({150, 40}, "3mが6kgの鉄のぼうがあります。", kRed);
    p.text({150, 60}, "このぼう1mの重さは何kgでしょう。", kRed);
    p.move_picture("\\mr.BMP", {{100, 324}, {140, 384}}, {100, 24});  p.pause(600);
    p.move_picture("\\MF.BMP", {{100, 24}, {135, 84}}, {50, 10});  p.say(19);
    p.move_picture("\\pr.BMP", {{10, 10}, {30, 70}}, {400, 24});
    p.text({450, 40}, "6÷3＝2　　答え 2kg");  p.pause(800);
    p.move_picture("\\PF.BMP", {{400, 24}, {440, 84}}, {10, 10});  p.say(4, 100);  p.say(6);

    p.text({32, 180}, "mが 6kgの鉄のぼうがあります。", kRed);
    p.text({3, 210}, "このぼう1mの重さは何kgでしょう。", kRed);
    p.box({3, 175}, {30, 210}, kRed);
    p.picture(kDown, {7, 155});
    p.arc({140, 230}, 60, kGreen, 0.25f, 0.5f, 2);
    p.polyline({{75, 235}, {80, 230}, {85, 235}}, kGreen);  p.pause(650);  p.say(7);
    erase(p, {7, 155}, {23, 172});
    p.arc({140, 180}, 60, kGreen, 0.5f, 0.75f, 2);
    p.polyline({{135, 55}, {140, 60}, {135, 65}}, kGreen);
    p.move_picture("\\mr.BMP", {{50, 10}, {80, 70}}, {400, 324});
    p.text({450, 340}, "6÷─＝─　　答え 9─kg");
    p.text({478, 330}, "5   48          3");
    p.text({478, 350}, "8   5           5");  p.pause(700);
    p.move_picture("\\MF.BMP", {{400, 324}, {440, 384}}, {50, 10});  p.say(20);
    p.picture(kUp, {490, 60});  p.pause(550);  p.say(21);
    p.move_picture(kUp, {{490, 60}, {510, 80}}, {490, 370});  p.pause(500);  p.say(31);
}

// 3, then 5/8, in the box, and the balances they tip.
void into_the_box(Page& p) {
    p.move_picture(kDown, {{490, 370}, {510, 390}}, {7, 155});
    p.text({13, 180}, "3");  level_balance(p, 102, kLevel);  p.pause(250);
    erase(p, {7, 155}, {25, 172});  divided_by_three(p);  p.pause(430);  p.say(32);
    p.text({13, 180}, "3", 0);
    p.move_picture(kDown, {{400, 145}, {420, 165}}, {7, 155});
    p.text({10, 184}, "─");  p.text({14, 176}, "5");  p.text({14, 192}, "8");
    level_balance(p, 242, kLevel);  p.pause(250);
    erase(p, {7, 155}, {23, 172});  divided_by_five_eighths(p);  p.pause(450);  p.say(33);
    p.move_picture(kDown, {{400, 342}, {430, 362}}, {160, 315});  p.pause(550);  p.say(34);
    p.move_picture(kDown, {{160, 315}, {180, 335}}, {580, 315});  p.pause(600);  p.say(12);
    p.fill_box({3, 175}, {30, 210}, kRed, 0);
    p.move_picture(kDown, {{580, 315}, {600, 335}}, {7, 155});  p.pause(500);  p.say(13);
}

// The balances again from level, then the rule: set it up as in 3rd grade.
void same_as_third_grade(Page& p) {
    erase(p, {300, 80}, {510, 190});  level_balance(p, 102, kLevel);
    erase(p, {300, 210}, {510, 330});  p.text({418, 322}, "8", 0);
    level_balance(p, 242, kLevel);  p.pause(250);
    erase(p, {7, 155}, {25, 172});  divided_by_three(p);  p.pause(100);
    erase(p, {400, 145}, {420, 165});  divided_by_five_eighths(p);  p.pause(450);  p.say(23);
    p.move_picture(kDown, {{400, 342}, {420, 362}}, {7, 155});  p.pause(250);
    p.move_picture(kUp, {{7, 155}, {25, 172}}, {246, 80});  p.pause(200);
    same_as_before(p, 80, "3年生の問題と同じ");
}

// 1/3 kg for 5/8 m, answered 8/15 kg; the hand reads both divisions, and
// the weight of the sentence gets its box too.
void fraction_divided_by_fraction(Page& p) {
    p.move_picture("\\pr.BMP", {{10, 10}, {30, 70}}, {100, 394});
    p.text({150, 410}, "─mが─kgの鉄のぼうがあります。", kRed);
    p.text({150, 440}, "このぼう1mの重さは何kgでしょう。", kRed);
    p.text({154, 400}, "5    1", kRed);  p.text({154, 420}, "8    3", kRed);  p.pause(100);
    p.move_picture("\\pr.BMP", {{100, 394}, {140, 454}}, {400, 394});
    p.text({450, 410}, "─÷─＝─ 　 答え ─kg");
    p.text({454, 400}, "1   5   8          8");
    p.text({454, 420}, "3   8");  p.text({514, 420}, "15         15");  p.pause(500);
    p.move_picture("\\PF.BMP", {{400, 394}, {440, 454}}, {10, 10});  p.say(38);

    p.picture(kUp, {491, 70});
    sweep(p, kSweeps[0]);
    p.move_picture(kUp, {{491, 70}, {511, 90}}, {503, 370});
    sweep(p, kSweeps[1]);

    erase(p, {503, 370}, {515, 390});
    p.fill_box({57, 175}, {72, 210}, kRed, 0);
    both_boxes(p);  p.pause(600);  p.say(43);
    p.move_picture(kUp, {{7, 155}, {76, 172}}, {250, 80});  p.pause(700);  p.say(35);
    p.move_picture(kUp, {{250, 80}, {270, 100}}, {250, 465});  p.pause(600);  p.say(36);
    p.arc({140, 230}, 60, kGreen, 0.25f, 0.5f, 3);
    erase(p, {250, 465}, {270, 485});
    both_boxes(p);
    p.fill_box({3, 175}, {30, 210}, kRed, 0);
    p.fill_box({57, 175}, {72, 210}, kRed, 0);  p.pause(500);  p.say(37);
    p.move_picture(kUp, {{7, 155}, {76, 172}}, {250, 80});  p.pause(400);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 2, .band_right = 360,
            .title = "3年生の問題に直そう                 3ﾍﾟｰｼﾞ"});
    whole_then_fraction(p);
    into_the_box(p);
    same_as_third_grade(p);
    fraction_divided_by_fraction(p);
    p.end({500, 455});
}

}  // namespace units::word_problems
