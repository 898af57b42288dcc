#include "frame/drawing.h"

#include <utility>
#include <vector>

#include "frame/lesson.h"
#include "frame/letter_mark.h"

namespace frame {
namespace {

constexpr platform::LogicalWindow kLessonWindow{0, 0, 639, 568};
constexpr platform::LogicalWindow kPixelWindow{0, 0, 639, 479};

void set_window(platform::Surface& surface, const platform::LogicalWindow& window) {
    surface.set_logical_window(window.x1, window.y1, window.x2, window.y2);
}

}  // namespace

void Drawing::text(PointF at, std::string_view text, int colour) {
    surface().draw_scaled_text(at, text, 1, 1, colour);
}

void Drawing::text(PointF at, std::string_view text, Scale scale, int colour) {
    surface().draw_scaled_text(at, text, scale.x, scale.y, colour);
}

void Drawing::cell_text(int column, int row, std::string_view text) {
    surface().draw_cell_text(column, row, text);
}

void Drawing::cell_text(int column, int row, std::string_view text, int colour) {
    text_colour(colour);
    cell_text(column, row, text);
}

void Drawing::text_colour(int colour) { surface().set_text_colour(colour); }

void Drawing::mark(PointF at, int colour) { draw_letter_mark(surface(), at, colour); }

void Drawing::fraction(PointF at, const Fraction& f, int colour) {
    if (f.bar > 0) line({at.x, at.y + 7}, {at.x + f.bar, at.y + 7}, colour);
    if (!f.bars.empty()) text(at, f.bars, colour);
    text({at.x + f.top_at.x, at.y + f.top_at.y}, f.top, colour);
    text({at.x + f.bottom_at.x, at.y + f.bottom_at.y}, f.bottom, colour);
}

void Drawing::cancel(std::initializer_list<Cancel> marks) {
    for (const Cancel& m : marks) line(m.from, m.to, 7);
    const Scoped small = font_size(12);
    for (const Cancel& m : marks) text(m.at, m.reduced);
}

void Drawing::line(PointF a, PointF b, int colour) { surface().draw_line(a, b, colour); }

void Drawing::line(PointF a, PointF b, int colour, PenStyle style) {
    const Scoped pen = this->pen(style);
    line(a, b, colour);
}

void Drawing::box(PointF a, PointF b, int colour) { surface().draw_box(a, b, colour); }

void Drawing::fill_box(PointF a, PointF b, int colour) { surface().fill_box(a, b, colour); }

void Drawing::fill_box(PointF a, PointF b, int colour, int fill) {
    surface().fill_box(a, b, colour, fill);
}

void Drawing::circle(PointF centre, float radius, int colour, float aspect) {
    surface().draw_circle(centre, radius, colour, aspect);
}

void Drawing::disc(PointF centre, float radius, int colour, int fill, float aspect) {
    surface().draw_circle(centre, radius, colour, aspect, fill);
}

void Drawing::arc(PointF centre, float radius, int colour, float from, float to, float aspect) {
    surface().draw_arc(centre, radius, colour, aspect, from, to);
}

void Drawing::pie(PointF centre, float radius, int colour, int fill, float from, float to,
                  float aspect) {
    surface().draw_arc(centre, radius, colour, aspect, from, to, fill);
}

void Drawing::polyline(std::initializer_list<PolyPoint> points, int colour) {
    surface().draw_polyline(points, colour);
}

void Drawing::solid_polyline(std::initializer_list<PolyPoint> points, int colour) {
    platform::PolyOptions solid;
    solid.style = platform::PolyStyle::Solid;
    surface().draw_polyline(points, colour, solid);
}

void Drawing::polygon(std::initializer_list<PolyPoint> points, int colour, int fill) {
    platform::PolyOptions filled;
    filled.fill = fill;
    surface().draw_polyline(points, colour, filled);
}

void Drawing::point(PointF at, int colour) { surface().set_point(at, colour); }

void Drawing::flood_fill(PointF from, Rgb fill, Rgb border) {
    surface().set_fill_style(0);
    surface().set_fill_colour(fill);
    surface().flood_fill(from, border);
}

void Drawing::picture(std::string_view name, PointF at) {
    surface().draw_picture(lesson().picture(name), at);
}

void Drawing::move_picture(std::string_view name, Area from, PointF to) {
    fill_box(from.from, from.to, 0);
    picture(name, to);
}

void Drawing::copy(PointF to, Size size, const Drawing& source, PointF from) {
    surface().block_copy(to, size.width, size.height, source.surface(), from);
}

Scoped Drawing::pen(PenStyle style) {
    platform::Surface& target = surface();
    const PenStyle before = target.state().style;
    target.set_draw_style(static_cast<int>(style));
    return Scoped([&target, before]() noexcept { target.restore_draw_style(before); });
}

Scoped Drawing::mode(DrawMode mode) {
    platform::Surface& target = surface();
    const DrawMode before = target.state().mode;
    target.set_draw_mode(static_cast<int>(mode));
    return Scoped([&target, before]() noexcept { target.restore_draw_mode(before); });
}

Scoped Drawing::font_size(int size) { return font(surface().state().font.face, size); }

Scoped Drawing::font(std::string_view face) { return font(face, surface().state().font.size); }

Scoped Drawing::font(std::string_view face, int size) {
    platform::Surface& target = surface();
    platform::TextFont before = target.state().font;
    target.set_font(face, size);
    return Scoped([&target, before = std::move(before)]() mutable noexcept {
        target.restore_font(std::move(before));
    });
}

Scoped Drawing::coordinates(Coordinates system) {
    platform::Surface& target = surface();
    const platform::LogicalWindow before = target.state().window;
    set_window(target, system == Coordinates::Pixels ? kPixelWindow : kLessonWindow);
    return Scoped([&target, before]() noexcept { target.restore_logical_window(before); });
}

}  // namespace frame
