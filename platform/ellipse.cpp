#include "platform/ellipse.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/run_error.h"

namespace platform {
namespace {

constexpr float kSixteenthsPerTurn = 360.0f * 16.0f;
constexpr int kSixteenthsPerQuarter = 90 * 16;

// Pixels round an ellipse's frame that QPainter's pen may still set: it
// draws a flat ellipse a pixel wider than its frame.
constexpr int kPenReach = 2;

float wrapped(float fraction) { return fraction == 1.0f ? 0.0f : fraction; }

// The direction of a position on the ellipse given in sixteenths of a
// degree, as (cos, sin).  A whole quarter turn's is exact (cos 270 degrees
// taken as 0, not -1.8e-16), so that an end at 12, 3, 6 or 9 o'clock lies
// on the centre's own column or row.
QPointF direction_of(int sixteenths) {
    constexpr int kTurn = 4 * kSixteenthsPerQuarter;
    const int within_turn = (sixteenths % kTurn + kTurn) % kTurn;
    const int quarter = within_turn / kSixteenthsPerQuarter;
    const int rest = within_turn % kSixteenthsPerQuarter;
    const double angle = rest * std::numbers::pi / (180.0 * 16.0);
    const double c = rest == 0 ? 1 : std::cos(angle);
    const double s = rest == 0 ? 0 : std::sin(angle);
    switch (quarter) {
    case 0: return {c, s};
    case 1: return {-s, c};
    case 2: return {-c, -s};
    default: return {s, -c};
    }
}

}  // namespace

void check_turn(float fraction) {
    if (!(fraction >= 0.0f && fraction <= 1.0f)) throw RunError(ErrorNumber::BadArgument);
}

ArcSweep arc_sweep(float start, float end) {
    check_turn(start);
    check_turn(end);
    const float from = wrapped(start);
    const float to = wrapped(end);
    if (from == to) return {};
    float length = to - from;
    if (length < 0) length += 1.0f;
    return {false, -static_cast<int>(std::lround(from * kSixteenthsPerTurn)),
            -static_cast<int>(std::lround(length * kSixteenthsPerTurn))};
}

QRect ellipse_frame(QPoint corner, QPoint opposite) {
    const int left = std::min(corner.x(), opposite.x());
    const int top = std::min(corner.y(), opposite.y());
    return {left, top, std::abs(opposite.x() - corner.x()), std::abs(opposite.y() - corner.y())};
}

Wedge::Wedge(QPointF centre, QPointF radii, ArcSweep sweep)
    : centre_(centre),
      radii_(radii),
      whole_(sweep.whole),
      everything_(sweep.whole || radii.x() == 0 || radii.y() == 0) {
    if (!everything_) across_ = {1 / radii.x(), 1 / radii.y()};
    from_ = direction_of(-sweep.start);
    to_ = direction_of(-sweep.start - sweep.span);
    over_half_ = -sweep.span > 2 * kSixteenthsPerQuarter;
}

// The pixels round the crossings of row y with the lines of the wedge's
// ends, in order.
Wedge::Turns Wedge::turns_on(int y, int left, int right) const {
    Turns turns;
    const double v = (y - centre_.y()) * across_.y();
    for (const QPointF end : {from_, to_}) {
        if (end.y() == 0) continue;  // the line runs along the row or misses it
        const double x = centre_.x() + radii_.x() * end.x() * v / end.y();
        if (!(x > left - 2 && x < right + 2)) continue;
        for (int t = static_cast<int>(std::floor(x)) - 1, last = t + 3; t <= last; ++t)
            if (t > left && t <= right) turns.pixels[turns.count++] = t;
    }
    std::sort(turns.pixels.begin(), turns.pixels.begin() + turns.count);
    return turns;
}

QRegion Wedge::pixels_in(QRect area) const {
    if (everything_) return area;
    std::vector<QRect> runs;
    runs.reserve(static_cast<std::size_t>(2 * area.height()));
    for (int y = area.top(); y <= area.bottom(); ++y)
        held_runs(y, area.left(), area.right(),
                  [&](int left, int right) { runs.emplace_back(left, y, right - left, 1); });
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

void draw_ellipse_figure(QPainter& painter, const QPen& pen, const QRect& frame,
                         const ArcSweep& sweep, const Wedge& wedge, std::optional<QRgb> inside) {
    painter.setPen(pen);
    painter.setBrush(inside ? QBrush(QColor::fromRgb(*inside)) : QBrush(Qt::NoBrush));
    if (wedge.whole()) {
        painter.drawEllipse(frame);
        return;
    }
    painter.save();
    painter.setClipRegion(
        wedge.pixels_in(frame.adjusted(-kPenReach, -kPenReach, kPenReach, kPenReach)),
        Qt::IntersectClip);
    painter.drawEllipse(frame);
    painter.restore();
    if (inside) draw_pie_edges(painter, pen, frame, sweep);
}

void draw_pie_edges(QPainter& painter, const QPen& pen, const QRect& frame,
                    const ArcSweep& sweep) {
    const QRectF drawn(frame);
    const QPointF middle = drawn.center();
    const auto edge_to = [&](QPointF direction) {
        return QLineF(middle, middle + QPointF(drawn.width() / 2 * direction.x(),
                                               drawn.height() / 2 * direction.y()));
    };
    painter.setPen(pen);
    painter.drawLine(edge_to(direction_of(-sweep.start)));
    painter.drawLine(edge_to(direction_of(-sweep.start - sweep.span)));
}

}  // namespace platform
