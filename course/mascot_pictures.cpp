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

// Where a small figure of the blackboard stands in its picture.  The pages
// erase a figure's neighbour with boxes that reach into the edge of its
// picture: the figure is drawn only in the part those boxes leave alone, cut
// off at the sides of that part as the small figures are at a picture's edge.
struct Place {
    QRectF figure;  // the box the child is drawn in
    QRect ink;      // the part of the picture the drawing may take
};

constexpr int kSmallHeight = 50;

// The girl stands at the right of the boy, whose box takes her first
// column; the boy keeps his top row bare for a box that ends on it.
Place face_place(Child child) {
    if (child == Child::Girl)
        return {QRectF(1, 0, 19, kSmallHeight), QRect(1, 0, 19, kSmallHeight)};
    return {QRectF(0, 1, 20, kSmallHeight - 1), QRect(0, 1, 20, kSmallHeight - 1)};
}

// The boy pointing left keeps his first and last columns bare, the girl
// pointing right her last two: he stands a little to the right in his
// picture, she to the left, so that the pointing hand stays whole.
Place pose_place(Child child, Pose pointing) {
    if (child == Child::Boy && pointing == Pose::PointingLeft)
        return {QRectF(2, 0, 32, kSmallHeight), QRect(1, 0, 30, kSmallHeight)};
    if (child == Child::Girl && pointing == Pose::PointingRight)
        return {QRectF(-3, 0, 32, kSmallHeight), QRect(0, 0, 30, kSmallHeight)};
    return {QRectF(0, 0, 32, kSmallHeight), QRect(0, 0, 32, kSmallHeight)};
}

// The figure is drawn on a board of its part's size, whose edges cut it off
// as a picture's own do, and set into the picture.
QImage small_figure(int width, Child child, Pose pose, const Place& place) {
    QImage part = blank_picture(place.ink.width(), place.ink.height(), kBlackboardGreen);
    {
        QPainter painter(&part);
        const QRectF figure = place.figure.translated(-place.ink.topLeft());
        draw_child(painter, child, pose, Mood::Smiling, figure);
    }
    QImage picture = blank_picture(width, kSmallHeight, kBlackboardGreen);
    QPainter(&picture).drawImage(place.ink.topLeft(), part);
    return picture;
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
    return small_figure(20, child, Pose::Standing, face_place(child));
}

QImage mascot_pose(Child child, Pose pointing) {
    return small_figure(32, child, pointing, pose_place(child, pointing));
}

}  // namespace course
