// Explanation page 1, "分数かける分数": paragraph 1 multiplies numerators
// and denominators (3/5 × 2/7, 4/9 × 2/5, 5/9 × 6/7 reduced to 10/21),
// paragraph 2 turns 2 3/4 into 11/4 and cancels before multiplying by 2/5,
// paragraph 3 cancels across 3/4 × 2/5 × 5/9; paragraph 4 draws nothing.
#include "units/frac-multiply/pages.h"

namespace units::frac_multiply {
namespace {

using frame::Cancel;
using frame::Close;
using frame::Fraction;
using frame::Narration;
using frame::Page;
using frame::PointF;

// A digit above and a digit below the long bar of 3 × 2 × 5 over 4 × 5 × 9
// blinked, struck through and reduced, and what is said after it.
struct CancelPass {
    std::string_view top;
    PointF top_at;
    std::string_view bottom;
    PointF bottom_at;
    Cancel top_mark, bottom_mark;
    int said = 0;
    int pause_after = 0;
    int then_said = 0;  // 0: none
};

const CancelPass kCancelPasses[] = {
    {"3", {471, 260}, "9", {551, 280},
     {{469, 260}, {481, 275}, "1", {479, 250}}, {{549, 280}, {561, 295}, "3", {561, 295}}, 23},
    {"2", {511, 260}, "4", {471, 280},
     {{509, 260}, {521, 275}, "1", {519, 250}}, {{469, 280}, {481, 295}, "2", {481, 295}}, 24},
    {"5", {551, 260}, "5", {511, 280},
     {{549, 260}, {561, 275}, "1", {559, 250}}, {{509, 280}, {521, 295}, "1", {521, 295}}, 25,
     400, 26},
};

void cancel_pass(Page& p, const CancelPass& c) {
    p.blink(1, 11, [&](int colour) {
        p.text(c.top_at, c.top, colour);  p.text(c.bottom_at, c.bottom, colour);
    });
    p.pause(100);
    p.cancel({c.top_mark});  p.cancel({c.bottom_mark});  p.pause(400);
    p.say(c.said, c.pause_after);
    if (c.then_said > 0) p.say(c.then_said);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 4, .band_right = 320,
            .title = "分数かける分数                       1ﾍﾟｰｼﾞ"});

    // Paragraph 1: numerators times numerators, denominators times denominators.
    p.picture("\\MF.BMP", {260, 200});  p.picture("\\PF.BMP", {240, 200});
    p.fraction({23, 60}, {"－ × －", "3     2", "5     7"});  p.pause(200);
    p.narrate(1, Close::No, Narration::Background, 400);  p.say(2, 200);
    p.blink(0, 11, [&](int c) { p.text({27, 70}, "5     7", c); }, 7, 10);
    p.blink(0, 11, [&](int c) { p.text({27, 50}, "3     2", c); }, 7, 10);
    p.text({95, 60}, "＝");  p.line({119, 67}, {179, 67}, 7);
    p.blink(0, 11, [&](int c) { p.fraction({119, 60}, {.top = "3 × 2", .bottom = "5 × 7"}, c); },
            7, 10);
    p.pause(200);
    p.say(3);
    p.text({95, 110}, "＝ ─");
    p.blink(1, 9, [&](int c) { p.text({123, 70}, "5 × 7", c); }, 7, 10);
    p.text({119, 120}, "35");  p.pause(100);
    p.blink(1, 9, [&](int c) { p.text({123, 50}, "3 × 2", c); }, 7, 10);
    p.text({123, 100}, "6");  p.pause(400);
    p.say(4, 300);  p.say(5);

    p.fraction({23, 170}, {"－ × － ＝", "4     2", "9     5"});
    p.move_picture("\\pl.BMP", {{240, 200}, {260, 260}}, {203, 160});  p.pause(100);
    p.fraction({119, 170}, {.top = "4 × 2", .bottom = "9 × 5", .bar = 60});  p.pause(100);
    p.move_picture("\\pl.BMP", {{203, 160}, {240, 220}}, {203, 210});
    p.text({95, 220}, "＝ ─");  p.text({119, 230}, "45");  p.text({123, 210}, "8");  p.pause(700);
    p.say(5);

