#include "frame/carry.h"

#include <cmath>

namespace frame {
namespace {

constexpr float kRise = 16;  // and one step more: 20
constexpr float kStep = 4;

// Where a move of `way` (one step more than its length) ends, from x.
float beyond(float x, float way) { return x + std::copysign(std::abs(way) + kStep, way); }

// A move sideways along a row, the way's sign giving its direction.
void sideways(Page& p, std::string_view text, PointF from, float way, int colour) {
    p.move(0, std::abs(way), kStep, [&](float d, int c) {
        p.text({from.x + std::copysign(d, way), from.y}, text, c);
    }, colour);
}

float lifted_row(const Carry& c) { return c.from.y - kRise - kStep; }

PointF crossed(const Carry& c) { return {beyond(c.from.x, c.over), lifted_row(c)}; }

}  // namespace

void lift_over(Page& p, const Carry& c) {
    p.move(0, kRise, kStep, [&](float d, int colour) {
        p.text({c.from.x, c.from.y - d}, c.term, colour);
    }, c.colour);
    sideways(p, c.term, {c.from.x, lifted_row(c)}, c.over, c.colour);
}

void turn_sign(Page& p, const Carry& c) {
    const PointF at = crossed(c);
    p.blink(0, c.last_blink, [&](int colour) { p.text(at, c.sign, colour); }, c.colour);
    p.blink(1, c.last_blink + 1, [&](int colour) { p.text(at, c.turned_sign, colour); },
            c.colour);
}

void set_down(Page& p, const Carry& c, const DrawAtOffset& along) {
    PointF at = crossed(c);
    if (c.on != 0) {
        sideways(p, c.turned, at, c.on, c.colour);
        at.x = beyond(at.x, c.on);
    }
    p.move(0, kRise, kStep, [&](float d, int colour) {
        p.text({at.x, at.y + d}, c.turned, colour);
        if (along) along(d, colour);
    }, c.colour);
}

}  // namespace frame
