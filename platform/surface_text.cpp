// Cell text and scaled text.
#include <QPainter>

#include <vector>

#include "platform/cell_text.h"
#include "platform/fonts.h"
#include "platform/run_error.h"
#include "platform/surface.h"

namespace platform {
namespace {

constexpr int kLargestScale = 64;

void check_scale(int scale) {
    if (scale < 1 || scale > kLargestScale) throw RunError(ErrorNumber::BadArgument);
}

// Draws the glyphs side by side from `origin`, each in boxes of `cell`.
void draw_glyphs(QPainter& painter, const std::vector<Glyph>& glyphs, QPoint origin, QSize cell,
                 const QFont& font, qreal x_stretch) {
    int left = origin.x();
    for (const Glyph& glyph : glyphs) {
        const QRect box(left, origin.y(), cell.width() * glyph.cells, cell.height());
        draw_glyph(painter, glyph, box, font, x_stretch);
        left += box.width();
    }
}

}  // namespace

void Surface::set_cell_position(int column, int row) {
    const QSize cell = cell_size(state_.font.size);
    const int columns = cell.width() > 0 ? client_.width() / cell.width() : 0;
    const int rows = client_.height() / cell.height();
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        throw RunError(ErrorNumber::BadArgument);
    state_.cursor = {column, row};
}

void Surface::draw_cell_text(std::string_view utf8) {
    const std::vector<Glyph> glyphs = split_glyphs(utf8);
    const QSize cell = cell_size(state_.font.size);
    const CellCursor cursor = state_.cursor;
    const QPoint origin(cursor.column * cell.width(), cursor.row * cell.height());
    const QRect cells(origin, QSize(total_cells(glyphs) * cell.width(), cell.height()));
    const QRgb ink = colour(state_.text_colour);
    const QRgb paper = colour(state_.background_colour);
    const QFont font = make_font(state_.font.face, state_.font.size);

    // Text output ignores the draw mode: the cells are always replaced.
    paint(cells, DrawMode::Copy, [&](QPainter& painter) {
        painter.fillRect(cells, QColor::fromRgb(paper));
        painter.setPen(QColor::fromRgb(ink));
        draw_glyphs(painter, glyphs, origin, cell, font, 1);
    });
    state_.cursor.column += total_cells(glyphs);
    if (watched())
        tell({.column = cursor.column, .row = cursor.row, .pixel = origin,
              .colour = state_.text_colour, .fill = state_.background_colour,
              .text = std::string(utf8), .font = state_.font});
}

void Surface::draw_scaled_text(PointF at, std::string_view utf8, int x_scale, int y_scale,
                               std::optional<int> colour_index) {
    check_scale(x_scale);
    check_scale(y_scale);
    const int index = colour_index.value_or(state_.drawing_colour);
    const QRgb ink = colour(index);
    const std::vector<Glyph> glyphs = split_glyphs(utf8);
    const QSize unit = cell_size(state_.font.size);
    const QSize cell(unit.width() * x_scale, unit.height() * y_scale);
    const QPoint origin = to_pixel(at);
    const QRect reach(origin, QSize(total_cells(glyphs) * cell.width(), cell.height()));
    const QFont font = make_font(kScaledTextFace, cell.height());
    const qreal stretch = static_cast<qreal>(x_scale) / y_scale;

    paint(reach, state_.mode, [&](QPainter& painter) {
        painter.setPen(QColor::fromRgb(ink));
        draw_glyphs(painter, glyphs, origin, cell, font, stretch);
    });
    if (watched())
        tell({.kind = DrawCall::Kind::Scaled, .at = at, .pixel = origin, .colour = index,
              .text = std::string(utf8), .font = state_.font, .x_scale = x_scale,
              .y_scale = y_scale, .mode = state_.mode});
}

}  // namespace platform
