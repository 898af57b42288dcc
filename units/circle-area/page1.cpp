// Explanation page 1, "円の面積1": the circle cut into ever more sectors and
// laid out as a near-rectangle, then the formula built on the right:
// 円の面積＝長方形の面積 = たて×横 = 半径×円周÷2 = … = 半径×半径×3.14.
// Paragraph 2 only closes the page.
#include <vector>

#include "units/circle-area/pages.h"
#include "units/circle-area/sector_layouts.h"

namespace units::circle_area {
namespace {

using frame::Close;
using frame::Narration;
using frame::Page;
using frame::PointF;

constexpr float kFormulaRow = 330;
constexpr float kReplacedRow = 310;  // the replaced term, in red
constexpr PointF kBand{310, 200};    // the 60-sector picture, saved while it blinks
constexpr frame::Size kBandSize{180, 50};

struct Term {
    std::string_view text;
    float x;
    int size = 16;
};

void put(Page& p, const Term& t, float y, int colour) {
    const frame::Scoped size = p.font_size(t.size);
    p.text({t.x, y}, t.text, colour);
}

void highlight(Page& p, const Term& t) { put(p, t, kFormulaRow, 2); }
void erase_replaced(Page& p, const Term& t) { put(p, t, kReplacedRow, 0); }

// A term of the formula replaced: the new one comes in under an arrow, hops
// between two rows, and takes the old one's place, which moves up in red.
struct Substitution {
    std::vector<Term> old;      // erased from the formula row
    Term replaced;              // drawn again one row up
    Term incoming;
    Term arrow;                 // "↑"
    std::vector<Term> result;   // the formula row afterwards
};

void substitute(Page& p, const Substitution& s) {
    put(p, s.arrow, 350, 7);
    put(p, s.incoming, 370, 7);
    p.pause(100);
    put(p, s.arrow, 350, 0);
    p.blink(0, 11, [&](int c) {
        put(p, s.incoming, 370, c);
        put(p, s.incoming, 345, 7 - c);
    });
    put(p, s.incoming, 370, 0);
    for (const Term& t : s.old) put(p, t, kFormulaRow, 0);
    put(p, s.replaced, kReplacedRow, 2);
    for (const Term& t : s.result) put(p, t, kFormulaRow, 7);
}

const Term kRectangle{"長方形の面積", 400};
const Term kHeight{"たて", 400};
const Term kWidth{"横", 448};
const Term kCircumference{"円周", 448};
const Term kDiameter{"直径", 448, 13};
const Term kTimesTwo{"×2", 468, 13};
const Term kByTwo{"÷2", 537, 13};

const Substitution kSides{{kRectangle}, kRectangle, {"たて×横", 400}, {"↑", 440}, {{"たて×横", 400}}};
const Substitution kRadius{{kHeight}, kHeight, {"半径", 400}, {"↑", 408}, {{"半径", 400}}};
const Substitution kHalfCircumference{
    {kWidth}, kWidth, {"円周  ÷  2", 448}, {"↑", 448}, {{"円周  ÷  2", 448}}};
const Substitution kDiameterTimesPi{{{"円周  ÷  2", 448}},
                                    kCircumference,
                                    {"直径×3.14", 448, 13},
                                    {"↑", 448},
                                    {kDiameter, {"×3.14", 490, 13}, kByTwo}};
const Substitution kTwoRadii{{{"半径×", 400}, kDiameter},
                             kDiameter,
                             {"半径×2", 430, 13},
                             {"↑", 448, 13},
                             {{"半径×半径", 398, 13}, kTimesTwo}};

// A line of the 60-sector picture blinks under a pointing hand.
void point_at(Page& p, PointF hand, const std::function<void(int)>& line, int colour) {
    p.picture("下指.BMP", hand);
    p.blink(0, 9, line, colour);
}

void hand_gone(Page& p, PointF hand) { p.fill_box(hand, {hand.x + 20, hand.y + 20}, 0); }

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 2, .band_right = 272,
            .title = "円の面積1                            1ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});
    p.free_work_picture(0);

