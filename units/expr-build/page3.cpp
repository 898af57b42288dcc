// Explanation page 3: stamps at 80 yen that cost 640 yen together.  The
// word formula is written, the numbers are set under it with □ for the
// number of stamps, and the □ blinks and becomes the letter, in yellow.
// Paragraph 2 only closes the page.
#include "units/expr-build/pages.h"

namespace units::expr_build {

using frame::Close;
using frame::Narration;
using frame::Page;

namespace {

constexpr std::string_view kHand = "右指.BMP";

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 2, .band_right = 308,
            .title = "  を使った式                         3ﾍﾟｰｼﾞ",
            .title_mark = {{205, 12}}});

    // Paragraph 1: the problem.
    p.picture("\\MF.BMP", {160, 220});
    p.picture("\\PF.BMP", {130, 220});
    p.text({40, 50}, "1まい80円の切手を何まいか買ったら代金は640円でした｡");
    p.text({40, 70}, "このことを□を使って式に表しなさい｡");
    p.pause(200);
    p.narrate(13, Close::No, Narration::Background, 600);
    p.say(14, 500);  p.say(15, 500);  p.say(5, 80);  p.say(17);

    // The word formula, and the numbers under it.
    p.picture(kHand, {60, 107});  p.text({85, 107}, "1まいのねだん×まい数=代金");  p.pause(350);
    p.text({85, 127}, "         ↓      ↓    ↓");
    p.text({85, 147}, "         80  ×  □  = 640", 6);
    p.move_picture(kHand, {{60, 107}, {80, 127}}, {110, 147});  p.pause(350);
    p.fill_box({110, 147}, {130, 167}, 0);
    p.say(18, 300);

    // The □ blinks and becomes the letter.
    p.blink(0, 11, [&](int c) { p.text({221, 147}, "□", c); }, 6);
    p.pause(100);
    p.say(19, 500);  p.say(20, 80);
    p.picture(kHand, {110, 147});  p.pause(200);
    p.text({221, 147}, "□", 0);  p.mark({226, 157}, 6);  p.pause(350);
    p.say(21, 550);
    p.narrate(12, Close::Yes, Narration::ToEnd, 200);

    p.end({350, 320});
}

}  // namespace units::expr_build
