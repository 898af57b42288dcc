// The pair of scales on the blackboard: pans hanging from a beam on a post.
// The pages write what each pan holds just under it, about 24 and 106 pixels
// from the left edge: the pans stay above those texts (the level pans' dishes
// end 33 pixels from the top, a raised one 30 from the top, a lowered one 64),
// and the board under a raised right pan stays bare for the hand that points
// at its text.  The tipped pictures are 14 pixels taller and are drawn that
// much higher up the board: their base lines up with the level one's, so a
// tipped picture covers a level one drawn before it, and its pans hang as far
// above and below the level ones.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "course/pictures.h"

namespace course {
namespace {

constexpr QRgb kGold = qRgb(235, 195, 70);
constexpr QRgb kDarkGold = qRgb(110, 75, 20);
constexpr QRgb kPan = qRgb(215, 220, 230);
constexpr QRgb kString = qRgb(250, 245, 210);
constexpr int kWidth = 136;
constexpr double kHalfBeam = 41;     // from the pivot to a beam end
constexpr double kRimBelowEnd = 15;  // from a beam end down to its pan's rim
constexpr double kDishDepth = 4;
constexpr double kPanHalfWidth = 18;

struct Shape {
    int height;
    QPointF pivot;
    double drop;  // how far the right end of the beam is below the pivot
};

Shape shape_of(Tilt tilt) {
    switch (tilt) {
    case Tilt::Level: return {52, {65, 12}, 0};
    case Tilt::LeftDown: return {66, {65, 26}, -17};
    case Tilt::RightDown: return {66, {65, 26}, 17};
    }
    return {};
}

void draw_stand(QPainter& p, QPointF pivot, double ground) {
    p.setPen(QPen(QColor(kDarkGold), 1));
    p.setBrush(QColor(kGold));
    p.drawRect(QRectF(pivot.x() - 2.5, pivot.y(), 5, ground - pivot.y()));
    QPainterPath base({pivot.x() - 9, ground});
    base.lineTo(pivot.x() + 9, ground);
    base.lineTo(pivot.x() + 15, ground + 5);
    base.lineTo(pivot.x() - 15, ground + 5);
    base.closeSubpath();
    p.drawPath(base);
}

void draw_pan(QPainter& p, QPointF beam_end) {
    const double rim = beam_end.y() + kRimBelowEnd;
    const double x = beam_end.x();
    p.setPen(QPen(QColor(kString), 1));
    p.drawLine(beam_end, {x - kPanHalfWidth + 2, rim});
    p.drawLine(beam_end, {x + kPanHalfWidth - 2, rim});
    QPainterPath dish({x - kPanHalfWidth, rim});
    dish.lineTo(x + kPanHalfWidth, rim);
    dish.quadTo(x + kPanHalfWidth - 4, rim + kDishDepth, x, rim + kDishDepth);
    dish.quadTo(x - kPanHalfWidth + 4, rim + kDishDepth, x - kPanHalfWidth, rim);
    p.setPen(QPen(QColor(90, 90, 110), 1));
    p.setBrush(QColor(kPan));
    p.drawPath(dish);
}

void draw_beam(QPainter& p, QPointF left, QPointF right, QPointF pivot) {
    p.setPen(QPen(QColor(kDarkGold), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(left, right);
    p.setPen(QPen(QColor(kGold), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(left, right);
    // the needle stands square to the beam and shows which way it tips
    const QPointF along = (right - left) / std::hypot(right.x() - left.x(), right.y() - left.y());
    const QPointF up{along.y(), -along.x()};
    QPainterPath needle(pivot + up * 8);
    needle.lineTo(pivot + along * 3);
    needle.lineTo(pivot - along * 3);
    needle.closeSubpath();
    p.setPen(QPen(QColor(kDarkGold), 1));
    p.setBrush(QColor(kGold));
    p.drawPath(needle);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(pivot, 3, 3);
}

}  // namespace

QImage balance_picture(Tilt tilt) {
    const Shape shape = shape_of(tilt);
    QImage picture = blank_picture(kWidth, shape.height, kBlackboardGreen);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // the beam turns about the pivot: its ends come nearer the post as they drop
    const double across = std::sqrt(kHalfBeam * kHalfBeam - shape.drop * shape.drop);
    const QPointF left = shape.pivot + QPointF(-across, -shape.drop);
    const QPointF right = shape.pivot + QPointF(across, shape.drop);
    draw_stand(p, shape.pivot, shape.height - 6);
    draw_pan(p, left);
    draw_pan(p, right);
    draw_beam(p, left, right, shape.pivot);
    return picture;
}

}  // namespace course
