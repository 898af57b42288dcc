// Lines, boxes, ellipses, arcs, polylines, points and flood fill; solid
// ellipses are stamped once drawn, and an arc or a pie sets the part of its
// ellipse's stamps that its wedge keeps.
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <vector>

#include "platform/ellipse.h"
#include "platform/flood_fill.h"
#include "platform/pen.h"
#include "platform/raster_op.h"
#include "platform/run_error.h"
#include "platform/stamp.h"
#include "platform/surface.h"

namespace platform {
namespace {

// Extra pixels around a figure's corners that its pen may still touch.
constexpr int kPenMargin = 2;

// The rectangle with both points as corners, both included.
QRect corners(QPoint a, QPoint b) {
    return {QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))};
}

QRect reach_of(const QRect& frame) {
    return frame.adjusted(-kPenMargin, -kPenMargin, kPenMargin, kPenMargin);
}

QRect reach_of(const QPolygon& points) { return reach_of(points.boundingRect()); }

void check_size(float value) {
    if (!(value >= 0)) throw RunError(ErrorNumber::BadArgument);
}

// The closed outline of a pixel rectangle, so that a dash pattern runs on
// round its corners.
QPolygon outline(const QRect& box) {
    return QPolygon({box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft(),
                     box.topLeft()});
}

// The stamp of a solid whole ellipse in a frame of `size`: its outline, or
// the inside that a filled one paints in its fill colour; its reach as far
// around the frame as a figure's pen may go.
const Stamp* ellipse_stamp(StampCache<ArcKey, ArcKeyHash>& stamps, QSize size, ArcKey::Part part,
                           DrawMode mode) {
    const ArcKey key{size.width(), size.height(), part, painting_in(mode)};
    return stamps.find(key, [&] {
        const QRect frame(QPoint(kPenMargin, kPenMargin), size);
        const QPen pen = make_pen(kStampInk, PenStyle::Solid);
        return take_stamp(reach_of(frame).size(), key.painting,
                          [&](QPainter& painter, QPoint origin) {
                              const QRect placed = frame.translated(origin);
                              painter.setPen(pen);
                              if (part == ArcKey::Part::Inside) {
                                  painter.setBrush(QColor::fromRgb(kStampInk));
                                  painter.drawEllipse(placed);
                                  // The outline's pixels are the pen's, not the fill's.
                                  painter.setCompositionMode(QPainter::CompositionMode_Clear);
                                  painter.setBrush(Qt::NoBrush);
                              }
                              painter.drawEllipse(placed);
                          });
    });
}

// A stamped ellipse: its outline, and the inside of a filled one.
struct EllipseStamps {
    const Stamp* outline = nullptr;
    const Stamp* inside = nullptr;
};

// The part of a stamp, its image's top-left pixel at `at`, that the wedge keeps.
Stamp kept_by(const Wedge& wedge, const Stamp& stamp, QPoint at) {
    Stamp part;
    for (const StampRun& run : stamp.runs)
        wedge.held_runs(at.y() + run.y, at.x() + run.left, at.x() + run.right - 1,
                        [&](int left, int right) {
                            part.runs.push_back({run.y, left - at.x(), right - at.x()});
                        });
    return part;
}

