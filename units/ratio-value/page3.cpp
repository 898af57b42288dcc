// Explanation page 3, "小数の比": a ratio of decimals simplified by way of
// its value.  The pointing hand goes along (1) 0.5 : 4 and (2) 7.92 : 3.6:
// the value as a division, as a fraction, made whole, reduced in red; the
// reduced fraction gives the simplified ratio.  Paragraph 2 only closes the
// page.
#include <optional>
#include <string_view>

#include "units/ratio-value/pages.h"

namespace units::ratio_value {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;
using frame::PointF;

constexpr std::string_view kHand = "上指.BMP";

// One place of the hand on its way along an example: the hand taken off
// its last place and put down at the next, what is written there (a text,
// or a sign with a fraction in the small font), then a pause, a narration
// and its pause.
struct HandStep {
    std::optional<frame::Area> hand_off{};
    PointF hand_at{};
    std::string_view text{};
    PointF text_at{};
    std::string_view top{}, bottom{};
    PointF top_at{}, bottom_at{};
    int colour = 7;
    int pause = 0;
    int narration = 0;
    int pause_after = 0;
    std::optional<frame::Area> hand_off_after{};
};

void hand_step(Page& p, const HandStep& s) {
    if (s.hand_off)
        p.move_picture(kHand, *s.hand_off, s.hand_at);
    else
        p.picture(kHand, s.hand_at);
    if (!s.text.empty()) p.text(s.text_at, s.text, s.colour);
    if (!s.top.empty()) {
        const frame::Scoped small = p.font_size(13);
        p.text(s.top_at, s.top, s.colour);
        p.text(s.bottom_at, s.bottom, s.colour);
    }
    p.pause(s.pause);
    if (s.narration > 0) p.say(s.narration, s.pause_after);
    if (s.hand_off_after) p.fill_box(s.hand_off_after->from, s.hand_off_after->to, 0);
}

const HandStep kExample1[] = {
    {.hand_at = {80, 80}, .pause = 50},
    {.hand_off = frame::Area{{80, 80}, {100, 100}}, .hand_at = {112, 80},
     .text = "0.5÷4", .text_at = {134, 100}, .pause = 50},
    {.hand_off = frame::Area{{112, 80}, {132, 100}}, .hand_at = {194, 123},
     .text = "＝─", .text_at = {182, 100}, .top = "0.5", .bottom = "4",
     .top_at = {198, 93}, .bottom_at = {202, 110}, .pause = 500, .narration = 37,
     .pause_after = 350},
    {.hand_off = frame::Area{{194, 123}, {214, 143}}, .hand_at = {226, 123},
     .text = "＝─", .text_at = {214, 100}, .top = "5", .bottom = "40",
     .top_at = {234, 93}, .bottom_at = {230, 110}, .pause = 400, .narration = 29,
     .pause_after = 100},
    {.hand_off = frame::Area{{226, 123}, {246, 143}}, .hand_at = {258, 123},
     .text = "＝─", .text_at = {246, 100}, .top = "1", .bottom = "8",
     .top_at = {266, 93}, .bottom_at = {266, 110}, .colour = 2, .pause = 400,
     .hand_off_after = frame::Area{{258, 123}, {278, 143}}},
};

const HandStep kExample2[] = {
    {.hand_at = {80, 180}, .pause = 50},
    {.hand_off = frame::Area{{80, 180}, {100, 200}}, .hand_at = {128, 180},
     .text = "7.92÷3.6", .text_at = {134, 200}, .pause = 50},
    {.hand_off = frame::Area{{128, 180}, {148, 200}}, .hand_at = {228, 223},
     .text = "＝──", .text_at = {206, 200}, .top = "7.92", .bottom = "3.6",
     .top_at = {225, 193}, .bottom_at = {229, 210}, .pause = 550, .narration = 38,
     .pause_after = 350},
    {.hand_off = frame::Area{{228, 223}, {248, 243}}, .hand_at = {274, 223},
     .text = "＝──", .text_at = {254, 200}, .top = "792", .bottom = "360",
     .top_at = {278, 193}, .bottom_at = {278, 210}, .pause = 400, .narration = 33,
     .pause_after = 100},
    {.hand_off = frame::Area{{274, 223}, {290, 243}}, .hand_at = {314, 223},
     .text = "＝─", .text_at = {302, 200}, .top = "11", .bottom = "5",
     .top_at = {318, 193}, .bottom_at = {322, 210}, .colour = 2, .pause = 400,
     .hand_off_after = frame::Area{{314, 223}, {330, 243}}},
};


}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 2, .band_right = 272,
            .title = "小数の比                             3ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});

    // Paragraph 1: (1) 0.5 : 4.
    p.picture("\\MF.BMP", {10, 95});
    p.picture("\\PF.BMP", {30, 95});
    p.text({30, 30}, "次の比の値を求め､比をかんたんにしなさい｡");
    p.text({30, 60}, "(1)  0.5 : 4");
    p.pause(200);
    p.narrate(25, Close::No, Narration::Background, 380);  p.say(26, 480);  p.say(27, 300);
    p.text({70, 100}, "比の値", 6);
    p.pause(370);
    p.say(28, 50);
    for (const HandStep& s : kExample1) hand_step(p, s);
    p.say(30, 150);
    p.text({134, 60}, "＝ 1 : 8", 2);
    p.pause(580);
    p.say(31, 650);
    p.say(18);

    // (2) 7.92 : 3.6, and its value as a mixed number.
    p.text({30, 160}, "(2)  7.92 : 3.6");
    p.pause(350);
    p.say(32);
    for (const HandStep& s : kExample2) hand_step(p, s);
    p.say(34, 200);
    p.text({158, 160}, "＝ 11 : 5", 2);
    p.pause(500);
    p.say(35, 50);
    p.text({70, 200}, "比の値", 6);
    p.pause(80);
    p.text({334, 200}, "＝2─", 2);
    {
        const frame::Scoped small = p.font_size(13);
        p.text({362, 193}, "1", 2);
        p.text({362, 210}, "5", 2);
    }
    p.pause(200);
    p.text({50, 250}, "小数でも比をかんたんにするには比の値を求めよう!", 4);

    p.close_narration(1);
    p.end({420, 320});
}

}  // namespace units::ratio_value
