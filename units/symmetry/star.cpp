#include "units/symmetry/star.h"

#include <cstddef>

#include "units/symmetry/shape.h"

namespace units::symmetry {
namespace {

using frame::PointF;

constexpr PointF kCentre{250, 150};

std::size_t round_star(int k) { return static_cast<std::size_t>((k % 8 + 8) % 8); }

}  // namespace

const StarFold kVerticalFold{2, {{{{250, 133}, 18}, {{250, 150}, 75}, {{250, 167}, 18}}},
                             180, -20, {160, 40}, {350, 260}};
const StarFold kHorizontalFold{0, {{{{232, 150}, 18}, {{250, 150}, 75}, {{268, 150}, 18}}},
                               90, -20, {140, 40}, {360, 260}};
const StarFold kDiagonalFold{1, {{{{212, 112}, 53}, {{250, 150}, 25}, {{288, 188}, 53}}},
                             135, -20, {158, 40}, {350, 260}};
const StarFold kOtherDiagonalFold{7, {{{{212, 188}, 53}, {{250, 150}, 25}, {{288, 112}, 53}}},
                                  45, 20, {160, 40}, {350, 260}};

Star::Star() {
    for (int j = 0; j < 4; ++j) {
        const auto k = static_cast<std::size_t>(2 * j);
        corners_[k] = swing_path(kCentre, 25, 45.0f + 90.0f * j, 0);
        corners_[k + 1] = swing_path(kCentre, 75, 90.0f + 90.0f * j, 0);
    }
}

void Star::draw(frame::Drawing& d) const {
    Corners<8> at{};
    for (std::size_t k = 0; k < 8; ++k) at[k] = corners_[k][0];
    shape(d, at);
}

void Star::fill(const StarFold& f) {
    for (std::size_t s = 0; s < 3; ++s)
        corners_[round_star(f.first + static_cast<int>(s))] =
            swing_path(f.swings[s].centre, f.swings[s].radius, f.phi, f.by);
}

void Star::fold(frame::Page& p, const StarFold& f) {
    const auto corner = [&](int k, int frame) {
        return corners_[round_star(f.first + k)][static_cast<std::size_t>(frame)];
    };
    p.steps({.from = 0, .to = 9, .pause = 20, .erase = frame::Erase::Box, .box_from = f.box_from,
             .box_to = f.box_to},
            [&](float i, int) {
                const int m = static_cast<int>(i);
                shape(p, Corners<5>{corner(3, 0), corner(4, 0), corner(5, 0), corner(6, 0),
                                    corner(7, 0)});
                shape(p, Corners<5>{corner(-1, 0), corner(0, m), corner(1, m), corner(2, m),
                                    corner(3, 0)});
            });
    p.pause(200);
}

}  // namespace units::symmetry
