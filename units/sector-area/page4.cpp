// Explanation page 4, "おうぎ形の面積2": the red 240° sector of radius 12 cm
// as its circle less the blue 120° wedge: 452.16 − 452.16 ÷ 3 = 301.44.
// Paragraph 2 only closes the page.
#include "units/sector-area/pages.h"

namespace units::sector_area {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;
using frame::PointF;

constexpr PointF kCentre{164, 180};
constexpr float kRadius = 80;
constexpr float kRight = 0.084f;  // a little before 4 o'clock
constexpr float kUp = 0.75f;

void small_text(Page& p, PointF at, std::string_view text, int colour = 7) {
    const frame::Scoped small = p.font_size(13);
    p.text(at, text, colour);
}

void red_sector(Page& p, int fill) { p.pie(kCentre, kRadius, 7, fill, kRight, kUp); }
void wedge(Page& p, int fill) { p.pie(kCentre, kRadius, 7, fill, kUp, kRight); }
void wedge_angle(Page& p, int colour) { p.arc(kCentre, 7, colour, kUp, kRight); }

void sector_angle(Page& p) {
    p.arc(kCentre, 10, 7, kRight, kUp);
    small_text(p, {149, 193}, "240ﾟ");
}

// The dotted arc beside the radius up to 12 o'clock, and "12cm".
void radius_mark(Page& p) {
    {
        const frame::Scoped dotted = p.pen(frame::PenStyle::Dotted);
        p.arc({164, 140}, 8, 7, 0.75f, 0.25f, 5);
    }
    small_text(p, {174, 130}, "12cm");
}

void blink_wedge_blue(Page& p) {
    p.blink(1, 7, [&](int c) { wedge(p, c); }, 2, 20);
    wedge(p, 1);
    radius_mark(p);
}

void hand_at(Page& p, PointF at, int pause) {
    p.picture("右指.BMP", at);
    p.pause(pause);
    p.fill_box(at, {at.x + 20, at.y + 20}, 0);
}

}  // namespace

void draw_page4(Page& p) {
    p.open({.paragraphs = 2, .band_right = 325, .band_bottom = 20,
            .title = "おうぎ形の面積2                      4ﾍﾟｰｼﾞ", .face = "ＭＳ 明朝",
            .coordinates = frame::Coordinates::Pixels});

    p.picture("\\MF.BMP", {20, 250});
    p.picture("\\PF.BMP", {50, 250});
    p.text({10, 35}, "次の赤いおうぎ形の面積を求めなさい｡");
    red_sector(p, 2);
    sector_angle(p);
    radius_mark(p);
    p.pause(200);
    p.narrate(21, Close::No, Narration::Background, 400);
    p.narrate(22, Close::Yes, Narration::Background, 30);
    wedge(p, 2);
    radius_mark(p);
    p.pause(100);
    p.text({317, 80}, "           半径×半径×3.14", 2);
    p.text({317, 100}, "            ↓    ↓", 2);
    p.text({323, 120}, "円の面積 = 12 × 12 × 3.14 = 452.16");
    p.pause(300);
    p.narrate(23, Close::Yes, Narration::Background, 300);
    blink_wedge_blue(p);
    p.pause(300);
    p.narrate(24, Close::Yes, Narration::Background, 300);
    p.blink(1, 7, [&](int c) { wedge_angle(p, c); }, 7, 70);
    p.narrate(25);
    p.text({323, 150}, "360 － 240 = 120");
    p.pause(320);
    p.blink(1, 7, [&](int c) { small_text(p, {174, 170}, "120ﾟ", c); }, 7, 20);
    p.pause(200);
    p.narrate(26);
    p.blink(1, 9, [&](int c) { p.text({323, 180}, "360 ÷ 120 = 3", c); }, 7, 20);
    p.pause(480);
    p.narrate(27);
    blink_wedge_blue(p);
    wedge_angle(p, 7);
    small_text(p, {174, 170}, "120ﾟ");
    p.pause(300);
    p.text({270, 210}, "青いおうぎ形の面積 = 452.16 ÷ 3 = 150.72");
    p.pause(580);
    p.narrate(35, Close::Yes, Narration::Background, 50);
    p.blink(1, 7, [&](int c) { red_sector(p, c); }, 2, 20);
    sector_angle(p);
    hand_at(p, {293, 124}, 50);
    hand_at(p, {240, 214}, 200);
    p.picture("右指.BMP", {240, 244});
    p.text({270, 240}, "赤いおうぎ形の面積 = 452.16 － 150.72 = 301.44");
    p.text({400, 260}, " 答え 301.44c㎡");
    p.pause(200);
    p.close_narration(1);

    p.end({400, 350});
}

}  // namespace units::sector_area