    // Paragraph 1: the circle cut and laid out.
    p.picture("\\MF.BMP", {220, 320});
    p.picture("\\PF.BMP", {200, 320});
    p.circle({50, 100}, 50, 7);
    p.pause(250);
    p.narrate(19, Close::No, Narration::Background, 400);
    p.say(20);
    lay_out_sectors(p);
    p.say(28, 500);  p.say(29, 600);  p.say(51);

    // 円の面積＝長方形の面積＝たて×横
    p.picture("左指.BMP", {415, 230});
    p.text({320, kFormulaRow}, "円の面積＝");
    p.pause(50);
    p.picture("右指.BMP", {415, 230});
    p.text({400, kFormulaRow}, kRectangle.text);
    p.pause(650);
    p.say(30, 150);
    highlight(p, kRectangle);
    hand_gone(p, {415, 230});
    substitute(p, kSides);
    p.pause(400);
    erase_replaced(p, kRectangle);
    p.say(31, 200);

    // たて is the radius.
    highlight(p, kHeight);
    p.say(42);
    frame::Drawing band = p.work_picture(0, kBandSize);
    band.copy({0, 0}, kBandSize, p, kBand);
    point_at(p, {430, 170}, [&](int c) { p.line({437, 200}, {437, 250}, c); }, 4);
    hand_gone(p, {430, 170});
    point_at(p, {350, 170}, [&](int c) { p.line({310, 250}, {360, 250}, c); }, 4);
    substitute(p, kRadius);
    p.pause(400);
    p.copy(kBand, kBandSize, band, {0, 0});
    erase_replaced(p, kHeight);
    p.say(32);

    // 横 is half the circumference.
    highlight(p, kWidth);
    hand_gone(p, {350, 170});
    point_at(p, {490, 170}, [&](int c) { p.line({437, 200}, {611, 200}, c); }, 2);
    hand_gone(p, {490, 170});
    point_at(p, {350, 170}, [&](int c) { p.arc({360, 250}, 50, c, 0.5f, 1); }, 2);
    hand_gone(p, {350, 170});
    p.say(33);
    substitute(p, kHalfCircumference);
    p.pause(500);
    p.copy(kBand, kBandSize, band, {0, 0});
    p.free_work_picture(0);
    p.line({437, 200}, {611, 200}, 7);
    erase_replaced(p, kWidth);
    p.say(34);

    // The circumference is the diameter times 3.14, the diameter two radii.
    highlight(p, kCircumference);
    substitute(p, kDiameterTimesPi);
    p.pause(600);
    erase_replaced(p, kCircumference);
    p.say(35);
    {
    const frame::Scoped small = p.font_size(13);
    highlight(p, kDiameter);
    substitute(p, kTwoRadii);
    p.pause(600);
    erase_replaced(p, kDiameter);
    p.say(36, 50);

    // ×2 and ÷2 cancel.
    highlight(p, kTimesTwo);
    p.pause(100);
    highlight(p, kByTwo);
    p.pause(450);
    p.say(37);
    const auto strokes = [&](int colour) {
        const frame::Scoped size = p.font_size(14);
        p.text({472, kFormulaRow}, "／", colour);
        p.text({534, kFormulaRow}, "／", {2, 1}, colour);
    };
    strokes(2);
    p.pause(500);
    p.say(39, 50);
    put(p, kTimesTwo, kFormulaRow, 0);
    put(p, kByTwo, kFormulaRow, 0);
    strokes(0);
    p.pause(200);
    p.fill_box({398, kFormulaRow}, {640, 380}, 0);
    put(p, {"半径×半径×3.14", 398, 13}, kFormulaRow, 7);
    }
    p.pause(500);
    p.close_narration(1);

    p.end({400, 350});
}

}  // namespace units::circle_area
