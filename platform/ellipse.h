#pragma once
// Circles, ellipses and their arcs.  A position on an ellipse is a fraction
// of a full turn: 0 at 3 o'clock, 0.25 at 6 o'clock (downwards on the
// screen), 0.5 at 9 o'clock, 0.75 at 12 o'clock; 1 is the same as 0.  An arc
// runs clockwise on the screen from its start to its end.

#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QRgb>

#include <array>
#include <optional>

class QPainter;

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

// The pixels an arc or a pie keeps of its ellipse: those whose direction from
// the centre, read as a position on the ellipse, lies on the sweep (both ends
// included).  That direction does not depend on the radius, so an arc and a
// pie of one centre, shape and sweep stop at the same pixels, whatever their
// radii: a pie covers every arc of its ends inside it.
class Wedge {
public:
    // The centre in pixels, not rounded; the x and y radii in pixels.
    Wedge(QPointF centre, QPointF radii, ArcSweep sweep);

    bool whole() const { return whole_; }
    QRegion pixels_in(QRect area) const;

    // Calls run(left, right) for every run of pixels left .. right - 1 of
    // row y, between `first` and `last` (both included), that the wedge
    // holds.  Along a row the pixels' directions turn one way, so whether
    // the wedge holds a pixel changes only where the row crosses the line of
    // one of its ends.
    template <class Run>
    void held_runs(int y, int first, int last, const Run& run) const {
        if (everything_) {
            run(first, last + 1);
            return;
        }
        bool held = holds({first, y});
        int from = first;
        const Turns turns = turns_on(y, first, last);
        for (int i = 0; i < turns.count; ++i) {
            const int x = turns.pixels[static_cast<std::size_t>(i)];
            if (holds({x, y}) == held) continue;
            if (held) run(from, x);
            held = !held;
            from = x;
        }
        if (held) run(from, last + 1);
    }

private:
    // Whether a wedge that keeps less than everything holds the pixel.
    bool holds(QPoint pixel) const {
        const double x = (pixel.x() - centre_.x()) * across_.x();
        const double y = (pixel.y() - centre_.y()) * across_.y();
        if (over_half_)  // not strictly inside the part left out
            return !(to_.x() * y - to_.y() * x > kSlack && x * from_.y() - y * from_.x() > kSlack);
        return from_.x() * y - from_.y() * x >= -kSlack && x * to_.y() - y * to_.x() >= -kSlack;
    }

    // Directions this close to an end of the sweep count as on it (a
    // direction on the ellipse itself is a unit long).
    static constexpr double kSlack = 1e-9;

    // At most four pixels round each of the two ends' lines.
    struct Turns {
        std::array<int, 8> pixels{};
        int count = 0;
    };

    Turns turns_on(int y, int left, int right) const;

    QPointF centre_;
    QPointF radii_;
    QPointF across_;    // 1 over each radius: a pixel's offset times these is its direction
    QPointF from_;      // the directions of the ends, as (cos, sin) of their turns
    QPointF to_;
    bool whole_;
    bool everything_;   // whole, or too flat to tell directions apart
    bool over_half_;    // the sweep is longer than half a turn
};

// An ellipse drawn in its frame, or the part of it that the wedge of the
// sweep keeps: the arc, or with an inside colour the pie, its edges drawn.
void draw_ellipse_figure(QPainter& painter, const QPen& pen, const QRect& frame,
                         const ArcSweep& sweep, const Wedge& wedge, std::optional<QRgb> inside);

// A pie's straight edges: from the middle of the frame, the centre of the
// ellipse as drawn, to the drawn ellipse's points at the sweep's ends.  An
// edge at 12, 3, 6 or 9 o'clock runs along the middle row or column (the
// upper or left one of two).
void draw_pie_edges(QPainter& painter, const QPen& pen, const QRect& frame,
                    const ArcSweep& sweep);

}  // namespace platform
