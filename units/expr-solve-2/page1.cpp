// Explanation page 1: the letter in (1) letter ＋ 83 ＝ 159 and
// (2) letter － 56 ＝ 110, found by carrying the number over the "＝" and
// turning its sign.  Paragraph 1 solves (1), paragraph 2 solves (2), states
// the rule and replays both moves in the row of the equations.
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {

using frame::Close;
using frame::Narration;

void draw_page1(frame::Page& p) {
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

    p.picture("右指.BMP", {75, 140});
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.text({95, 140 + d}, "       ＋ 83", c);  p.text({204, 140 + d}, "＝", c);
        p.text({231, 140 + d}, "159", c);  p.mark({137, 150 + d}, c);
    });
    p.text({95, 140}, "       ＋ 83");  p.text({231, 140}, "159");  p.mark({137, 150});
    p.fill_box({75, 140}, {95, 160}, 0);  p.pause(250);  p.narrate(2);

    p.blink(0, 11, [&](int c) { p.mark({137, 200}, c); });  p.pause(100);
    p.blink(0, 11, [&](int c) { p.text({151, 190}, "＋ 83", c); });
    p.move(0, 16, 4, [&](float d, int c) { p.text({151, 190 - d}, "＋ 83", c); });
    p.move(0, 48, 4, [&](float d, int c) { p.text({151 + d, 170}, "＋ 83", c); });
    p.pause(200);  p.narrate(3);
    p.blink(0, 8, [&](int c) { p.text({203, 170}, "＋", c); });
    p.blink(1, 9, [&](int c) { p.text({203, 170}, "－", c); });
    p.pause(550);  p.narrate(4);
    p.move(0, 60, 4, [&](float d, int c) { p.text({203 + d, 170}, "－ 83", c); });
    p.move(0, 16, 4, [&](float d, int c) {
        p.text({267, 170 + d}, "－ 83", c);  p.mark({137 + d, 200}, c);
    });
    p.pause(400);
    p.mark({157, 250});  p.text({204, 240}, "＝   76");  p.pause(500);

    // Paragraph 2: letter － 56 ＝ 110, the rule, and the replay.
    p.paragraph(2);
    p.narrate(5);
    p.picture("右指.BMP", {315, 140});
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.text({380, 140 + d}, "       － 56", c);  p.text({489, 140 + d}, "＝", c);
        p.text({516, 140 + d}, "110", c);  p.mark({422, 150 + d}, c);
    });
    p.text({380, 140}, "       － 56");  p.text({516, 140}, "110");  p.mark({422, 150});
    p.fill_box({315, 140}, {335, 160}, 0);  p.pause(200);  p.narrate(6);

    p.blink(0, 11, [&](int c) { p.mark({422, 200}, c); });  p.pause(100);
    p.blink(0, 11, [&](int c) { p.text({436, 190}, "－ 56", c); });
    p.move(0, 16, 4, [&](float d, int c) { p.text({436, 190 - d}, "－ 56", c); });
    p.move(0, 48, 4, [&](float d, int c) { p.text({436 + d, 170}, "－ 56", c); });
    p.pause(200);  p.narrate(7);
    p.blink(0, 8, [&](int c) { p.text({488, 170}, "－", c); });
    p.blink(1, 9, [&](int c) { p.text({488, 170}, "＋", c); });
    p.move(0, 60, 4, [&](float d, int c) { p.text({488 + d, 170}, "＋ 56", c); });
    p.move(0, 16, 4, [&](float d, int c) {
        p.text({552, 170 + d}, "＋ 56", c);  p.mark({422 + d, 200}, c);
    });
    p.pause(300);  p.narrate(8, Close::Yes, Narration::Background, 300);
    p.mark({442, 250});  p.text({489, 240}, "＝   166");  p.pause(500);

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
