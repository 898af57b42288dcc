// Explanation page 2, "おうぎ形の面積1": the 90° sector of radius 6 cm is a
// quarter of its circle (113.04 ÷ 4 = 28.26), shown by sliding the top
// quarter out of the circle; then the length round it, a quarter of the
// circumference and two radii (9.42 + 12 = 21.42).  Paragraph 3 only
// closes the page: its header comes with the page end.
#include "units/sector-area/pages.h"

namespace units::sector_area {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;
using frame::PointF;

constexpr PointF kCentre{164, 180};
constexpr PointF kSlid{294, 180};
constexpr float kRadius = 81;
constexpr float kTopFrom = 0.625f;
constexpr float kTopTo = 0.875f;

void small_text(Page& p, PointF at, std::string_view text, int colour = 7) {
    const frame::Scoped small = p.font_size(13);
    p.text(at, text, colour);
}

void top_quarter(Page& p, PointF centre, int fill) {
    p.pie(centre, kRadius, 7, fill, kTopFrom, kTopTo);
}

void whole_circle(Page& p, int colour, int fill) { p.pie(kCentre, kRadius, colour, fill, 0, 0); }

// The dotted arc beside the right radius of a top quarter, and "6cm".
void radius_arc(Page& p, float dx) {
    const frame::Scoped dotted = p.pen(frame::PenStyle::Dotted);
    p.arc({164 + dx, 123}, 57, 7, 0, 0.25f);
}

void radius_mark(Page& p) {
    radius_arc(p, 0);
    small_text(p, {205, 160}, "6cm");
}

void right_angle(Page& p, PointF centre, float radius, float from, float to, PointF label_at) {
    p.arc(centre, radius, 7, from, to);
    small_text(p, label_at, "90ﾟ");
}

void top_angle(Page& p, float dx = 0) {
    right_angle(p, {164 + dx, 180}, 10, kTopFrom, kTopTo, {159 + dx, 160});
}

void right_quarter(Page& p) {
    p.pie(kCentre, kRadius, 7, 2, 0.875f, 0.125f);
    right_angle(p, kCentre, 10, 0.875f, 0.125f, {178, 175});
}

void four_quarters(Page& p) {
    whole_circle(p, 7, 2);
    p.pie(kCentre, kRadius, 7, 2, 0.375f, 0.625f);
    p.pie(kCentre, kRadius, 7, 2, 0.875f, 0.125f);
    radius_mark(p);
    right_angle(p, kCentre, 15, 0.125f, 0.375f, {156, 197});
    right_angle(p, kCentre, 10, 0.375f, 0.625f, {132, 175});
    right_angle(p, kCentre, 10, 0.875f, 0.125f, {178, 175});
}

// The top quarter slides 130 pixels to the right, over the right quarter,
// which is drawn again under it at every step.
void slide_top_quarter(Page& p) {
    p.steps({.from = 1, .to = 26, .by = 1, .pause = 5}, [&](float i, int) {
        p.pie({159 + 5 * i, 180}, kRadius, 0, 0, kTopFrom, kTopTo);
        right_quarter(p);
        p.pie({164 + 5 * i, 180}, kRadius, 0, 0, kTopFrom, kTopTo);
        {
            const frame::Scoped merge = p.mode(frame::DrawMode::Merge);
            top_quarter(p, {164 + 5 * i, 180}, 2);
        }
        top_angle(p, 5 * i);
    });
}

void paragraph1(Page& p) {
    p.picture("\\MF.BMP", {100, 290});
    p.picture("\\PF.BMP", {130, 290});
    top_quarter(p, kCentre, 2);
    top_angle(p);
    radius_mark(p);
    p.pause(200);
    p.narrate(12, Close::No, Narration::Background, 100);
    p.text({300, 50}, "おうぎ形の面積", 6);
    p.pause(450);
    p.narrate(13, Close::Yes, Narration::Background, 120);
    whole_circle(p, 7, 2);
    top_quarter(p, kCentre, 2);
    radius_mark(p);
    top_angle(p);
    p.pause(600);
    p.narrate(14, Close::Yes, Narration::Background, 100);
    p.text({370, 80}, "半径×半径×3.14", 2);
    p.text({370, 100}, " ↓   ↓", 2);
    p.text({373, 120}, " 6 × 6 × 3.14 = 113.04");
    p.pause(400);
    p.narrate(15);
    p.blink(1, 7, [&](int c) { top_quarter(p, kCentre, c); }, 2);
    p.blink(1, 7, [&](int c) { whole_circle(p, 7, c); }, 2);
    radius_mark(p);
    top_quarter(p, kCentre, 2);
    top_angle(p);
    p.pause(500);
    p.narrate(16);
    p.circle(kCentre, 25, 7);
    small_text(p, {156, 207}, "360ﾟ");
    p.pause(500);
    p.narrate(17);
    p.blink(1, 7, [&](int c) { small_text(p, {156, 207}, "360ﾟ", c); }, 7, 20);
    p.blink(1, 7, [&](int c) { small_text(p, {159, 160}, "90ﾟ", c); }, 7, 20);
    p.pause(500);
    p.narrate(18, Close::Yes, Narration::Background, 100);
    p.text({373, 140}, " 360 ÷ 90 = 4");
    p.pause(450);
    p.narrate(19, Close::Yes, Narration::Background, 200);
    four_quarters(p);
    p.pause(400);
    p.narrate(20);
    slide_top_quarter(p);
    {
        const frame::Scoped small = p.font_size(13);
        radius_arc(p, 0);
        radius_arc(p, 130);
        p.text({205, 160}, "6cm");
        p.text({335, 160}, "6cm");
    }
    p.pause(200);
    p.blink(1, 7, [&](int c) { p.text({373, 160}, " 113.04 ÷ 4 = 28.26", c); }, 7, 20);
    p.text({400, 180}, "  答え 28.26c㎡");
    p.pause(400);
}

void slid_outline(Page& p, int colour) { p.pie(kSlid, kRadius, colour, 0, kTopFrom, kTopTo); }
void slid_arc(Page& p, int colour) { p.arc(kSlid, kRadius, colour, kTopFrom, kTopTo); }
void circumference(Page& p, int colour) { p.circle(kCentre, kRadius, colour); }

void hand(Page& p, std::string_view picture, PointF at) { p.picture(picture, at); }
void unhand(Page& p, PointF at) { p.fill_box(at, {at.x + 20, at.y + 20}, 0); }

void paragraph2(Page& p) {
    p.paragraph(2);
    p.narrate(28, Close::Yes, Narration::Background, 100);
    p.text({300, 210}, "おうぎ形のまわりの長さ", 6);
    hand(p, "上指.BMP", {284, 190});
    p.pause(200);
    slid_outline(p, 7);
    right_angle(p, kSlid, 10, kTopFrom, kTopTo, {289, 160});
    p.pause(400);
    p.narrate(29);
    circumference(p, 7);
    unhand(p, {284, 190});
    hand(p, "左指.BMP", {250, 160});
    p.pause(80);
    hand(p, "右指.BMP", {250, 160});
    p.pause(500);
    unhand(p, {250, 160});
    p.narrate(30);
    p.blink(0, 11, [&](int c) { circumference(p, c); });
    p.blink(0, 11, [&](int c) { slid_arc(p, c); }, 2);
    p.pause(300);
    p.narrate(31);
    p.blink(0, 11, [&](int c) { circumference(p, c); });
    hand(p, "右指.BMP", {340, 240});
    p.text({373, 240}, "12 × 3.14 = 37.68");
    p.pause(600);
    p.narrate(32);
    unhand(p, {340, 240});
    hand(p, "右指.BMP", {340, 260});
    p.text({373, 260}, "37.68 ÷ 4 = 9.42");
    p.pause(100);
    p.blink(0, 11, [&](int c) { slid_arc(p, c); }, 2);
    p.pause(400);
    unhand(p, {340, 260});
    p.narrate(33, Close::Yes, Narration::Background, 50);
    slid_outline(p, 6);
    slid_arc(p, 2);
    hand(p, "上指.BMP", {284, 190});
    p.pause(180);
    p.narrate(36);
    unhand(p, {284, 190});
    hand(p, "右指.BMP", {340, 280});
    p.text({373, 280}, "6 × 2 = 12");
    p.pause(350);
    unhand(p, {340, 280});
    p.narrate(34);
    p.blink(0, 11, [&](int c) { slid_outline(p, c); });
    right_angle(p, kSlid, 10, kTopFrom, kTopTo, {289, 160});
    p.text({373, 300}, "9.42 ＋ 12 = 21.42");
    p.text({400, 320}, "  答え 21.42cm");
    p.pause(250);
    p.close_narration(2);
}

}  // namespace

void draw_page2(Page& p) {
    p.open({.paragraphs = 3, .band_right = 325, .band_bottom = 20,
            .title = "おうぎ形の面積1                      2ﾍﾟｰｼﾞ", .face = "ＭＳ 明朝",
            .coordinates = frame::Coordinates::Pixels});
    paragraph1(p);
    paragraph2(p);
    p.end({400, 370});
}

}  // namespace units::sector_area