// Sets the part of a stamped ellipse that its wedge keeps, its stamps'
// top-left pixel at the reach's: the inside in the fill colour, the outline
// and a pie's edges in the ink, each pixel combined with the image once (as
// when the figure is painted).  Returns the part of the image that may have
// changed.
QRect put_ellipse(QImage& image, QRect reach, const EllipseStamps& stamps, const QRect& frame,
                  const ArcSweep& sweep, const Wedge& wedge, QRgb ink, std::optional<QRgb> inside,
                  DrawMode mode, const Palette& palette) {
    const Stamp outline = kept_by(wedge, *stamps.outline, reach.topLeft());
    if (!inside) {
        put_stamp(image, outline, reach.topLeft(), ink, mode, palette);
        return reach;
    }
    const Stamp filling = kept_by(wedge, *stamps.inside, reach.topLeft());
    const QPen pen = make_pen(ink, PenStyle::Solid);
    const auto put_all = [&](QImage& target, QPoint origin, DrawMode put_mode) {
        const QPoint at = reach.topLeft() - origin;
        put_stamp(target, filling, at, *inside, put_mode, palette);
        put_stamp(target, outline, at, ink, put_mode, palette);
        if (wedge.whole()) return;
        QPainter painter(&target);
        painter.translate(-origin);
        draw_pie_edges(painter, pen, frame, sweep);
    };
    if (mode == DrawMode::Copy) {  // a pixel set twice keeps the last colour
        put_all(image, {0, 0}, mode);
        return reach;
    }
    return paint_layer(image, reach, mode, palette, [&](QImage& layer, QPoint origin) {
        put_all(layer, origin, DrawMode::Copy);
    });
}

}  // namespace

void Surface::draw_line(PointF a, PointF b, std::optional<int> colour_index) {
    const QPen pen = make_pen(colour(colour_index.value_or(state_.drawing_colour)), state_.style);
    const QPoint from = to_pixel(a);
    const QPoint to = to_pixel(b);
    paint(reach_of(corners(from, to)), state_.mode, [&](QPainter& painter) {
        painter.setPen(pen);
        painter.drawLine(from, to);
    });
    state_.last_point = b;
    if (watched())
        tell({.kind = DrawCall::Kind::Line, .at = a, .to = b,
              .colour = colour_index.value_or(state_.drawing_colour), .mode = state_.mode,
              .style = state_.style});
}

void Surface::draw_box(PointF a, PointF b, std::optional<int> colour_index) {
    const QPen pen = make_pen(colour(colour_index.value_or(state_.drawing_colour)), state_.style);
    const QRect box = corners(to_pixel(a), to_pixel(b));
    paint(reach_of(box), state_.mode, [&](QPainter& painter) {
        painter.setPen(pen);
        painter.drawPolyline(outline(box));
    });
    state_.last_point = b;
    if (watched())
        tell({.kind = DrawCall::Kind::Box, .at = a, .to = b,
              .colour = colour_index.value_or(state_.drawing_colour), .mode = state_.mode,
              .style = state_.style});
}

void Surface::fill_box(PointF a, PointF b, int colour_index, std::optional<int> fill) {
    const QPen pen = make_pen(colour(colour_index), state_.style);
    const QRgb inside = colour(fill.value_or(colour_index));
    const QRect box = corners(to_pixel(a), to_pixel(b));
    paint(reach_of(box), state_.mode, [&](QPainter& painter) {
        painter.fillRect(box, QColor::fromRgb(inside));
        painter.setPen(pen);
        painter.drawPolyline(outline(box));
    });
    state_.last_point = b;
    if (watched())
        tell({.kind = DrawCall::Kind::FilledBox, .at = a, .to = b, .colour = colour_index,
              .fill = fill, .mode = state_.mode, .style = state_.style});
}

void Surface::draw_circle(PointF centre, float radius, int colour_index, float aspect,
                          std::optional<int> fill) {
    draw_ellipse_part(centre, radius, colour_index, aspect, 0, 0, fill);
}

void Surface::draw_arc(PointF centre, float radius, int colour_index, float aspect, float start,
                       float end, std::optional<int> fill) {
    draw_ellipse_part(centre, radius, colour_index, aspect, start, end, fill);
}

