// The first paragraph's demonstration: the circle cut into 6, 10, 20 and 60
// sectors, each time laid out as a shape that comes ever closer to a
// rectangle.  Cyan sectors open downward, yellow ones upward.
#include "units/circle-area/sector_layouts.h"

#include "units/circle-area/sectors.h"

namespace units::circle_area {
namespace {

using frame::Page;

constexpr int kUpper = 6;
constexpr int kLower = 5;

// Slices side by side around one apex: from + width·i to from + width·(i+1).
void fan(Page& p, PointF apex, float from, float width, int count, int fill) {
    for (int i = 0; i < count; ++i) slice(p, apex, from + width * i, from + width * (i + 1), fill);
}

// Slices of one arc along a row of apexes dx apart.
void row(Page& p, PointF first, float dx, int count, float from, float to, int fill) {
    for (int i = 0; i < count; ++i) slice(p, {first.x + dx * i, first.y}, from, to, fill);
}

// The middle strip of a fan copied side by side over the cleared layout.
void repeat_strip(Page& p, PointF strip, frame::Size size, PointF clear_from,
                  PointF clear_to, float first_x, float dx, int count) {
    frame::Drawing copy = p.work_picture(0, size);
    copy.copy({0, 0}, size, p, strip);
    p.fill_box(clear_from, clear_to, 0);
    for (int i = 0; i < count; ++i) p.copy({first_x + dx * i, strip.y}, size, copy, {0, 0});
    p.free_work_picture(0);
}

const Fan kFourCuts{{8, 7, 2, 3}, {0.55f, 0.7f, 0.8f, 0.95f, 0.45f, 0.2f, 0.3f, 0.05f}};

void six_sectors(Page& p) {
    const Cell cell{0, 0};
    const auto cuts = cut_circle(p, cell, 60, 5);
    p.narrate(21);
    fan_out(p, cell, cuts,
            {{5, 4, 1, 2}, {0.584f, 0.667f, 0.833f, 0.916f, 0.416f, 0.167f, 0.333f, 0.084f}});
    p.pause(30);
    repeat_strip(p, {176, 50}, {48, 100}, {110, 50}, {280, 150}, 126, 50, 3);
    p.pause(300);
    p.say(22, 150);
    p.fill_box({110, 101}, {280, 150}, 0);
    row(p, {175, 57}, 50, 3, 0.167f, 0.333f, kLower);
    p.pause(450);
    p.say(23, 500);
    p.narrate(24);
}

void ten_sectors(Page& p) {
    const Cell cell{1, 0};
    const auto apex = fan_out(p, cell, cut_circle(p, cell, 36, 9), kFourCuts);
    slice(p, apex[0], 0.65f, 0.75f, kUpper);
    slice(p, apex[1], 0.75f, 0.85f, kUpper);
    slice(p, apex[2], 0.25f, 0.35f, kLower);
    slice(p, apex[3], 0.15f, 0.25f, kLower);
    p.pause(30);
    repeat_strip(p, {496, 50}, {28, 100}, {420, 50}, {600, 150}, 436, 30, 5);
    p.pause(130);
    p.say(25, 100);
    p.fill_box({436, 101}, {600, 150}, 0);
    row(p, {465, 52}, 30, 5, 0.2f, 0.3f, kLower);
    p.pause(450);
    p.narrate(26);
}

// The finer cuts end alike: the fan is replaced by a row of upright slices
// and a row hanging between them.
struct Interlock {
    PointF clear_from, clear_to;  // the fan
    PointF upright;               // first apex of the upright row
    float dx;
    int count;
    float from, to;               // arcs of the upright row
    int settle;                   // pause after the rows are drawn
    PointF hanging;               // first apex of the hanging row
    int last_pause;
};

void interlock(Page& p, const Interlock& l) {
    p.fill_box(l.clear_from, l.clear_to, 0);
    row(p, l.upright, l.dx, l.count, l.from, l.to, kUpper);
    row(p, l.upright, l.dx, l.count, l.from - 0.5f, l.to - 0.5f, kLower);
    p.pause(l.settle);
    p.say(25, 100);
    p.fill_box({l.clear_from.x, l.upright.y + 1}, l.clear_to, 0);
    row(p, l.hanging, l.dx, l.count, l.from - 0.5f, l.to - 0.5f, kLower);
    p.pause(l.last_pause);
}

void twenty_sectors(Page& p) {
    const Cell cell{0, 1};
    const auto apex = fan_out(p, cell, cut_circle(p, cell, 18, 19),
                              {{16, 14, 4, 6}, kFourCuts.a});
    p.line({200, 200}, {200, 300}, 7);
    fan(p, apex[0], 0.6f, 0.05f, 3, kUpper);
    fan(p, apex[1], 0.75f, 0.05f, 3, kUpper);
    fan(p, apex[2], 0.25f, 0.05f, 3, kLower);
    fan(p, apex[3], 0.1f, 0.05f, 3, kLower);
    p.pause(30);
    interlock(p, {{110, 200}, {280, 300}, {128, 250}, 16, 10, 0.725f, 0.775f, 130, {136, 201}, 450});
    p.narrate(27);
}

void sixty_sectors(Page& p) {
    const Cell cell{1, 1};
    const auto apex = fan_out(p, cell, cut_circle(p, cell, 6, 59),
                              {{48, 42, 12, 18}, kFourCuts.a});
    fan(p, {510, 250}, 0.7f, 0.0167f, 5, kUpper);
    fan(p, {510, 250}, 0.2f, 0.0167f, 5, kLower);
    fan(p, apex[0], 0.55f, 0.0167f, 11, kUpper);
    fan(p, apex[1], 0.75f, 0.0167f, 11, kUpper);
    fan(p, apex[2], 0.25f, 0.0167f, 11, kLower);
    fan(p, apex[3], 0.05f, 0.0167f, 11, kLower);
    p.pause(30);
    interlock(p, {{420, 200}, {640, 300}, {438, 250}, 6, 30, 0.742f, 0.758f, 130, {441, 200}, 350});
}

}  // namespace

void lay_out_sectors(Page& p) {
    six_sectors(p);
    ten_sectors(p);
    twenty_sectors(p);
    sixty_sectors(p);
}

}  // namespace units::circle_area
