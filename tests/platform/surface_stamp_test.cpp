// A surface stamps the characters and ellipses it has drawn once.  Whatever it
// stamps must be the very pixels QPainter sets when it paints the figure
// itself, in every draw mode, wherever the figure lies.
#include <gtest/gtest.h>

#include <QPainter>

#include <optional>
#include <string>
#include <vector>

#include "platform/cell_text.h"
#include "platform/ellipse.h"
#include "platform/fonts.h"
#include "platform/pen.h"
#include "surface_test_canvas.h"

using platform::DrawMode;
using platform::PointF;

namespace {

// The canvas in stripes of several colours, so that every mode shows.
platform::Surface striped_canvas() {
    platform::Surface canvas = surface_test::page_canvas();
    for (int stripe = 0; stripe < 8; ++stripe)
        canvas.fill_box({0, stripe * 71.0f}, {639, stripe * 71.0f + 70}, stripe * 2 + 1);
    return canvas;
}

QRgb ink(const platform::Surface& canvas, int colour) {
    return canvas.state().palette.at(colour);
}

// The canvas's image after QPainter paints the scaled text itself.
QImage painted_text(const platform::Surface& canvas, PointF at, const std::string& text, int x_scale,
                    int y_scale, int colour) {
    QImage image = canvas.image();
    const std::vector<platform::Glyph> glyphs = platform::split_glyphs(text);
    const QSize unit = platform::cell_size(canvas.state().font.size);
    const QSize cell(unit.width() * x_scale, unit.height() * y_scale);
    const QPoint origin = canvas.to_pixel(at);
    const QRect reach(origin, QSize(platform::total_cells(glyphs) * cell.width(), cell.height()));
    const QFont font = platform::make_font(platform::kScaledTextFace, cell.height());
    platform::paint_figure(image, reach, canvas.state().mode, canvas.state().palette,
                           [&](QPainter& painter) {
                               painter.setPen(QColor::fromRgb(ink(canvas, colour)));
                               QRect box(origin, QSize(0, cell.height()));
                               for (const platform::Glyph& glyph : glyphs) {
                                   box.setWidth(cell.width() * glyph.cells);
                                   platform::draw_glyph(painter, glyph, box, font,
                                                        qreal(x_scale) / y_scale);
                                   box.moveLeft(box.right() + 1);
                               }
                           });
    return image;
}

// The canvas's image after QPainter paints the arc (start = end: the whole
// ellipse), or with a fill colour the pie, itself, kept to its wedge.
QImage painted_arc(const platform::Surface& canvas, PointF centre, float radius, float aspect,
                   float start, float end, int colour, std::optional<int> fill) {
    QImage image = canvas.image();
    const float height = radius * aspect;
    const PointF corner{centre.x + radius, centre.y + height};
    const QRect frame =
        platform::ellipse_frame(canvas.to_pixel({centre.x - radius, centre.y - height}),
                                canvas.to_pixel(corner));
    const auto& state = canvas.state();
    const QPointF middle = platform::exact_pixel(centre, state.window, state.viewport);
    const QPointF radii = platform::exact_pixel(corner, state.window, state.viewport) - middle;
    const platform::ArcSweep sweep = platform::arc_sweep(start, end);
    const platform::Wedge wedge(middle, radii, sweep);
    platform::paint_figure(image, frame.adjusted(-2, -2, 2, 2), state.mode, state.palette,
                           [&](QPainter& painter) {
                               platform::draw_ellipse_figure(
                                   painter, platform::make_pen(ink(canvas, colour),
                                                               platform::PenStyle::Solid),
                                   frame, sweep, wedge,
                                   fill ? std::optional<QRgb>(ink(canvas, *fill)) : std::nullopt);
                           });
    return image;
}

}  // namespace

TEST(SurfaceStamp, TextsAreThePixelsQtPaints) {
    struct Case {
        PointF at;
        std::string text;
        int x_scale, y_scale;
        DrawMode mode;
        int colour;
    };
    // Glyphs recur across the cases: later ones are drawn from stamps.
    const Case cases[] = {
        {{100, 100}, "だん落 3 ﾍﾟｰｼﾞ", 1, 1, DrawMode::Copy, 7},
        {{100, 100}, "だん落 3 ﾍﾟｰｼﾞ", 1, 1, DrawMode::Copy, 0},
        {{151.4f, 300}, "落 3 ﾍﾟｰｼﾞ", 1, 1, DrawMode::Xor, 5},
        {{601, 545}, "練習2", 2, 3, DrawMode::Copy, 14},  // past the right and bottom edges
        {{-11, -7}, "練習2", 2, 3, DrawMode::Merge, 9},   // past the left and top edges
        {{300, 200}, "練習2 ＋ 83", 3, 2, DrawMode::Mask, 12},
        {{300, 260}, "練習2 ＋ 83", 1, 1, DrawMode::Invert, 3},
        {{20, 400}, "𠀋 \xff?\xe3\x81", 1, 1, DrawMode::Copy, 6},  // a far character, broken bytes
    };
    platform::Surface canvas = striped_canvas();
    for (const Case& c : cases) {
        canvas.set_draw_mode(static_cast<int>(c.mode));
        const QImage expected = painted_text(canvas, c.at, c.text, c.x_scale, c.y_scale, c.colour);
        canvas.draw_scaled_text(c.at, c.text, c.x_scale, c.y_scale, c.colour);
        EXPECT_EQ(canvas.image(), expected) << c.text << " at " << c.at.x << "," << c.at.y;
    }
}

