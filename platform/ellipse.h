#pragma once
// Circles, ellipses and their arcs.  A position on an ellipse is a fraction
// of a full turn: 0 at 3 o'clock, 0.25 at 6 o'clock (downwards on the
// screen), 0.5 at 9 o'clock, 0.75 at 12 o'clock; 1 is the same as 0.  An arc
// runs clockwise on the screen from its start to its end.

#include <QPoint>
#include <QRect>

namespace platform {

// Run-time error 5 unless 0 <= fraction <= 1.
void check_turn(float fraction);

// The part of an ellipse to draw, in QPainter's angles: sixteenths of a
// degree, counter-clockwise on the screen from 3 o'clock.
struct ArcSweep {
    bool whole = true;
    int start = 0;
    int span = 0;
};

// The sweep from `start` to `end` (checked); equal ends give the whole ellipse.
ArcSweep arc_sweep(float start, float end);

// The rectangle QPainter draws an ellipse in, so that the ellipse touches
// both corner pixels of its bounding box.
QRect ellipse_frame(QPoint corner, QPoint opposite);

}  // namespace platform
