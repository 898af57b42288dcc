#include <gtest/gtest.h>

#include "surface_test_canvas.h"

using platform::Surface;
using platform::SurfaceKind;
using surface_test::pixel_canvas;
using surface_test::pixels_not_of;
using surface_test::run_error_of;

namespace {

// A 40 x 30 bitmap in four quarters: colours 1, 2 on top, 3, 4 below.
Surface quartered_bitmap() {
    Surface bitmap(SurfaceKind::Bitmap, 40, 30);
    surface_test::set_lesson_palette(bitmap);
    bitmap.fill_box({0, 0}, {19, 14}, 1);
    bitmap.fill_box({20, 0}, {39, 14}, 2);
    bitmap.fill_box({0, 15}, {19, 29}, 3);
    bitmap.fill_box({20, 15}, {39, 29}, 4);
    return bitmap;
}

}  // namespace

TEST(SurfaceCopy, CopyFromPastTheSourceEdgesTakesOnlyWhatIsThere) {
    const Surface bitmap = quartered_bitmap();
    Surface canvas = pixel_canvas();
    canvas.block_copy({100, 100}, 20, 20, bitmap, {-10, -5});  // past left and top
    EXPECT_EQ(canvas.colour_index_at({110, 105}), 1);
    EXPECT_EQ(canvas.colour_index_at({119, 119}), 1);
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 480), 0), 10 * 15);

    Surface far = pixel_canvas();
    far.block_copy({100, 100}, 50, 50, bitmap, {30, 20});  // past right and bottom
    EXPECT_EQ(far.colour_index_at({100, 100}), 4);
    EXPECT_EQ(far.colour_index_at({109, 109}), 4);
    EXPECT_EQ(pixels_not_of(far, QRect(0, 0, 640, 480), 0), 10 * 10);

    far.block_copy({0, 0}, 10, 10, bitmap, {500, 500});  // wholly outside
    EXPECT_EQ(pixels_not_of(far, QRect(0, 0, 640, 480), 0), 10 * 10);
}

TEST(SurfaceCopy, CopyPastTheTargetEdgesIsCutThere) {
    const Surface bitmap = quartered_bitmap();
    Surface canvas = pixel_canvas();
    canvas.block_copy({-20, -15}, 40, 30, bitmap, {0, 0});   // top-left corner
    canvas.block_copy({620, 465}, 40, 30, bitmap, {0, 0});   // bottom-right corner
    canvas.block_copy({-30, 300}, 40, 30, bitmap, {0, 0});   // left edge
    canvas.block_copy({630, 100}, 40, 30, bitmap, {0, 0});   // right edge
    EXPECT_EQ(canvas.colour_index_at({0, 0}), 4);
    EXPECT_EQ(canvas.colour_index_at({19, 14}), 4);
    EXPECT_EQ(canvas.colour_index_at({639, 479}), 1);
    EXPECT_EQ(canvas.colour_index_at({620, 465}), 1);
    EXPECT_EQ(canvas.colour_index_at({0, 300}), 2);
    EXPECT_EQ(canvas.colour_index_at({639, 100}), 1);
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 480), 0),
              20 * 15 + 20 * 15 + 10 * 30 + 10 * 30);

    Surface small(SurfaceKind::Bitmap, 10, 10);
    small.block_copy({-5, -5}, 640, 480, canvas, {0, 0});  // into a bitmap, in pixels
    EXPECT_EQ(small.colour_index_at({0, 0}), 9);  // green is entry 9 of a new palette
    EXPECT_EQ(small.rgb_at({0, 0}), canvas.rgb_at({5, 5}));
    // A negative size is refused; an empty one copies nothing and is no error.
    struct Case { int width, height, error; };
    for (const Case c : {Case{-1, 5, 5}, Case{5, -1, 5}, Case{0, 5, 0}, Case{5, 0, 0}}) {
        Surface target = pixel_canvas();
        EXPECT_EQ(run_error_of([&] { target.block_copy({0, 0}, c.width, c.height, canvas, {0, 0}); }),
                  c.error) << c.width << " x " << c.height;
        EXPECT_EQ(pixels_not_of(target, QRect(0, 0, 640, 480), 0), 0);
    }
}

TEST(SurfaceCopy, WindowPointsAreLogicalAndASurfaceCopiesOntoItself) {
    Surface canvas = surface_test::page_canvas();
    canvas.fill_box({0, 0}, {9, 12}, 2);  // rows 0..10
    canvas.block_copy({100, 568}, 10, 11, canvas, {0, 0});
    EXPECT_EQ(canvas.colour_index_at({100, 479}), 2);  // logical y 568 is row 479
    EXPECT_EQ(canvas.colour_index_at({109, 479}), 2);

    canvas.block_copy({5, 0}, 10, 11, canvas, {0, 0});  // overlapping
    EXPECT_EQ(canvas.colour_index_at({14, 10}), 2);
    EXPECT_EQ(canvas.colour_index_at({15, 10}), 0);
}

TEST(SurfaceCopy, ClearFillsTheBackgroundAndWatchersSeeChanges) {
    Surface canvas = pixel_canvas();
    QRect changed;
    canvas.on_change([&](QRect area) { changed |= area; });
    canvas.draw_line({10, 20}, {30, 40});
    EXPECT_TRUE(changed.contains(QRect(QPoint(10, 20), QPoint(30, 40))));
    EXPECT_TRUE(QRect(0, 0, 640, 480).contains(changed));
    changed = QRect();
    canvas.set_point({50, 60}, 2);  // a point changes its pixel only
    EXPECT_EQ(changed, QRect(50, 60, 1, 1));
    canvas.set_cell_position(3, 3);
    canvas.set_colours(7, 6);
    canvas.clear();
    EXPECT_EQ(changed, QRect(0, 0, 640, 480));
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 480), 6), 0);
    EXPECT_EQ(canvas.state().cursor.column, 0);
    EXPECT_EQ(canvas.state().cursor.row, 0);
}
