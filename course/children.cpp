// The children are drawn in a figure space 100 units wide and 160 high, feet
// at the bottom, head at the top, then scaled into the caller's box.  Every
// part has a dark outline that never gets thinner than about one pixel, so
// the tiny figures on the buttons keep their shape.
#include "course/children.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace course {
namespace {

constexpr double kFigureHeight = 160;
constexpr QPointF kHeadCentre{50, 40};
constexpr double kHeadRadius = 28;

constexpr QRgb kSkin = qRgb(255, 220, 184);
constexpr QRgb kOutline = qRgb(70, 45, 30);
constexpr QRgb kCheek = qRgb(255, 160, 160);
constexpr QRgb kMouth = qRgb(200, 40, 50);
constexpr QRgb kTongue = qRgb(255, 130, 140);
constexpr QRgb kWhite = qRgb(255, 255, 255);

struct Look {
    QRgb hair, clothes, trousers, shoes;
};

constexpr Look kBoy{qRgb(75, 45, 25), qRgb(40, 120, 235), qRgb(25, 45, 125), qRgb(210, 40, 40)};
constexpr Look kGirl{qRgb(160, 80, 30), qRgb(240, 85, 135), qRgb(240, 85, 135), qRgb(120, 60, 150)};

const Look& look_of(Child child) { return child == Child::Boy ? kBoy : kGirl; }

// Where hands and feet go, and which way the child looks.
struct Limbs {
    QPointF left_hand, right_hand, left_foot, right_foot;
    double gaze = 0;             // sideways shift of eyes and mouth
    int pointing = 0;            // -1 left hand points, +1 right hand points
};

Limbs limbs_of(Pose pose) {
    switch (pose) {
    case Pose::Standing: return {{27, 106}, {73, 106}, {43, 152}, {57, 152}};
    case Pose::Waving: return {{16, 36}, {73, 106}, {43, 152}, {57, 152}};
    case Pose::Cheering: return {{15, 18}, {85, 18}, {40, 152}, {60, 152}};
    case Pose::PointingLeft: return {{6, 74}, {73, 106}, {43, 152}, {57, 152}, -4, -1};
    case Pose::PointingRight: return {{27, 106}, {94, 74}, {43, 152}, {57, 152}, 4, 1};
    case Pose::WalkingLeft: return {{18, 88}, {78, 98}, {24, 148}, {72, 151}, -5};
    case Pose::WalkingRight: return {{22, 98}, {82, 88}, {28, 151}, {76, 148}, 5};
    }
    return {};
}

// A painter in figure space with the outline width that suits the scale.
class Sketch {
public:
    Sketch(QPainter& painter, double scale)
        : p_(painter), outline_(std::max(2.2, 0.9 / scale)), detailed_(scale > 0.5) {}

    // A thick rounded stroke with an outline, for arms and legs.
    void limb(QPointF from, QPointF to, double width, QRgb colour) {
        stroke(from, to, width + 2 * outline_, kOutline);
        stroke(from, to, width, colour);
    }

    void stroke(QPointF from, QPointF to, double width, QRgb colour) {
        p_.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawLine(from, to);
    }

