// The pictures of the strip below the screen: a cheerful scene of sun,
// balloons, number blocks, pencils and a fraction pie, and a short rainbow
// stripe with stars beside it.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

#include "course/pictures.h"

namespace course {
namespace {

constexpr QRgb kInk = qRgb(70, 45, 30);
constexpr std::array<QRgb, 6> kBright = {qRgb(255, 90, 90),  qRgb(255, 170, 40),
                                         qRgb(255, 220, 40), qRgb(90, 200, 90),
                                         qRgb(80, 160, 255), qRgb(190, 110, 230)};

QPointF on_circle(QPointF centre, double radius, double angle) {
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

QFont bold_font(int pixels) {
    QFont font("IPAGothic");
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

void draw_sky(QPainter& p, const QRect& area) {
    QLinearGradient sky(0, 0, 0, area.height());
    sky.setColorAt(0, QColor(150, 210, 255));
    sky.setColorAt(1, QColor(225, 242, 255));
    p.fillRect(area, sky);
    QPainterPath grass({0, 78});
    for (int x = 0; x <= area.width(); x += 30) grass.quadTo(x + 15, 72, x + 30, 78);
    grass.lineTo(area.width(), area.height());
    grass.lineTo(0, area.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 195, 80));
    p.drawPath(grass);
}

void draw_sun(QPainter& p, QPointF centre) {
    p.setPen(QPen(QColor(255, 170, 0), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double angle = i * std::numbers::pi / 6;
        p.drawLine(on_circle(centre, 24, angle), on_circle(centre, 31, angle));
    }
    p.setPen(QPen(QColor(230, 140, 0), 2));
    p.setBrush(QColor(255, 215, 40));
    p.drawEllipse(centre, 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kInk));
    p.drawEllipse(centre + QPointF(-7, -4), 2.5, 3.5);
    p.drawEllipse(centre + QPointF(7, -4), 2.5, 3.5);
    QPainterPath smile(centre + QPointF(-8, 5));
    smile.quadTo(centre + QPointF(0, 14), centre + QPointF(8, 5));
    p.setPen(QPen(QColor(kInk), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
}

void draw_cloud(QPainter& p, QPointF at) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(at, 16, 9);
    p.drawEllipse(at + QPointF(14, 2), 13, 8);
    p.drawEllipse(at + QPointF(7, -6), 11, 9);
}

void draw_balloon(QPainter& p, QPointF centre, QRgb colour, const QString& sign) {
    p.setPen(QPen(QColor(kInk), 1));
    p.drawLine(centre + QPointF(0, 16), centre + QPointF(3, 40));
    p.setPen(QPen(QColor(kInk), 1.5));
    p.setBrush(QColor(colour));
    p.drawEllipse(centre, 13, 16);
    p.setPen(Qt::white);
    p.setFont(bold_font(20));
    p.drawText(QRectF(centre.x() - 13, centre.y() - 16, 26, 30), Qt::AlignCenter, sign);
}

void draw_block(QPainter& p, QRectF box, QRgb colour, const QString& digit) {
    p.setPen(QPen(QColor(kInk), 1.5));
    p.setBrush(QColor(colour));
    p.drawRoundedRect(box, 4, 4);
    p.setBrush(QColor(255, 255, 255, 90));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(box.adjusted(3, 3, -3, -box.height() / 2), 3, 3);
    p.setPen(QColor(kInk));
    p.setFont(bold_font(20));
    p.drawText(box, Qt::AlignCenter, digit);
}

void draw_blocks(QPainter& p, double left) {
    constexpr double kSide = 26;
    const double ground = 80;
    for (int i = 0; i < 6; ++i) {
        const QRectF box(left + i * (kSide + 3), ground - kSide, kSide, kSide);
        draw_block(p, box, kBright[i], QString::number(i + 1));
    }
    for (int i = 0; i < 3; ++i) {
        const QRectF box(left + 14 + i * (kSide + 3) * 2, ground - 2 * kSide - 2, kSide, kSide);
        draw_block(p, box, kBright[(i * 2 + 3) % 6], QString::number(7 + i));
    }
}

void draw_pencil(QPainter& p, QPointF tip, double angle, double length, QRgb colour) {
    p.save();
    p.translate(tip);
    p.rotate(angle);
    QPainterPath wood({0, 0});
    wood.lineTo(14, -6);
    wood.lineTo(14, 6);
    wood.closeSubpath();
    p.setPen(QPen(QColor(kInk), 1.2));
    p.setBrush(QColor(245, 210, 160));
    p.drawPath(wood);
    p.setBrush(QColor(colour));
    p.drawEllipse(QPointF(3, 0), 3, 1.3);
    p.drawRect(QRectF(14, -6, length, 12));
    p.setBrush(QColor(255, 170, 190));
    p.drawRoundedRect(QRectF(14 + length, -6, 9, 12), 3, 3);
    p.restore();
}

void draw_fraction_pie(QPainter& p, QPointF centre, double radius) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(QColor(kInk), 1.5));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 0 ? QColor(255, 120, 80) : QColor(255, 240, 200));
        p.drawPie(box, 90 * 16 - i * 90 * 16, -90 * 16);
    }
    p.setPen(QColor(kInk));
    p.setFont(bold_font(14));
    p.drawText(QRectF(centre.x() + radius + 2, centre.y() - 18, 22, 18), Qt::AlignCenter, "1");
    p.drawLine(centre + QPointF(radius + 5, 0), centre + QPointF(radius + 21, 0));
    p.drawText(QRectF(centre.x() + radius + 2, centre.y() + 1, 22, 18), Qt::AlignCenter, "4");
}