    p.fraction({23, 280}, {"－ × － ＝", "5     6", "9     7"});
    p.move_picture("\\pl.BMP", {{203, 210}, {240, 270}}, {203, 270});  p.pause(100);
    p.fraction({119, 280}, {.top = "5 × 6", .bottom = "9 × 7", .bar = 60});  p.pause(100);
    p.move_picture("\\pl.BMP", {{203, 270}, {240, 330}}, {203, 320});
    p.fraction({95, 330}, {"＝ ─", "30", "63", {24, -10}, {24, 10}});  p.pause(650);
    p.move_picture("\\PF.BMP", {{203, 320}, {240, 380}}, {240, 200});  p.say(6);
    p.move_picture("\\ml.BMP", {{260, 200}, {280, 260}}, {203, 320});  p.pause(100);
    p.cancel({{{117, 321}, {134, 335}, "10", {134, 315}}});
    p.cancel({{{117, 341}, {134, 355}, "21", {134, 355}}});
    p.pause(200);
    p.move_picture("\\ml.BMP", {{203, 320}, {340, 380}}, {203, 370});
    p.fraction({95, 380}, {"＝ ─", "10", "21", {24, -10}, {24, 10}});  p.pause(300);

    // Paragraph 2: a mixed number made improper, cancelled, then multiplied.
    p.paragraph(2);
    p.say(7);
    const Fraction mixed{"2－ × －", "3     2", "4     5", {12, -10}, {12, 10}};
    const Fraction mixed_standing{"2－ × － ＝", "3     2", "4     5", {12, -10}, {12, 10}};
    p.fraction({315, 60}, mixed_standing);
    p.move_picture("\\mr.BMP", {{203, 370}, {243, 430}}, {270, 50});  p.pause(550);
    p.say(8, 500);  p.say(9);
    p.steps({.from = 1, .to = 12, .pause = 5, .erase = frame::Erase::Box,
             .box_from = {300, 50}, .box_to = {510, 90}},
            [&](float i, int c) {
                p.fraction({315, 60}, mixed_standing);  p.fraction({315 + 8 * i, 60}, mixed, c);
            });
    p.blink(1, 16, [&](int c) { p.fraction({411, 60}, {"2－", "3", "4", {12, -10}, {12, 10}}, c); });
    p.fraction({419, 60}, {"─", "11", "4", {0, -10}, {4, 10}});  p.pause(400);
    p.say(10, 200);
    p.move_picture("\\mr.BMP", {{270, 50}, {305, 110}}, {320, 100});
    p.text({395, 110}, "＝");
    p.fraction({419, 110}, {.top = "11 × 2", .bottom = "4 × 5", .bar = 60});  p.pause(450);
    p.say(11, 600);  p.say(12);
    p.blink(1, 11, [&](int c) { p.text({471, 100}, "2", c);  p.text({423, 120}, "4", c); }, 7, 20);
    p.cancel({{{469, 100}, {480, 115}, "1", {478, 90}}});
    p.cancel({{{421, 120}, {432, 135}, "2", {432, 135}}});
    p.pause(400);
    p.say(13);
    p.move_picture("\\mr.BMP", {{320, 100}, {360, 160}}, {320, 150});
    p.text({395, 160}, "＝ ─");  p.pause(100);
    p.blink(1, 11, [&](int c) {
        {
            const frame::Scoped small = p.font_size(12);
            p.text({432, 135}, "2", c);
        }
        p.text({439, 120}, "× 5", c);
    }, 7, 10);
    p.text({419, 170}, "10");  p.pause(100);  p.text({419, 150}, "11");  p.pause(350);
    p.say(14, 300);
    p.move_picture("\\mr.BMP", {{320, 150}, {360, 210}}, {320, 200});
    p.fraction({395, 210}, {"＝ 1─", "1", "10", {36, -10}, {32, 10}});  p.pause(550);

    // Paragraph 3: three fractions, cancelled pair by pair.
    p.paragraph(3);
    p.say(7);
    p.move_picture("\\mr.BMP", {{320, 200}, {360, 260}}, {270, 250});
    p.fraction({323, 270}, {"－ × － × － ＝", "3     2     5", "4     5     9"});  p.pause(450);
    p.move_picture("\\MF.BMP", {{270, 250}, {310, 310}}, {260, 200});  p.say(5);
    p.move_picture("\\pr.BMP", {{240, 200}, {260, 260}}, {250, 270});  p.pause(100);
    p.fraction({467, 270}, {.top = "3 × 2 × 5", .bottom = "4 × 5 × 9", .bar = 100});
    p.pause(450);
    p.move_picture("\\PF.BMP", {{250, 270}, {290, 330}}, {240, 200});  p.say(6);
    for (const CancelPass& pass : kCancelPasses) cancel_pass(p, pass);
    p.text({443, 320}, "＝ ─");  p.text({471, 330}, "6");  p.text({471, 310}, "1");  p.pause(500);
    p.close_narration(3);

    p.end({500, 350});
}

}  // namespace units::frac_multiply
