#include "platform/surface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "platform/raster_op.h"
#include "platform/run_error.h"

namespace platform {
namespace {

// The screen the programs were made for: a window keeps at least this much.
constexpr QSize kScreen{640, 480};
constexpr int kLargestFontSize = 256;
constexpr int kLastFillStyle = 7;

void check_side(int side) {
    if (side < 0 || side > Surface::kLargestSide) throw RunError(ErrorNumber::BadArgument);
}

void check_font_size(int size) {
    if (size < 1 || size > kLargestFontSize) throw RunError(ErrorNumber::BadArgument);
}

QSize image_size(SurfaceKind kind, QSize client, QSize now) {
    if (kind == SurfaceKind::Bitmap) return client;
    return client.expandedTo(kScreen).expandedTo(now);
}

}  // namespace

Surface::Surface(SurfaceKind kind, int width, int height) : kind_(kind) {
    check_side(width);
    check_side(height);
    client_ = {width, height};
    resize_image(image_size(kind, client_, {}));
    const int right = std::max(image_.width() - 1, 1);
    const int bottom = std::max(image_.height() - 1, 1);
    state_.window = {0, 0, static_cast<float>(right), static_cast<float>(bottom)};
    state_.viewport = {0, 0, right, bottom};
}

void Surface::set_logical_window(float x1, float y1, float x2, float y2) {
    for (float v : {x1, y1, x2, y2})
        if (!std::isfinite(v)) throw RunError(ErrorNumber::BadArgument);
    if (x1 == x2 || y1 == y2) throw RunError(ErrorNumber::BadArgument);
    state_.window = {x1, y1, x2, y2};
}

void Surface::set_viewport(int x1, int y1, int x2, int y2) {
    if (x1 < 0 || y1 < 0 || x1 >= x2 || y1 >= y2 || x2 > image_.width() - 1 ||
        y2 > image_.height() - 1)
        throw RunError(ErrorNumber::BadArgument);
    state_.viewport = {x1, y1, x2, y2};
}

void Surface::set_palette_entry(int index, int green, int red, int blue) {
    state_.palette.set(index, Rgb{red, green, blue});
}

void Surface::set_colours(int text, std::optional<int> background, std::optional<int> drawing) {
    check_colour_index(text);
    if (background) check_colour_index(*background);
    if (drawing) check_colour_index(*drawing);
    state_.text_colour = text;
    if (background) state_.background_colour = *background;
    if (drawing) state_.drawing_colour = *drawing;
}

void Surface::set_text_colour(int colour) {
    check_colour_index(colour);
    state_.text_colour = colour;
}

void Surface::set_draw_mode(int code) { state_.mode = draw_mode_from_code(code); }

void Surface::set_draw_style(int code) { state_.style = pen_style_from_code(code); }

void Surface::set_fill_style(int style) {
    if (style < 0 || style > kLastFillStyle) throw RunError(ErrorNumber::BadArgument);
    state_.fill_style = style;
}

void Surface::set_fill_colour(Rgb colour) {
    to_qrgb(colour);  // checks the parts
    state_.fill_colour = colour;
}

void Surface::set_font(std::string_view face, int size) {
    check_font_size(size);
    state_.font = {std::string(face), size};
}

void Surface::set_font_size(int size) {
    check_font_size(size);
    state_.font.size = size;
}

void Surface::set_client_size(int width, int height) {
    check_side(width);
    check_side(height);
    client_ = {width, height};
    resize_image(image_size(kind_, client_, image_.size()));
}

void Surface::clear() {
    image_.fill(colour(state_.background_colour));
    state_.cursor = {};
    changed(image_.rect());
    if (watched()) tell({.kind = DrawCall::Kind::Clear, .colour = state_.background_colour});
}

QRgb Surface::rgb_at(QPoint pixel) const {
    if (!image_.rect().contains(pixel)) throw RunError(ErrorNumber::BadArgument);
    return image_.pixel(pixel) | 0xff000000u;
}

int Surface::colour_index_at(QPoint pixel) const {
    return state_.palette.index_of(rgb_at(pixel));
}

QPoint Surface::to_pixel(PointF logical) const {
    return platform::to_pixel(logical, state_.window, state_.viewport);
}

QRgb Surface::colour(int index) const { return state_.palette.at(index); }

QPoint Surface::place(PointF point) const {
    if (kind_ == SurfaceKind::Window) return to_pixel(point);
    return {nearest_pixel(point.x), nearest_pixel(point.y)};
}

void Surface::paint(QRect reach, DrawMode mode, const std::function<void(QPainter&)>& figure) {
    changed(paint_figure(image_, reach, mode, state_.palette, figure));
}

void Surface::changed(QRect area) {
    if (!area.isEmpty() && changed_) changed_(area);
}

void Surface::resize_image(QSize size) {
    if (size == image_.size()) return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(state_.palette.at(state_.background_colour));
    if (!image_.isNull() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

}  // namespace platform
