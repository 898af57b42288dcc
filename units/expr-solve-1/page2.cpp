// Explanation page 2: the short way.  A number carried across the "＝" (the
// balance's post) turns × into ÷ and ÷ into ×.  Paragraph 1 carries "× 64"
// of page 1 across, paragraph 2 "÷ 36"; paragraphs 3 and 4 solve
// (3) letter × 28 ＝ 392 and (4) 9 ＝ letter ÷ 53 that way and end with the
// rule.  Paragraph 5 is the finished page.
#include <string_view>

#include "frame/carry.h"
#include "units/expr-solve-1/pages.h"

namespace units::expr_solve_1 {
namespace {

using frame::Carry;
using frame::Close;
using frame::Narration;
using frame::Page;

// "× 64" of (1) carried over, in red: first the whole way without turning
// its sign, then as it should be.
constexpr Carry kUnturned64{.term = "× 64", .from = {151, 140}, .over = 112, .turned = "× 64",
                            .on = 0, .colour = 2};
constexpr Carry kTimes64{.term = "× 64", .from = {151, 140}, .sign = "×", .turned_sign = "÷",
                         .last_blink = 12, .turned = "÷ 64", .colour = 2};
// "÷ 36" of (2), in red.
constexpr Carry kDivided36{.term = "÷ 36", .from = {436, 140}, .sign = "÷", .turned_sign = "×",
                           .last_blink = 12, .turned = "× 36", .on = 44, .colour = 2};
// (3) and (4) solved: "× 28" carried to the right, "÷ 53" to the left.
constexpr Carry kTimes28{.term = "× 28", .from = {151, 190}, .sign = "×", .turned_sign = "÷",
                         .turned = "÷ 28"};
constexpr Carry kDivided53{.term = "÷ 53", .from = {540, 190}, .over = -48, .sign = "÷",
                           .turned_sign = "×", .turned = "× 53", .on = -40};

}  // namespace

void draw_page2(Page& p) {
    p.open({.paragraphs = 5, .band_right = 305,
            .title = "  を求める 2                         2ﾍﾟｰｼﾞ", .title_mark = {{205, 12}}});

    // Paragraph 1: the two results of page 1; "× 64" carried across.
    p.picture("\\MF.BMP", {20, 200});
    p.picture("\\PF.BMP", {40, 200});
    p.text({80, 70}, "次の  を求めましょう｡");  p.mark({116, 80});
    p.text({95, 140}, "(1)    × 64");  p.text({204, 140}, "＝");  p.text({231, 140}, "512");
    p.mark({137, 150});
    p.mark({155, 200});  p.text({204, 190}, "＝");  p.text({236, 190}, "512 ÷ 64");
    p.mark({155, 250});  p.text({204, 240}, "＝");  p.text({256, 240}, "8");
    p.text({380, 140}, "(2)    ÷ 36");  p.text({489, 140}, "＝");  p.text({516, 140}, "5");
    p.mark({422, 150});
    p.mark({440, 200});  p.text({489, 190}, "＝");  p.text({516, 190}, "5 × 36");
    p.mark({440, 250});  p.text({489, 240}, "＝");  p.text({541, 240}, "180");
    p.pause(200);
    p.narrate(25, Close::No, Narration::Background, 800);
    p.narrate(26);
    p.picture("上指.BMP", {280, 215});
    p.blink(0, 11, [&](int c) { p.text({268, 190}, "÷ 64", c); }, 2);  p.pause(80);
    p.move_picture("上指.BMP", {{280, 215}, {296, 235}}, {163, 165});
    p.blink(0, 11, [&](int c) { p.text({151, 140}, "× 64", c); }, 2);
    p.fill_box({163, 165}, {183, 185}, 0);
    frame::lift_over(p, kUnturned64);
    frame::set_down(p, kUnturned64);
    p.pause(200);
    p.text({267, 140}, "× 64", 0);  p.text({151, 140}, "× 64", 2);
    p.say(27, 200);
    frame::lift_over(p, kTimes64);
    frame::turn_sign(p, kTimes64);
    frame::set_down(p, kTimes64);
    p.pause(350);
    p.text({267, 140}, "÷ 64", 0);  p.text({151, 140}, "× 64", 2);

    // Paragraph 2: "÷ 36" carried across.
    p.paragraph(2);
    p.say(28, 350);
    p.narrate(29);
    p.blink(0, 11, [&](int c) { p.mark({422, 150}, c); });  p.pause(200);
    p.narrate(30);
    p.blink(0, 21, [&](int c) { p.text({436, 140}, "÷ 36", c); }, 2);  p.pause(200);
    p.say(31, 100);
    frame::lift_over(p, kDivided36);
    p.narrate(32);
    frame::turn_sign(p, kDivided36);
    frame::set_down(p, kDivided36);
    p.pause(100);
    p.text({532, 190}, "× 36", 2);  p.pause(200);
    p.text({536, 140}, "× 36", 0);  p.text({436, 140}, "÷ 36", 2);  p.pause(250);
    p.fill_box({60, 30}, {630, 380}, 0);

    // Paragraph 3: (3) letter × 28 ＝ 392, "× 28" carried to the right.
    p.paragraph(3);
    p.text({80, 70}, "次の  を求めましょう｡");  p.mark({116, 80});
    p.text({95, 140}, "(3)    × 28");  p.text({204, 140}, "＝");  p.text({231, 140}, "392");
    p.mark({137, 150});
    p.text({380, 140}, "(4)      9");  p.text({489, 140}, "＝");  p.text({516, 140}, "   ÷ 53");
    p.mark({521, 150});
    p.pause(300);
    p.narrate(33);
    p.picture("右指.BMP", {75, 140});
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.text({95, 140 + d}, "       × 28", c);  p.text({204, 140 + d}, "＝", c);
        p.text({231, 140 + d}, "392", c);  p.mark({137, 150 + d}, c);
    });
    p.mark({137, 150});  p.text({95, 140}, "       × 28");  p.text({231, 140}, "392");
    p.fill_box({75, 140}, {95, 160}, 0);  p.pause(250);
    p.narrate(29);
    p.blink(0, 11, [&](int c) { p.mark({137, 200}, c); });  p.pause(200);
    p.narrate(35);
    p.blink(0, 11, [&](int c) { p.text({151, 190}, "× 28", c); });
    frame::lift_over(p, kTimes28);  p.pause(200);
    p.narrate(36);
    frame::turn_sign(p, kTimes28);
    frame::set_down(p, kTimes28, [&](float d, int c) { p.mark({137 + d, 200}, c); });
    p.mark({157, 250});  p.text({204, 240}, "＝   14");  p.pause(500);

    // Paragraph 4: (4) 9 ＝ letter ÷ 53, "÷ 53" carried to the left; the rule.
    p.paragraph(4);
    p.close_narration(4);
    p.narrate(33);
    p.picture("右指.BMP", {360, 140});
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.text({452, 140 + d}, "9", c);  p.text({489, 140 + d}, "＝", c);
        p.text({516, 140 + d}, "   ÷ 53", c);  p.mark({521, 150 + d}, c);
    });
    p.mark({521, 150});  p.text({452, 140}, "9");  p.text({516, 140}, "   ÷ 53");
    p.pause(150);  p.fill_box({360, 140}, {380, 160}, 0);
    p.narrate(29);
    p.blink(0, 11, [&](int c) { p.mark({521, 200}, c); });  p.pause(200);
    p.narrate(38);
    p.blink(0, 11, [&](int c) { p.text({540, 190}, "÷ 53", c); });
    frame::lift_over(p, kDivided53);  p.pause(200);
    p.narrate(39);
    frame::turn_sign(p, kDivided53);
    frame::set_down(p, kDivided53, [&](float d, int c) { p.text({452 - d, 190}, "9", c); });
    p.mark({521, 250});  p.text({449, 240}, "477  ＝");  p.pause(250);
    p.rule({0, 300}, "数字は支点をまたいで左から右へ 右から左へ移動する時に ×は÷に ÷は×に変わる｡");
    p.pause(150);
    p.close_narration(4);

    p.end({380, 350});
}

}  // namespace units::expr_solve_1
