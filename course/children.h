#pragma once
// The course's two cartoon children, a boy and a girl, drawn at any size:
// large on the mascot panel, small on the blackboard and tiny on the
// navigation buttons.

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace course {

enum class Child { Boy, Girl };

enum class Pose {
    Standing,       // arms at the sides
    Waving,         // one hand raised beside the head
    Cheering,       // both arms up
    PointingLeft,   // one arm stretched out to the left
    PointingRight,  // one arm stretched out to the right
    WalkingLeft,    // mid-stride, looking left
    WalkingRight,   // mid-stride, looking right
};

enum class Mood { Smiling, Beaming };

// Draws the whole child standing on the bottom edge of `box`, as tall as the
// box and centred across it.
void draw_child(QPainter& painter, Child child, Pose pose, Mood mood, const QRectF& box);

// Draws only the head (hair and face) of the child, centred on `centre`.
void draw_child_head(QPainter& painter, Child child, Mood mood, QPointF centre, double radius);

}  // namespace course