QPainterPath star_path(QPointF centre, double radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? radius : radius * 0.45;
        const QPointF point = on_circle(centre, r, -std::numbers::pi / 2 + i * std::numbers::pi / 5);
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

}  // namespace

QImage strip_picture() {
    QImage picture = blank_picture(600, 90, kPanelGrey);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw_sky(p, picture.rect());
    draw_cloud(p, {120, 16});
    draw_cloud(p, {330, 14});
    draw_cloud(p, {470, 22});
    draw_sun(p, {40, 36});
    const QString signs[] = {"+", "−", "×", "÷"};
    for (int i = 0; i < 4; ++i)
        draw_balloon(p, {100.0 + i * 32, 30.0 + (i % 2) * 8}, kBright[(i + 4) % 6], signs[i]);
    draw_blocks(p, 245);
    draw_pencil(p, {425, 62}, -30, 46, kBright[0]);
    draw_pencil(p, {440, 74}, -18, 52, kBright[4]);
    draw_pencil(p, {452, 84}, -6, 40, kBright[3]);
    draw_fraction_pie(p, {548, 46}, 22);
    return picture;
}

QImage stripe_picture() {
    QImage picture = blank_picture(200, 60, kPanelGrey);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath band;
    band.addRoundedRect(QRectF(2, 2, 196, 56), 12, 12);
    p.setClipPath(band);
    for (int i = -4; i < 24; ++i) {
        QPainterPath stripe({i * 12.0, 60});
        stripe.lineTo(i * 12.0 + 30, 0);
        stripe.lineTo(i * 12.0 + 42, 0);
        stripe.lineTo(i * 12.0 + 12, 60);
        stripe.closeSubpath();
        p.fillPath(stripe, QColor(kBright[(i + 12) % 6]));
    }
    p.setClipping(false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 5; ++i) p.drawPath(star_path({22.0 + i * 39, i % 2 == 0 ? 22.0 : 38.0}, 9));
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(band);
    p.setPen(QPen(QColor(kInk), 1.5));
    p.drawRoundedRect(QRectF(0.75, 0.75, 198.5, 58.5), 13, 13);
    return picture;
}

}  // namespace course
