#include <gtest/gtest.h>

#include <cmath>

#include "surface_test_canvas.h"

using surface_test::ellipse_pixel;
using surface_test::near_colour;
using surface_test::pixel_canvas;
using surface_test::run_error_of;

namespace {

constexpr QPoint kCentre{320, 240};
constexpr double kRx = 100;
constexpr double kRy = 150;  // aspect 1.5

bool drawn_at(const platform::Surface& canvas, double degrees) {
    return near_colour(canvas, ellipse_pixel(kCentre, kRx, kRy, degrees), 7);
}

platform::Surface arc(float start, float end) {
    platform::Surface canvas = pixel_canvas();
    canvas.draw_arc({320, 240}, 100, 7, 1.5f, start, end);
    return canvas;
}

}  // namespace

TEST(SurfaceArc, ArcLeavesOutTheTurnFromItsEndToItsStart) {
    // 0.38 turn is 136.8 degrees, 0.59 turn 212.4 degrees.
    const platform::Surface open_left = arc(0.59f, 0.38f);
    for (double drawn : {0.0, 45.0, 90.0, 120.0, 132.0, 217.0, 250.0, 270.0, 300.0, 350.0})
        EXPECT_TRUE(drawn_at(open_left, drawn)) << drawn;
    for (double left_out : {141.0, 160.0, 180.0, 195.0, 208.0})
        EXPECT_FALSE(drawn_at(open_left, left_out)) << left_out;

    const platform::Surface only_left = arc(0.38f, 0.59f);
    for (double drawn : {141.0, 160.0, 180.0, 195.0, 208.0})
        EXPECT_TRUE(drawn_at(only_left, drawn)) << drawn;
    for (double left_out : {0.0, 90.0, 132.0, 217.0, 270.0})
        EXPECT_FALSE(drawn_at(only_left, left_out)) << left_out;

    const platform::Surface right_half = arc(0.75f, 0.25f);
    EXPECT_TRUE(drawn_at(right_half, 0));
    EXPECT_FALSE(drawn_at(right_half, 180));
}

TEST(SurfaceArc, EqualEndsDrawTheWholeEllipse) {
    const platform::Surface ones = arc(1, 1);
    const platform::Surface zeros = arc(0, 0);
    for (double degrees = 0; degrees < 360; degrees += 15)
        EXPECT_TRUE(drawn_at(ones, degrees)) << degrees;
    EXPECT_EQ(ones.image(), zeros.image());

    platform::Surface circle = pixel_canvas();
    circle.draw_circle({320, 240}, 100, 7, 1.5f);
    EXPECT_EQ(circle.image(), zeros.image());
    // The bounding box's corners are the extreme pixels.
    EXPECT_EQ(surface_test::ink_of(circle, 0), QRect(QPoint(220, 90), QPoint(420, 390)));
}

// Aspect 0 flattens the ellipse into its horizontal diameter: an arc of it
// lies on that line and reaches the point of its middle turn.
TEST(SurfaceArc, AFlatEllipsesArcLiesOnItsDiameter) {
    for (const auto& [start, end, middle_x] : {std::tuple{0.1f, 0.3f, 351}, {0.6f, 0.9f, 320}}) {
        platform::Surface canvas = pixel_canvas();
        canvas.draw_arc({320, 240}, 100, 7, 0, start, end);
        EXPECT_TRUE(near_colour(canvas, {middle_x, 240}, 7)) << start << " to " << end;
        const QRect ink = surface_test::ink_of(canvas, 0);
        EXPECT_TRUE(QRect(220, 240, 201, 1).contains(ink)) << start << " to " << end;
    }
}

TEST(SurfaceArc, FilledArcIsAPieSliceOutlinedInItsColour) {
    platform::Surface canvas = pixel_canvas();
    canvas.draw_arc({320, 240}, 100, 2, 1.0f, 0, 0.25f, 5);  // 3 o'clock to 6 o'clock
    EXPECT_EQ(canvas.colour_index_at({360, 280}), 5);          // inside the slice
    EXPECT_EQ(canvas.colour_index_at({280, 280}), 0);          // beside it
    EXPECT_EQ(canvas.colour_index_at({280, 200}), 0);
    EXPECT_EQ(canvas.colour_index_at({370, 240}), 2);          // the radius to 3 o'clock
    EXPECT_EQ(canvas.colour_index_at({320, 290}), 2);          // the radius to 6 o'clock
    EXPECT_TRUE(near_colour(canvas, ellipse_pixel(kCentre, 100, 100, 45), 2));

    platform::Surface disc = pixel_canvas();
    disc.draw_circle({100, 100}, 30, 2, 1.0f, 6);
    EXPECT_EQ(disc.colour_index_at({100, 100}), 6);
    EXPECT_EQ(disc.colour_index_at({130, 100}), 2);
}

TEST(SurfaceArc, BadArgumentsAreError5AndDrawNothing) {
    platform::Surface canvas = pixel_canvas();
    EXPECT_EQ(run_error_of([&] { canvas.draw_arc({50, 50}, 10, 7, 1, 1.01f, 0); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_arc({50, 50}, 10, 7, 1, 0, -0.1f); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_circle({50, 50}, -1, 7, 1); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_circle({50, 50}, 10, 7, -2); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_circle({50, 50}, 10, 16, 1); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_circle({50, 50}, 10, 7, 1, -1); }), 5);
    EXPECT_EQ(surface_test::pixels_not_of(canvas, QRect(0, 0, 640, 480), 0), 0);
    // Far off the surface: nothing drawn, nothing broken.
    canvas.draw_circle({-50000, 90000}, 1e9f, 7, 3);
}

