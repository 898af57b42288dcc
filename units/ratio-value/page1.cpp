// Explanation page 1, "比と比の値": three pairs of bars 1 : 2 with dotted
// brackets, whose ratio slides down and becomes the value 1/2; weights of
// 3 : 5 as discs, their ratios turned into fractions and reduced; and the
// word problem 126 : 72 on a blue box, simplified to 7 : 4 with its value
// 1 3/4.  Paragraph 4 only closes the page.
#include <string_view>

#include "units/ratio-value/pages.h"

namespace units::ratio_value {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;
using frame::Scale;
using frame::PenStyle;
using frame::PointF;


// A blink of 11 steps: drawn on odd steps, erased on even ones in the
// colour under it, a pause of 15 after each.
void blink(Page& p, int under, const frame::DrawInColour& draw) {
    p.blink(1, 11, [&](int c) { draw(c == 0 ? under : c); });
}

// Two lengths in the ratio 1 : 2: a red bar and a green one twice as tall,
// each with a dotted bracket and its length beside it.
struct BarPair {
    float x = 0;                    // the red bar's left edge
    std::string_view short_length;  // "1m"
    std::string_view long_length;   // "2m"
};

void bar_pair(Page& p, const BarPair& b) {
    const float x = b.x;
    p.fill_box({x, 110}, {x + 5, 160}, 2);
    p.fill_box({x + 50, 60}, {x + 55, 160}, 4);
    const frame::Scoped dotted = p.pen(PenStyle::Dotted);
    const frame::Scoped small = p.font_size(13);
    p.arc({x + 5, 135}, 10, 7, 0.75f, 0.25f, 2.5f);
    p.text({x + 17, 125}, b.short_length);
    p.arc({x + 55, 110}, 10, 7, 0.75f, 0.25f, 5);
    p.text({x + 67, 100}, b.long_length);
}

// Paragraph 1's ratios 1 : 2 slide down as "1 / 2" in the three columns
// together, then part into a fraction.
void ratios_become_values(Page& p) {
    constexpr float kColumns[] = {54, 194, 334};
    for (int i = 1; i <= 9; ++i)
        for (float x : kColumns) {
            p.text({x, 170.f + 4 * i}, "1 / 2", 0);
            p.text({x, 174.f + 4 * i}, "1 / 2");
            p.pause(5);
            p.text({x, 170}, "1 : 2");
        }
    for (int i = 0; i <= 9; ++i)
        for (float x : kColumns) {
            p.text({x + i, 210.f - i}, "1", 0);
            p.text({x + 32 - i, 210.f + i}, "2", 0);
            p.text({x + i + 1, 209.f - i}, "1");
            p.text({x + 31 - i, 211.f + i}, "2");
            p.pause(5);
        }
    for (float x : kColumns) {
        p.text({x + 10, 200}, "1", 0);
        p.text({x + 22, 220}, "2", 0);
        p.text({x + 16, 210}, "/", 0);
        p.text({x + 12, 210}, "－");
        p.text({x + 16, 200}, "1");
        p.text({x + 16, 220}, "2");
    }
    p.pause(650);
}

// Two weights: a yellow disc labelled in the background colour, a blue one
// labelled in white.
struct Weights {
    float x = 0;  // the yellow disc's centre
    std::string_view yellow_label;
    float yellow_label_x = 0;
    std::string_view blue_label;
    float blue_label_x = 0;
};

void weights(Page& p, const Weights& w) {
    p.disc({w.x, 300}, 20, 6, 6);
    p.text({w.yellow_label_x, 290}, w.yellow_label, 0);
    p.disc({w.x + 50, 300}, 20, 1, 1);
    p.text({w.blue_label_x, 290}, w.blue_label);
}

// A ratio slides 40 down, its ":" becomes "/", its terms part above and
// below it, and it is written again as a fraction.
struct RatioToFraction {
    PointF at;                     // where the ratio stands
    std::string_view ratio;        // standing there: "30:50"
    std::string_view sliding;      // what slides down: "30:50"
    std::string_view left, right;  // "30", "50"
    float right_dx = 24;           // the right term's x in the ratio
    float colon_dx = 0;            // where ":" is turned into "/"; 0: it slides as "/"
    float slash_dx = 16;
    std::string_view bar;          // the fraction's bar, and its place and scale
    PointF bar_at;
    Scale bar_scale;
    PointF left_at, right_at;      // the terms of the fraction
    int under = 0;                 // the colour it is erased in
};

void ratio_to_fraction(Page& p, const RatioToFraction& r) {
    const float x = r.at.x, y = r.at.y, low = r.at.y + 40;
    const PointF slash{x + r.slash_dx, low};
    for (int i = 0; i <= 9; ++i) {
        p.text({x, y + 4 * i}, r.sliding, r.under);
        p.text({x, y + 4 + 4 * i}, r.sliding);
        p.pause(5);
        p.text(r.at, r.ratio);
    }
    if (r.colon_dx > 0) {
        p.text({x + r.colon_dx, low}, ":", r.under);
        p.text(slash, "/");
    }
    for (int i = 0; i <= 9; ++i) {
        p.text({x + i, low - i}, r.left, r.under);
        p.text({x + r.right_dx - i, low + i}, r.right, r.under);
        p.text({x + 1 + i, low - 1 - i}, r.left);
        p.text({x + r.right_dx - 1 - i, low + 1 + i}, r.right);
        p.pause(5);
        p.text(slash, "/");
    }
    p.text({x + 10, low - 10}, r.left, r.under);
    p.text({x + r.right_dx - 10, low + 10}, r.right, r.under);
    p.text(slash, "/", r.under);
    p.text(r.bar_at, r.bar, r.bar_scale);
    p.text(r.left_at, r.left);
    p.text(r.right_at, r.right);
}

constexpr RatioToFraction k30To50{
    .at = {151, 330}, .ratio = "30:50", .sliding = "30:50", .left = "30", .right = "50",
    .colon_dx = 16, .bar = "─", .bar_at = {163, 370}, .bar_scale = {1, 1},
    .left_at = {163, 360}, .right_at = {163, 380}};
constexpr RatioToFraction k60To100{
    .at = {291, 330}, .ratio = "60:100", .sliding = "60:100", .left = "60", .right = "100",
    .colon_dx = 16, .slash_dx = 12, .bar = "─", .bar_at = {295, 370}, .bar_scale = {2, 1},
    .left_at = {303, 360}, .right_at = {298, 380}};
constexpr RatioToFraction k126To72{
    .at = {484, 140}, .ratio = "126:72", .sliding = "126/72", .left = "126", .right = "72",
    .right_dx = 32, .slash_dx = 24, .bar = "─", .bar_at = {500, 180}, .bar_scale = {2, 1},
    .left_at = {505, 170}, .right_at = {508, 190}, .under = 1};

// The script ℓ written after "m" in the word problem: two arcs that make
// "mℓ", millilitres of water and oil.
void litre_mark(Page& p, float x) {
    p.arc({x, 95}, 4, 7, 0.82f, 0.31f, 2);
    p.arc({x + 4, 95}, 4, 7, 0.19f, 0.68f, 2);
}

void paragraph1(Page& p) {
    p.picture("\\MF.BMP", {0, 50});
    p.picture("\\PF.BMP", {20, 50});

    bar_pair(p, {30, "1m", "2m"});
    p.pause(200);
    p.narrate(1, Close::No, Narration::Background, 400);  p.say(2, 500);  p.say(3, 200);
    blink(p, 0, [&](int c) { p.text({6, 170}, "比    1 : 2", c); });
    p.pause(400);  p.say(4, 100);

    bar_pair(p, {170, "10m", "20m"});
    p.pause(350);  p.say(5, 400);  p.say(6);
    blink(p, 0, [&](int c) { p.text({194, 170}, "1 : 2", c); });
    p.pause(400);  p.say(7, 100);

    bar_pair(p, {310, "30m", "60m"});
    p.pause(350);  p.say(5, 400);  p.say(6);
    blink(p, 0, [&](int c) { p.text({334, 170}, "1 : 2", c); });
    p.pause(400);  p.say(8, 200);

    p.text({0, 210}, "比の値=左÷右");
    p.pause(500);
    p.text({48, 210}, "=左÷右", 0);
    p.say(9);
    ratios_become_values(p);
}

void paragraph2(Page& p) {
    p.paragraph(2);
    p.say(10);
    p.text({30, 30}, "比とは2つ以上の物を比べる時にそれぞれの割合を表した数のこと");
    p.pause(950);
    p.say(11);
    p.text({30, 250}, "比はできるだけかんたんな整数にするとわかりやすい");
    p.pause(700);
    p.say(12);

    weights(p, {40, "3kg", 28, "5kg", 78});
    p.pause(550);  p.say(13, 200);
    blink(p, 0, [&](int c) { p.text({6, 330}, "比    3 : 5", c); });
    p.pause(400);  p.say(14);
    weights(p, {180, "30kg", 164, "50kg", 214});
    p.pause(200);
    blink(p, 0, [&](int c) { p.text({151, 330}, "30:50 = 3 : 5", c); });
    p.pause(350);  p.say(15);
    weights(p, {320, "60kg", 304, "100kg", 350});
    p.pause(200);
    blink(p, 0, [&](int c) { p.text({291, 330}, "60:100 = 3 : 5", c); });
    p.pause(350);  p.say(16);

    ratio_to_fraction(p, k30To50);
    ratio_to_fraction(p, k60To100);
    p.pause(100);
    p.cancel({{{161, 360}, {178, 375}, "3", {175, 350}},
              {{161, 380}, {178, 395}, "5", {175, 395}}});
    p.cancel({{{301, 360}, {318, 375}, "3", {315, 350}},
              {{301, 380}, {325, 395}, "5", {315, 395}}});
    p.pause(550);

    p.say(17, 100);
    p.text({0, 370}, "比の値 ─");  p.text({60, 360}, "3");  p.text({60, 380}, "5");
    p.text({187, 370}, "= ─");  p.text({207, 360}, "3");  p.text({207, 380}, "5");
    p.text({327, 370}, "= ─");  p.text({347, 360}, "3");  p.text({347, 380}, "5");
    p.pause(800);
}

void paragraph3(Page& p) {
    p.paragraph(3);
    p.say(18);

    // The first mascot steps beside the problem on its blue box.
    p.move_picture("\\pr.BMP", {{20, 50}, {40, 110}}, {415, 100});
    p.fill_box({450, 80}, {640, 225}, 1);
    p.text({460, 90}, "水126m  と油72m  の比");
    p.text({460, 110}, "と比の値を求めなさい｡");
    litre_mark(p, 511);
    litre_mark(p, 583);
    p.pause(350);

    p.say(36, 100);
    p.text({460, 140}, "比 126:72");
    p.pause(550);
    p.move_picture("\\PF.BMP", {{415, 100}, {447, 160}}, {20, 50});
    p.say(19);
    ratio_to_fraction(p, k126To72);
    p.pause(700);

    p.say(20, 350);
    p.cancel({{{503, 170}, {531, 185}, "7", {525, 160}},
              {{508, 190}, {526, 205}, "4", {525, 205}}});
    p.pause(600);

    p.say(21, 450);
    blink(p, 1, [&](int c) { p.text({540, 140}, "= 7:4", c); });
    p.pause(350);
    p.say(22);
    {
        const frame::Scoped small = p.font_size(13);
        p.text({455, 180}, "比の値");
    }
    p.pause(250);
    blink(p, 1, [&](int c) {
        p.text({540, 180}, "= 1－", c);  p.text({568, 170}, "3", c);  p.text({568, 190}, "4", c);
    });
    p.pause(600);

    p.say(23, 700);
    p.say(24);
    {
        const frame::Scoped small = p.font_size(12);
        p.rule({450, 230}, "比は右と左に同じ数をかけても");
        p.rule({450, 250}, "同じ数でわっても同じ");
    }
    p.pause(600);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 4, .band_right = 288,
            .title = "比と比の値                           1ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});
    paragraph1(p);
    paragraph2(p);
    paragraph3(p);
    p.close_narration(1);
    p.end({500, 340});
}

}  // namespace units::ratio_value