    void shape(const QPainterPath& path, QRgb colour) {
        p_.setPen(QPen(QColor(kOutline), outline_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(QColor(colour));
        p_.drawPath(path);
    }

    void ellipse(QPointF centre, double rx, double ry, QRgb colour, bool outlined = true) {
        p_.setPen(outlined ? QPen(QColor(kOutline), outline_) : QPen(Qt::NoPen));
        p_.setBrush(QColor(colour));
        p_.drawEllipse(centre, rx, ry);
    }

    void curve(QPointF from, QPointF via, QPointF to, double width, QRgb colour) {
        QPainterPath path(from);
        path.quadTo(via, to);
        p_.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    double outline() const { return outline_; }
    bool detailed() const { return detailed_; }

private:
    QPainter& p_;
    double outline_;
    bool detailed_;
};

QRectF head_rect() {
    return {kHeadCentre.x() - kHeadRadius, kHeadCentre.y() - kHeadRadius, 2 * kHeadRadius,
            2 * kHeadRadius};
}

void draw_pigtails(Sketch& s) {
    s.ellipse({19, 50}, 9, 13, kGirl.hair);
    s.ellipse({81, 50}, 9, 13, kGirl.hair);
}

void draw_ribbons(Sketch& s) {
    for (double x : {24.0, 76.0}) {
        s.ellipse({x - 5, 24}, 5, 3.5, qRgb(255, 215, 0));
        s.ellipse({x + 5, 24}, 5, 3.5, qRgb(255, 215, 0));
        s.ellipse({x, 24}, 2.5, 2.5, qRgb(255, 215, 0));
    }
}

QPainterPath boy_hair() {
    QPainterPath hair;
    hair.arcMoveTo(head_rect(), 195);
    hair.arcTo(head_rect(), 195, -210);
    const QPointF bangs[] = {{72, 36}, {66, 27}, {60, 34}, {52, 25}, {44, 34}, {36, 26}, {29, 36}};
    for (QPointF point : bangs) hair.lineTo(point);
    hair.closeSubpath();
    // three tufts on the crown
    hair.moveTo(38, 15);
    hair.lineTo(42, 4);
    hair.lineTo(48, 13);
    hair.lineTo(54, 3);
    hair.lineTo(58, 13);
    hair.lineTo(64, 6);
    hair.lineTo(64, 16);
    hair.closeSubpath();
    return hair.simplified();
}

QPainterPath girl_hair() {
    QPainterPath hair;
    hair.arcMoveTo(head_rect().adjusted(-3, -3, 3, 3), 205);
    hair.arcTo(head_rect().adjusted(-3, -3, 3, 3), 205, -230);
    hair.lineTo(76, 52);
    hair.quadTo(74, 34, 66, 30);
    hair.quadTo(58, 35, 50, 30);
    hair.quadTo(42, 35, 34, 30);
    hair.quadTo(26, 34, 24, 52);
    hair.closeSubpath();
    return hair;
}

void draw_eyes(Sketch& s, Mood mood, double gaze) {
    for (double x : {40.0, 60.0}) {
        const QPointF eye{x + gaze, 44};
        if (mood == Mood::Beaming) {
            s.curve(eye + QPointF(-4.5, 2), eye + QPointF(0, -6), eye + QPointF(4.5, 2),
                    std::max(2.4, s.outline()), kOutline);
            continue;
        }
        s.ellipse(eye, 3.4, 4.8, kOutline, false);
        if (s.detailed()) s.ellipse(eye + QPointF(1.1, -1.8), 1.3, 1.3, kWhite, false);
    }
}

void draw_mouth(Sketch& s, Mood mood, double gaze) {
    const double x = 50 + gaze * 0.8;
    if (mood == Mood::Smiling) {
        s.curve({x - 8, 54}, {x, 62}, {x + 8, 54}, std::max(2.2, s.outline()), kOutline);
        return;
    }
    QPainterPath mouth({x - 11, 52});
    mouth.lineTo(x + 11, 52);
    mouth.quadTo(x + 10, 68, x, 68);
    mouth.quadTo(x - 10, 68, x - 11, 52);
    s.shape(mouth, kMouth);
    if (s.detailed()) s.ellipse({x, 63.5}, 5, 3, kTongue, false);
}

void draw_head(Sketch& s, Child child, Mood mood, double gaze) {
    if (child == Child::Girl) draw_pigtails(s);
    s.ellipse(kHeadCentre, kHeadRadius, kHeadRadius, kSkin);
    if (s.detailed()) {
        s.ellipse({31, 53}, 4.5, 2.8, kCheek, false);
        s.ellipse({69, 53}, 4.5, 2.8, kCheek, false);
    }
    s.shape(child == Child::Boy ? boy_hair() : girl_hair(), look_of(child).hair);
    if (child == Child::Girl) draw_ribbons(s);
    draw_eyes(s, mood, gaze);
    draw_mouth(s, mood, gaze);
}

void draw_legs(Sketch& s, Child child, const Limbs& limbs) {
    const Look& look = look_of(child);
    s.limb({45, 108}, limbs.left_foot, 8, kSkin);
    s.limb({55, 108}, limbs.right_foot, 8, kSkin);
    const double toe = limbs.gaze > 0 ? 3 : limbs.gaze < 0 ? -3 : 0;
    s.ellipse(limbs.left_foot + QPointF(toe - 2, 3), 7.5, 4.5, look.shoes);
    s.ellipse(limbs.right_foot + QPointF(toe + 2, 3), 7.5, 4.5, look.shoes);
    if (child == Child::Boy) {
        QPainterPath shorts;
        shorts.addRoundedRect(QRectF(35, 100, 30, 22), 4, 4);
        s.shape(shorts, look.trousers);
    }
}

void draw_body(Sketch& s, Child child) {
    QPainterPath body;
    if (child == Child::Boy) {
        body.addRoundedRect(QRectF(35, 64, 30, 44), 9, 9);
        s.shape(body, kBoy.clothes);
        return;
    }
    body.moveTo(40, 64);
    body.lineTo(60, 64);
    body.quadTo(66, 66, 67, 76);
    body.lineTo(73, 120);
    body.quadTo(50, 126, 27, 120);
    body.lineTo(33, 76);
    body.quadTo(34, 66, 40, 64);
    s.shape(body, kGirl.clothes);
    QPainterPath collar({41, 64});
    collar.lineTo(59, 64);
    collar.lineTo(50, 74);
    collar.closeSubpath();
    s.shape(collar, kWhite);
}

void draw_arm(Sketch& s, QPointF shoulder, QPointF hand, QRgb sleeve, bool points) {
    s.limb(shoulder, hand, 7.5, kSkin);
    s.limb(shoulder, shoulder + (hand - shoulder) * 0.3, 10, sleeve);
    if (points) {
        const QPointF along = (hand - shoulder) / std::hypot(hand.x() - shoulder.x(),
                                                               hand.y() - shoulder.y());
        s.limb(hand, hand + along * 7, 2.8, kSkin);
    }
    s.ellipse(hand, 5.2, 5.2, kSkin);
}

void draw_arms(Sketch& s, Child child, const Limbs& limbs) {
    const QRgb sleeve = look_of(child).clothes;
    draw_arm(s, {39, 72}, limbs.left_hand, sleeve, limbs.pointing < 0);
    draw_arm(s, {61, 72}, limbs.right_hand, sleeve, limbs.pointing > 0);
}

}  // namespace

void draw_child(QPainter& painter, Child child, Pose pose, Mood mood, const QRectF& box) {
    const double scale = box.height() / kFigureHeight;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - 50 * scale, box.bottom() - kFigureHeight * scale);
    painter.scale(scale, scale);
    Sketch s(painter, scale);
    const Limbs limbs = limbs_of(pose);
    draw_legs(s, child, limbs);
    draw_body(s, child);
    draw_arms(s, child, limbs);
    draw_head(s, child, mood, limbs.gaze);
    painter.restore();
}

void draw_child_head(QPainter& painter, Child child, Mood mood, QPointF centre, double radius) {
    const double scale = radius / kHeadRadius;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre - kHeadCentre * scale);
    painter.scale(scale, scale);
    Sketch s(painter, scale);
    draw_head(s, child, mood, 0);
    painter.restore();
}

}  // namespace course
