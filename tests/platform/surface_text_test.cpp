#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/cell_text.h"
#include "platform/fonts.h"
#include "surface_test_canvas.h"

using platform::DrawCall;
using surface_test::ink_of;
using surface_test::page_canvas;
using surface_test::pixels_not_of;
using surface_test::run_error_of;

TEST(SurfaceText, TextDrawnAgainInColourZeroLeavesNoTrace) {
    platform::Surface canvas = page_canvas();
    const QImage cleared = canvas.image();
    canvas.draw_scaled_text({100, 100}, "だん落 3 ﾍﾟｰｼﾞ", 1, 1, 7);
    canvas.draw_scaled_text({100, 300}, "練習2", 2, 3, 7);
    EXPECT_GT(pixels_not_of(canvas, QRect(0, 0, 640, 480), 0), 100);
    canvas.draw_scaled_text({100, 100}, "だん落 3 ﾍﾟｰｼﾞ", 1, 1, 0);
    canvas.draw_scaled_text({100, 300}, "練習2", 2, 3, 0);
    EXPECT_EQ(canvas.image(), cleared);
}

TEST(SurfaceText, CellTextFillsItsCellsFromTheCursor) {
    platform::Surface canvas = page_canvas();
    canvas.fill_box({0, 0}, {639, 568}, 6);
    canvas.set_font_size(24);
    canvas.set_cell_position(5, 7);
    canvas.draw_cell_text("ab");
    const QRect cells(60, 168, 2 * 12, 24);
    EXPECT_EQ(canvas.colour_index_at(cells.topLeft()), 0);     // the cell background
    EXPECT_EQ(canvas.colour_index_at(cells.bottomRight()), 0);
    EXPECT_EQ(canvas.colour_index_at({59, 168}), 6);
    EXPECT_EQ(canvas.colour_index_at({60, 167}), 6);
    EXPECT_EQ(canvas.colour_index_at({84, 170}), 6);
    EXPECT_EQ(canvas.colour_index_at({70, 192}), 6);
    EXPECT_GT(pixels_not_of(canvas, cells, 0), 10);  // the letters
    EXPECT_EQ(ink_of(canvas, 6), cells);               // nothing else changed
    EXPECT_EQ(canvas.state().cursor.column, 7);

    // Blanks printed over the row erase it.
    canvas.set_cell_position(5, 7);
    canvas.draw_cell_text("  ");
    EXPECT_EQ(pixels_not_of(canvas, cells, 0), 0);
}

TEST(SurfaceText, GlyphsStayInsideTheirCells) {
    platform::Surface canvas = page_canvas();
    canvas.set_cell_position(10, 3);
    canvas.draw_cell_text("解答ＷＭ@g|");  // 4 full-width and 3 half-width characters
    const QRect cells(80, 48, 11 * 8, 16);
    EXPECT_TRUE(cells.contains(ink_of(canvas, 0))) << "ink outside the cells";
    EXPECT_EQ(canvas.state().cursor.column, 21);

    platform::Surface proportional = page_canvas();
    proportional.set_font("ＭＳ Ｐゴシック", 16);  // a proportional face on the same grid
    proportional.set_cell_position(0, 10);
    proportional.draw_cell_text("WWWW");
    EXPECT_TRUE(QRect(0, 160, 32, 16).contains(ink_of(proportional, 0)));

    // A narrow glyph of a proportional face keeps its own width in its cell:
    // no wider than its font advances, not widened to fill the cell.
    const QFontMetrics metrics(platform::make_font("ＭＳ Ｐ明朝", 16));
    for (const char* glyph : {"i", "l", "f", "t"}) {
        platform::Surface narrow = page_canvas();
        narrow.set_font("ＭＳ Ｐ明朝", 16);
        narrow.set_cell_position(0, 10);
        narrow.draw_cell_text(glyph);
        EXPECT_LE(ink_of(narrow, 0).width(), metrics.horizontalAdvance(glyph)) << glyph;
    }
    // ... and stands in the middle of it.
    for (const char* glyph : {"i", "l", "I", "!"}) {
        platform::Surface narrow = page_canvas();
        narrow.set_font("ＭＳ Ｐ明朝", 48);
        narrow.set_cell_position(0, 2);
        narrow.draw_cell_text(glyph);
        const QRect ink = ink_of(narrow, 0);
        EXPECT_LE(std::abs(ink.left() - (23 - ink.right())), 1) << glyph << " " << ink.left() << ".." << ink.right();
    }
}

