// Explanation page 1, "線対称": a cup, a crown and a dart folded along their
// axes (paragraph 1), corresponding points followed through the fold (2),
// the segments between them crossing the axis at right angles (3), and a
// star folded along each of its four axes (4).  Paragraph 5 closes the page.
#include <optional>
#include <string_view>

#include "units/symmetry/pages.h"
#include "units/symmetry/shape.h"
#include "units/symmetry/star.h"
#include "units/symmetry/swing.h"

namespace units::symmetry {
namespace {

using frame::Close;
using frame::Erase;
using frame::Narration;
using frame::Page;
using frame::Scoped;
using frame::PenStyle;
using frame::PointF;

constexpr int kYellow = 6;

// The fold tables, read by frame.
struct Folds {
    FoldTable t1 = fold_table(75, 0);
    FoldTable t2 = fold_table(45, 0);
    FoldTable t3 = fold_table(35, 0);
    FoldTable t4 = fold_table(50, 90);
};

// A corner right of a vertical axis x = a at height y, folding over it.
PointF over_vertical(float a, float y, const Offset& o) { return {a + o.dx, y - o.dy / 2}; }
// A corner above a horizontal axis y = b at x, folding down over it.
PointF over_horizontal(float x, float b, const Offset& o) { return {x + o.dx / 2, b - o.dy}; }

struct Axis {
    PointF from;
    PointF to;
};

constexpr Axis kCrownAxis{{435, 60}, {435, 170}};
constexpr Axis kDartAxis{{50, 280}, {230, 280}};
constexpr Axis kVertical{{250, 45}, {250, 255}};
constexpr Axis kHorizontal{{145, 150}, {355, 150}};
constexpr Axis kDiagonal{{175, 75}, {325, 225}};
constexpr Axis kOtherDiagonal{{325, 75}, {175, 225}};

void axis(Page& p, const Axis& a, int colour) { p.line(a.from, a.to, colour); }
void dotted_axis(Page& p, const Axis& a) { p.line(a.from, a.to, kYellow, PenStyle::Dotted); }
void blink_axis(Page& p, const Axis& a, int first, int last, int pause_length) {
    p.blink(first, last, [&](int c) { axis(p, a, c); }, kYellow, pause_length);
}

void cup(Page& p) {
    shape(p, Corners<8>{{{60, 80}, {60, 160}, {210, 160}, {210, 80}, {180, 80}, {180, 130},
                         {90, 130}, {90, 80}}});
}
void cup_folding(Page& p, const Folds& f, std::size_t i) {
    shape(p, Corners<6>{{{60, 80}, {60, 160}, {135, 160}, {135, 130}, {90, 130}, {90, 80}}});
    shape(p, Corners<6>{{{135, 160}, over_vertical(135, 160, f.t1[i]),
                         over_vertical(135, 80, f.t1[i]), over_vertical(135, 80, f.t2[i]),
                         over_vertical(135, 130, f.t2[i]), {135, 130}}});
}

void crown(Page& p) {
    shape(p, Corners<7>{{{360, 110}, {360, 160}, {510, 160}, {510, 110}, {470, 140}, {435, 80},
                         {400, 140}}});
}
void crown_still(Page& p) {
    shape(p, Corners<5>{{{435, 80}, {400, 140}, {360, 110}, {360, 160}, {435, 160}}});
}
void crown_moving(Page& p, const Folds& f, std::size_t i) {
    shape(p, Corners<5>{{{435, 160}, over_vertical(435, 160, f.t1[i]),
                         over_vertical(435, 110, f.t1[i]), over_vertical(435, 140, f.t3[i]),
                         {435, 80}}});
}

void dart(Page& p) { shape(p, Corners<4>{{{60, 280}, {210, 330}, {160, 280}, {210, 230}}}); }
void dart_still(Page& p) { shape(p, Corners<3>{{{60, 280}, {210, 330}, {160, 280}}}); }
void dart_moving(Page& p, const Folds& f, std::size_t i) {
    shape(p, Corners<3>{{{60, 280}, over_horizontal(210, 280, f.t4[i]), {160, 280}}});
}

// Frames 0 to 9 of a fold, an area cleared before each.
void fold(Page& p, PointF from, PointF to, int pause_length,
          const std::function<void(std::size_t)>& frame) {
    p.steps({.from = 0, .to = 9, .pause = pause_length, .erase = Erase::Box, .box_from = from,
             .box_to = to},
            [&](float i, int) { frame(static_cast<std::size_t>(i)); });
}

void label(Page& p, PointF at, std::string_view text, int colour = 7) { p.text(at, text, colour); }

// A shape folded over its axis and opened again, then named.
struct FoldingShape {
    void (*whole)(Page&);
    void (*still)(Page&);
    void (*moving)(Page&, const Folds&, std::size_t);
    Axis axis;
    PointF box_from, box_to;
    PointF label_at;
    int said_first = 0;  // a narration before the usual two, if any
};

const FoldingShape kCrown{crown, crown_still, crown_moving, kCrownAxis,
                          {350, 65}, {520, 170}, {410, 173}, 4};
const FoldingShape kDart{dart, dart_still, dart_moving, kDartAxis,
                         {50, 220}, {220, 340}, {110, 343}};

void fold_and_name(Page& p, const Folds& f, const FoldingShape& s) {
    s.whole(p);
    if (s.said_first != 0) p.say(s.said_first, 50);
    p.say(5);
    {
        const Scoped dotted = p.pen(PenStyle::Dotted);
        blink_axis(p, s.axis, 0, 11, 20);
    }
    fold(p, s.box_from, s.box_to, 20, [&](std::size_t i) {
        s.still(p);
        s.moving(p, f, i);
        dotted_axis(p, s.axis);
    });
    p.pause(200);
    p.say(6);
    s.whole(p);
    dotted_axis(p, s.axis);
    p.blink(0, 11, [&](int c) { label(p, s.label_at, "線対称", c); }, 7, 20);
    p.pause(200);
}

void three_folds(Page& p, const Folds& f) {
    fold(p, {50, 30}, {220, 170}, 20, [&](std::size_t i) { cup_folding(p, f, i); });
    p.pause(200);
    p.text({50, 35}, "線対称とは まん中で折った時にぴったりと重なる形のこと｡");
    cup(p);
    p.text({110, 173}, "線対称");
    p.pause(200);

    fold_and_name(p, f, kCrown);
    fold_and_name(p, f, kDart);
    {
        const Scoped dotted = p.pen(PenStyle::Dotted);
        p.say(7);
        p.blink(0, 11, [&](int c) {
            axis(p, kCrownAxis, c);
            axis(p, kDartAxis, c);
        }, kYellow, 20);
    }
    label(p, {436, 65}, "←対称のじく", 2);
    label(p, {210, 281}, "↑", 2);
    label(p, {210, 300}, "対称のじく", 2);
    p.pause(350);
}

void corresponding_points(Page& p, const Folds& f) {
    p.say(8);
    p.move_picture("\\mr.BMP", {{280, 150}, {300, 210}}, {300, 120});
    {
        const Scoped small = p.font_size(12);
        const auto fixed = [&](int c) {
            label(p, {358, 98}, "A", c);
            label(p, {358, 163}, "B", c);
        };
        fixed(7);
        label(p, {508, 163}, "C");
        label(p, {508, 98}, "D");
        p.pause(100);
        p.blink(0, 9, [&](int c) { label(p, {358, 98}, "A", c); });
        fold(p, {350, 60}, {540, 173}, 20, [&](std::size_t i) {
            crown_still(p);
            fixed(7);
            crown_moving(p, f, i);
            label(p, over_vertical(435, 163, f.t1[i]), "C");
            label(p, over_vertical(435, 98, f.t1[i]), "D");
            dotted_axis(p, kCrownAxis);
        });
        p.pause(100);
        p.fill_box({350, 60}, {540, 173}, 0);
        crown(p);
        fixed(7);
        label(p, {508, 163}, "C");
        label(p, {508, 98}, "D");
        dotted_axis(p, kCrownAxis);
        p.blink(1, 9, [&](int c) { label(p, {508, 98}, "D", c); });
        p.pause(200);

        p.say(9);
        p.move_picture("\\ml.BMP", {{300, 120}, {340, 180}}, {250, 230});
        label(p, {213, 228}, "A");
        label(p, {50, 277}, "B");
        label(p, {213, 328}, "C");
        p.pause(600);
    }
    p.move_picture("\\MF.BMP", {{250, 230}, {290, 290}}, {280, 150});
    label(p, {210, 300}, "対称のじく", 2);
    p.say(10, 600);
    p.say(11);
    {
        const Scoped small = p.font_size(12);
        p.blink(1, 9, [&](int c) { label(p, {213, 228}, "A", c); });
        fold(p, {50, 220}, {300, 340}, 15, [&](std::size_t i) {
            dart_still(p);
            label(p, {50, 277}, "B");
            label(p, {213, 328}, "C");
            dart_moving(p, f, i);
            label(p, over_horizontal(213, 280, f.t4[i]), "A");
            dotted_axis(p, kDartAxis);
        });
        p.fill_box({60, 220}, {300, 340}, 0);
        dart(p);
        label(p, {213, 228}, "A");
        label(p, {213, 328}, "C");
        dotted_axis(p, kDartAxis);
        p.blink(1, 9, [&](int c) { label(p, {213, 328}, "C", c); });
    }
    p.pause(200);
}

void segments(Page& p) {
    p.say(12, 200);
    p.blink(1, 11, [&](int c) {
        p.line({360, 110}, {510, 110}, c);
        p.line({210, 230}, {210, 330}, c);
    }, kYellow, 20);
    p.pause(100);
    p.say(13, 200);
    p.blink(1, 11, [&](int c) {
        p.polyline({{435, 120}, {445, 120}, {445, 110}}, c);
        p.polyline({{210, 290}, {220, 290}, {220, 280}}, c);
    }, kYellow, 20);
    p.pause(300);
}

// The mascots as a fold of the star begins: one child points at it, the
// other's face moves from beside it (the box from `cleared` 20 wide, down
// to 110) to its place.
struct Mascots {
    std::string_view pointing;
    PointF cleared;
    std::string_view face;
    PointF face_at;
};

void mascots(Page& p, const Mascots& m) {
    p.picture(m.pointing, {70, 130});
    p.move_picture(m.face, {m.cleared, {m.cleared.x + 20, 110}}, m.face_at);
}

// What stands when a fold of the star begins: the star as the fold before
// left it, the star drawn again over that, or the star alone on a cleared
// area.
enum class StarBefore { AsLeft, DrawnAgain, Cleared };

// One fold of the star along one of its axes, the axis blinking first.
struct StarFoldShown {
    const StarFold* fold;
    Axis axis;
    StarBefore before;
    int said;
    std::optional<Mascots> mascots;
};

constexpr Mascots kBoyPoints{"\\pr.BMP", {50, 50}, "\\MF.BMP", {70, 50}};
constexpr Mascots kGirlPoints{"\\mr.BMP", {70, 50}, "\\PF.BMP", {50, 50}};

const StarFoldShown kStarFolds[] = {
    {&kVerticalFold, kVertical, StarBefore::AsLeft, 31, kBoyPoints},
    {&kHorizontalFold, kHorizontal, StarBefore::DrawnAgain, 32, {}},
    {&kDiagonalFold, kDiagonal, StarBefore::Cleared, 34, kGirlPoints},
    {&kOtherDiagonalFold, kOtherDiagonal, StarBefore::Cleared, 35, kBoyPoints},
};

void fold_star(Page& p, Star& star, const StarFoldShown& s) {
    star.fill(*s.fold);
    if (s.before == StarBefore::Cleared) p.fill_box({140, 40}, {360, 260}, 0);
    if (s.before != StarBefore::AsLeft) star.draw(p);
    p.say(s.said);
    if (s.mascots) mascots(p, *s.mascots);
    blink_axis(p, s.axis, 1, 11, 20);
    star.fold(p, *s.fold);
}

void star_axes(Page& p) {
    p.say(30);
    p.fill_box({0, 30}, {630, 400}, 0);
    p.text({50, 260}, "上の形には対称のじくが何本ありますか。");
    p.picture("\\mr.BMP", {70, 130});
    p.picture("\\PF.BMP", {50, 50});
    Star star;
    star.draw(p);
    p.pause(600);

    fold_star(p, star, kStarFolds[0]);
    fold_star(p, star, kStarFolds[1]);

    p.say(33);
    star.draw(p);
    blink_axis(p, kVertical, 0, 9, 10);
    blink_axis(p, kHorizontal, 0, 9, 10);
    p.pause(200);

    fold_star(p, star, kStarFolds[2]);
    fold_star(p, star, kStarFolds[3]);

    p.say(36);
    p.fill_box({160, 40}, {350, 260}, 0);
    star.draw(p);
    p.pause(50);
    blink_axis(p, kVertical, 0, 9, 6);
    blink_axis(p, kHorizontal, 0, 9, 6);
    blink_axis(p, kDiagonal, 1, 9, 6);
    blink_axis(p, kOtherDiagonal, 1, 9, 6);
    p.text({150, 290}, "答え　4本");
    p.pause(300);

    shape(p, Corners<3>{{{450, 230}, {360, 310}, {500, 310}}});
    label(p, {430, 323}, "↑", 2);
    {
        const Scoped smaller = p.font_size(14);
        label(p, {300, 343}, "この様にどう折ってもぴったり重なりそうに", 2);
        label(p, {300, 360}, "ない形は線対称ではないんだね!", 2);
    }
    p.pause(300);
    p.close_narration(4);
}

}  // namespace

void draw_page1(Page& p) {
    p.open({.paragraphs = 5, .band_right = 255,
            .title = "線対称                               1ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});
    p.picture("\\MF.BMP", {280, 150});
    p.picture("\\PF.BMP", {260, 150});
    cup(p);
    p.pause(200);
    p.narrate(1, Close::No, Narration::Background, 300);
    p.say(2, 300);
    p.say(3, 200);
    const Folds folds;
    three_folds(p, folds);

    p.paragraph(2);
    corresponding_points(p, folds);
    p.paragraph(3);
    segments(p);
    p.paragraph(4);
    star_axes(p);

    p.end({500, 380});
}

}  // namespace units::symmetry
