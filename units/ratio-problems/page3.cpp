// Explanation page 3: two word problems solved with ratios.  A price is
// found by scaling 4 : 5 to 80 : □, both terms twenty times; then 1000
// sheets of origami paper, drawn as a stack, are cut into five stacks of 200
// and shared 3 : 2.  Paragraph 3 only closes the page.
#include "units/ratio-problems/pages.h"

namespace units::ratio_problems {
namespace {

using frame::Close;
using frame::Coordinates;
using frame::Narration;
using frame::Page;
using frame::Scoped;
using frame::PointF;

constexpr int kSmallFontSize = 13;

// A stack of sheets seen from above and from the front right: its front
// face is 50 wide and `height` high below `front_top`, its top and right
// side recede 30 up and to the right.
struct Stack {
    float left = 0;
    float front_top = 0;
    float height = 0;
};

void draw_stack(Page& p, const Stack& s) {
    const float l = s.left, t = s.front_top, b = s.front_top + s.height;
    p.polygon({{l + 30, t - 30}, {l, t}, {l + 50, t}, {l + 80, t - 30}}, 2, 2);
    p.polygon({{l + 50, t}, {l + 50, b}, {l + 80, b - 30}, {l + 80, t - 30}}, 7, 7);
    p.fill_box({l, t}, {l + 50, b}, 7);
}

// The edges of its sheets, one every 2 pixels: on the front, then on the side.
void draw_sheet_edges(Page& p, const Stack& s) {
    const float l = s.left, t = s.front_top;
    for (float y = 0; y <= s.height; y += 2) p.line({l, t + y}, {l + 50, t + y}, 0);
    for (float y = 0; y <= s.height; y += 2) p.line({l + 50, t + y}, {l + 80, t - 30 + y}, 0);
}

// The five stacks of 200, 90 apart.
Stack small_stack(int j) { return {110 + 90.f * j, 300, 10}; }

// A bracket of stacks below them, the product that counts them and the share.
struct Share {
    PointF centre;
    float radius;
    float aspect;
    PointF sum_at;
    std::string_view sum;
    std::string_view share;
};

constexpr Share kBrother{{225, 315}, 115, 0.16f, {180, 340}, "200×3＝600", "兄  600まい"};
constexpr Share kSister{{450, 315}, 70, 0.26f, {390, 340}, "200×2＝400", "妹  400まい"};

void draw_share(Page& p, const Share& s) {
    p.arc(s.centre, s.radius, 7, 0, 0.5f, s.aspect);
    p.text(s.sum_at, s.sum);  p.pause(150);
    p.text({s.sum_at.x, s.sum_at.y + 20}, s.share);  p.pause(350);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 3, .band_right = 320,
            .title = "比を使った問題                       3ﾍﾟｰｼﾞ",
            .coordinates = Coordinates::Pixels});

    // Paragraph 1: the price of the eraser.
    p.picture("\\MF.BMP", {360, 100});
    p.picture("\\PF.BMP", {340, 100});
    p.text({10, 30}, "(1)えんぴつと消しゴムのねだんの比は4:5で えんぴつは80円です｡");
    p.text({34, 50}, "消しゴムはいくらでしょう｡");
    p.pause(200);
    p.narrate(12, Close::No, Narration::Background, 630);  p.say(13, 450);  p.say(14, 100);
    p.text({134, 110}, "4 : 5 ＝ 80 :");  p.box({246, 110}, {284, 125}, 7);  p.pause(500);
    p.say(15);
    p.arc({175, 107}, 38, 2, 0.5f, 1, 0.35f);
    p.polyline({{208, 105}, {213, 107}, {214, 102}}, 2);  p.pause(200);
    {
        const Scoped small = p.font_size(kSmallFontSize);
        p.text({165, 78}, "20倍", 2);  p.pause(430);
        p.say(16);
        p.arc({215, 107}, 46, 2, 0.5f, 1, 0.3f);
        p.polyline({{256, 105}, {261, 107}, {262, 102}}, 2);
        p.text({206, 78}, "20倍", 2);
    }
    p.pause(200);
    p.steps({.from = 1, .to = 12, .pause = 15},
            [&](float, int c) { p.text({252, 110}, "100", c); });
    p.text({200, 140}, "答え  100円");  p.pause(500);

    // Paragraph 2: 1000 sheets shared 3 : 2.
    p.paragraph(2);
    p.say(17);
    p.text({10, 180}, "(2)千羽づるを折るのに1000まいの折り紙を兄と妹で3:2に分けました｡");
    p.text({34, 200}, "兄と妹は何まいずつ取ったでしょう｡");
    constexpr Stack kWhole{20, 260, 50};
    draw_stack(p, kWhole);
    draw_sheet_edges(p, kWhole);
    {
        const Scoped small = p.font_size(kSmallFontSize);
        p.text({38, 241}, "1000まい");
    }
    p.pause(650);
    p.say(25, 600);  p.say(18, 300);  p.say(19, 500);  p.say(20);
    p.text({140, 235}, "1000 ÷ 5 ＝ 200");  p.pause(100);
    for (int j = 0; j < 5; ++j) draw_stack(p, small_stack(j));
    for (int j = 0; j < 5; ++j) draw_sheet_edges(p, small_stack(j));
    {
        const Scoped small = p.font_size(kSmallFontSize);
        for (int j = 0; j < 5; ++j) p.text({130 + 90.f * j, 280}, "200まい");
    }
    p.pause(600);
    p.say(21);
    draw_share(p, kBrother);
    p.say(22);
    draw_share(p, kSister);
    p.close_narration(2);

    p.end({520, 360});
}

}  // namespace units::ratio_problems
