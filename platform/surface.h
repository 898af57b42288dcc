#pragma once
// A drawing surface: a window's client area or an off-screen bitmap, with a
// backing image that keeps everything drawn on it.  Pages draw on it with
// the statements below, in logical coordinates and palette colours; all its
// mutable settings live in one SurfaceState.
//
// A window's backing image is at least the 640 x 480 screen the programs
// were made for, and at least its client size: what is drawn below the
// visible client area is kept, and the viewport may reach to row 479 of a
// window whose client area is shorter.  A bitmap's image is its own size.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/coordinates.h"
#include "platform/palette.h"
#include "platform/polygon.h"
#include "platform/stamp_cache.h"
#include "platform/surface_state.h"

class QPainter;

namespace platform {

class Picture;
class Surface;

enum class SurfaceKind { Window, Bitmap };

// A drawing statement as the surface carried it out, for whoever watches:
// the logical values it was given and the settings it drew with.
struct DrawCall {
    enum class Kind {
        Cell, Scaled, Line, Box, FilledBox, Ellipse, Polyline, Point, FloodFill, Picture, Copy,
        Clear
    };
    Kind kind = Kind::Cell;
    int column = 0;                      // cell text: its first cell
    int row = 0;
    PointF at{};                         // scaled text, picture, first corner, centre, copy target
    PointF to{};                         // second corner of a line or box; copy: the source's point
    std::vector<PointF> points{};        // polyline, relative steps resolved
    QPoint pixel{};                      // top-left pixel of a text
    int colour = 0;                      // palette index of the pen or the characters
    std::optional<int> fill{};           // fill colour; cell text: the cells' colour
    std::string text{};                  // UTF-8
    TextFont font{};                     // texts
    int x_scale = 1;                     // scaled text
    int y_scale = 1;
    float radius = 0, aspect = 0, start = 0, end = 0;  // ellipse
    QSize size{};                        // copy: the block's pixels
    Rgb border{}, inside{};              // flood fill
    std::optional<DrawMode> mode{};      // where the draw mode counts
    std::optional<PenStyle> style{};     // where the pen style counts
    const Picture* picture = nullptr;
    const Surface* source = nullptr;     // copy
};

class Surface {
public:
    // Errors 5 for a negative size or one above kLargestSide.
    Surface(SurfaceKind kind, int width, int height);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    Surface(Surface&&) = default;
    Surface& operator=(Surface&&) = default;

    static constexpr int kLargestSide = 8192;

    SurfaceKind kind() const { return kind_; }
    QSize client_size() const { return client_; }
    const SurfaceState& state() const { return state_; }

    // Settings.
    void set_logical_window(float x1, float y1, float x2, float y2);  // error 5 if empty
    void set_viewport(int x1, int y1, int x2, int y2);               // error 5 off the image
    void set_palette_entry(int index, int green, int red, int blue); // error 5
    void set_colours(int text, std::optional<int> background = {},
                     std::optional<int> drawing = {});
    void set_text_colour(int colour);
    void set_draw_mode(int code);    // 1..16, else error 6
    void set_draw_style(int code);   // 0..6, else error 6
    void set_fill_style(int style);  // 0..7, else error 5
    void set_fill_colour(Rgb colour);
    void set_font(std::string_view face, int size);  // size 1..256, else error 5
    void set_font_size(int size);
    void set_client_size(int width, int height);     // the drawing is kept
    void set_map_mode(int mode) { state_.map_mode = mode; }
    void set_redraw_mode(int mode) { state_.redraw_mode = mode; }

    // Settings put back as state() held them.  They were valid when they
    // were read, so they are taken as they are, unchecked: putting a page's
    // settings back while the page is abandoned cannot fail.
    void restore_logical_window(const LogicalWindow& window) noexcept { state_.window = window; }
    void restore_draw_mode(DrawMode mode) noexcept { state_.mode = mode; }
    void restore_draw_style(PenStyle style) noexcept { state_.style = style; }
    void restore_font(TextFont&& font) noexcept { state_.font = std::move(font); }

    // Text.
    void set_cell_position(int column, int row);  // error 5 outside the grid
    void draw_cell_text(std::string_view utf8);
    void draw_cell_text(int column, int row, std::string_view utf8) {
        set_cell_position(column, row);
        draw_cell_text(utf8);
    }
    void draw_scaled_text(PointF at, std::string_view utf8, int x_scale, int y_scale,
                          std::optional<int> colour = {});

    // Figures.
    void draw_line(PointF a, PointF b, std::optional<int> colour = {});
    void draw_box(PointF a, PointF b, std::optional<int> colour = {});
    void fill_box(PointF a, PointF b, int colour, std::optional<int> fill = {});
    void draw_circle(PointF centre, float radius, int colour, float aspect,
                     std::optional<int> fill = {});
    void draw_arc(PointF centre, float radius, int colour, float aspect, float start,
                  float end, std::optional<int> fill = {});
    void draw_polyline(std::span<const PolyPoint> points, int colour, PolyOptions options = {});
    void set_point(PointF at, int colour);
    void flood_fill(PointF from, Rgb border);

    // Pictures and copies.
    void draw_picture(const Picture& picture, PointF at);
    // Copies width x height pixels from `from` on the source to `to` here,
    // combined with what is here in this surface's draw mode.  Points are
    // logical on a window and pixels on a bitmap; whatever lies past an edge
    // of either image is left out.
    void block_copy(PointF to, int width, int height, const Surface& source, PointF from);
    // Fills the whole image with the background colour; cursor to (0,0).
    void clear();

    // Reading back.
    const QImage& image() const { return image_; }
    QRgb rgb_at(QPoint pixel) const;            // error 5 off the image
    int colour_index_at(QPoint pixel) const;    // -1 when no palette entry matches
    QPoint to_pixel(PointF logical) const;

    // Watchers: one each; a new one replaces the old.  Nothing is described
    // for a drawing watcher unless one watches.
    void on_change(std::function<void(QRect)> changed) { changed_ = std::move(changed); }
    void on_draw(std::function<void(const DrawCall&)> drawn) { drawn_ = std::move(drawn); }

private:
    QRgb colour(int index) const;  // error 5 outside 0..15
    QPoint place(PointF point) const;
    void paint(QRect reach, DrawMode mode, const std::function<void(QPainter&)>& figure);
    void changed(QRect area);
    bool watched() const { return static_cast<bool>(drawn_); }
    void tell(const DrawCall& drawing) const { drawn_(drawing); }
    void resize_image(QSize size);
    void draw_ellipse_part(PointF centre, float radius, int colour, float aspect,
                           float start, float end, std::optional<int> fill);

    SurfaceKind kind_;
    QSize client_;
    QImage image_;
    SurfaceState state_;
    SurfaceStamps stamps_;   // characters and arcs drawn so far, to draw again at once
    std::function<void(QRect)> changed_;
    std::function<void(const DrawCall&)> drawn_;
};

}  // namespace platform
