#include "units/circle-area/sectors.h"

#include <cmath>

namespace units::circle_area {
namespace {

constexpr int kUpper = 6;  // yellow
constexpr int kLower = 5;  // cyan
constexpr float kRadius = 50;
constexpr frame::Size kCircleBox{100, 101};

}  // namespace

std::vector<PointF> cut_offsets(float radius, float degrees, int last) {
    constexpr double kRadiansPerDegree = 0.0174533;
    std::vector<PointF> points;
    for (int i = 0; i <= last; ++i) {
        const double half = kRadiansPerDegree * (-i * degrees / 2);
        // nearbyint rounds halves to even.
        const double x = std::nearbyint(radius - 2 * radius * std::cos(half) * std::cos(half));
        const double y = std::nearbyint(2 * radius * std::cos(half) * std::sin(half));
        points.push_back({static_cast<float>(x), static_cast<float>(y)});
    }
    return points;
}

void slice(frame::Page& p, PointF apex, float from, float to, int fill) {
    p.pie(apex, kRadius, 7, fill, from, to);
}

std::vector<PointF> cut_circle(frame::Page& p, Cell cell, float degrees, int last) {
    const PointF c = cell.centre();
    slice(p, c, 0, 0.5f, kLower);
    slice(p, c, 0.5f, 1, kUpper);
    std::vector<PointF> cuts;
    for (PointF offset : cut_offsets(kRadius, degrees, last))
        cuts.push_back({static_cast<float>(static_cast<int>(c.x + offset.x)), c.y - offset.y});
    for (PointF cut : cuts) p.line(c, cut, 7);
    p.pause(100);

    const PointF square{cell.left(), c.y - 50};
    frame::Drawing copy = p.work_picture(0, kCircleBox);
    copy.copy({0, 0}, kCircleBox, p, square);
    p.steps({.from = 10, .to = 150, .by = 10, .pause = 15}, [&](float j, int) {
        p.copy(square, kCircleBox, copy, {0, 0});
        p.disc({c.x + j, c.y}, kRadius, 0, 0);
        const frame::Scoped merge = p.mode(frame::DrawMode::Merge);
        p.copy({square.x + j, square.y}, kCircleBox, copy, {0, 0});
    });
    p.fill_box({cell.left() + 150, c.y - 50}, {cell.left() + 250, c.y + 50}, 0);
    p.free_work_picture(0);
    return cuts;
}

std::array<PointF, 4> fan_out(frame::Page& p, Cell cell, const std::vector<PointF>& cuts,
                              const Fan& fan) {
    const PointF c = cell.centre();
    p.fill_box({cell.left() + 130, c.y - 50}, {cell.left() + 280, c.y + 50}, 0);
    const auto apex = [&](int i, float dy) {
        const PointF cut = cuts.at(static_cast<std::size_t>(fan.k[static_cast<std::size_t>(i)]));
        return PointF{cut.x + 150, cut.y + dy};
    };
    const std::array<PointF, 4> apexes{apex(0, 50), apex(1, 50), apex(2, -50), apex(3, -50)};
    const PointF middle{c.x + 150, c.y};
    const auto& a = fan.a;
    slice(p, apexes[0], a[0], 0.75f, kUpper);
    slice(p, middle, a[1], a[2], kUpper);
    slice(p, apexes[1], 0.75f, a[3], kUpper);
    slice(p, apexes[2], 0.25f, a[4], kLower);
    slice(p, middle, a[5], a[6], kLower);
    slice(p, apexes[3], a[7], 0.25f, kLower);
    return apexes;
}

}  // namespace units::circle_area
