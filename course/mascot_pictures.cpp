// The boy and the girl of the mascot panel and of the blackboard.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "course/pictures.h"

namespace course {
namespace {

void draw_shadow(QPainter& painter, QPointF centre, double rx) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(160, 160, 160));
    painter.drawEllipse(centre, rx, rx / 5);
}

void draw_star(QPainter& painter, QPointF centre, double radius, QRgb colour) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.45;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(150, 110, 0), 1));
    painter.setBrush(QColor(colour));
    painter.drawPath(star);
}

}  // namespace

QImage mascot_picture(Child child, Mood mood) {
    QImage picture = blank_picture(160, 200, kPanelGrey);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    draw_shadow(painter, {80, 192}, 40);
    if (mood == Mood::Beaming) {
        draw_star(painter, {22, 34}, 11, qRgb(255, 230, 0));
        draw_star(painter, {140, 30}, 9, qRgb(255, 140, 0));
        draw_star(painter, {146, 96}, 7, qRgb(255, 230, 0));
        draw_star(painter, {14, 104}, 6, qRgb(255, 140, 0));
    }
    const Pose pose = mood == Mood::Beaming ? Pose::Cheering : Pose::Waving;
    draw_child(painter, child, pose, mood, QRectF(0, 4, 160, 190));
    return picture;
}

QImage mascot_face(Child child) {
    QImage picture = blank_picture(20, 50, kBlackboardGreen);
    QPainter painter(&picture);
    draw_child(painter, child, Pose::Standing, Mood::Smiling, QRectF(0, 0, 20, 50));
    return picture;
}

QImage mascot_pose(Child child, Pose pointing) {
    QImage picture = blank_picture(32, 50, kBlackboardGreen);
    QPainter painter(&picture);
    draw_child(painter, child, pointing, Mood::Smiling, QRectF(0, 0, 32, 50));
    return picture;
}

}  // namespace course
