// Explanation page 3, "点対称": an H, a rectangle and an hourglass turned
// half a turn about their centres land on their copies at rest; a triangle
// does not.  All of it is paragraph 1; paragraph 2 closes the page.
#include <string_view>

#include "units/symmetry/pages.h"
#include "units/symmetry/shape.h"
#include "units/symmetry/swing.h"

namespace units::symmetry {
namespace {

using frame::Close;
using frame::Erase;
using frame::Narration;
using frame::Page;
using frame::PointF;

struct Corner {
    float alpha;   // degrees, counter-clockwise from 3 o'clock
    float radius;
};

// A figure turned about its centre: its corners, and the order in which
// the polygon runs through them.
template <std::size_t N>
struct Turn {
    PointF centre;
    std::array<Corner, N> corners;
    std::array<int, N> order;
    PointF box_from;  // the area cleared before each frame
    PointF box_to;
};

template <std::size_t N>
struct Paths {
    std::array<Path, N> paths;
    std::array<int, N> order;

    Corners<N> at(int frame) const {
        Corners<N> c{};
        for (std::size_t k = 0; k < N; ++k)
            c[k] = paths[static_cast<std::size_t>(order[k])][static_cast<std::size_t>(frame)];
        return c;
    }
};

template <std::size_t N>
Paths<N> paths_of(const Turn<N>& t) {
    Paths<N> p{.paths = {}, .order = t.order};
    for (std::size_t k = 0; k < N; ++k)
        p.paths[k] = turn_path(t.centre, t.corners[k].alpha, t.corners[k].radius);
    return p;
}

const Turn<12> kH{{100, 100},
                  {{{8, 35}, {-7, 35}, {-173, 35}, {-188, 35}, {46, 50}, {-46, 50}, {-134, 50},
                    {-226, 50}, {40, 56}, {-40, 56}, {-140, 56}, {-220, 56}}},
                  {0, 4, 8, 9, 5, 1, 2, 6, 10, 11, 7, 3},
                  {0, 25},
                  {250, 200}};
const Turn<4> kRectangle{
    {400, 100}, {{{66, 50}, {-66, 50}, {-114, 50}, {-246, 50}}}, {0, 1, 2, 3}, {300, 30}, {550, 250}};
const Turn<4> kHourglass{
    {100, 250}, {{{66, 50}, {-66, 50}, {-114, 50}, {-246, 50}}}, {0, 2, 1, 3}, {0, 190}, {180, 320}};
const Turn<3> kTriangle{
    {400, 250}, {{{90, 50}, {-66, 50}, {-114, 50}}}, {0, 1, 2}, {350, 190}, {500, 320}};


// The arrow at the centre, erased and merged in again over the turned
// figure.
void arrow_again(Page& p, PointF at) {
    p.text(at, "←", 0);
    const frame::Scoped merge = p.mode(frame::DrawMode::Merge);
    p.text(at, "←");
}

// Frames 1 to 9 of a turn over the figure at rest, the arrow kept on top.
template <std::size_t N>
void turn(Page& p, const Turn<N>& t, const Paths<N>& figure, PointF arrow) {
    p.steps({.from = 1, .to = 9, .pause = 20, .erase = Erase::Box, .box_from = t.box_from,
             .box_to = t.box_to},
            [&](float i, int) {
                shape(p, figure.at(0));
                shape(p, figure.at(static_cast<int>(i)));
                arrow_again(p, arrow);
            });
    p.pause(100);
}

// A figure at rest, pointed at, then turned.
template <std::size_t N>
Paths<N> show_and_turn(Page& p, const Turn<N>& t, PointF arrow, bool first_narration) {
    const Paths<N> figure = paths_of(t);
    shape(p, figure.at(0));
    if (first_narration) p.say(4, 80);
    p.say(17);
    p.text(arrow, "←");
    p.pause(100);
    turn(p, t, figure, arrow);
    return figure;
}

void turn_h(Page& p) {
    const Paths<12> h = paths_of(kH);
    shape(p, h.at(0));
    p.pause(200);
    p.narrate(14, Close::No, Narration::Background, 300);
    p.say(15, 100);
    p.picture("上指.BMP", {90, 107});
    p.blink(1, 11, [&](int c) { p.line({100, 100}, {100, 101}, c); }, 7, 20);
    p.steps({.from = 1, .to = 9, .pause = 20, .erase = Erase::Box, .box_from = kH.box_from,
             .box_to = kH.box_to},
            [&](float i, int) {
                shape(p, h.at(0));
                shape(p, h.at(static_cast<int>(i)));
            });
    p.fill_box(kH.box_from, kH.box_to, 0);
    shape(p, h.at(9));
    p.pause(200);
    p.say(16);
    p.text({77, 160}, "点対称");
    p.pause(600);
}

}  // namespace

void draw_page3(Page& p) {
    p.open({.paragraphs = 2, .band_right = 255,
            .title = "点対称                               3ﾍﾟｰｼﾞ",
            .coordinates = frame::Coordinates::Pixels});
    p.picture("\\MF.BMP", {240, 200});
    p.picture("\\PF.BMP", {210, 200});
    turn_h(p);

    show_and_turn(p, kRectangle, {400, 92}, true);
    p.say(18);
    p.text({377, 160}, "点対称");
    p.pause(600);
    p.say(21, 100);
    p.text({400, 92}, "←");
    p.blink(1, 11, [&](int c) { p.point({400, 100}, c); }, 7, 15);
    p.text({423, 91}, "対称の中心");
    p.pause(300);

    show_and_turn(p, kHourglass, {100, 243}, true);
    p.say(18);
    p.text({77, 310}, "点対称");
    p.text({100, 243}, "←");
    p.text({123, 242}, "対称の中心");
    p.pause(700);

    const Paths<3> triangle = show_and_turn(p, kTriangle, {400, 243}, false);
    p.say(19, 200);
    p.text({350, 310}, "点対称でない");
    p.pause(400);
    p.say(20);
    p.fill_box({350, 190}, {500, 305}, 0);
    shape(p, triangle.at(0));
    p.pause(400);
    p.text({30, 340}, "点対称っていうのは上下をひっくりかえしても同じになる形のことだよ!", 2);
    p.pause(400);
    p.close_narration(1);

    p.end({400, 360});
}

}  // namespace units::symmetry
