#pragma once
// Text laid out in character cells.  A half-width character (one code page
// 932 byte: ASCII, half-width katakana) takes one cell, any other character
// two.  A cell is half the font size wide and the font size high, whatever
// the font's own metrics, so columns line up exactly.

#include <QFont>
#include <QRect>
#include <QSize>

#include <optional>
#include <string_view>
#include <vector>

class QPainter;

namespace platform {

// One character of a text and the number of cells it takes.
struct Glyph {
    char32_t code = 0;
    int cells = 1;
};

// The characters of a UTF-8 text with their cells, as Qt reads the text.
std::vector<Glyph> split_glyphs(std::string_view utf8);

// The same, read quickly, for a text of plain well-formed UTF-8 only; none
// for a text that Qt may read otherwise: a broken sequence, an overlong form,
// a surrogate, the byte order mark or a noncharacter.
std::optional<std::vector<Glyph>> split_well_formed(std::string_view utf8);

// Cells taken by the glyphs together.
int total_cells(const std::vector<Glyph>& glyphs);

// The pixel size of one cell at a font size (character height in pixels).
QSize cell_size(int font_size);

// Draws one character centred in its box with the painter's pen.  The font's
// character height should be the box height; the glyph is widened by
// `x_stretch` and then narrowed if it is still wider than the box.  Nothing
// is drawn outside the box.
void draw_glyph(QPainter& painter, const Glyph& glyph, const QRect& box, const QFont& font,
                qreal x_stretch);

}  // namespace platform
