// Cell text and scaled text, stamped where the glyphs have stamps.
#include <QPainter>

#include <algorithm>
#include <optional>
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

// The face, character height and widening of the glyphs of one text.
struct Lettering {
    std::string_view face;
    int pixel_size = 16;
    qreal x_stretch = 1;
};

// The glyph alone in its box, as draw_glyphs draws it.
std::optional<Stamp> take_glyph(const Glyph& glyph, QSize box, const Lettering& look,
                                Painting painting) {
    const QFont font = make_font(look.face, look.pixel_size);
    return take_stamp(box, painting, [&](QPainter& painter, QPoint origin) {
        painter.setPen(QColor::fromRgb(kStampInk));
        draw_glyph(painter, glyph, QRect(origin, box), font, look.x_stretch);
    });
}

// The stamps of the glyphs in their boxes of `cell`; none when one of them
// has no stamp.
std::optional<std::vector<const Stamp*>> stamps_of(StampCache<GlyphKey, GlyphKeyHash>& stamps,
                                                    const std::vector<Glyph>& glyphs, QSize cell,
                                                    const Lettering& look, DrawMode mode) {
    stamps.make_room();
    std::vector<const Stamp*> found;
    found.reserve(glyphs.size());
    GlyphKey key{.face = std::string(look.face), .pixel_size = look.pixel_size,
                 .height = cell.height(), .stretch = look.x_stretch, .painting = painting_in(mode)};
    for (const Glyph& glyph : glyphs) {
        key.code = glyph.code;
        key.width = cell.width() * glyph.cells;
        const Stamp* stamp = stamps.find(key, [&] {
            return take_glyph(glyph, QSize(key.width, key.height), look, key.painting);
        });
        if (!stamp) return std::nullopt;
        found.push_back(stamp);
    }
    return found;
}

// Stamps the glyphs side by side from `origin`, as draw_glyphs draws them.
void stamp_glyphs(QImage& image, const std::vector<const Stamp*>& stamps,
                  const std::vector<Glyph>& glyphs, QPoint origin, int cell_width, QRgb ink,
                  DrawMode mode, const Palette& palette) {
    QPoint at = origin;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        put_stamp(image, *stamps[i], at, ink, mode, palette);
        at.rx() += cell_width * glyphs[i].cells;
    }
}

void fill_pixels(QImage& image, QRect area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + area.left(), row + area.right() + 1, colour);
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

    // Text output ignores the draw mode: the cells are always replaced.
    const Lettering look{state_.font.face, state_.font.size, 1};
    if (const auto stamps = stamps_of(stamps_.glyphs, glyphs, cell, look, DrawMode::Copy)) {
        const QRect area = cells.intersected(image_.rect());
        fill_pixels(image_, area, paper | 0xff000000u);
        stamp_glyphs(image_, *stamps, glyphs, origin, cell.width(), ink, DrawMode::Copy,
                     state_.palette);
        changed(area);
    } else {
        const QFont font = make_font(look.face, look.pixel_size);
        paint(cells, DrawMode::Copy, [&](QPainter& painter) {
            painter.fillRect(cells, QColor::fromRgb(paper));
            painter.setPen(QColor::fromRgb(ink));
            draw_glyphs(painter, glyphs, origin, cell, font, 1);
        });
    }
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
    const Lettering look{kScaledTextFace, cell.height(), static_cast<qreal>(x_scale) / y_scale};

    if (const auto stamps = stamps_of(stamps_.glyphs, glyphs, cell, look, state_.mode)) {
        stamp_glyphs(image_, *stamps, glyphs, origin, cell.width(), ink, state_.mode,
                     state_.palette);
        changed(reach.intersected(image_.rect()));
    } else {
        const QFont font = make_font(look.face, look.pixel_size);
        paint(reach, state_.mode, [&](QPainter& painter) {
            painter.setPen(QColor::fromRgb(ink));
            draw_glyphs(painter, glyphs, origin, cell, font, look.x_stretch);
        });
    }
    if (watched())
        tell({.kind = DrawCall::Kind::Scaled, .at = at, .pixel = origin, .colour = index,
              .text = std::string(utf8), .font = state_.font, .x_scale = x_scale,
              .y_scale = y_scale, .mode = state_.mode});
}

}  // namespace platform
