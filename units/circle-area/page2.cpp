// Explanation page 2, "円の面積2": the formula worked for circles of radius
// 7 cm and 9 cm.  Paragraph 2 only closes the page.
#include "units/circle-area/measured_circle.h"
#include "units/circle-area/pages.h"

namespace units::circle_area {
namespace {


constexpr MeasuredCircle kSeven{
    {100, 110}, 70, {100, 110}, {170, 110}, {{135, 110}, 35, 0.22f, 0, 0.5f}, "7cm", {130, 120}};
constexpr MeasuredCircle kNine{
    {100, 290}, 90, {100, 290}, {190, 290}, {{145, 290}, 45, 0.2f, 0, 0.5f}, "9cm", {140, 300}};

}  // namespace

void draw_page2(frame::Page& p) {
    p.open({.paragraphs = 2, .band_right = 272,
            .title = "円の面積2                            2ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});
    p.free_work_picture(0);

    p.picture("\\MF.BMP", {320, 320});
    p.picture("\\PF.BMP", {300, 320});
    p.text({220, 80}, " 円の面積=半径×半径×3.14", 2);
    draw_measured_circle(p, kSeven);
    p.pause(200);
    p.say(40, 600);
    p.say(41, 200);
    p.text({220, 100}, "           ↓   ↓", 2);
    p.text({217, 120}, "            7 × 7 × 3.14 = 153.86");
    {
        const frame::Scoped face = p.font("ＭＳ 明朝");
        p.text({400, 140}, "答え  153.86c㎡");
        p.pause(200);
        p.narrate(41);
        draw_measured_circle(p, kNine);
        p.pause(150);
        p.text({217, 240}, "            9 × 9 × 3.14 = 254.34");
        p.text({400, 260}, "答え  254.34c㎡");
    }
    p.pause(200);
    p.close_narration(1);

    p.end({400, 350});
}

}  // namespace units::circle_area