void Surface::draw_ellipse_part(PointF centre, float radius, int colour_index, float aspect,
                                float start, float end, std::optional<int> fill) {
    check_size(radius);
    check_size(aspect);
    const ArcSweep sweep = arc_sweep(start, end);
    const QRgb ink = colour(colour_index);
    const std::optional<QRgb> inside =
        fill ? std::optional<QRgb>(colour(*fill)) : std::nullopt;
    const float height = radius * aspect;
    const QRect frame = ellipse_frame(to_pixel({centre.x - radius, centre.y - height}),
                                      to_pixel({centre.x + radius, centre.y + height}));
    const QPointF middle = exact_pixel(centre, state_.window, state_.viewport);
    const QPointF radii = exact_pixel({centre.x + radius, centre.y + height}, state_.window,
                                      state_.viewport) - middle;
    const Wedge wedge(middle, radii, sweep);
    const QRect reach = reach_of(frame);
    EllipseStamps stamps;
    if (state_.style == PenStyle::Solid && image_.rect().contains(reach)) {
        stamps_.arcs.make_room();
        stamps.outline = ellipse_stamp(stamps_.arcs, frame.size(), ArcKey::Part::Outline,
                                       state_.mode);
        if (inside)
            stamps.inside = ellipse_stamp(stamps_.arcs, frame.size(), ArcKey::Part::Inside,
                                          state_.mode);
    }
    if (stamps.outline && (!inside || stamps.inside)) {
        changed(put_ellipse(image_, reach, stamps, frame, sweep, wedge, ink, inside, state_.mode,
                            state_.palette));
    } else {
        const QPen pen = make_pen(ink, state_.style);
        paint(reach, state_.mode, [&](QPainter& painter) {
            draw_ellipse_figure(painter, pen, frame, sweep, wedge, inside);
        });
    }
    if (watched())
        tell({.kind = DrawCall::Kind::Ellipse, .at = centre, .colour = colour_index, .fill = fill,
              .radius = radius, .aspect = aspect, .start = start, .end = end,
              .mode = state_.mode, .style = state_.style});
}

void Surface::draw_polyline(std::span<const PolyPoint> points, int colour_index,
                            PolyOptions options) {
    const PenStyle style = options.style == PolyStyle::Window ? state_.style : PenStyle::Solid;
    const DrawMode mode = options.mode == PolyMode::Current ? state_.mode : DrawMode::Copy;
    const QPen pen = make_pen(colour(colour_index), style);
    const std::optional<QRgb> inside =
        options.fill ? std::optional<QRgb>(colour(*options.fill)) : std::nullopt;
    const std::vector<PointF> logical = resolve_points(points, state_.last_point);
    if (logical.empty()) return;
    QPolygon pixels;
    for (const PointF& point : logical) pixels << to_pixel(point);
    paint(reach_of(pixels), mode, [&](QPainter& painter) {
        painter.setPen(pen);
        if (pixels.size() == 1) {
            painter.drawPoint(pixels.front());
        } else if (inside) {
            painter.setBrush(QColor::fromRgb(*inside));
            painter.drawPolygon(pixels, Qt::OddEvenFill);
        } else {
            painter.drawPolyline(pixels);
        }
    });
    state_.last_point = logical.back();
    if (watched())
        tell({.kind = DrawCall::Kind::Polyline, .points = logical, .colour = colour_index,
              .fill = options.fill, .mode = mode, .style = style});
}

void Surface::set_point(PointF at, int colour_index) {
    const QRgb rgb = colour(colour_index);
    const QPoint pixel = to_pixel(at);
    state_.last_point = at;
    if (watched()) tell({.kind = DrawCall::Kind::Point, .at = at, .colour = colour_index});
    if (!image_.rect().contains(pixel)) return;
    image_.setPixel(pixel, rgb);
    changed(QRect(pixel, QSize(1, 1)));
}

void Surface::flood_fill(PointF from, Rgb border) {
    const QRgb edge = to_qrgb(border);
    changed(platform::flood_fill(image_, to_pixel(from), edge, to_qrgb(state_.fill_colour)));
    if (watched())
        tell({.kind = DrawCall::Kind::FloodFill, .at = from, .border = border,
              .inside = state_.fill_colour});
}

}  // namespace platform