// An arc stays within the filled pie of its centre, shape and ends, of its
// radius or of one at least a pixel wider all round: erasing a figure with
// its pie leaves nothing of the angle marks drawn round its centre.  On the
// canvas of one unit a pixel and on the lesson's, at many ends and radii.
TEST(SurfaceArc, APieCoversTheArcsOfItsEndsInsideIt) {
    struct Shape {
        platform::PointF centre;
        float aspect;
        float wider;  // a radius this much larger is a pixel or more wider all round
    };
    const Shape shapes[] = {{{200, 180}, 1, 2}, {{200.4f, 180.3f}, 1, 2}, {{200, 180}, 2.2f, 1},
                            {{200, 180}, 0.4f, 3}};
    for (const bool lesson : {false, true}) {
        platform::Surface canvas = lesson ? surface_test::page_canvas() : pixel_canvas();
        const QRect around(canvas.to_pixel({60, 40}), canvas.to_pixel({340, 320}));
        for (const Shape& shape : shapes)
            for (const float radius : {3.0f, 10.0f, 57.0f})
                for (const float pie_radius : {radius, radius + shape.wider, 81.0f})
                    for (int from = 0; from < 16; ++from)
                        for (int span = 1; span < 16; span += 3) {
                            const float start = from / 16.0f + 0.001f * span;
                            const float end = std::fmod(start + span / 16.0f, 1.0f);
                            canvas.draw_arc(shape.centre, radius, 7, shape.aspect, start, end);
                            canvas.draw_arc(shape.centre, pie_radius, 0, shape.aspect, start,
                                            end, 0);
                            if (surface_test::all_of_colour(canvas, around, 0)) continue;
                            ADD_FAILURE() << radius << " in " << pie_radius << ", aspect "
                                          << shape.aspect << ", " << start << " to " << end
                                          << (lesson ? " (lesson)" : "");
                            canvas.clear();
                        }
    }
}

// A pie's straight edge at a quarter turn runs along the middle row or
// column of its ellipse as drawn (the upper or left one of two), from the
// centre to the ellipse, with no step or spur beside it; a half pie's
// diameter is one straight row.  On both canvases, at whole and fractional
// centres, many radii and shapes, every quarter end.
TEST(SurfaceArc, APiesEdgesAtQuarterTurnsRunThroughTheCentrePixel) {
    struct Shape {
        platform::PointF centre;
        float radius;
        float aspect;
    };
    const Shape shapes[] = {{{164, 120}, 80, 1},      {{164.4f, 120.6f}, 80, 1},
                            {{200, 200}, 57, 0.6f},   {{101.5f, 99.5f}, 33, 1.7f},
                            {{320, 240}, 100, 1.15f}, {{90.2f, 300.7f}, 10, 1}};
    const float quarter_ends[] = {0, 0.25f, 0.5f, 0.75f, 1};
    for (const bool lesson : {false, true})
        for (const Shape& shape : shapes)
            for (const float start : quarter_ends)
                for (const float end : quarter_ends) {
                    if (start == end || (start == 0 && end == 1) || (start == 1 && end == 0))
                        continue;
                    platform::Surface canvas =
                        lesson ? surface_test::page_canvas() : pixel_canvas();
                    canvas.draw_arc(shape.centre, shape.radius, 2, shape.aspect, start, end, 5);
                    const float height = shape.radius * shape.aspect;
                    const QPoint corner = canvas.to_pixel(
                        {shape.centre.x - shape.radius, shape.centre.y - height});
                    const QPoint opposite = canvas.to_pixel(
                        {shape.centre.x + shape.radius, shape.centre.y + height});
                    const QPoint centre((corner.x() + opposite.x()) / 2,
                                        (corner.y() + opposite.y()) / 2);
                    // From the centre to the ellipse: right, down, left, up.
                    const int reach[] = {opposite.x() - centre.x(), opposite.y() - centre.y(),
                                         centre.x() - corner.x(), centre.y() - corner.y()};
                    for (const auto& [turn, outside_sign] : {std::pair{start, -1}, {end, 1}}) {
                        const int quarter = static_cast<int>(turn * 4) % 4;
                        const QPoint along[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
                        const QPoint step = along[quarter];
                        const QPoint beside = along[(quarter + 1) % 4] * outside_sign;
                        const int length = reach[quarter];
                        for (int k = 0; k < length; ++k) {
                            const QPoint on = centre + step * k;
                            EXPECT_EQ(canvas.colour_index_at(on), 2)
                                << "edge at " << turn << " of " << start << " to " << end
                                << ", centre " << shape.centre.x << "," << shape.centre.y
                                << " r" << shape.radius << " at " << on.x() << "," << on.y()
                                << (lesson ? " (lesson)" : "");
                            if (k == 0 || k >= length - 3) continue;
                            EXPECT_EQ(canvas.colour_index_at(on + beside), 0)
                                << "beside edge at " << turn << " of " << start << " to " << end
                                << ", centre " << shape.centre.x << "," << shape.centre.y
                                << " r" << shape.radius << " at " << (on + beside).x() << ","
                                << (on + beside).y() << (lesson ? " (lesson)" : "");
                        }
                    }
                }
}
