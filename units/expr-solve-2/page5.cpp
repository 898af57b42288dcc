// Explanation page 5: a word problem (four pencils and 150 yen of glue cost
// 470 yen) written as letter × 4 ＋ 150 = 470 and solved in two moves over
// the "=": ＋ 150 becomes － 150, then × 4 becomes ÷ 4.  One paragraph.
#include "units/expr-solve-2/pages.h"

namespace units::expr_solve_2 {

using frame::Close;
using frame::Narration;

namespace {

// The equation's parts: the left side after the letter, the right side, the
// two terms carried over and what they become, the value between, the result.
constexpr std::string_view L = "× 4 ＋ 150";
constexpr std::string_view R = "470";
constexpr std::string_view A = "＋ 150";
constexpr std::string_view A2 = "－ 150";
constexpr std::string_view B = "× 4";
constexpr std::string_view B2 = "÷ 4";
constexpr std::string_view M = "320";
constexpr std::string_view Z = "= 80";

}  // namespace

void draw_page5(frame::Page& p) {
    p.open({.paragraphs = 2, .band_right = 308,
            .title = "  を求める 5                         5ﾍﾟｰｼﾞ", .title_mark = {{205, 12}}});

    // The problem, and the relation mapped onto the equation.
    p.picture("\\MF.BMP", {50, 220});
    p.picture("\\PF.BMP", {70, 220});
    p.text({40, 35}, "えんぴつを4本と150円ののりを買ったら代金は470円でした｡");
    p.text({40, 55}, "えんぴつ1本のねだんはいくらでしょう｡");
    p.text({40, 75}, "えんぴつ1本のねだんを  円として求めなさい｡");  p.mark({213, 85});
    p.pause(300);
    p.narrate(28, Close::No, Narration::ToEnd, 400);
    p.narrate(29, Close::No, Narration::Background, 100);
    p.picture("右指.BMP", {60, 107});
    p.text({80, 107}, "えんぴつ代＋のり代=代金", 6);  p.pause(600);
    p.fill_box({60, 107}, {80, 127}, 0);
    p.narrate(30, Close::Yes, Narration::ToEnd);
    p.narrate(31);
    p.text({85, 127}, "     ↓", 6);  p.pause(200);
    p.text({125, 147}, "× 4");  p.mark({105, 157});  p.pause(500);
    p.say(32, 100);
    p.text({190, 127}, "↓", 6);  p.text({165, 147}, "＋ 150 =");  p.pause(300);
    p.say(33, 50);
    p.text({240, 127}, "↓", 6);  p.text({237, 147}, "470");  p.pause(200);
    p.picture("右指.BMP", {80, 147});  p.pause(150);
    p.fill_box({80, 147}, {100, 167}, 0);  p.pause(300);

    // First move: ＋ 150 goes over the "=" and becomes － 150.
    p.narrate(35);
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.text({125, 147 + d}, L, c);  p.text({221, 147 + d}, "=", c);
        p.text({237, 147 + d}, R, c);  p.mark({105, 157 + d}, c);
    });
    p.mark({105, 157});  p.text({125, 147}, L);  p.text({237, 147}, R);  p.pause(100);
    p.narrate(2);
    p.blink(0, 11, [&](int c) { p.mark({105, 207}, c); });  p.pause(100);
    p.blink(0, 11, [&](int c) { p.text({165, 197}, A, c); });
    p.move(0, 16, 4, [&](float d, int c) { p.text({165, 197 - d}, A, c); });
    p.move(0, 48, 4, [&](float d, int c) { p.text({165 + d, 177}, A, c); });
    p.pause(200);
    p.narrate(18);
    p.blink(0, 8, [&](int c) { p.text({217, 177}, A, c); });
    p.blink(1, 9, [&](int c) { p.text({217, 177}, A2, c); });
    p.move(0, 52, 4, [&](float d, int c) { p.text({217 + d, 177}, A2, c); });
    p.move(0, 16, 4, [&](float d, int c) {
        p.text({273, 177 + d}, A2, c);  p.text({125 + 2 * d, 197}, B, c);
        p.mark({105 + 2 * d, 207}, c);
    });
    p.pause(300);

    // 470 － 150 becomes 320.
    p.narrate(36);
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.mark({145, 207 + d}, c);  p.text({165, 197 + d}, B, c);
        p.text({221, 197 + d}, "=", c);  p.text({237, 197 + d}, R, c);
        p.text({273, 197 + d}, A2, c);
    });
    p.mark({145, 207});  p.text({165, 197}, B);  p.text({221, 197}, "=");
    p.text({237, 197}, R);  p.text({273, 197}, A2);
    p.blink(0, 16, [&](int c) { p.text({237, 247}, R, c);  p.text({273, 247}, A2, c); });
    p.blink(0, 11, [&](int c) { p.text({237, 247}, M, c); });
    p.pause(300);

    // Second move: × 4 goes over the "=" and becomes ÷ 4.
    p.narrate(37);
    p.row_copy(10, 50, 10, [&](float d, int c) {
        p.mark({145, 257 + d}, c);  p.text({165, 247 + d}, B, c);
        p.text({221, 247 + d}, "=", c);  p.text({237, 247 + d}, M, c);
    });
    p.mark({145, 257});  p.text({165, 247}, B);  p.text({221, 247}, "=");  p.text({237, 247}, M);
    p.move(0, 16, 4, [&](float d, int c) { p.text({165, 297 - d}, B, c); });
    p.move(0, 48, 4, [&](float d, int c) { p.text({165 + d, 277}, B, c); });
    p.blink(0, 8, [&](int c) { p.text({217, 277}, B, c); });
    p.blink(1, 9, [&](int c) { p.text({217, 277}, B2, c); });
    p.move(0, 52, 4, [&](float d, int c) { p.text({217 + d, 277}, B2, c); });
    p.move(0, 16, 4, [&](float d, int c) {
        p.text({273, 277 + d}, B2, c);  p.mark({145 + 3 * d, 307}, c);
    });
    p.pause(300);

    // The answer.
    p.narrate(38);
    p.text({221, 347}, Z);  p.mark({202, 357});  p.pause(150);
    p.text({300, 347}, "答え  80円", 6);  p.pause(300);
    p.close_narration(1);

    p.end({350, 370});
}

}  // namespace units::expr_solve_2
