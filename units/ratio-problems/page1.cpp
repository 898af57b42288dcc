// Explanation page 1: a ratio of fractions is simplified through its value.
// 5/6 : 3/4 is divided, turned into a product, cancelled by 2 and read as
// 10 : 9 with the value 1 1/9; then 2/5 : 2 becomes 1 : 5 with the value
// 1/5, and the rule closes the example in green.  Paragraph 3 only closes
// the page.
#include "units/ratio-problems/pages.h"

namespace units::ratio_problems {
namespace {

using frame::Close;
using frame::Coordinates;
using frame::Fraction;
using frame::Narration;
using frame::Page;
using frame::Scoped;
using frame::PointF;

constexpr int kCancelFontSize = 13;

// A row of bars and signs with the numerators and denominators `dx` to the
// right of its point.
Fraction over(std::string_view bars, std::string_view top, std::string_view bottom,
              float dx = 4) {
    return {.bars = bars, .top = top, .bottom = bottom, .top_at = {dx, -10}, .bottom_at = {dx, 10}};
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 3, .band_right = 272,
            .title = "分数の比                             1ﾍﾟｰｼﾞ",
            .coordinates = Coordinates::Pixels});
    const auto hand = [&](PointF at) { p.picture("上指.BMP", at); };
    const auto unhand = [&](PointF at) { p.fill_box(at, {at.x + 20, at.y + 20}, 0); };

    // Paragraph 1: 5/6 : 3/4, and its value.
    p.picture("\\MF.BMP", {5, 100});
    p.picture("\\PF.BMP", {25, 100});
    p.text({30, 30}, "次の比の値を求めて､比をかんたんにしなさい｡");
    p.fraction({30, 70}, over("(1)  － : －", "5    3", "6    4", 44));
    p.pause(200);
    p.narrate(1, Close::No, Narration::Background, 350);  p.say(2, 350);  p.say(3, 300);
    p.text({70, 130}, "比の値", 6);  p.pause(330);
    p.say(4, 50);
    hand({66, 100});  p.pause(50);  unhand({66, 100});  hand({108, 100});
    p.fraction({134, 130}, over("－÷－", "5   3", "6   4"));  p.pause(100);
    unhand({108, 100});  hand({212, 160});
    p.fraction({182, 130}, over("＝－×－", "5   4", "6   3", 20));  p.pause(430);
    p.say(5);
    {
        const Scoped small = p.font_size(kCancelFontSize);
        p.line({230, 120}, {242, 133}, 7);  p.text({235, 110}, "2");
        p.line({200, 140}, {212, 153}, 7);  p.text({207, 155}, "3");
        p.pause(100);
        unhand({212, 160});  hand({259, 160});  p.text({207, 155}, "3");
    }
    p.fraction({246, 130}, {.bars = "＝─", .top = "10", .bottom = "9", .top_at = {16, -10},
                            .bottom_at = {20, 10}}, 2);
    p.pause(450);  unhand({259, 160});
    p.say(6, 150);
    p.text({134, 70}, "＝ 10 : 9", 2);  p.pause(480);
    p.say(7);
    p.fraction({278, 130}, over("＝1─", "1", "9", 28), 2);  p.pause(760);
    p.say(8, 900);

    // Paragraph 2: 2/5 : 2, and the rule.
    p.paragraph(2);
    p.say(9);
    p.move_picture("\\pr.BMP", {{25, 100}, {45, 160}}, {0, 203});
    p.fraction({30, 220}, over("(2)  － : 2", "2", "5", 44));  p.pause(430);
    p.say(10, 50);
    p.move_picture("\\pr.BMP", {{0, 203}, {31, 263}}, {90, 263});
    p.fraction({134, 280}, over("－÷2", "2", "5"));  p.pause(100);
    p.text({174, 280}, "＝───");  p.text({190, 290}, "5 × 2");  p.text({210, 270}, "2");
    p.pause(520);
    p.say(11);
    {
        const Scoped small = p.font_size(kCancelFontSize);
        p.line({208, 270}, {218, 283}, 7);  p.text({213, 260}, "1");
        p.line({228, 290}, {238, 303}, 7);  p.text({238, 305}, "1");
    }
    p.pause(100);
    p.fraction({246, 280}, over("＝─", "1", "5", 20), 2);  p.pause(500);
    p.say(23, 150);
    p.move_picture("\\pr.BMP", {{90, 263}, {122, 323}}, {0, 203});
    p.text({126, 220}, "＝ 1 : 5", 2);  p.pause(550);
    p.say(24);
    p.move_picture("\\pr.BMP", {{0, 203}, {31, 263}}, {0, 263});
    p.text({70, 280}, "比の値", 6);  p.pause(400);
    p.move_picture("\\PF.BMP", {{0, 263}, {32, 323}}, {25, 100});
    p.text({30, 340}, "整数でも小数でも分数でも比をかんたんにするには比の値を求めるんだよ!", 4);
    p.pause(300);
    p.close_narration(2);

    p.end({450, 360});
}

}  // namespace units::ratio_problems
