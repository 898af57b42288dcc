// Explanation page 3, "分数わる整数": a fraction divided by a whole number.
// Paragraph 1 works 5/8 ÷ 9 through the reciprocal 1/9; paragraph 2 carries
// the whole number into the denominator (÷) or the numerator (×), states
// the rule and works two short examples.
#include "units/frac-divide/pages.h"
#include "units/frac-divide/storyboard.h"

namespace units::frac_divide {
namespace {

using frame::Close;
using frame::Erase;
using frame::Page;
using frame::PointF;

constexpr std::string_view kTitle = "分数わる整数                         3ﾍﾟｰｼﾞ";

// A division slid right as a copy whose "× n" then sinks into the
// denominator row (÷ n) or rises into the numerator row (× n), while the
// bar grows under the other number and carries it along.
struct Carry {
    Slide slide;
    int after_slide = 0;
    float direction = 1;            // 1: down into the denominators, -1: up
    std::string_view carried{};     // "× 9"
    PointF carry_clear_from{}, carry_clear_to{};
    int after_carry = 0;
    PointF row_clear_from{}, row_clear_to{};  // the other row
    int after_growth = 0;
};

constexpr Carry kByNine{
    .slide = {.at = {395, 60}, .written = "－ ÷ 9 ＝", .copy = "－ ÷ 9", .top = "5", .bottom = "8",
              .clear_from = {390, 50}, .clear_to = {550, 100}},
    .after_slide = 50, .direction = 1, .carried = "× 9",
    .carry_clear_from = {507, 50}, .carry_clear_to = {550, 100}, .after_carry = 50,
    .row_clear_from = {483, 50}, .row_clear_to = {550, 66}, .after_growth = 50};

constexpr Carry kTimesTwo{
    .slide = {.at = {95, 220}, .written = "－ × 2 ＝", .copy = "－ × 2", .top = "3", .bottom = "7",
              .clear_from = {50, 210}, .clear_to = {250, 280}},
    .after_slide = 100, .direction = -1, .carried = "× 2",
    .carry_clear_from = {207, 210}, .carry_clear_to = {280, 250},
    .row_clear_from = {187, 230}, .row_clear_to = {280, 250}, .after_growth = 100};

constexpr Carry kByTwo{
    .slide = {.at = {395, 220}, .written = "－ ÷ 2 ＝", .copy = "－ ÷ 2", .top = "3", .bottom = "7",
              .clear_from = {350, 210}, .clear_to = {550, 280}},
    .after_slide = 100, .direction = 1, .carried = "× 2",
    .carry_clear_from = {507, 220}, .carry_clear_to = {580, 250},
    .row_clear_from = {487, 210}, .row_clear_to = {580, 226}, .after_growth = 100};

void carry(Page& p, const Carry& e) {
    slide(p, e.slide);  p.pause(e.after_slide);
    const float x = copy_x(e.slide), y = e.slide.at.y;
    p.steps({.from = 1, .to = 5, .pause = 10, .erase = Erase::Box,
             .box_from = e.carry_clear_from, .box_to = e.carry_clear_to},
            [&](float i, int c) { p.text({x + 24, y + e.direction * 2 * i}, e.carried, c); });
    if (e.after_carry > 0) p.pause(e.after_carry);
    const bool down = e.direction > 0;
    const std::string_view other = down ? e.slide.top : e.slide.bottom;
    const float other_y = down ? y - 10 : y + 10;
    p.steps({.from = 1, .to = 5, .pause = 10, .erase = Erase::Box,
             .box_from = e.row_clear_from, .box_to = e.row_clear_to},
            [&](float i, int c) {
                p.line({x, y + 9}, {x + 13 * i, y + 9}, c);
                p.text({x + 4 + 4 * i, other_y}, other, c);
            });
    p.pause(e.after_growth);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 3, .band_right = 304, .title = kTitle});

