// Explanation page 3, "分数や小数の計算": 0.25 × 6 1/8 － 1 worked with the
// decimal made a fraction (1/4), the mixed number made improper (49/8), the
// product first and 1 written as 32/32 (17/32); then the four rules of
// calculation in a blue panel.  Paragraph 3 only closes the page.
#include <vector>

#include "units/frac-decimal/fraction_rows.h"
#include "units/frac-decimal/pages.h"

namespace units::frac_decimal {
namespace {

using frame::Close;
using frame::Page;
using frame::PointF;

void blink_text(Page& p, PointF at, std::string_view text, int n, int pause_length) {
    p.blink(1, n, [&](int c) { p.text(at, text, c); }, 7, pause_length);
}

void blink_fraction(Page& p, const FractionRow& row, int n, int pause_length) {
    p.blink(1, n, [&](int c) { draw_fraction_row(p, row, c); }, 7, pause_length);
}

// Paragraph 1: 0.25 × 6 1/8 － 1 ＝ 1/4 × 49/8 － 1 ＝ 49/32 － 32/32 ＝ 17/32.
void decimal_and_fraction(Page& p) {
    p.picture("\\MF.BMP", {260, 200});
    p.picture("\\PF.BMP", {240, 200});
    draw_fraction_row(p, {{23, 60}, "0.25 × 6─ － 1", 99, "1", "8"});
    p.pause(200);  p.narrate(1, Close::No);

    p.move_picture("\\ml.BMP", {{260, 200}, {280, 260}}, {160, 50});  p.pause(300);
    p.move_picture("\\MF.BMP", {{160, 50}, {200, 110}}, {260, 200});
    p.narrate(18);  p.pause(500);  p.narrate(19);  p.pause(700);  p.narrate(20);  p.pause(100);

    // 0.25 becomes 25/100, cancelled to 1/4.
    blink_text(p, {23, 60}, "0.25", 11, 20);
    p.text({159, 60}, "＝");
    p.text({183, 60}, "─", {2, 1});
    p.text({192, 50}, "25");  p.text({187, 70}, "100");
    p.cancel({{{190, 50}, {210, 65}, "1", {200, 40}}, {{185, 70}, {213, 85}, "4", {195, 86}}});
    p.pause(200);  p.narrate(21);

    // 6 1/8 becomes 49/8.
    blink_fraction(p, {{87, 60}, "6─", 99, "1", "8"}, 11, 20);
    p.fraction({223, 60}, {.bars = "× ─", .top = "49", .bottom = "8", .top_at = {24, -10},
                           .bottom_at = {28, 10}});
    p.pause(100);  p.text({271, 60}, "－ 1");  p.pause(350);  p.narrate(22);

    // The product first, then 1 as 32/32.
    blink_text(p, {223, 60}, "×", 9, 15);
    p.text({159, 110}, "＝");
    blink_fraction(p, {{183, 110}, "─", 183, "49", "32"}, 9, 15);
    p.text({207, 110}, "－ 1");  p.pause(450);  p.narrate(23);
    blink_text(p, {231, 110}, "1", 9, 15);
    draw_fraction_row(p, {{159, 160}, "＝ ─ －", 183, "49", "32"});
    blink_fraction(p, {{231, 160}, "─", 231, "32", "32"}, 11, 15);
    p.pause(300);  p.narrate(6);

    draw_fraction_row(p, {{159, 210}, "＝ ─", 183, "17", "32"});
    p.pause(400);  p.narrate(7);  p.pause(80);  p.narrate(24);  p.pause(200);
}

// One of the four rules in the panel: its lines, the pause, the narration
// that follows (0: none).
struct Rule {
    std::vector<std::pair<PointF, std::string_view>> lines;
    int pause = 500;
    int narration = 0;
};

const Rule kRules[] = {
    {{{{370, 90}, "(1)小数は分数にかえて計算する"}}, 500, 27},
    {{{{370, 120}, "(2)帯分数は仮分数にかえて計算する"}}, 500, 28},
    {{{{370, 150}, "(3)かけ算やわり算は足し算や引き算"}, {{394, 180}, "よりも先に計算する"}}, 600, 29},
    {{{{370, 210}, "(4)かっこがあればかっこの中から先"}, {{394, 240}, "に計算する"}}, 500, 0},
};

// Paragraph 2: the four basic rules of calculation.
void four_rules(Page& p) {
    p.narrate(25);  p.pause(100);
    p.fill_box({420, 58}, {570, 80}, 6);
    p.text({430, 60}, "計算の4つの基本", 0);
    p.fill_box({360, 80}, {640, 270}, 1);
    p.pause(150);  p.narrate(26);
    for (const Rule& rule : kRules) {
        for (const auto& [at, line] : rule.lines) p.text(at, line);
        p.pause(rule.pause);
        if (rule.narration > 0) p.narrate(rule.narration);
    }
    p.narrate(30);  p.pause(200);
    p.narrate(31);  p.pause(500);
    p.narrate(32);  p.pause(500);
    p.narrate(33);  p.pause(400);
    p.text({475, 272}, "↑", 2);
    p.text({435, 292}, "忘れないでね!", 2);
    p.pause(200);  p.close_narration(2);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 3, .band_right = 336,
            .title = "分数や小数の計算                     3ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});
    decimal_and_fraction(p);
    p.paragraph(2);
    four_rules(p);
    p.end({400, 360});
}

}  // namespace units::frac_decimal
