#include <gtest/gtest.h>

#include "surface_test_canvas.h"

using platform::PointF;
using surface_test::page_canvas;
using surface_test::run_error_of;

TEST(SurfaceCoordinates, PageCanvasMapsLogicalPointsToPixels) {
    platform::Surface canvas = page_canvas();
    EXPECT_EQ(canvas.to_pixel({0, 0}), QPoint(0, 0));
    EXPECT_EQ(canvas.to_pixel({639, 568}), QPoint(639, 479));
    EXPECT_EQ(canvas.to_pixel({100, 12}), QPoint(100, 10));
    // 284 x 479 / 568 is 239.5 exactly: a tie goes to the even row.
    EXPECT_EQ(canvas.to_pixel({0, 284}), QPoint(0, 240));

    canvas.set_logical_window(0, 0, 1278, 568);  // two logical units per pixel in x
    EXPECT_EQ(canvas.to_pixel({1, 0}).x(), 0);   // 0.5 goes down to 0
    EXPECT_EQ(canvas.to_pixel({3, 0}).x(), 2);   // 1.5 goes up to 2
    EXPECT_EQ(canvas.to_pixel({1e30f, -1e30f}),
              QPoint(platform::kFarthestPixel, -platform::kFarthestPixel));
}

TEST(SurfaceCoordinates, FilledBoxCoversTheRowsOfBothCorners) {
    platform::Surface canvas = page_canvas();
    canvas.fill_box({10, 0}, {20, 22}, 2);
    EXPECT_EQ(canvas.colour_index_at({10, 0}), 2);
    EXPECT_EQ(canvas.colour_index_at({20, 19}), 2);
    EXPECT_EQ(canvas.colour_index_at({15, 20}), 0);
    EXPECT_EQ(canvas.colour_index_at({21, 10}), 0);
    EXPECT_EQ(canvas.colour_index_at({9, 10}), 0);
    EXPECT_EQ(surface_test::pixels_not_of(canvas, QRect(0, 0, 640, 480), 0), 11 * 20);
}

TEST(SurfaceCoordinates, ViewportAndLogicalWindowAreChecked) {
    platform::Surface canvas = page_canvas(392);
    // The whole 640 x 480 screen may be the viewport of a shorter window.
    EXPECT_EQ(run_error_of([&] { canvas.set_viewport(0, 0, 639, 479); }), 0);
    EXPECT_EQ(run_error_of([&] { canvas.set_viewport(0, 0, 640, 479); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_viewport(0, 0, 639, 480); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_viewport(10, 0, 10, 100); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_viewport(0, 50, 100, 20); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_viewport(-1, 0, 100, 100); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_logical_window(5, 0, 5, 568); }), 5);
    // A refused setting leaves the old one in force.
    EXPECT_EQ(canvas.to_pixel({639, 568}), QPoint(639, 479));

    canvas.set_viewport(100, 100, 199, 199);
    canvas.set_logical_window(0, 0, 99, 99);
    EXPECT_EQ(canvas.to_pixel({0, 99}), QPoint(100, 199));
}

TEST(SurfaceCoordinates, ClientSizeKeepsTheDrawing) {
    platform::Surface canvas = page_canvas(440);
    canvas.fill_box({0, 0}, {639, 568}, 6);
    canvas.set_client_size(640, 392);
    canvas.set_colours(7, 5);
    canvas.set_client_size(700, 500);
    EXPECT_EQ(canvas.client_size(), QSize(700, 500));
    EXPECT_EQ(canvas.colour_index_at({639, 479}), 6);
    EXPECT_EQ(canvas.colour_index_at({650, 490}), 5);  // new area in the background colour
    EXPECT_EQ(run_error_of([&] { canvas.set_client_size(-1, 10); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_client_size(10, 32768); }), 5);
    EXPECT_EQ(run_error_of([&] { (void)canvas.rgb_at({700, 0}); }), 5);
}