// The upright strokes of white ink on black: runs of columns side by side
// whose ink runs down at least half the image's height.
int upright_strokes(const QImage& image) {
    int strokes = 0;
    bool in_stroke = false;
    for (int x = 0; x < image.width(); ++x) {
        int down = 0;
        for (int y = 0; y < image.height(); ++y) down += qGray(image.pixel(x, y)) > 128;
        const bool upright = 2 * down >= image.height();
        strokes += upright && !in_stroke;
        in_stroke = upright;
    }
    return strokes;
}

// A glyph wider than its box (a wide letter of a proportional face, or one
// widened past its cells) is narrowed to the box whole: every upright stroke
// shows, none cut off at the box's sides.
TEST(SurfaceText, AGlyphWiderThanItsBoxIsNarrowedToItWhole) {
    const struct {
        std::string_view face;
        const char* glyph;
        qreal stretch;
        int strokes;
    } cases[] = {
        {"ＭＳ 明朝", "H", 1, 2},  {"ＭＳ 明朝", "H", 3, 2},  {"ＭＳ 明朝", "田", 1, 3},
        {"ＭＳ 明朝", "田", 2, 3}, {"ＭＳ 明朝", "田", 4, 3}, {"ＭＳ Ｐゴシック", "M", 1, 2},
    };
    for (const auto& [face, glyph, stretch, strokes] : cases) {
        const platform::Glyph character = platform::split_glyphs(glyph).front();
        QImage image(QSize(16 * character.cells, 32), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setPen(Qt::white);
        platform::draw_glyph(painter, character, image.rect(), platform::make_font(face, 32), stretch);
        painter.end();
        EXPECT_EQ(upright_strokes(image), strokes) << face << " " << glyph << " x" << stretch;
    }
}

// Every face the forms and pages name is drawn in the installed Japanese
// font it stands for, never in a fallback: of its kind (Gothic or Mincho),
// proportional where the face is, and in an edit field with half-width
// digits half an em wide.
TEST(SurfaceText, EveryFaceTheProgramsNameHasItsInstalledFont) {
    struct Face {
        std::string_view name;
        const char* kind;
        bool proportional;
    };
    for (const Face& face : {Face{"標準明朝", "Mincho", false}, Face{"ＭＳ 明朝", "Mincho", false},
                             Face{"ＭＳ Ｐ明朝", "Mincho", true},
                             Face{"ＭＳ Ｐゴシック", "Gothic", true},
                             Face{"$ＪＳゴシック", "Gothic", false},
                             Face{"FixedSys", "Gothic", false}}) {
        const QString family = platform::font_family(face.name);
        EXPECT_TRUE(family.startsWith("IPA") && family.contains(face.kind)) << face.name;
        EXPECT_EQ(QFontInfo(platform::make_font(face.name, 16)).family(), family) << face.name;
        const QFontMetrics text(platform::make_font(face.name, 18));
        EXPECT_EQ(text.horizontalAdvance('O') > text.horizontalAdvance('l'), face.proportional)
            << face.name;

        const QString field_family = platform::field_font_family(face.name);
        EXPECT_TRUE(field_family.contains(face.kind)) << face.name;
        QFont field_font(field_family);
        field_font.setPixelSize(18);
        EXPECT_EQ(QFontInfo(field_font).family(), field_family) << face.name;
        EXPECT_EQ(QFontMetrics(field_font).horizontalAdvance("0123456789"), 10 * 9) << face.name;
    }
}

TEST(SurfaceText, ScaledTextGrowsWithItsScales) {
    platform::Surface one = page_canvas();
    one.set_logical_window(0, 0, 639, 479);
    one.draw_scaled_text({100, 100}, "MM", 1, 1);
    const QRect small = ink_of(one, 0);
    EXPECT_TRUE(QRect(100, 100, 16, 16).contains(small));

    platform::Surface wide = page_canvas();
    wide.set_logical_window(0, 0, 639, 479);
    wide.draw_scaled_text({100, 100}, "MM", 3, 2);
    const QRect large = ink_of(wide, 0);
    EXPECT_TRUE(QRect(100, 100, 48, 32).contains(large));
    EXPECT_GT(large.width(), 2 * small.width());
    EXPECT_GT(large.height(), small.height() * 3 / 2);
    // Drawn in the drawing colour, without a background.
    const int area = large.width() * large.height();
    const int in_colour_7 = area - pixels_not_of(wide, large, 7);
    EXPECT_GT(in_colour_7, 0);
    EXPECT_EQ(in_colour_7 + area - pixels_not_of(wide, large, 0), area);

    // One character twice as wide as high is widened, not centred as it was.
    const auto ink_width = [](int x_scale) {
        platform::Surface canvas = page_canvas();
        canvas.set_logical_window(0, 0, 639, 479);
        canvas.draw_scaled_text({100, 100}, "M", x_scale, 1);
        return ink_of(canvas, 0).width();
    };
    EXPECT_GT(ink_width(2), ink_width(1) * 3 / 2);
}

// A text too large to keep as a stamp is painted directly, its glyphs as
// large as its scales make them, and erased the same way.
TEST(SurfaceText, ATextTooLargeForAStampIsPaintedAllTheSame) {
    platform::Surface canvas = surface_test::pixel_canvas();
    canvas.draw_scaled_text({0, 0}, "M", 24, 24, 7);  // a cell of 192 x 384 pixels
    const QRect inked = ink_of(canvas, 0);
    EXPECT_TRUE(QRect(0, 0, 192, 384).contains(inked));
    EXPECT_GT(inked.width(), 96);
    EXPECT_GT(inked.height(), 192);
    canvas.draw_scaled_text({0, 0}, "M", 24, 24, 0);
    EXPECT_EQ(pixels_not_of(canvas, QRect(0, 0, 640, 480), 0), 0);
}

TEST(SurfaceText, WatchersHearOfEveryText) {
    platform::Surface canvas = page_canvas();
    std::vector<DrawCall> heard;
    canvas.on_draw([&](const DrawCall& text) { heard.push_back(text); });
    canvas.set_text_colour(3);
    canvas.set_cell_position(2, 4);
    canvas.draw_cell_text("あA");
    canvas.draw_cell_text("b");
    canvas.draw_scaled_text({200, 12}, "練習", 2, 1, 5);
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].kind, DrawCall::Kind::Cell);
    EXPECT_EQ(heard[0].text, "あA");
    EXPECT_EQ(heard[0].colour, 3);
    EXPECT_EQ(heard[0].pixel, QPoint(16, 64));
    EXPECT_EQ(heard[1].column, 5);  // after one full-width and one half-width character
    EXPECT_EQ(heard[2].kind, DrawCall::Kind::Scaled);
    EXPECT_EQ(heard[2].pixel, QPoint(200, 10));
    EXPECT_EQ(heard[2].colour, 5);
    EXPECT_EQ(heard[2].x_scale, 2);
}

