// Explanation page 3, "分数かける整数": paragraph 1 lifts the whole number of
// 2/7 × 3 into the numerator, shows the same with 3 written as 3/1 and
// "× 1" struck, and lifts the 4 of 2/9 × 4; paragraph 2 cancels in
// 2 × 3/8; paragraph 3 draws nothing.
#include "units/frac-multiply/pages.h"

namespace units::frac_multiply {
namespace {

using frame::Close;
using frame::Erase;
using frame::Fraction;
using frame::Narration;
using frame::Page;

// A fraction times a whole number, worked in the row of its bars: the group
// copied right, the factor lifted beside the numerator, the bar grown under
// the longer numerator with the denominator under its middle.
struct TimesWhole {
    float y = 0;                    // the row of the bars
    Fraction group;                 // "－ × 3" over "2" and under "7"
    Fraction standing;              // the group with "＝" after it
    std::string_view factor;        // "× 3"
    std::string_view denominator;   // "7"
    float bar_y = 0;                // the grown bar's row
    float erased_to = 0;            // the lowest row the animation erases
    int pause_after_slide = 0;
    int pause_after_bar = 0;
};

const TimesWhole kTimes3{.y = 60, .group = {"－ × 3", "2", "7"},
                         .standing = {"－ × 3 ＝", "2", "7"}, .factor = "× 3",
                         .denominator = "7", .bar_y = 67, .erased_to = 100,
                         .pause_after_slide = 0, .pause_after_bar = 50};

const TimesWhole kTimes4{.y = 170, .group = {"－ × 4", "2", "9"},
                         .standing = {"－ × 4 ＝", "2", "9"}, .factor = "× 4",
                         .denominator = "9", .bar_y = 178, .erased_to = 220,
                         .pause_after_slide = 100, .pause_after_bar = 100};

void lift_into_numerator(Page& p, const TimesWhole& t) {
    const float y = t.y;
    p.steps({.from = 1, .to = 11, .pause = 5, .erase = Erase::Box,
             .box_from = {0, y - 10}, .box_to = {210, t.erased_to}},
            [&](float i, int c) {
                p.fraction({23, y}, t.standing);  p.fraction({23 + 8 * i, y}, t.group, c);
            });
    if (t.pause_after_slide > 0) p.pause(t.pause_after_slide);
    p.steps({.from = 1, .to = 5, .pause = 5, .erase = Erase::Box,
             .box_from = {135, y - 10}, .box_to = {250, t.erased_to}},
            [&](float i, int c) { p.text({135, y - 2 * i}, t.factor, c); });
    p.pause(50);
    p.steps({.from = 1, .to = 5, .pause = 5, .erase = Erase::Box,
             .box_from = {110, y + 9}, .box_to = {250, t.erased_to}},
            [&](float i, int c) {
                p.line({111, t.bar_y}, {111 + 13 * i, t.bar_y}, c);
                p.text({115 + 4 * i, y + 10}, t.denominator, c);
            });
    p.pause(t.pause_after_bar);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 3, .band_right = 320,
            .title = "分数かける整数                       3ﾍﾟｰｼﾞ"});

    // Paragraph 1: 2/7 × 3 twice, then 2/9 × 4.
    p.picture("\\MF.BMP", {260, 200});  p.picture("\\PF.BMP", {240, 200});
    p.fraction({23, 60}, kTimes3.group);  p.pause(200);
    p.narrate(15, Close::No, Narration::Background, 500);  p.say(16, 200);
    lift_into_numerator(p, kTimes3);
    p.text({87, 110}, "＝ ─");  p.text({115, 120}, "7");  p.text({115, 100}, "6");  p.pause(550);
    p.say(17, 500);  p.say(18);

    // The group copied down in yellow, 3 written as 3/1.
    p.steps({.from = 1, .to = 11, .pause = 5, .colour = 6, .erase = Erase::Box,
             .box_from = {0, 50}, .box_to = {82, 250}},
            [&](float i, int c) {
                p.fraction({23, 60}, kTimes3.group);  p.fraction({23, 60 + 10 * i}, kTimes3.group, c);
            });
    p.blink(1, 11, [&](int c) { p.text({71, 170}, "3", c); }, 6, 10);  p.pause(100);
    p.fraction({87, 170}, {"＝ － × －", "2", "7", {28, -10}, {28, 10}}, 6);
    p.blink(1, 11, [&](int c) { p.fraction({159, 170}, {"－", "3", "1"}, c); }, 6, 10);
    p.pause(200);
    p.say(19, 500);
    p.text({87, 220}, "＝", 6);
    p.fraction({111, 220}, {.top = "2 × 3", .bottom = "7 × 1", .bar = 59}, 6);  p.pause(400);
    p.say(20);
    p.blink(1, 31, [&](int c) { p.text({131, 230}, "× 1", c); }, 6, 15);
    p.line({127, 232}, {165, 242}, 6);  p.pause(300);
    p.say(21, 100);
    // Both ways give the same: an arc from the first answer down to the
    // second, its arrow head at the top end (189, 62).
    p.arc({189, 142}, 40, 2, 0.75f, 0.25f, 2);
    p.polyline({{194, 67}, {189, 62}, {194, 57}}, 2);  p.pause(600);
    p.say(22, 50);

    p.fill_box({10, 150}, {230, 250}, 0);  p.fill_box({188, 50}, {230, 160}, 0);
    p.move_picture("\\pl.BMP", {{240, 200}, {260, 260}}, {180, 160});
    p.fraction({23, 170}, kTimes4.group);  p.pause(150);
    lift_into_numerator(p, kTimes4);
    p.move_picture("\\pl.BMP", {{180, 160}, {180, 220}}, {180, 210});
    p.text({87, 220}, "＝ ─");  p.text({115, 230}, "9");  p.text({115, 210}, "8");  p.pause(550);

    // Paragraph 2: 2 × 3/8, the 2 and the 8 cancelled.
    p.paragraph(2);
    p.say(5);
    p.move_picture("\\pr.BMP", {{180, 210}, {220, 270}}, {270, 50});
    p.fraction({315, 60}, {"2 × － ＝", "3", "8", {43, -10}, {43, 10}});  p.pause(100);
    p.fraction({411, 60}, {.top = "2 × 3", .bottom = "8", .bottom_at = {24, 10}, .bar = 60});
    p.pause(450);
    p.say(23);
    p.blink(1, 11, [&](int c) { p.text({415, 50}, "2", c);  p.text({435, 70}, "8", c); });
    p.pause(50);
    p.line({413, 50}, {425, 65}, 7);  p.cancel({{{433, 70}, {445, 85}, "4", {443, 85}}});
    p.pause(200);
    p.move_picture("\\pr.BMP", {{270, 50}, {310, 110}}, {270, 100});
    p.fraction({379, 110}, {"＝ －", "3", "4", {27, -10}, {27, 10}});  p.pause(300);
    p.close_narration(2);

    p.end({400, 330});
}

}  // namespace units::frac_multiply
