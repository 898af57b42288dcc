// Explanation page 1: the price of drawing paper at 20 yen a sheet, read
// from a two-row table.  The rows are named □ and ○, the relation is written
// "20 × □ = ○", then □ becomes the letter and ○ becomes ｙ, in the table and
// in the relation.  Paragraph 2 only closes the page.
#include <string>

#include "units/expr-build/pages.h"

namespace units::expr_build {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;

constexpr std::string_view kHand = "右指.BMP";

// The table of sheets against price: the grid, the row labels and the
// numbers of both rows.
void price_table(Page& p) {
    p.line({50, 100}, {50, 160}, 7);
    for (float x = 200; x <= 400; x += 40) p.line({x, 100}, {x, 160}, 7);
    for (float y : {100.f, 130.f, 160.f}) p.line({50, y}, {410, y}, 7);
    p.text({65, 107}, "画用紙の数(まい)");
    p.text({97, 137}, "代金(円)");
    for (int i = 1; i <= 5; ++i) p.text({40.f * i + 166, 107}, " " + std::to_string(i));
    for (int i = 1; i <= 5; ++i) p.text({40.f * i + 161, 137}, " " + std::to_string(20 * i));
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 2, .band_right = 350,
            .title = "かわり方を式に表す                   1ﾍﾟｰｼﾞ"});

    // Paragraph 1: the table.
    p.picture("\\MF.BMP", {160, 220});
    p.picture("\\PF.BMP", {130, 220});
    p.text({60, 70}, "1まい20円の画用紙を何枚か買った時の代金");
    price_table(p);
    p.pause(200);
    p.narrate(1, Close::No, Narration::Background, 500);  p.say(2, 300);  p.say(3);

    // The row labels become □ and ○, and the relation is written with them.
    p.picture(kHand, {30, 107});  p.pause(250);
    p.text({65, 107}, "画用紙の数", 0);  p.text({97, 107}, "□");  p.pause(30);
    p.move_picture(kHand, {{30, 107}, {46, 127}}, {30, 137});  p.pause(80);
    p.text({97, 137}, "代金", 0);  p.text({97, 137}, "○");  p.pause(55);
    p.say(4);
    p.move_picture(kHand, {{30, 137}, {46, 157}}, {70, 177});
    p.text({97, 177}, "20 × □ = ○");  p.pause(600);
    p.fill_box({70, 177}, {90, 197}, 0);
    p.say(5, 100);  p.say(6, 300);  p.say(7);
    p.blink(1, 11, [&](int c) { p.text({97, 107}, "□", c);  p.text({97, 137}, "○", c); });
    p.pause(350);
    p.say(8, 80);

    // □ becomes the letter and ○ becomes ｙ: in the labels, then in the relation.
    p.picture(kHand, {70, 107});  p.pause(220);
    p.text({97, 107}, "□", 0);  p.mark({102, 117});  p.pause(200);
    p.say(9);
    p.move_picture(kHand, {{70, 107}, {90, 127}}, {70, 137});  p.pause(220);
    p.text({97, 137}, "○", 0);  p.text({97, 137}, "ｙ");  p.pause(250);
    p.say(16);
    p.move_picture(kHand, {{70, 137}, {90, 157}}, {70, 177});  p.pause(200);
    p.text({145, 177}, "□", 0);  p.mark({150, 187});  p.pause(50);
    p.text({185, 177}, "○", 0);  p.text({185, 177}, "ｙ");  p.pause(250);
    p.say(10, 700);  p.say(11, 400);  p.say(12, 500);
    p.close_narration(1);

    p.end({400, 340});
}

}  // namespace units::expr_build