TEST(SurfaceText, CellsOutsideTheGridAndBadTextSettingsAreError5) {
    platform::Surface canvas = page_canvas(392);  // 80 x 24 cells at size 16
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(79, 23); }), 0);
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(80, 0); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(0, 24); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(-1, 0); }), 5);
    canvas.set_font_size(24);  // 53 x 16 cells
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(0, 16); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(52, 15); }), 0);
    canvas.set_font_size(2);  // cells of 1 × 2 pixels: 640 × 196
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(639, 195); }), 0);
    EXPECT_EQ(run_error_of([&] { canvas.set_cell_position(640, 0); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.set_text_colour(16); }), 5);
    // A bad colour among the three sets none of them.
    for (const auto& [text, background, drawing] : {std::tuple{7, 0, -1}, {7, 16, 3}, {16, 0, 3}})
        EXPECT_EQ(run_error_of([&] { canvas.set_colours(text, background, drawing); }), 5);
    EXPECT_EQ(canvas.state().text_colour, 7);
    EXPECT_EQ(canvas.state().background_colour, 0);
    EXPECT_EQ(canvas.state().drawing_colour, 7);
    EXPECT_EQ(run_error_of([&] { canvas.set_font_size(0); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_scaled_text({0, 0}, "a", 0, 1); }), 5);
    EXPECT_EQ(run_error_of([&] { canvas.draw_scaled_text({0, 0}, "a", 1, 1, 16); }), 5);
}
