// Explanation page 1, "分数の計算": 3/5 × 2/3 ÷ 3/10 worked as one product
// (the divisor turned over, cancelled, 1 1/3), then 3/4 × 2/9 ＋ 5/9 ÷ 5/7
// with each product first and the sum last (17/18).  Paragraph 3 only
// closes the page.
#include "units/frac-decimal/fraction_rows.h"
#include "units/frac-decimal/pages.h"

namespace units::frac_decimal {
namespace {

using frame::Close;
using frame::Page;
using frame::PointF;

// A frame round a part of the expression, blinked in its own colour.
struct Frame {
    PointF from{};
    PointF to{};
    int colour = 2;
};

constexpr Frame kFirstProduct{{301, 48}, {369, 88}, 2};
constexpr Frame kSecondProduct{{397, 48}, {465, 88}, 6};

void blink_frames(Page& p, std::initializer_list<Frame> frames) {
    p.blink(1, 11, [&](int on) {
        for (const Frame& f : frames) p.box(f.from, f.to, on * f.colour);
    }, 1, 20);
}

void blink_text(Page& p, PointF at, std::string_view text, int n, int pause_length) {
    p.blink(1, n, [&](int c) { p.text(at, text, c); }, 7, pause_length);
}

// Paragraph 1: 3/5 × 2/3 ÷ 3/10 ＝ 4/3 ＝ 1 1/3.
void one_product(Page& p) {
    p.picture("\\MF.BMP", {260, 200});
    p.picture("\\PF.BMP", {240, 200});
    draw_fraction_row(p, {{13, 60}, "─ × ─ ÷ ─", 19, "3     2     3", "5     3    10"});
    p.pause(200);  p.narrate(1, Close::No);

    p.move_picture("\\ml.BMP", {{260, 200}, {280, 260}}, {260, 50});  p.pause(300);
    p.move_picture("\\MF.BMP", {{260, 50}, {300, 110}}, {260, 200});
    p.narrate(2);

    blink_text(p, {37, 60}, "×", 9, 15);
    p.text({133, 60}, "＝");  p.line({158, 67}, {258, 67}, 7);
    p.blink(1, 13, [&](int c) { p.text({161, 50}, "3 × 2", c);  p.text({161, 70}, "5 × 3", c); });
    p.pause(100);  p.narrate(3);
    blink_text(p, {85, 60}, "÷", 13, 15);
    p.pause(100);  p.narrate(4);
    p.blink(1, 13, [&](int c) { p.text({217, 50}, "× 10", c);  p.text({217, 70}, "× 3", c); });
    p.pause(200);  p.narrate(5);  p.pause(200);

    p.line({159, 50}, {171, 65}, 7);
    p.line({199, 70}, {211, 85}, 7);
    p.line({159, 70}, {171, 85}, 7);
    p.cancel({{{239, 50}, {258, 65}, "2", {256, 40}}});
    p.pause(300);  p.narrate(6);

    draw_fraction_row(p, {{133, 110}, "＝ －", 161, "4", "3"});
    draw_fraction_row(p, {{133, 160}, "＝ 1－", 169, "1", "3"});
    p.pause(400);  p.narrate(7);  p.pause(100);

    draw_fraction_row(p, {{303, 60}, "─ × ─ ＋ ─ ÷ ─", 307, "3     2     5     5",
                          "4     9     9     7"});
    p.pause(200);
}

// Paragraph 2: each product first, cancelled, then the sum ＝ 17/18.
void products_then_sum(Page& p) {
    p.narrate(1);
    p.move_picture("\\mr.BMP", {{260, 200}, {280, 260}}, {260, 50});  p.pause(400);
    p.move_picture("\\MF.BMP", {{260, 50}, {292, 110}}, {260, 200});
    p.narrate(8);  p.pause(800);  p.narrate(9);

    blink_frames(p, {kFirstProduct, kSecondProduct});
    p.pause(200);  p.narrate(10);
    blink_frames(p, {kFirstProduct});
    p.text({471, 60}, "＝");
    p.fraction({495, 60}, {.top = "3 × 2", .bottom = "4 × 9", .bar = 54});
    blink_frames(p, {{{493, 48}, {551, 88}, 2}});
    p.pause(300);  p.narrate(11);

    blink_frames(p, {kSecondProduct});
    p.pause(250);  p.narrate(4);
    p.fraction({575, 60}, {.top = "5 × 7", .bottom = "9 × 5", .bar = 54});
    blink_frames(p, {{{573, 48}, {631, 88}, 6}});
    p.pause(300);  p.narrate(12);  p.pause(100);

    blink_text(p, {555, 60}, "＋", 11, 20);
    p.pause(200);  p.narrate(13);  p.pause(50);
    p.cancel({{{497, 50}, {509, 65}, "1", {507, 40}},
              {{497, 70}, {509, 85}, "2", {507, 85}},
              {{537, 50}, {549, 65}, "1", {547, 40}},
              {{537, 70}, {549, 85}, "3", {547, 85}}});
    p.line({577, 50}, {589, 65}, 7);
    p.line({617, 70}, {629, 85}, 7);
    p.pause(400);  p.narrate(14);  p.pause(50);

    draw_fraction_row(p, {{471, 110}, "＝ ─", 499, "1", "6"});
    p.box({494, 98}, {513, 138}, 2);
    p.pause(400);  p.narrate(15);  p.pause(50);
    draw_fraction_row(p, {{543, 110}, "─", 547, "7", "9"});
    p.box({542, 98}, {561, 138}, 6);
    p.pause(400);  p.narrate(16);
    blink_text(p, {519, 110}, "＋", 9, 15);

    draw_fraction_row(p, {{471, 160}, "＝ ─ ＋ ─", 495, " 3    14", "18    18"});
    p.pause(500);  p.narrate(6);
    draw_fraction_row(p, {{471, 210}, "＝ ─", 495, "17", "18"});
    p.pause(300);  p.close_narration(2);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 3, .band_right = 290,
            .title = "分数の計算                           1ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});
    one_product(p);
    p.paragraph(2);
    products_then_sum(p);
    p.end({400, 320});
}

}  // namespace units::frac_decimal