TEST(SurfaceStamp, ArcsAndPiesAreThePixelsQtPaints) {
    struct Case {
        PointF centre;
        float radius, aspect, start, end;
        DrawMode mode;
        int colour;
        std::optional<int> fill = std::nullopt;
    };
    const Case cases[] = {
        {{137, 150}, 3, 2.2f, 0.59f, 0.38f, DrawMode::Copy, 7},  // a letter mark
        {{143, 150}, 3, 2.2f, 0.09f, 0.89f, DrawMode::Copy, 7},
        {{422.3f, 301}, 3, 2.2f, 0.59f, 0.38f, DrawMode::Xor, 7},
        {{1, 1}, 3, 2.2f, 0.59f, 0.38f, DrawMode::Copy, 4},      // at the edge: drawn as before
        // A flat ellipse that QPainter draws a pixel past its reach on the
        // image itself, but not on a layer: stamps of one way must not serve
        // the other.
        {{457.855f, 214}, 30, 0.178f, 0, 0, DrawMode::Merge, 2},
        {{457.855f, 214}, 30, 0.178f, 0, 0, DrawMode::Copy, 9},
        {{200, 300}, 25, 1, 0, 0, DrawMode::Copy, 13},           // a whole circle
        {{260, 320}, 25, 1, 0, 0, DrawMode::Xor, 13},
        // Pies and discs: the inside in its fill, the outline and the edges
        // in the ink, every pixel combined once in each mode.
        {{164, 180}, 81, 1, 0.625f, 0.875f, DrawMode::Copy, 7, 2},
        {{169, 180}, 81, 1, 0.625f, 0.875f, DrawMode::Merge, 7, 2},
        {{300.5f, 250.2f}, 60, 0.7f, 0.1f, 0.85f, DrawMode::Xor, 5, 6},
        {{300.5f, 250.2f}, 60, 0.7f, 0.85f, 0.1f, DrawMode::Mask, 13, 3},
        {{420, 200}, 40, 1.3f, 0.5f, 1, DrawMode::Invert, 4, 0},
        {{120, 420}, 30, 1, 0, 0, DrawMode::Xor, 2, 5},
        {{120, 420}, 30, 1, 0, 0, DrawMode::Copy, 2, 5},
        {{1, 1}, 30, 1, 0.2f, 0.3f, DrawMode::Xor, 2, 5},  // at the edge: painted
    };
    platform::Surface canvas = striped_canvas();
    for (const Case& c : cases) {
        canvas.set_draw_mode(static_cast<int>(c.mode));
        const QImage expected =
            painted_arc(canvas, c.centre, c.radius, c.aspect, c.start, c.end, c.colour, c.fill);
        canvas.draw_arc(c.centre, c.radius, c.colour, c.aspect, c.start, c.end, c.fill);
        EXPECT_EQ(canvas.image(), expected) << "arc at " << c.centre.x << "," << c.centre.y;
    }
}

TEST(SurfaceStamp, TextSplitsIntoTheCharactersQtReads) {
    struct Case {
        std::string text;
        bool quick;  // read without Qt
    };
    const Case cases[] = {
        {"aｱ漢𠀋¥‾", true},              // well-formed: one to four bytes a character
        {"\x7f\xc2\x80\xf4\x8f\xbf\xbd", true},  // the ends of the ranges
        {"\xff", false},                  // no lead byte
        {"\xf5\x80\x80\x80", false},
        {"a\xe3\x81", false},             // cut short
        {"\xc3(b", false},                // a lead byte without its continuation
        {"\xc0\xaf", false},              // overlong slashes
        {"\xe0\x80\xaf", false},
        {"\xf0\x8f\xbf\xbf", false},     // an overlong U+FFFF
        {"\xf4\x90\x80\x80", false},     // past U+10FFFF
        {"\xed\xa0\x80", false},          // surrogates
        {"\xed\xbf\xbf", false},
        {"\xed\x9f\xbf", true},           // U+D7FF
        {"\xef\xbb\xbf" "a", false},      // a byte order mark
        {"\xef\xbf\xbf", false},          // noncharacters
        {"\xef\xbf\xbe", false},
        {"\xf0\x9f\xbf\xbe", false},
        {"\xef\xb7\x90", false},
        {"\xef\xb7\xaf", false},
        {"\xef\xb7\x8f" "\xef\xb7\xb0" "\xef\xbf\xbd", true},  // U+FDCF, U+FDF0, U+FFFD
    };
    for (const Case& c : cases) {
        std::vector<char32_t> codes;
        for (const platform::Glyph& glyph : platform::split_glyphs(c.text)) codes.push_back(glyph.code);
        const QList<uint> read = QString::fromUtf8(c.text.data(), qsizetype(c.text.size())).toUcs4();
        EXPECT_EQ(codes, std::vector<char32_t>(read.begin(), read.end())) << c.text;
        EXPECT_EQ(platform::split_well_formed(c.text).has_value(), c.quick) << c.text;
    }
    std::vector<int> cells;
    for (const platform::Glyph& glyph : platform::split_glyphs("aｱ漢𠀋¥‾")) cells.push_back(glyph.cells);
    EXPECT_EQ(cells, (std::vector<int>{1, 1, 2, 2, 1, 1}));
}
