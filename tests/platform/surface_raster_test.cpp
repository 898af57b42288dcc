#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "platform/picture.h"
#include "platform/raster_op.h"
#include "surface_test_canvas.h"

using surface_test::pixel_canvas;
using surface_test::run_error_of;

TEST(SurfaceRaster, MergeCombinesPaletteIndexes) {
    platform::Surface canvas = pixel_canvas();
    canvas.fill_box({300, 0}, {639, 479}, 1);  // right half blue, left half colour 0
    canvas.set_draw_mode(15);
    canvas.draw_arc({200, 200}, 40, 2, 1, 0, 0.5f, 2);  // a red pie on colour 0
    canvas.draw_circle({400, 200}, 40, 2, 1, 2);         // a red disc on blue
    EXPECT_EQ(canvas.colour_index_at({200, 220}), 2);
    EXPECT_EQ(canvas.colour_index_at({200, 180}), 0);
    EXPECT_EQ(canvas.colour_index_at({200, 241}), 0);
    EXPECT_EQ(canvas.colour_index_at({400, 200}), 3);  // 1 or 2: magenta
    canvas.set_draw_mode(9);
    canvas.fill_box({390, 190}, {410, 210}, 6);        // 3 and 6: red
    EXPECT_EQ(canvas.colour_index_at({400, 200}), 2);
    canvas.set_draw_mode(6);
    canvas.fill_box({0, 0}, {9, 9}, 2);                // invert: colour 0 becomes 15
    EXPECT_EQ(canvas.colour_index_at({5, 5}), 15);
}

TEST(SurfaceRaster, ExclusiveOrTwiceRestoresThePicture) {
    platform::Surface canvas = pixel_canvas();
    canvas.fill_box({100, 100}, {300, 300}, 5);
    canvas.draw_scaled_text({10, 10}, "練習", 2, 2, 6);
    const QImage before = canvas.image();
    canvas.set_draw_mode(7);
    for (int pass = 0; pass < 2; ++pass) {
        canvas.draw_arc({200, 200}, 120, 3, 0.5f, 0.2f, 0.9f, 4);
        canvas.draw_scaled_text({90, 90}, "だん落", 3, 3, 13);
        if (pass == 0) {
            EXPECT_NE(canvas.image(), before);
        }
    }
    EXPECT_EQ(canvas.image(), before);
}

TEST(SurfaceRaster, MergedPictureKeepsWhatIsUnderItsColourZero) {
    QImage picture_pixels(20, 20, QImage::Format_RGB32);
    picture_pixels.fill(qRgb(0, 128, 0));                          // colour 0 round it
    picture_pixels.setPixel(10, 10, qRgb(255, 0, 0));               // a red centre
    picture_pixels.setPixel(15, 15, qRgb(1, 2, 3));                 // no palette colour
    const QString file = QDir::temp().filePath("surface_raster_picture.bmp");
    ASSERT_TRUE(picture_pixels.save(file, "BMP"));
    const platform::Picture picture = platform::Picture::load(file.toStdString());

    platform::Surface canvas = pixel_canvas();
    canvas.fill_box({100, 100}, {200, 200}, 1);
    canvas.set_draw_mode(15);
    canvas.draw_picture(picture, {100, 100});
    EXPECT_EQ(canvas.colour_index_at({100, 100}), 1);
    EXPECT_EQ(canvas.colour_index_at({119, 119}), 1);
    EXPECT_EQ(canvas.colour_index_at({110, 110}), 3);
    EXPECT_EQ(canvas.rgb_at({115, 115}), qRgb(1, 2, 255));  // bit by bit on RGB
    canvas.set_draw_mode(13);
    canvas.draw_picture(picture, {630, 470});                 // reaches past two edges
    EXPECT_EQ(canvas.colour_index_at({639, 479}), 0);
    QFile::remove(file);
}

TEST(SurfaceRaster, ANewFormStartsWithTheSixteenStandardColours) {
    const QRgb standard[platform::kPaletteSize] = {
        qRgb(0, 0, 0),     qRgb(128, 128, 128), qRgb(0, 0, 128),   qRgb(0, 0, 255),
        qRgb(128, 0, 0),   qRgb(255, 0, 0),     qRgb(128, 0, 128), qRgb(255, 0, 255),
        qRgb(0, 128, 0),   qRgb(0, 255, 0),     qRgb(0, 128, 128), qRgb(0, 255, 255),
        qRgb(128, 128, 0), qRgb(255, 255, 0),   qRgb(192, 192, 192), qRgb(255, 255, 255),
    };
    const platform::Palette palette = platform::Palette::new_form();
    for (int index = 0; index < platform::kPaletteSize; ++index)
        EXPECT_EQ(palette.at(index), standard[index]) << "index " << index;
}

TEST(SurfaceRaster, EveryDrawModeCodeIsARasterOperation) {
    const platform::Palette palette = platform::Palette::new_form();
    const QRgb pen = palette.at(0b1100), under = palette.at(0b1010);
    // What each code makes of pen 1100 over 1010.
    const int expected[16] = {
        0b0000,  //  1 black
        0b0001,  //  2 not (pen or under)
        0b0010,  //  3 not pen, and under
        0b0011,  //  4 not pen
        0b0100,  //  5 pen, and not under
        0b0101,  //  6 not under
        0b0110,  //  7 exclusive-or
        0b0111,  //  8 not (pen and under)
        0b1000,  //  9 and
        0b1001,  // 10 not exclusive-or
        0b1010,  // 11 under unchanged
        0b1011,  // 12 not pen, or under
        0b1100,  // 13 copy
        0b1101,  // 14 pen, or not under
        0b1110,  // 15 or
        0b1111,  // 16 white
    };
    for (int code = 1; code <= 16; ++code) {
        const QRgb drawn = platform::combine(platform::draw_mode_from_code(code), pen, under, palette);
        EXPECT_EQ(palette.index_of(drawn), expected[code - 1]) << "code " << code;
    }
    platform::Surface canvas = pixel_canvas();
    EXPECT_EQ(run_error_of([&] { canvas.set_draw_mode(0); }), 6);
    EXPECT_EQ(run_error_of([&] { canvas.set_draw_mode(17); }), 6);
    EXPECT_EQ(canvas.state().mode, platform::DrawMode::Copy);
}