    // Paragraph 1: 5/8 ÷ 9 = 5/8 ÷ 9/1 = 5/8 × 1/9 = 5/72.
    p.picture("\\MF.BMP", {310, 230});  p.picture("\\PF.BMP", {290, 230});
    p.fraction({95, 60}, {"－ ÷ 9 ＝", "5", "8"});  p.pause(200);
    p.narrate(7, Close::No);
    p.move_picture("\\ml.BMP", {{310, 230}, {330, 290}}, {250, 50});  p.pause(500);
    p.move_picture("\\MF.BMP", {{250, 50}, {290, 110}}, {310, 230});
    p.say(33, 550);  p.say(34, 200);
    p.fraction({183, 60}, {"－ ÷", "5", "8"});
    blink(p, 11, 15, {{{231, 60}, "－"}, {{235, 50}, "9"}, {{235, 70}, "1"}});  p.pause(350);
    p.say(35, 200);
    p.text({159, 110}, "＝ － ×");  p.text({187, 100}, "5");  p.text({187, 120}, "8");
    blink(p, 11, 15, {{{231, 110}, "－"}, {{235, 100}, "1"}, {{235, 120}, "9"}});  p.pause(250);
    p.say(36, 100);
    p.text({159, 160}, "＝ ─");  p.text({187, 150}, "5");  p.text({183, 170}, "72");  p.pause(500);

    // Paragraph 2: the whole number carried into the denominator, the rule,
    // 3/7 × 2 and 3/7 ÷ 2 carried, 2/3 ÷ 5 and 3/4 ÷ 6 worked at once.
    p.paragraph(2);
    p.say(37);
    p.text({290, 100}, "⇒", {3, 3}, 2);  p.pause(100);
    p.fraction({395, 60}, {"－ ÷ 9 ＝", "5", "8"});  p.pause(250);
    p.say(38);
    carry(p, kByNine);
    p.text({459, 110}, "＝ ─");
    blink(p, 13, 10, {{{483, 110}, "─"}, {{483, 120}, "72"}, {{487, 100}, "5"}});
    blink(p, 13, 10, {{{183, 160}, "─"}, {{183, 170}, "72"}, {{187, 150}, "5"}});
    p.box({50, 40}, {620, 188}, 2);  p.rule({383, 140}, "整数でわる時は分母にかける!");
    p.pause(450);

    p.say(39);
    p.fraction({95, 220}, {"－ × 2 ＝", "3", "7"});  p.pause(100);
    carry(p, kTimesTwo);
    p.text({159, 270}, "＝ ─");  p.text({187, 260}, "6");  p.text({187, 280}, "7");  p.pause(300);
    p.say(40);
    p.fraction({395, 220}, {"－ ÷ 2 ＝", "3", "7"});  p.pause(100);
    carry(p, kByTwo);
    p.text({459, 270}, "＝ ─");  p.text({487, 260}, "3");  p.text({483, 280}, "14");
    p.box({50, 192}, {620, 298}, 5);  p.pause(500);

    p.say(41);
    p.fraction({95, 330}, {"－ ÷ 5 ＝", "2", "3"});
    p.move_picture("\\pl.BMP", {{290, 230}, {310, 290}}, {250, 310});  p.pause(100);
    p.text({207, 320}, "2");  p.line({183, 339}, {243, 339}, 7);  p.text({187, 340}, "3 × 5");
    p.pause(100);
    p.move_picture("\\pl.BMP", {{250, 310}, {290, 370}}, {250, 360});
    p.text({159, 380}, "＝ ─");  p.text({187, 370}, "2");  p.text({183, 390}, "15");  p.pause(400);
    p.say(42);
    p.fraction({395, 330}, {"－ ÷ 6 ＝", "3", "4"});
    p.move_picture("\\pr.BMP", {{250, 360}, {290, 420}}, {350, 310});  p.pause(100);
    p.text({507, 320}, "3");  p.line({483, 339}, {543, 339}, 7);  p.text({487, 340}, "4 × 6");
    p.pause(400);
    p.move_picture("\\PF.BMP", {{350, 310}, {390, 370}}, {290, 230});
    p.say(6);
    p.move_picture("\\mr.BMP", {{310, 230}, {330, 290}}, {350, 310});
    blink(p, 11, 10, {{{507, 320}, "3"}, {{527, 340}, "6"}});  p.pause(50);
    {
        const frame::Scoped small = p.font_size(12);
        p.line({505, 320}, {517, 335}, 7);  p.text({517, 310}, "1");
        p.line({525, 340}, {537, 355}, 7);  p.text({537, 355}, "2");
    }
    p.pause(100);
    p.move_picture("\\mr.BMP", {{350, 310}, {390, 370}}, {350, 360});
    p.text({459, 380}, "＝ ─");  p.text({487, 370}, "1");  p.text({487, 390}, "8");  p.pause(300);
    p.close_narration(2);

    p.end({520, 380});
}

}  // namespace units::frac_divide
